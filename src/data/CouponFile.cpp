#include "data/CouponFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/CommaText.h"
#include "game/Pricing.h"

#include <QDir>
#include <QIODevice>
#include <QFileInfo>

#include <limits>
#include <optional>

namespace taru::data {

namespace {

const QString kPlaceholder = QStringLiteral("A");
const QString kCrLf = QStringLiteral("\r\n");

std::optional<int> parseInt(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

int tensGroup(int number)
{
    if (number < 1 || number > kNumbers)
        return 0;
    return (number - 1) / 10;
}

QString headerText(std::int64_t count, int game, const QString &multipliers, int drawsColumn, int drawsRow)
{
    return QString::number(count) + kCrLf + QString::number(game) + kCrLf + multipliers + kCrLf
        + QString::number(drawsColumn) + kCrLf + QString::number(drawsRow) + kCrLf;
}

} // namespace

std::array<QString, kTensGroups> CouponLine::groups() const
{
    std::array<QString, kTensGroups> groups;
    for (const std::uint8_t number : numbers) {
        QString &group = groups[static_cast<std::size_t>(tensGroup(number))];
        if (!group.isEmpty())
            group += QLatin1Char(',');
        group += QString::number(number);
    }
    return groups;
}

const CouponLine &CouponFileData::coupon(int i) const
{
    static const CouponLine empty;
    if (i < 0 || static_cast<std::size_t>(i) >= lines.size())
        return empty;
    return lines[static_cast<std::size_t>(i)];
}

namespace {

// Reads a coupon file one line at a time, so a file costs the lines it holds and never what it
// announces: coupons past the file's lines are represented by the count alone.
class CouponParser {
public:
    CouponParser(CouponFileData &data, const QString &path) : data_(data), path_(path) {}

    // The next line of the file; false once the file is refused.
    bool feed(const QString &text)
    {
        const qint64 index = index_++;
        switch (index) {
        case 0: {
            const std::optional<int> count = parseInt(text);
            if (!count || *count < 0)
                return fail(QStringLiteral("line 1: the coupon count '%1' is not a whole number from 0").arg(text.left(40)));
            data_.count = *count;
            return true;
        }
        case 1: {
            data_.gameText = text;
            const std::optional<int> game = parseInt(text);
            if (!game || *game < 0 || *game > kMaxCouponFileGame)
                return fail(QStringLiteral("line 2: the game size '%1' is not a whole number from 0 to %2")
                                .arg(text.left(40))
                                .arg(kMaxCouponFileGame));
            data_.game = *game;
            return true;
        }
        case 2:
            data_.multipliers = text;
            return true;
        case 3:
        case 4: {
            const std::optional<int> value = parseInt(text);
            if (!value)
                return fail(QStringLiteral("line %1: '%2' is not a whole number").arg(index + 1).arg(text.left(40)));
            (index == 3 ? data_.drawsColumn : data_.drawsRow) = *value;
            return true;
        }
        default:
            return coupon(text, index + 1);
        }
    }

    // The end of the file: a missing header line reads as an empty text, as reading past the
    // end of a file does.
    bool finish()
    {
        while (index_ < kHeaderLines) {
            if (!feed(QString()))
                return false;
        }
        data_.valid = true;
        return true;
    }

    bool fail(const QString &reason)
    {
        data_.valid = false;
        data_.error = kCouponReadErrorPrefix + path_;
        data_.reason = reason;
        return false;
    }

private:
    static constexpr qint64 kHeaderLines = 5;

    bool coupon(const QString &text, qint64 lineNumber)
    {
        if (static_cast<qint64>(data_.lines.size()) >= data_.count)
            return fail(QStringLiteral("line %1: more coupon lines than the %2 announced").arg(lineNumber).arg(data_.count));
        CouponLine &coupon = data_.lines.emplace_back();
        for (const QString &item : SplitCommaText(text)) {
            if (item.trimmed() == kPlaceholder)
                continue;
            const std::optional<int> number = parseInt(item);
            if (!number)
                return fail(QStringLiteral("line %1: '%2' is not a number").arg(lineNumber).arg(item.left(40)));
            if (static_cast<int>(coupon.numbers.size()) >= data_.game)
                return fail(QStringLiteral("line %1: more than %2 numbers").arg(lineNumber).arg(data_.game));
            if (*number < 0 || *number > 255)
                return fail(QStringLiteral("line %1: %2 is outside 0..255").arg(lineNumber).arg(*number));
            coupon.numbers.push_back(static_cast<std::uint8_t>(*number));
        }
        return true;
    }

