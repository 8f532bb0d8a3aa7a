#include "systems/Replacement.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QDir>

#include <algorithm>
#include <optional>
#include <set>

namespace taru {

namespace {

constexpr int kHeaderLines = 5;
const QString kPlaceholder = QStringLiteral("A");

std::optional<int> wholeNumber(const QString &item)
{
    bool ok = false;
    const int value = item.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

DistinctNumbers ReadDistinctNumbers(const QByteArray &fileBytes)
{
    DistinctNumbers result;
    std::set<int> seen;
    const QStringList lines = textfile::splitLines(textfile::decode(fileBytes));
    for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        for (const QString &raw : lines.at(i).split(QLatin1Char(','))) {
            const QString item = raw.trimmed();
            if (item == kPlaceholder)
                continue;
            const std::optional<int> number = wholeNumber(item);
            if (!number) {
                result.error = QStringLiteral("Η γραμμή %1 του αρχείου δελτίων έχει μη έγκυρο αριθμό «%2».").arg(i + 1).arg(item);
                return result;
            }
            if (seen.insert(*number).second)
                result.numbers.push_back(*number);
        }
    }
    return result;
}

int FirstWrongNewNumber(const QStringList &newTexts)
{
    std::vector<int> values;
    for (const QString &text : newTexts) {
        const std::optional<int> number = wholeNumber(text.trimmed());
        values.push_back(number && *number >= 1 && *number <= 80 ? *number : 0);
    }
    for (std::size_t row = 0; row < values.size(); ++row) {
        if (values[row] == 0)
            return static_cast<int>(row);
        const auto same = std::count(values.begin(), values.end(), values[row]);
        if (same > 1)
            return static_cast<int>(row);
    }
    return -1;
}

ReplacementTable MakeReplacementTable(std::span<const int> oldNumbers, const QStringList &newTexts)
{
    ReplacementTable table;
    for (std::size_t row = 0; row < oldNumbers.size() && row < static_cast<std::size_t>(newTexts.size()); ++row) {
        const QString text = newTexts.at(static_cast<qsizetype>(row)).trimmed();
        if (text == QString::number(oldNumbers[row]))
            continue;
        table.emplace_back(oldNumbers[row], toInt(text));
    }
    return table;
}

QByteArray ReplaceNumbers(const QByteArray &fileBytes, const ReplacementTable &table, const QString &multipliers,
                          int drawColumn, int drawRow)
{
    const QStringList lines = textfile::splitLines(textfile::decode(fileBytes));
    if (lines.size() < kHeaderLines)
        throw FileError(QStringLiteral("Το αρχείο δελτίων έχει %1 γραμμές, λιγότερες από τις 5 της κεφαλίδας.").arg(lines.size()));
    QString text;
    text.reserve(fileBytes.size() + 64);
    const auto writeLine = [&text](const QString &line) {
        text += line;
        text += QStringLiteral("\r\n");
    };
    writeLine(lines.at(0));
    writeLine(lines.at(1));
    writeLine(multipliers);
    writeLine(QString::number(drawColumn));
    writeLine(QString::number(drawRow));
    for (qsizetype i = kHeaderLines; i < lines.size(); ++i) {
        QStringList items;
        if (!lines.at(i).trimmed().isEmpty()) {
            for (const QString &raw : lines.at(i).split(QLatin1Char(','))) {
                const QString item = raw.trimmed();
                if (item == kPlaceholder) {
                    items.append(item);
                    continue;
                }
                const std::optional<int> number = wholeNumber(item);
                if (!number)
                    throw ConversionError(QStringLiteral("Η γραμμή %1 του αρχείου δελτίων έχει μη έγκυρο αριθμό «%2».")
                                              .arg(i + 1)
                                              .arg(item));
                const auto pair = std::find_if(table.begin(), table.end(),
                                               [&](const auto &entry) { return entry.first == *number; });
                items.append(QString::number(pair == table.end() ? *number : pair->second));
            }
        }
        writeLine(items.join(QLatin1Char(',')));
    }
    return textfile::encode(text);
}

void ReplaceInCouponFile(const QString &inputPath, const QString &outputPath, const ReplacementTable &table,
                         const QString &multipliers, int drawColumn, int drawRow)
{
    const std::optional<QByteArray> input = textfile::readBytes(inputPath);
    if (!input)
        throw FileError(QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου %1").arg(QDir::toNativeSeparators(inputPath)));
    textfile::writeBytes(outputPath, ReplaceNumbers(*input, table, multipliers, drawColumn, drawRow));
}

} // namespace taru
