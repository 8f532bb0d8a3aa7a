#include "print/SlipLayout.h"

#include "game/Pricing.h"

#include <cmath>

namespace taru {

namespace {

// Reads one list; each valid entry is handed to mark(value). Unless strict, an entry that is
// not a box of the slip is left out instead of raising.
template <typename Mark>
void applyList(const QString &list, int low, int high, const char *what, bool strict, Mark mark)
{
    for (const QString &raw : list.split(QLatin1Char(','))) {
        const QString entry = raw.trimmed();
        // "A" stands for a box left empty; blank entries come from lists joined with a
        // trailing comma. Neither marks anything.
        if (entry.isEmpty() || entry == QLatin1String("A"))
            continue;
        if (!strict) {
            bool ok = false;
            const int value = entry.toInt(&ok);
            if (ok && value >= low && value <= high)
                mark(value);
            continue;
        }
        const int value = toInt(entry);
        if (value < low || value > high)
            throw RangeError(QStringLiteral("%1 %2 is out of range %3..%4")
                                 .arg(QString::fromLatin1(what)).arg(value).arg(low).arg(high));
        mark(value);
    }
}

// The running horizontal correction: a small drift that follows the printed grid of the slip,
// which widens slightly after every third box.
struct Correction {
    double pitch = 0;
    double extra = 0;
    double sum = 0;

    double offset() const { return extra + sum; }
    void advance(int position)
    {
        sum += extra;
        extra = position % 3 == 0 ? 0.08 * pitch : 0.0015 * pitch;
    }
};

struct Grid {
    double left, top, pitchX, pitchY;
};

class Placer {
public:
    Placer(const Grid &grid, QList<SlipItem> &out, QString mark, int fontSize)
        : grid_(grid), out_(out), mark_(std::move(mark)), fontSize_(fontSize)
    {
        correction.pitch = grid.pitchX;
    }

    Correction correction;

    void place(SlipBlock block, int index, double k, double r, double e)
    {
        SlipItem item;
        item.block = block;
        item.index = index;
        item.k = k;
        item.r = r;
        item.exactX = grid_.left + k * grid_.pitchX + e;
        item.exactY = grid_.top + r * grid_.pitchY;
        item.x = RoundHalfEven(item.exactX);
        item.y = RoundHalfEven(item.exactY);
        item.fontSize = fontSize_;
        item.text = mark_;
        out_.append(item);
    }

    // A corrected mark at position p of its block.
    void placeCorrected(SlipBlock block, int index, double k, double r, int p)
    {
        place(block, index, k, r, correction.offset());
        correction.advance(p);
    }

    // Game boxes 1 to 6 on row -3 from k = 2, 7 to 12 on row -2 from k = 2.
    void gamesTwoRows(const SlipFlags &f)
    {
        for (int i = 1; i <= 12; ++i) {
            if (f.games[i - 1])
                placeCorrected(SlipBlock::GameBoxes, i, i <= 6 ? i + 1 : i - 5, i <= 6 ? -3 : -2, i);
        }
    }

    // Game boxes 1 to 12 in one row from k = 0.
    void gamesOneRow(const SlipFlags &f)
    {
        for (int i = 1; i <= 12; ++i) {
            if (f.games[i - 1])
                placeCorrected(SlipBlock::GameBoxes, i, i - 1, -3, i);
        }
    }

    void numbers(const SlipFlags &f)
    {
        for (int row = 0; row < 8; ++row) {
            correction.sum = 0; // extra carries over from the row before
            for (int col = 1; col <= 10; ++col) {
                if (f.numbers[row][col - 1])
                    placeCorrected(SlipBlock::Numbers, row * 10 + col, col - 1, row, col);
            }
        }
    }

    void drawsSlip(const SlipFlags &f)
    {
        if (f.drawColumn > 0)
            place(SlipBlock::Draws, f.drawColumn * 10 + f.drawRow, 5 * f.drawColumn + f.drawRow + 25.5, 12, 0);
    }

    // In the report the draws box sits beside the game boxes and takes the correction, but
    // never advances it.
    void drawsReport(const SlipFlags &f)
    {
        if (f.drawColumn > 0)
            place(SlipBlock::Draws, f.drawColumn * 10 + f.drawRow, f.drawColumn + 9, f.drawRow + 1, correction.offset());
    }

