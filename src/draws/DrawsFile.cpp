#include "draws/DrawsFile.h"

#include "base/CommaText.h"
#include "base/Errors.h"
#include "base/TextFile.h"

#include <QByteArrayView>
#include <QFileInfo>
#include <QIODevice>

#include <algorithm>
#include <bitset>
#include <cstring>

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

// "1".."80" as the list shows them, made once and shared.
const std::array<QString, kHighestNumber + 1> &numberTexts()
{
    static const auto texts = [] {
        std::array<QString, kHighestNumber + 1> t;
        for (int n = 1; n <= kHighestNumber; ++n)
            t[static_cast<std::size_t>(n)] = QString::number(n);
        return t;
    }();
    return texts;
}

// The value of a number written plainly: one or two digits without a leading zero, 1..80;
// 0 for anything else.
std::uint8_t plainValue(QByteArrayView text)
{
    if (text.size() < 1 || text.size() > 2 || text.at(0) < '1' || text.at(0) > '9')
        return 0;
    int value = text.at(0) - '0';
    if (text.size() == 2) {
        if (text.at(1) < '0' || text.at(1) > '9')
            return 0;
        value = value * 10 + (text.at(1) - '0');
    }
    return value <= kHighestNumber ? static_cast<std::uint8_t>(value) : 0;
}

// The entry's fields in the file's code page, and views of them for the list.
struct EncodedFields {
    explicit EncodedFields(const DrawEntry &entry)
    {
        const QStringList fields = entry.fields();
        for (int i = 0; i < kDrawFields; ++i) {
            bytes[static_cast<std::size_t>(i)] = textfile::encode(fields.at(i));
            views[static_cast<std::size_t>(i)] = bytes[static_cast<std::size_t>(i)];
        }
    }
    std::array<QByteArray, kDrawFields> bytes;
    std::array<QByteArrayView, kDrawFields> views;
};

void appendLength(std::vector<char> &out, std::size_t length)
{
    do {
        const auto low = static_cast<unsigned char>(length & 0x7F);
        length >>= 7;
        out.push_back(static_cast<char>(length != 0 ? (low | 0x80) : low));
    } while (length != 0);
}

std::size_t readLength(const char *&p)
{
    std::size_t length = 0;
    int shift = 0;
    while (true) {
        const auto byte = static_cast<unsigned char>(*p++);
        length |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0)
            return length;
        shift += 7;
    }
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

QStringList FigureTexts(const DrawFigures &f)
{
    return {QString::number(f.sum),   QString::number(f.odd),    QString::number(f.even),
            QString::number(f.left),  QString::number(f.right),  QString::number(f.digits),
            QString::number(f.decades), QString::number(f.range)};
}

std::optional<QString> DrawRefusal(const DrawEntry &entry)
{
    std::bitset<kHighestNumber + 1> seen;
    for (int i = 0; i < kDrawNumbers; ++i) {
        const QString &text = entry.numbers[static_cast<std::size_t>(i)];
        bool ok = false;
        const int n = text.trimmed().toInt(&ok);
        if (!ok || n < 1 || n > kHighestNumber)
            return QStringLiteral("ο %1ος αριθμός («%2») δεν είναι αριθμός από 1 έως 80").arg(i + 1).arg(text);
        if (seen.test(static_cast<std::size_t>(n)))
            return QStringLiteral("ο αριθμός %1 υπάρχει δύο φορές· μια κλήρωση έχει 20 διαφορετικούς αριθμούς").arg(n);
        seen.set(static_cast<std::size_t>(n));
    }
    return std::nullopt;
}

// ---- DrawList

void DrawList::setRow(Row &row, const std::array<QByteArrayView, kDrawFields> &texts)
{
    bool plain = true;
    for (int i = 0; i < kDrawNumbers && plain; ++i) {
        row.values[static_cast<std::size_t>(i)] = plainValue(texts[static_cast<std::size_t>(3 + i)]);
        plain = row.values[static_cast<std::size_t>(i)] != 0;
    }
    if (!plain)
        row.values.fill(0);
    row.flags = static_cast<std::uint8_t>((row.flags & ~kPlain) | (plain ? kPlain : 0));
    row.text = texts_.size();
    const int stored = plain ? 3 : kDrawFields;
    for (int i = 0; i < stored; ++i) {
        const QByteArrayView text = texts[static_cast<std::size_t>(i)];
        appendLength(texts_, static_cast<std::size_t>(text.size()));
        texts_.insert(texts_.end(), text.data(), text.data() + text.size());
    }
}

