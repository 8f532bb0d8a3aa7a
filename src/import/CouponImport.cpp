#include "import/CouponImport.h"

#include "base/CommaText.h"
#include "base/TextFile.h"
#include "data/CouponFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace taru::imports {

namespace {

constexpr int kShownLineChars = 60;
constexpr int kCouponHeaderLines = 5;

// A refused line is shown whole up to a screenful, then cut.
QString shownLine(const QString &line)
{
    if (line.size() <= kShownLineChars)
        return line;
    return line.left(kShownLineChars) + QStringLiteral("…");
}

// Decodes the lines of one file: Windows-1253 unless it starts with a UTF-8 byte-order mark or
// its first line with bytes beyond ASCII is valid UTF-8. A line that is not valid UTF-8 in a
// UTF-8 file is read as Windows-1253 rather than lost.
class LineDecoder {
public:
    // False for a UTF-16 file (its bytes cannot be split into lines here).
    bool start(QByteArray &firstLine)
    {
        if (firstLine.startsWith("\xEF\xBB\xBF")) {
            firstLine.remove(0, 3);
            utf8_ = decided_ = true;
        }
        return !(firstLine.startsWith("\xFF\xFE") || firstLine.startsWith("\xFE\xFF"));
    }

    QString decode(const QByteArray &bytes)
    {
        const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
        if (ascii)
            return QString::fromLatin1(bytes);
        if (decided_ && !utf8_)
            return textfile::decode(bytes);
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8(bytes);
        const bool valid = !utf8.hasError();
        if (!decided_) {
            decided_ = true;
            utf8_ = valid;
        }
        return valid ? text : textfile::decode(bytes);
    }

    bool utf8() const { return utf8_; }

private:
    bool decided_ = false;
    bool utf8_ = false;
};

struct Item {
    bool number = false;
    bool inRange = false;
    QString text; // as placed: the number written plainly ("05" -> "5")
};

Item parseItem(const QString &raw)
{
    Item item;
    const QString t = raw.trimmed();
    item.text = t;
    qsizetype i = (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) ? 1 : 0;
    if (i >= t.size())
        return item;
    for (; i < t.size(); ++i) {
        if (t.at(i) < QLatin1Char('0') || t.at(i) > QLatin1Char('9'))
            return item;
    }
    item.number = true;
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok);
    if (ok) {
        item.text = QString::number(value);
        item.inRange = value >= 1 && value <= 80;
    }
    return item;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The separator the first line of a text file fixes: "," if it occurs, ";" if that occurs, the
// blank if a blank occurs (the last of the three wins); a tab when none of them does. Characters
// inside "quotes" do not count. A null character: no separator, the line is one item.
QChar separatorOf(const QString &line)
{
    bool comma = false, semicolon = false, blank = false, tab = false, quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char(','))
            comma = true;
        else if (c == QLatin1Char(';'))
            semicolon = true;
        else if (c == QLatin1Char(' '))
            blank = true;
        else if (c == QLatin1Char('\t'))
            tab = true;
    }
    if (blank)
        return QLatin1Char(' ');
    if (semicolon)
        return QLatin1Char(';');
    if (comma)
        return QLatin1Char(',');
    return tab ? QChar(QLatin1Char('\t')) : QChar();
}

// Splits a text line at the separator, skipping empty items. An item that starts with '"' runs to
// the closing quote ("" inside stands for one quote) and is read as its content. With the blank
// as separator a tab separates too.
QStringList splitFields(const QString &line, QChar separator)
{
    QStringList fields;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false; // something other than blanks seen in this field
    const auto finish = [&] {
        if (!field.trimmed().isEmpty())
            fields.append(field);
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c != QLatin1Char('"')) {
                field += c;
            } else if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else {
                inQuotes = false;
            }
            continue;
        }
        const bool separates =
            !separator.isNull() && (c == separator || (separator == QLatin1Char(' ') && c == QLatin1Char('\t')));
        if (separates) {
            finish();
        } else if (c == QLatin1Char('"') && !fieldStarted) {
            field.clear();
            inQuotes = true;
            fieldStarted = true;
        } else {
            field += c;
            if (!isBlank(c))
                fieldStarted = true;
        }
    }
    finish();
    return fields;
}

class Reader {
public:
    Reader(ImportResult &result, textfile::LineReader &lines)
        : r_(result), lines_(lines) {}

