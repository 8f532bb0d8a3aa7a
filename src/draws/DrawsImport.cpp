#include "draws/DrawsImport.h"

#include "base/TextFile.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>
#include <bitset>

namespace taru::draws {

namespace {

bool isDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// Digits without their leading zeros ("0" stays "0"), so "01001" and "1001" name one draw.
QString drawKey(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!isDigits(trimmed))
        return trimmed;
    qsizetype i = 0;
    while (i + 1 < trimmed.size() && trimmed.at(i) == u'0')
        ++i;
    return trimmed.mid(i);
}

std::optional<QDate> parseDate(const QString &text)
{
    static const QRegularExpression dmy(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression ymd(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2})$"));
    QRegularExpressionMatch m = dmy.match(text);
    if (m.hasMatch())
        return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    m = ymd.match(text);
    if (m.hasMatch())
        return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return std::nullopt;
}

bool isTime(const QString &text)
{
    static const QRegularExpression time(QStringLiteral("^\\d{1,2}:\\d{2}(:\\d{2}(\\.\\d+)?)?$"));
    return time.match(text).hasMatch();
}

QStringList tokens(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    for (QString &part : parts) {
        if (part.size() >= 2 && part.startsWith(u'"') && part.endsWith(u'"'))
            part = part.mid(1, part.size() - 2).trimmed();
    }
    parts.removeAll(QString());
    return parts;
}

} // namespace

QString DecodeImportLine(const QByteArray &bytes, bool utf8Marked)
{
    if (utf8Marked)
        return QString::fromUtf8(bytes);
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? textfile::decode(bytes) : text;
}

ImportLine ParseImportLine(const QString &text, qint64 lineNumber, bool first)
{
    ImportLine result;
    QStringList parts = tokens(text);
    if (parts.isEmpty())
        return result;
    // An ISO date may carry its time after a "T".
    for (QString &part : parts) {
        const qsizetype t = part.indexOf(u'T');
        if (t == 10 && parseDate(part.left(10)) && isTime(part.mid(11)))
            part.truncate(10);
    }
    if (parts.size() >= 2 && parseDate(parts.at(0)) && isDigits(parts.at(1)))
        parts.swapItemsAt(0, 1);
    if (first && !isDigits(parts.at(0)))
        return result; // a header line
    const auto refuse = [&result](const QString &reason) {
        result.refusal = reason;
        return result;
    };
    if (!isDigits(parts.at(0)))
        return refuse(QStringLiteral("ο αριθμός κλήρωσης «%1» δεν είναι αριθμός").arg(parts.at(0)));
    if (parts.size() < 2)
        return refuse(QStringLiteral("δεν έχει ημερομηνία ούτε αριθμούς"));
    const std::optional<QDate> date = parseDate(parts.at(1));
    if (!date || !date->isValid())
        return refuse(QStringLiteral("η ημερομηνία «%1» δεν είναι έγκυρη (ηη/μμ/εεεε, η/μ/εεεε ή εεεε-μμ-ηη)").arg(parts.at(1)));
    qsizetype first_number = 2;
    while (first_number < parts.size() && isTime(parts.at(first_number)))
        ++first_number;
    const qsizetype count = parts.size() - first_number;
    if (count != kDrawNumbers)
        return refuse(QStringLiteral("έχει %1 αριθμούς αντί για 20").arg(count));
    ImportedDraw draw;
    draw.line = lineNumber;
    draw.drawNumber = drawKey(parts.at(0));
    draw.date = *date;
    std::bitset<kHighestNumber + 1> seen;
    for (int i = 0; i < kDrawNumbers; ++i) {
        const QString &part = parts.at(first_number + i);
        bool ok = false;
        const int n = part.toInt(&ok);
        if (!ok || !isDigits(part) || n < 1 || n > kHighestNumber)
            return refuse(QStringLiteral("το «%1» δεν είναι αριθμός από 1 έως 80").arg(part));
        if (seen.test(static_cast<std::size_t>(n)))
            return refuse(QStringLiteral("ο αριθμός %1 υπάρχει δύο φορές").arg(n));
        seen.set(static_cast<std::size_t>(n));
        draw.numbers[static_cast<std::size_t>(i)] = n;
    }
    std::sort(draw.numbers.begin(), draw.numbers.end());
    result.draw = draw;
    return result;
}