void DrawList::appendTexts(const std::array<QByteArrayView, kDrawFields> &texts, bool withFigures)
{
    Row row;
    std::optional<DrawFigures> held;
    if (withFigures) {
        // Converted before anything is stored, so a failing line leaves no trace.
        std::array<int, kDrawNumbers> values{};
        bool plain = true;
        for (int i = 0; i < kDrawNumbers; ++i) {
            const QByteArrayView text = texts[static_cast<std::size_t>(3 + i)];
            int value = plainValue(text);
            if (value == 0) {
                plain = false;
                value = toInt(textfile::decode(text.toByteArray()));
            }
            values[static_cast<std::size_t>(i)] = value;
        }
        if (!plain)
            held = ComputeRowFigures(values);
    }
    setRow(row, texts);
    if (held) {
        heldFigures_[rows_.size()] = *held;
        row.flags |= kHeldFigures;
    } else if (withFigures) {
        row.flags |= kDerivedFigures;
    }
    rows_.push_back(row);
}

void DrawList::append(const DrawEntry &entry, std::optional<DrawFigures> figures)
{
    Row row;
    setRow(row, EncodedFields(entry).views);
    if (figures) {
        row.flags |= kHeldFigures;
        heldFigures_[rows_.size()] = *figures;
    }
    rows_.push_back(row);
}

void DrawList::replace(std::size_t row, const DrawEntry &entry)
{
    Row &r = rows_.at(row);
    if (r.flags & kDerivedFigures) {
        heldFigures_[row] = *figures(row);
        r.flags = static_cast<std::uint8_t>((r.flags & ~kDerivedFigures) | kHeldFigures);
    }
    setRow(r, EncodedFields(entry).views);
}

void DrawList::clear()
{
    rows_.clear();
    rows_.shrink_to_fit();
    texts_.clear();
    texts_.shrink_to_fit();
    heldFigures_.clear();
}

void DrawList::reserve(std::size_t rows, std::size_t textBytes)
{
    rows_.reserve(rows);
    texts_.reserve(textBytes);
}

QByteArray DrawList::textBytes(const Row &row, int field) const
{
    if ((row.flags & kPlain) && field >= 3)
        return QByteArray(); // asked through field() instead
    const char *p = texts_.data() + row.text;
    for (int i = 0; i < field; ++i)
        p += readLength(p);
    const std::size_t length = readLength(p);
    return QByteArray(p, static_cast<qsizetype>(length));
}

QString DrawList::field(std::size_t row, int field) const
{
    const Row &r = rows_.at(row);
    if ((r.flags & kPlain) && field >= 3)
        return numberTexts()[r.values[static_cast<std::size_t>(field - 3)]];
    return textfile::decode(textBytes(r, field));
}

DrawEntry DrawList::entry(std::size_t row) const
{
    DrawEntry e;
    e.sequence = field(row, 0);
    e.drawNumber = field(row, 1);
    e.date = field(row, 2);
    for (int i = 0; i < kDrawNumbers; ++i)
        e.numbers[static_cast<std::size_t>(i)] = field(row, 3 + i);
    return e;
}

std::optional<std::array<int, kDrawNumbers>> DrawList::plainNumbers(std::size_t row) const
{
    const Row &r = rows_.at(row);
    if (!(r.flags & kPlain))
        return std::nullopt;
    std::array<int, kDrawNumbers> values{};
    std::copy(r.values.begin(), r.values.end(), values.begin());
    return values;
}

std::optional<DrawFigures> DrawList::figures(std::size_t row) const
{
    const Row &r = rows_.at(row);
    if (r.flags & kDerivedFigures)
        return ComputeRowFigures(*plainNumbers(row));
    if (r.flags & kHeldFigures)
        return heldFigures_.at(row);
    return std::nullopt;
}