    // The next line decoded; nothing at the end of the file or after a failure (which clears).
    std::optional<QString> next()
    {
        std::optional<QByteArray> bytes = lines_.nextBytes();
        if (!bytes) {
            // The line that could not be read is the one after the last line returned.
            if (lines_.lineTooLong())
                clear(QString(), QStringLiteral("γραμμή μεγαλύτερη από %1 bytes").arg(textfile::LineReader::kDefaultMaxLineBytes),
                      lines_.lineNumber() + 1);
            else if (lines_.failed())
                clear(QString(), QStringLiteral("σφάλμα ανάγνωσης (%1)").arg(lines_.errorString()), lines_.lineNumber() + 1);
            return std::nullopt;
        }
        if (lines_.lineNumber() == 1 && !decoder_.start(*bytes)) {
            clear(QString(), QStringLiteral("κείμενο UTF-16: αποθηκεύστε το ως UTF-8 ή CSV"));
            return std::nullopt;
        }
        QString text = decoder_.decode(*bytes);
        r_.utf8 = decoder_.utf8();
        return text;
    }

    // The grid is emptied and the reading ends.
    void clear(const QString &line, const QString &reason, qint64 lineNumber = 0)
    {
        r_.refusals.push_back({lineNumber > 0 ? lineNumber : current(), shownLine(line), reason, true});
        r_.grid.rows.clear();
        r_.cleared = true;
    }

    void refuse(const QString &line, const QString &reason)
    {
        r_.refusals.push_back({current(), shownLine(line), reason, false});
    }

    // Puts the items into the row, from column 1 on. False when the grid was cleared.
    bool place(const QString &line, const QStringList &items, QStringList &row)
    {
        const int game = r_.grid.game;
        int column = 0;
        for (const QString &raw : items) {
            const Item item = parseItem(raw);
            if (!item.number) {
                clear(line, item.text.isEmpty() ? QStringLiteral("άδειο στοιχείο ανάμεσα σε κόμματα")
                                                : QStringLiteral("«%1» δεν είναι αριθμός").arg(shownLine(item.text)));
                return false;
            }
            if (column >= game) {
                clear(line, QStringLiteral("πάνω από %1 αριθμούς για παιχνίδι %1").arg(game));
                return false;
            }
            if (!item.inRange)
                refuse(line, QStringLiteral("%1 είναι έξω από το 1..80").arg(shownLine(item.text)));
            row[column++] = item.text;
        }
        return true;
    }

    // A new empty row at the end; false (cleared) past the most the grid holds.
    bool addRow(const QString &line)
    {
        if (r_.grid.rows.size() >= std::size_t{kMaxRows}) {
            clear(line, QStringLiteral("πάνω από %1 στήλες: τόσες δεν χωρούν στον πίνακα").arg(kMaxRows));
            return false;
        }
        r_.grid.rows.emplace_back(r_.grid.game, QString());
        return true;
    }

private:
    qint64 current() const { return std::max<qint64>(lines_.lineNumber(), 1); }

    ImportResult &r_;
    textfile::LineReader &lines_;
    LineDecoder decoder_;
};

void readCouponFile(Reader &reader, ImportResult &r)
{
    std::optional<QString> line = reader.next();
    if (!line) {
        if (!r.cleared)
            reader.clear(QString(), QStringLiteral("το αρχείο είναι άδειο"));
        return;
    }
    const Item count = parseItem(*line);
    if (!count.number) {
        reader.clear(*line, QStringLiteral("«%1» δεν είναι πλήθος στηλών").arg(shownLine(count.text)));
        return;
    }
    const qlonglong rows = count.text.toLongLong();
    if (rows < 0 || rows > kMaxRows) {
        reader.clear(*line, rows < 0 ? QStringLiteral("αρνητικό πλήθος στηλών")
                                     : QStringLiteral("%1 στήλες: ο πίνακας χωρά ως %2").arg(count.text).arg(kMaxRows));
        return;
    }
    line = reader.next();
    if (!line) {
        if (!r.cleared)
            reader.clear(QString(), QStringLiteral("λείπει η γραμμή του παιχνιδιού"), 2);
        return;
    }
    const Item game = parseItem(*line);
    if (!game.number) {
        reader.clear(*line, QStringLiteral("«%1» δεν είναι παιχνίδι").arg(shownLine(game.text)));
        return;
    }
    const qlonglong k = game.text.toLongLong();
    if (k < kMinGame || k > kMaxGame) {
        reader.clear(*line, QStringLiteral("παιχνίδι %1: δεκτά %2 έως %3").arg(game.text).arg(kMinGame).arg(kMaxGame));
        return;
    }
    r.grid.game = static_cast<int>(k);
    r.gameFixed = true;
    r.grid.rows.assign(static_cast<std::size_t>(rows), QStringList(r.grid.game, QString()));
    for (int skipped = 3; skipped <= kCouponHeaderLines; ++skipped) {
        if (!reader.next())
            return;
    }
    std::size_t index = 0;
    while ((line = reader.next())) {
        const QStringList items = data::SplitCommaText(*line);
        if (index >= r.grid.rows.size()) {
            // Lines beyond the announced count still come in; blank ones add nothing.
            if (items.isEmpty())
                continue;
            if (!reader.addRow(*line))
                return;
        }
        if (!reader.place(*line, items, r.grid.rows[index]))
            return;
        ++index;
    }
}

