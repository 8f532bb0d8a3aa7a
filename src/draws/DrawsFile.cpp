#include "draws/DrawsFile.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "base/CommaText.h"


#include <algorithm>

namespace taru::draws {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

std::int64_t floorMod(std::int64_t a, std::int64_t b)
{
    return a - floorDiv(a, b) * b;
}

QString joinFields(const QStringList &fields)
{
    // Empty leading cells add no separator: the line starts with the first non-empty one.
    QString line;
    for (const QString &field : fields) {
        if (line.isEmpty())
            line = field;
        else
            line += QLatin1Char(',') + field;
    }
    return line;
}

} // namespace

QStringList DrawEntry::fields() const
{
    QStringList list{sequence, drawNumber, date};
    for (const QString &n : numbers)
        list.append(n);
    return list;
}

DrawEntry DrawEntry::fromFields(const QStringList &fields)
{
    DrawEntry entry;
    const auto field = [&fields](int i) { return i < fields.size() ? fields.at(i) : QString(); };
    entry.sequence = field(0);
    entry.drawNumber = field(1);
    entry.date = field(2);
    for (int i = 0; i < kDrawNumbers; ++i)
        entry.numbers[static_cast<std::size_t>(i)] = field(3 + i);
    return entry;
}

DrawFigures ComputeRowFigures(const std::array<int, kDrawNumbers> &numbers)
{
    DrawFigures f;
    std::array<bool, 10> digitSeen{};
    std::array<std::int64_t, kDrawNumbers> decades{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::int64_t x = numbers[i];
        f.sum += x;
        if (floorMod(x, 2) == 0)
            ++f.even;
        const std::int64_t digit = floorMod(x, 10);
        if (digit >= 1 && digit <= 5)
            ++f.left;
        digitSeen[static_cast<std::size_t>(digit)] = true;
        decades[i] = floorDiv(x - 1, 10);
    }
    f.odd = kDrawNumbers - f.even;
    f.right = kDrawNumbers - f.left;
    f.digits = static_cast<int>(std::count(digitSeen.begin(), digitSeen.end(), true));
    std::sort(decades.begin(), decades.end());
    f.decades = static_cast<int>(std::unique(decades.begin(), decades.end()) - decades.begin());
    f.range = static_cast<std::int64_t>(numbers.back()) - numbers.front();
    return f;
}

DrawFigures ComputeRowFigures(const DrawEntry &entry)
{
    std::array<int, kDrawNumbers> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = toInt(entry.numbers[i]);
    return ComputeRowFigures(values);
}

DrawsFileData ParseDrawsFile(const QByteArray &bytes)
{
    DrawsFileData data;
    for (const QString &line : textfile::splitLines(textfile::decode(bytes))) {
        DrawRow row;
        row.entry = DrawEntry::fromFields(data::SplitCommaText(line));
        try {
            row.figures = ComputeRowFigures(row.entry);
        } catch (const ConversionError &) {
            data.error = kDrawsReadError;
            return data;
        }
        data.rows.push_back(std::move(row));
    }
    data.valid = true;
    return data;
}

DrawsFileData ReadDrawsFile(const QString &path)
{
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes) {
        DrawsFileData data;
        data.error = kDrawsReadError;
        return data;
    }
    return ParseDrawsFile(*bytes);
}

QByteArray DrawsFileBytes(const std::vector<DrawEntry> &entries)
{
    QString text;
    for (const DrawEntry &entry : entries) {
        text += joinFields(entry.fields());
        text += QStringLiteral("\r\n");
    }
    return textfile::encode(text);
}

QString WriteDrawsFile(const QString &path, const std::vector<DrawEntry> &entries)
{
    try {
        textfile::writeBytes(path, DrawsFileBytes(entries));
    } catch (const FileError &) {
        return kDrawsWriteError;
    }
    return {};
}

QStringList DrawListCells(const DrawEntry &entry, const std::optional<DrawFigures> &figures)
{
    QStringList cells = entry.fields();
    if (figures) {
        for (std::int64_t value : {figures->sum, std::int64_t(figures->odd), std::int64_t(figures->even),
                                   std::int64_t(figures->left), std::int64_t(figures->right),
                                   std::int64_t(figures->digits), std::int64_t(figures->decades), figures->range})
            cells.append(QString::number(value));
    } else {
        for (int i = 0; i < kDrawFigures; ++i)
            cells.append(QString());
    }
    return cells;
}

} // namespace taru::draws