    CouponFileData &data_;
    QString path_;
    qint64 index_ = 0;
};

} // namespace

CouponFileData ParseCouponFile(const QByteArray &bytes, const QString &path)
{
    CouponFileData data;
    CouponParser parser(data, path);
    for (const QString &line : textfile::splitLines(textfile::decode(bytes))) {
        if (!parser.feed(line))
            return data;
    }
    parser.finish();
    return data;
}

CouponFileData ReadCouponFile(const QString &path)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    CouponFileData data;
    CouponParser parser(data, fullPath);
    textfile::LineReader reader(path, kMaxCouponLineBytes);
    if (!reader.isOpen()) {
        parser.fail(reader.errorString());
        return data;
    }
    while (const std::optional<QString> line = reader.next()) {
        if (!parser.feed(*line))
            return data;
    }
    if (reader.failed() || reader.lineTooLong()) {
        parser.fail(reader.errorString());
        return data;
    }
    parser.finish();
    return data;
}

QByteArray CouponFileBytes(int count, int game, const QString &multipliers, int drawsColumn, int drawsRow,
                           const std::vector<QStringList> &coupons)
{
    QString text = headerText(count, game, multipliers, drawsColumn, drawsRow);
    for (const QStringList &coupon : coupons)
        text += coupon.join(QLatin1Char(',')) + kCrLf;
    return textfile::encode(text);
}

void WriteCouponFile(const QString &path, int count, int game, const QString &multipliers, int drawsColumn,
                     int drawsRow, const std::vector<QStringList> &coupons)
{
    textfile::writeBytes(path, CouponFileBytes(count, game, multipliers, drawsColumn, drawsRow, coupons));
}

void WriteCouponFile(const QString &path, std::int64_t count, int game, const QString &multipliers, int drawsColumn,
                     int drawsRow, const SystemColumns &coupons)
{
    if (count < 0 || count > std::numeric_limits<int>::max())
        throw RangeError(QStringLiteral("A coupon file cannot hold %1 coupons").arg(count));
    // Written as it is made: a system of millions of columns never exists twice in memory.
    textfile::writeAtomically(path, [&](QIODevice &out) {
        textfile::ChunkWriter writer(out, path);
        writer.appendText(headerText(count, game, multipliers, drawsColumn, drawsRow));
        for (const SystemColumns::Row row : coupons) {
            bool first = true;
            for (std::uint8_t n : row) {
                if (n == 0)
                    continue; // the padding of a short row
                if (!first)
                    writer.append(',');
                writer.appendNumber(n);
                first = false;
            }
            writer.crlf();
        }
        writer.finish();
    });
}

double CouponFileValue(const CouponFileData &file, double columnPrice)
{
    // Only the boxes the slip has count: a box that does not exist (a "0" on line 3, draws box
    // 2,5) is left to printing, which refuses it.
    MultiplierBoxes multipliers{};
    for (const QString &item : SplitCommaText(file.multipliers)) {
        const std::optional<int> box = parseInt(item);
        if (box && *box >= 1 && *box <= kMultiplierBoxCount)
            multipliers[static_cast<std::size_t>(*box - 1)] = true;
    }
    DrawBoxes draws{};
    if (file.drawsColumn >= 1 && file.drawsColumn <= kDrawColumns && file.drawsRow >= 0 && file.drawsRow < kDrawRows)
        draws[static_cast<std::size_t>(file.drawsColumn - 1)][static_cast<std::size_t>(file.drawsRow)] = true;
    return CouponCost(1, CouponDraws(draws), CouponMultiplier(multipliers), columnPrice);
}

CheckResult CheckCouponFile(const CouponFileData &file, const WinningPlaces &winning)
{
    std::vector<std::vector<int>> columns;
    columns.reserve(file.lines.size());
    for (const CouponLine &line : file.lines)
        columns.emplace_back(line.numbers.begin(), line.numbers.end());
    return CheckColumns(columns, file.game, winning, std::max(0, file.emptyTail()));
}

} // namespace taru::data
