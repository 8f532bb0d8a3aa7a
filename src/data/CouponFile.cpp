#include "data/CouponFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/CommaText.h"
#include "game/Pricing.h"

#include <QDir>
#include <QFileInfo>

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

// A 0 entry is the padding of a short row, not a number.
QString joinNumbers(SystemColumns::Row row)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(row.size()));
    for (std::uint8_t n : row) {
        if (n != 0)
            items.append(QString::number(n));
    }
    return items.join(QLatin1Char(','));
}

QString headerText(int count, int game, const QString &multipliers, int drawsColumn, int drawsRow)
{
    return QString::number(count) + kCrLf + QString::number(game) + kCrLf + multipliers + kCrLf
        + QString::number(drawsColumn) + kCrLf + QString::number(drawsRow) + kCrLf;
}

} // namespace

const CouponLine &CouponFileData::coupon(int i) const
{
    static const CouponLine empty;
    if (i < 0 || static_cast<std::size_t>(i) >= lines.size())
        return empty;
    return lines[static_cast<std::size_t>(i)];
}

CouponFileData ParseCouponFile(const QByteArray &bytes, const QString &path)
{
    CouponFileData data;
    const auto fail = [&data, &path]() -> CouponFileData & {
        data.valid = false;
        data.error = kCouponReadErrorPrefix + path;
        return data;
    };

    const QStringList text = textfile::splitLines(textfile::decode(bytes));
    // A missing header line reads as an empty text, as reading past the end of a file does.
    const auto line = [&text](qsizetype i) { return i < text.size() ? text.at(i) : QString(); };

    const std::optional<int> count = parseInt(line(0));
    if (!count || *count < 0)
        return fail();
    data.count = *count;
    data.gameText = line(1);
    const std::optional<int> game = parseInt(data.gameText);
    if (!game || *game < 0)
        return fail();
    data.game = *game;
    data.multipliers = line(2);
    const std::optional<int> drawsColumn = parseInt(line(3));
    if (!drawsColumn)
        return fail();
    data.drawsColumn = *drawsColumn;
    const std::optional<int> drawsRow = parseInt(line(4));
    if (!drawsRow)
        return fail();
    data.drawsRow = *drawsRow;

    for (qsizetype i = 5; i < text.size(); ++i) {
        if (static_cast<qsizetype>(data.lines.size()) >= data.count)
            return fail(); // more coupon lines than announced
        CouponLine &coupon = data.lines.emplace_back();
        for (const QString &item : SplitCommaText(text.at(i))) {
            if (item.trimmed() == kPlaceholder)
                continue;
            const std::optional<int> number = parseInt(item);
            if (!number)
                return fail();
            if (static_cast<int>(coupon.numbers.size()) >= data.game)
                return fail();
            if (*number < 0 || *number > 255)
                return fail();
            coupon.numbers.push_back(static_cast<std::uint8_t>(*number));
            QString &group = coupon.groups[static_cast<std::size_t>(tensGroup(*number))];
            if (!group.isEmpty())
                group += QLatin1Char(',');
            group += QString::number(*number);
        }
    }
    data.valid = true;
    return data;
}

CouponFileData ReadCouponFile(const QString &path)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes) {
        CouponFileData data;
        data.error = kCouponReadErrorPrefix + fullPath;
        return data;
    }
    return ParseCouponFile(*bytes, fullPath);
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

void WriteCouponFile(const QString &path, int count, int game, const QString &multipliers, int drawsColumn,
                     int drawsRow, const SystemColumns &coupons)
{
    QString text = headerText(count, game, multipliers, drawsColumn, drawsRow);
    for (const SystemColumns::Row row : coupons)
        text += joinNumbers(row) + kCrLf;
    textfile::writeBytes(path, textfile::encode(text));
}

double CouponFileValue(const CouponFileData &file, double columnPrice)
{
    MultiplierBoxes multipliers{};
    for (const QString &item : SplitCommaText(file.multipliers)) {
        if (item.trimmed() == kPlaceholder)
            continue;
        const int box = toInt(item);
        if (box < 1 || box > kMultiplierBoxCount)
            throw RangeError(QStringLiteral("Multiplier box %1 does not exist").arg(box));
        multipliers[static_cast<std::size_t>(box - 1)] = true;
    }
    DrawBoxes draws{};
    if (file.drawsColumn != 0) {
        if (file.drawsColumn < 1 || file.drawsColumn > kDrawColumns || file.drawsRow < 0 || file.drawsRow >= kDrawRows)
            throw RangeError(QStringLiteral("Consecutive-draws box %1,%2 does not exist").arg(file.drawsColumn).arg(file.drawsRow));
        draws[static_cast<std::size_t>(file.drawsColumn - 1)][static_cast<std::size_t>(file.drawsRow)] = true;
    }
    return CouponCost(1, CouponDraws(draws), CouponMultiplier(multipliers), columnPrice);
}

} // namespace taru::data