void readTextFile(Reader &reader, ImportResult &r)
{
    QChar separator;
    bool first = true;
    while (std::optional<QString> line = reader.next()) {
        if (first)
            separator = separatorOf(*line);
        const QStringList items = splitFields(*line, separator);
        if (first) {
            const auto k = std::count_if(items.begin(), items.end(), [](const QString &item) { return parseItem(item).inRange; });
            if (k > 0) {
                r.grid.game = static_cast<int>(std::min<qsizetype>(k, kMaxGame));
                r.gameFixed = true;
            }
            first = false;
        }
        if (!reader.addRow(*line) || !reader.place(*line, items, r.grid.rows.back()))
            return;
    }
    // As in typing, no empty rows are kept at the end (the window adds its one spare row).
    while (!r.grid.rows.empty()
           && std::all_of(r.grid.rows.back().begin(), r.grid.rows.back().end(), [](const QString &c) { return c.isEmpty(); }))
        r.grid.rows.pop_back();
}

QString couldNotOpen(const QString &path)
{
    const QFileInfo info(path);
    QString why;
    if (!info.exists())
        why = QStringLiteral("Το αρχείο δεν υπάρχει.");
    else if (!info.isFile())
        why = QStringLiteral("Δεν είναι κανονικό αρχείο (φάκελος ή συσκευή).");
    else
        why = QStringLiteral("Δεν επιτρέπεται η ανάγνωσή του.");
    return data::kCouponReadErrorPrefix + QDir::toNativeSeparators(path) + QLatin1Char('\n') + why;
}

} // namespace

SourceKind SourceKindOf(const QString &path)
{
    return path.right(3).toUpper() == QLatin1String("TRU") ? SourceKind::CouponFile : SourceKind::Text;
}

ImportResult ReadImportFile(const QString &path, int currentGame)
{
    ImportResult result;
    result.grid.game = currentGame;
    textfile::LineReader lines(path);
    if (!lines.isOpen()) {
        result.message = couldNotOpen(path);
        return result;
    }
    result.opened = true;
    Reader reader(result, lines);
    if (SourceKindOf(path) == SourceKind::CouponFile)
        readCouponFile(reader, result);
    else
        readTextFile(reader, result);
    return result;
}

QString DescribeRefusal(const Refusal &refusal)
{
    if (refusal.text.isEmpty())
        return QStringLiteral("γραμμή %1: %2").arg(refusal.line).arg(refusal.reason);
    return QStringLiteral("γραμμή %1 «%2»: %3").arg(refusal.line).arg(refusal.text, refusal.reason);
}

QString ImportStatusLine(const ImportResult &result)
{
    if (!result.opened)
        return result.message;
    if (result.cleared) {
        QString status = QStringLiteral("Ο πίνακας καθαρίστηκε: %1.").arg(DescribeRefusal(result.refusals.back()));
        if (result.refusals.size() > 1)
            status += QStringLiteral(" Πρώτη απόρριψη: %1.").arg(DescribeRefusal(result.refusals.front()));
        return status;
    }
    const std::size_t rows = result.grid.rows.size();
    QString status = rows == 1 ? QStringLiteral("Διαβάστηκε 1 στήλη") : QStringLiteral("Διαβάστηκαν %1 στήλες").arg(rows);
    if (result.utf8)
        status += QStringLiteral(" (UTF-8)");
    status += QLatin1Char('.');
    if (!result.refusals.empty()) {
        const std::size_t count = result.refusals.size();
        status += count == 1 ? QStringLiteral(" Απορρίφθηκε 1 τιμή: ")
                             : QStringLiteral(" Απορρίφθηκαν %1 τιμές, πρώτη: ").arg(count);
        status += DescribeRefusal(result.refusals.front()) + QLatin1Char('.');
    }
    return status;
}

QByteArray ImportGridBytes(const ImportGrid &grid)
{
    std::vector<QStringList> coupons;
    coupons.reserve(grid.rows.size());
    for (const QStringList &row : grid.rows) {
        QStringList items;
        for (const QString &cell : row) {
            if (!cell.trimmed().isEmpty())
                items.append(cell.trimmed());
        }
        coupons.push_back(std::move(items));
    }
    return data::CouponFileBytes(static_cast<int>(grid.rows.size()), grid.game, QString(), 0, 0, coupons);
}

void WriteImportGrid(const QString &path, const ImportGrid &grid)
{
    textfile::writeBytes(path, ImportGridBytes(grid));
}

bool IsBoardNumber(const QString &text)
{
    const Item item = parseItem(text);
    return item.inRange && item.text.size() == text.trimmed().size() && !text.trimmed().startsWith(QLatin1Char('+'));
}

} // namespace taru::imports