ImportCollector::ImportCollector(const DrawList &existing)
    : existingCount_(existing.size())
{
    held_.reserve(static_cast<qsizetype>(existing.size()));
    for (std::size_t row = 0; row < existing.size(); ++row)
        held_.insert(drawKey(existing.field(row, 1)));
}

void ImportCollector::take(const QByteArray &lineBytes, qint64 lineNumber)
{
    QByteArray bytes = lineBytes;
    if (lineNumber == 1 && bytes.startsWith("\xEF\xBB\xBF")) {
        utf8_ = true;
        bytes.remove(0, 3);
    }
    const ImportLine line = ParseImportLine(DecodeImportLine(bytes, utf8_), lineNumber, !seenContent_);
    if (!line.draw && !line.refusal) {
        if (!tokens(DecodeImportLine(bytes, utf8_)).isEmpty())
            seenContent_ = true; // the header
        return;
    }
    seenContent_ = true;
    if (line.refusal) {
        refused.append({lineNumber, *line.refusal});
        return;
    }
    const ImportedDraw &draw = *line.draw;
    if (held_.contains(draw.drawNumber)) {
        ++present;
        return;
    }
    if (const auto earlier = fresh_.constFind(draw.drawNumber); earlier != fresh_.constEnd()) {
        const ImportedDraw &before = draws_[static_cast<std::size_t>(*earlier)];
        if (before.numbers == draw.numbers && before.date == draw.date)
            ++present;
        else
            refused.append({lineNumber, QStringLiteral("η κλήρωση %1 υπάρχει ήδη στη γραμμή %2 με άλλα στοιχεία")
                                            .arg(draw.drawNumber)
                                            .arg(before.line)});
        return;
    }
    fresh_.insert(draw.drawNumber, static_cast<int>(draws_.size()));
    draws_.push_back(draw);
}

std::vector<DrawEntry> ImportCollector::newEntries() const
{
    std::vector<const ImportedDraw *> order;
    order.reserve(draws_.size());
    for (const ImportedDraw &draw : draws_)
        order.push_back(&draw);
    std::stable_sort(order.begin(), order.end(), [](const ImportedDraw *a, const ImportedDraw *b) {
        if (a->drawNumber.size() != b->drawNumber.size())
            return a->drawNumber.size() < b->drawNumber.size(); // digits without leading zeros
        return a->drawNumber < b->drawNumber;
    });
    std::vector<DrawEntry> entries;
    entries.reserve(order.size());
    std::size_t sequence = existingCount_;
    for (const ImportedDraw *draw : order) {
        DrawEntry entry;
        entry.sequence = QString::number(++sequence);
        entry.drawNumber = draw->drawNumber;
        entry.date = draw->date.toString(QStringLiteral("dd/MM/yyyy"));
        for (int i = 0; i < kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(draw->numbers[static_cast<std::size_t>(i)]);
        entries.push_back(entry);
    }
    return entries;
}

QString ImportOutcome::summary() const
{
    return QStringLiteral("added %1, present %2, refused %3").arg(added).arg(present).arg(refused.size());
}

ImportOutcome ImportDraws(const QString &sourcePath, const QString &drawsPath)
{
    ImportOutcome outcome;
    DrawsFileData file;
    if (QFileInfo::exists(drawsPath)) {
        file = ReadDrawsFile(drawsPath);
        if (!file.valid) {
            outcome.error = file.message();
            return outcome;
        }
    }
    textfile::LineReader source(sourcePath);
    if (!source.isOpen()) {
        outcome.error = QStringLiteral("Το αρχείο «%1» δεν ανοίγει: %2").arg(sourcePath, source.errorString());
        return outcome;
    }
    ImportCollector collector(file.draws);
    while (const std::optional<QByteArray> line = source.nextBytes())
        collector.take(*line, source.lineNumber());
    if (source.failed() || source.lineTooLong()) {
        outcome.error = QStringLiteral("Το αρχείο «%1» δεν διαβάστηκε ως το τέλος: %2").arg(sourcePath, source.errorString());
        return outcome;
    }
    const std::vector<DrawEntry> entries = collector.newEntries();
    outcome.present = collector.present;
    outcome.refused = collector.refused;
    if (!entries.empty()) {
        for (const DrawEntry &entry : entries)
            file.draws.append(entry);
        const QString error = WriteDrawsFile(drawsPath, file.draws);
        if (!error.isEmpty()) {
            outcome.error = error;
            return outcome;
        }
    }
    outcome.added = static_cast<int>(entries.size());
    outcome.ok = true;
    return outcome;
}

} // namespace taru::draws