QStringList DrawList::cells(std::size_t row) const
{
    return DrawListCells(entry(row), figures(row));
}

QByteArray DrawList::line(std::size_t row) const
{
    const Row &r = rows_.at(row);
    QByteArray out;
    out.reserve(80);
    const auto add = [&out](QByteArrayView text) {
        // Empty leading cells add no separator: the line starts with the first non-empty one.
        if (!out.isEmpty())
            out += ',';
        out += text;
    };
    const char *p = texts_.data() + r.text;
    const int stored = (r.flags & kPlain) ? 3 : kDrawFields;
    for (int i = 0; i < stored; ++i) {
        const std::size_t length = readLength(p);
        add(QByteArrayView(p, static_cast<qsizetype>(length)));
        p += length;
    }
    if (r.flags & kPlain) {
        for (std::uint8_t value : r.values) {
            char digits[2];
            const qsizetype n = value >= 10 ? 2 : 1;
            if (n == 2) {
                digits[0] = static_cast<char>('0' + value / 10);
                digits[1] = static_cast<char>('0' + value % 10);
            } else {
                digits[0] = static_cast<char>('0' + value);
            }
            add(QByteArrayView(digits, n));
        }
    }
    return out;
}

// ---- Reading

namespace {

// Takes lines apart into the 23 field texts and appends them to the list.
class LineParser {
public:
    explicit LineParser(DrawsSplit split) : split_(split) {}

    // False (with the reason) when a number field of a comma-text line is not an integer.
    bool take(QByteArrayView line, DrawList &list, QString &reason)
    {
        texts_.fill(QByteArrayView());
        int count = 0;
        const char *data = line.data();
        if (split_ == DrawsSplit::PlainCommas) {
            qsizetype start = 0;
            for (qsizetype i = 0; i <= line.size() && count < kDrawFields; ++i) {
                if (i == line.size() || data[i] == ',') {
                    texts_[static_cast<std::size_t>(count++)] = QByteArrayView(data + start, i - start);
                    start = i + 1;
                }
            }
            list.appendTexts(texts_, false);
            return true;
        }
        data::ForEachCommaItem(data, line.size(), [&](qsizetype start, qsizetype end, bool quoted) {
            const auto i = static_cast<std::size_t>(count++);
            texts_[i] = QByteArrayView(data + start, end - start);
            if (quoted && texts_[i].contains('"')) {
                unquoted_[i] = texts_[i].toByteArray().replace("\"\"", "\"");
                texts_[i] = unquoted_[i];
            }
            return count < kDrawFields;
        });
        try {
            list.appendTexts(texts_, true);
        } catch (const ConversionError &) {
            for (int i = 3; i < kDrawFields; ++i) {
                const QString text = textfile::decode(texts_[static_cast<std::size_t>(i)].toByteArray());
                bool ok = false;
                text.trimmed().toInt(&ok);
                if (!ok) {
                    reason = QStringLiteral("το πεδίο %1 («%2») δεν είναι ακέραιος αριθμός").arg(i + 1).arg(text);
                    break;
                }
            }
            return false;
        }
        return true;
    }

private:
    DrawsSplit split_;
    std::array<QByteArrayView, kDrawFields> texts_;
    std::array<QByteArray, kDrawFields> unquoted_;
};

QString damaged(const QString &where, qint64 line, const QString &reason)
{
    return QStringLiteral("Το αρχείο%1 είναι κατεστραμμένο στη γραμμή %2: %3.").arg(where).arg(line).arg(reason);
}

QString named(const QString &path)
{
    return path.isEmpty() ? QString() : QStringLiteral(" «%1»").arg(path);
}

void fail(DrawsFileData &data, DrawsReadFailure failure, const QString &detail, qint64 line)
{
    data.valid = false;
    data.error = kDrawsReadError;
    data.failure = failure;
    data.detail = detail;
    data.failedLine = line;
}

} // namespace