    void multipliers(const SlipFlags &f, double row, int kOffset, bool corrected)
    {
        for (int i = 1; i <= 9; ++i) {
            if (!f.multipliers[i - 1])
                continue;
            if (corrected)
                placeCorrected(SlipBlock::Multipliers, i, i + kOffset, row, i);
            else
                place(SlipBlock::Multipliers, i, i + kOffset, row, 0);
        }
    }

private:
    Grid grid_;
    QList<SlipItem> &out_;
    QString mark_;
    int fontSize_;
};

} // namespace

namespace {
SlipFlags parseMarks(const SlipMarks &marks, bool strict)
{
    SlipFlags flags;
    applyList(marks.games, 1, kGameBoxCount, "Game box", strict, [&](int i) { flags.games[i - 1] = true; });
    applyList(marks.multipliers, 1, kMultiplierBoxCount, "Multiplier box", strict,
              [&](int i) { flags.multipliers[i - 1] = true; });
    applyList(marks.numbers, 1, kNumbers, "Number", strict,
              [&](int n) { flags.numbers[(n - 1) / 10][(n - 1) % 10] = true; });
    const bool drawsBoxExists = marks.drawColumn == 0 ||
                                (marks.drawColumn >= 1 && marks.drawColumn <= kDrawColumns && marks.drawRow >= 0 &&
                                 marks.drawRow < kDrawRows);
    if (!drawsBoxExists && !strict)
        return flags;
    if (marks.drawColumn < 0 || marks.drawColumn > kDrawColumns)
        throw RangeError(QStringLiteral("Consecutive-draws column %1 is out of range 0..2").arg(marks.drawColumn));
    if (marks.drawColumn > 0 && (marks.drawRow < 0 || marks.drawRow >= kDrawRows))
        throw RangeError(QStringLiteral("Consecutive-draws row %1 is out of range 0..4").arg(marks.drawRow));
    flags.drawColumn = marks.drawColumn;
    flags.drawRow = marks.drawRow;
    return flags;
}
} // namespace

SlipFlags ParseSlipMarks(const SlipMarks &marks)
{
    return parseMarks(marks, true);
}

SlipFlags ParseShownSlipMarks(const SlipMarks &marks)
{
    return parseMarks(marks, false);
}

QString FormatSlipAmount(double value, const QLocale &locale)
{
    return FormatMoney(value, locale) + QStringLiteral(" €");
}

QString ValueLineText(const ValueLine &line, const QString &siteLabel, const QLocale &locale)
{
    const QString amount = FormatSlipAmount(line.value, locale);
    if (line.kind == ValueLine::Kind::GameLabel) {
        if (!line.gameLabel.trimmed().isEmpty())
            return siteLabel + QStringLiteral("   ") + line.gameLabel + QStringLiteral(" Αξ. : ") + amount;
        return siteLabel + QStringLiteral("     Αξ. : ") + amount;
    }
    return siteLabel + QStringLiteral("     Δελ. ") + QString::number(line.couponNumber) + QStringLiteral("  Αξ. : ") +
           amount;
}

int DevicePosition(double value)
{
    // A position no page can have (or no number at all) must never reach an integer conversion.
    if (!std::isfinite(value) || std::fabs(value) > kMaxDevicePosition)
        throw RangeError(QStringLiteral("Position %1 is outside any page").arg(value));
    return static_cast<int>(value);
}

int RoundHalfEven(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > kMaxDevicePosition)
        return DevicePosition(value);
    const double lower = std::floor(value);
    const double diff = value - lower;
    double result = lower;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0.0))
        result = lower + 1.0;
    return static_cast<int>(result);
}

QList<SlipItem> SlipLayout::marks() const
{
    QList<SlipItem> result;
    for (const SlipItem &item : items) {
        if (item.block != SlipBlock::Message && item.block != SlipBlock::ValueLine)
            result.append(item);
    }
    return result;
}

namespace {
// The message and the value line are written where the profile puts them, cut (not rounded) to
// whole dots.
SlipItem textItem(SlipBlock block, double x, double y, int fontSize, const QString &text)
{
    SlipItem item;
    item.block = block;
    item.exactX = x;
    item.exactY = y;
    item.x = DevicePosition(std::trunc(x));
    item.y = DevicePosition(std::trunc(y));
    item.fontSize = fontSize;
    item.text = text;
    return item;
}
} // namespace

SlipLayout LayoutSlip(const SlipFlags &flags, const SlipGeometry &g, SlipVariant variant, const QString &valueText)
{
    SlipLayout layout;
    layout.variant = variant;

    layout.items.append(textItem(SlipBlock::Message, g.messageX, g.messageY, g.messageSize, g.message.trimmed()));
    if (variant != SlipVariant::L)
        layout.items.append(textItem(SlipBlock::ValueLine, g.valueX, g.valueY, g.valueSize, valueText));

    Placer placer(Grid{g.slipLeft, g.slipTop, g.pitchX, g.pitchY}, layout.items, g.markChar, g.markSize);
    switch (variant) {
    case SlipVariant::A:
        placer.gamesTwoRows(flags);
        placer.numbers(flags);
        placer.drawsSlip(flags);
        placer.multipliers(flags, 9, 0, true);
        break;
    case SlipVariant::BProducedSystem:
    case SlipVariant::BFromFile:
        if (variant == SlipVariant::BProducedSystem)
            placer.correction.extra = 0.0015 * g.pitchX;
        placer.numbers(flags);
        placer.drawsSlip(flags);
        placer.gamesTwoRows(flags);
        placer.multipliers(flags, 10, 2, variant == SlipVariant::BProducedSystem);
        break;
    case SlipVariant::L:
        placer.gamesOneRow(flags);
        placer.numbers(flags);
        placer.drawsReport(flags);
        placer.multipliers(flags, 10, 2, true);
        break;
    }
    return layout;
}

void RenderSlip(PrintCanvas &canvas, const SlipLayout &layout)
{
    int fontSize = -1;
    for (const SlipItem &item : layout.items) {
        // Each text line sets its own size; the marks set theirs once.
        if (item.block == SlipBlock::Message || item.block == SlipBlock::ValueLine || item.fontSize != fontSize) {
            canvas.setFontSize(item.fontSize);
            fontSize = item.fontSize;
        }
        canvas.textOut(item.x, item.y, item.text);
    }
}

QList<SlipItem> LayoutScreenSlip(const SlipFlags &flags)
{
    QList<SlipItem> items;
    Placer placer(Grid{kScreenLeft, kScreenTop, kScreenPitchX, kScreenPitchY}, items, kScreenMark, kScreenMarkSize);
    placer.correction.extra = 0.0015 * kScreenPitchX;
    placer.numbers(flags);
    placer.gamesTwoRows(flags);
    placer.multipliers(flags, 9, 0, true);
    return items;
}

} // namespace taru