DrawsFileData ReadDrawsFile(const QString &path, DrawsSplit split)
{
    DrawsFileData data;
    textfile::LineReader reader(path);
    if (!reader.isOpen()) {
        fail(data, DrawsReadFailure::Unreadable, QStringLiteral("Το αρχείο «%1» δεν ανοίγει: %2").arg(path, reader.errorString()), 0);
        return data;
    }
    // A line of a draw takes at least 45 bytes; the reservation only claims memory that is used.
    const auto size = static_cast<std::size_t>(std::max<qint64>(QFileInfo(path).size(), 0));
    data.draws.reserve(size / 45 + 1, size);
    LineParser parser(split);
    QString reason;
    while (const std::optional<QByteArray> line = reader.nextBytes()) {
        if (!parser.take(*line, data.draws, reason)) {
            fail(data, DrawsReadFailure::Damaged, damaged(named(path), reader.lineNumber(), reason), reader.lineNumber());
            return data;
        }
    }
    if (reader.lineTooLong()) {
        fail(data, DrawsReadFailure::Damaged,
             damaged(named(path), reader.lineNumber() + 1,
                     QStringLiteral("η γραμμή ξεπερνά τα %1 bytes").arg(textfile::LineReader::kDefaultMaxLineBytes)),
             reader.lineNumber() + 1);
        return data;
    }
    if (reader.failed()) {
        fail(data, DrawsReadFailure::Unreadable, QStringLiteral("Το αρχείο «%1» δεν διαβάζεται: %2").arg(path, reader.errorString()),
             reader.lineNumber() + 1);
        return data;
    }
    data.valid = true;
    return data;
}

DrawsFileData ParseDrawsFile(const QByteArray &bytes, DrawsSplit split)
{
    DrawsFileData data;
    LineParser parser(split);
    QString reason;
    qint64 lineNumber = 0;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes.at(end) != '\n' && bytes.at(end) != '\r')
            ++end;
        ++lineNumber;
        if (!parser.take(QByteArrayView(bytes.constData() + start, end - start), data.draws, reason)) {
            fail(data, DrawsReadFailure::Damaged, damaged(QString(), lineNumber, reason), lineNumber);
            return data;
        }
        if (end < n && bytes.at(end) == '\r' && end + 1 < n && bytes.at(end + 1) == '\n')
            ++end;
        start = end + 1;
    }
    data.valid = true;
    return data;
}

// ---- Writing

QByteArray DrawsFileBytes(const std::vector<DrawEntry> &entries)
{
    DrawList list;
    for (const DrawEntry &entry : entries)
        list.append(entry);
    QByteArray bytes;
    for (std::size_t i = 0; i < list.size(); ++i)
        bytes += list.line(i) + "\r\n";
    return bytes;
}

QString WriteDrawsFile(const QString &path, const DrawList &draws)
{
    try {
        textfile::writeAtomically(path, [&](QIODevice &out) {
            constexpr qsizetype kChunk = qsizetype{1} << 20;
            QByteArray chunk;
            chunk.reserve(kChunk + 4096);
            const auto flush = [&] {
                if (out.write(chunk) != chunk.size())
                    throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, out.errorString()));
                chunk.clear();
            };
            for (std::size_t i = 0; i < draws.size(); ++i) {
                chunk += draws.line(i);
                chunk += "\r\n";
                if (chunk.size() >= kChunk)
                    flush();
            }
            flush();
        });
    } catch (const FileError &e) {
        return kDrawsWriteError + QLatin1Char('\n') + e.message();
    }
    return {};
}

QString WriteDrawsFile(const QString &path, const std::vector<DrawEntry> &entries)
{
    DrawList list;
    for (const DrawEntry &entry : entries)
        list.append(entry);
    return WriteDrawsFile(path, list);
}

QStringList DrawListCells(const DrawEntry &entry, const std::optional<DrawFigures> &figures)
{
    QStringList cells = entry.fields();
    if (figures) {
        cells += FigureTexts(*figures);
    } else {
        for (int i = 0; i < kDrawFigures; ++i)
            cells.append(QString());
    }
    return cells;
}

} // namespace taru::draws
