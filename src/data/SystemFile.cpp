#include "data/SystemFile.h"

#include "base/TextFile.h"
#include "base/CommaText.h"
#include "game/Pricing.h"

#include <QDir>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <limits>

namespace taru::data {

namespace {

using Int128 = __int128;

constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// comb(n, k), exact, saturating at the largest 64-bit value. The general Combinations helper
// works in floating point and assumes game-sized arguments; here n and k come from file names
// and may be anything.
std::int64_t combSaturating(std::int64_t n, std::int64_t k)
{
    if (n < 0 || k < 0 || k > n)
        return 0;
    k = std::min(k, n - k);
    Int128 c = 1;
    for (std::int64_t i = 1; i <= k; ++i) {
        c = c * (n - k + i) / i; // exact: c * (n-k+i) is i times comb(n-k+i, i)
        if (c > kInt64Max)
            return kInt64Max;
    }
    return static_cast<std::int64_t>(c);
}

// Nearest integer to num / den (num >= 0, den > 0), a half going to the even neighbour.
Int128 roundHalfEven(Int128 num, Int128 den)
{
    const Int128 q = num / den;
    const Int128 r2 = (num % den) * 2;
    if (r2 > den || (r2 == den && (q % 2) != 0))
        return q + 1;
    return q;
}

std::optional<std::int64_t> parseInt64(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

QString hundredths(std::int64_t value, const QLocale &locale)
{
    return FormatMoney(static_cast<double>(value) / 100.0, locale);
}

const QChar kSep = QLatin1Char('_');
const QChar kDollar = QLatin1Char('$');

} // namespace

const std::array<QString, kSystemListColumnCount> kSystemListHeadings{
    QStringLiteral("A/A"),      QStringLiteral("ΟΝΟΜΑ"),   QStringLiteral("ΑΡΙΘ"),
    QStringLiteral("ΕΓΓΥΗΣΗ"),  QStringLiteral("ΜΕ ΕΠ/ΧΙΕΣ"), QStringLiteral("ΣΤΗΛΕΣ"),
    QStringLiteral("ΕΥΡΩ"),     QStringLiteral("ΔΕΛΤΙΑ"),  QStringLiteral("% ΓΙΑ ΠΑΙΧ."),
    QStringLiteral("ΠΑΙΧΝΙΔΙ"), QStringLiteral("ΟΡΟΣ"),
};

std::int64_t SystemCostCents(std::int64_t columns, double columnPrice)
{
    const double cost = static_cast<double>(columns) * columnPrice;
    // A double times 100 fits the 64-bit mantissa of long double exactly, so the rounding
    // below sees the exact value (rintl rounds halves to even in the default mode).
    const long double cents = static_cast<long double>(cost) * 100.0L;
    if (!std::isfinite(cents) || std::fabs(cents) >= 9.2e18L)
        return cents < 0 ? std::numeric_limits<std::int64_t>::min() : kInt64Max;
    return static_cast<std::int64_t>(std::llrintl(cents));
}

std::int64_t SystemCoverageHundredths(std::int64_t coupons, int numbers, int columnSize)
{
    const std::int64_t comb = combSaturating(numbers, columnSize);
    if (comb == 0 || coupons <= 0)
        return 0;
    const Int128 result = roundHalfEven(Int128(coupons) * 10000, comb);
    return result > kInt64Max ? kInt64Max : static_cast<std::int64_t>(result);
}

QString SystemFileName(const SystemNameFields &f)
{
    const QString n = QString::number(f.numbers);
    const QString t = QString::number(f.guarantee);
    const QString g = QString::number(f.game);
    QString name = (f.hasCondition ? QStringLiteral("Z") : QStringLiteral("A")) + n + t + g + g;
    if (f.hasCondition)
        name += f.conditionFrom + f.conditionTo;
    const QStringList fields{
        name,
        n,
        t,
        g,
        QString::number(f.columns),
        QString::number(SystemCostCents(f.columns, f.columnPrice)),
        QString::number(f.coupons),
        QString::number(SystemCoverageHundredths(f.coupons, f.numbers, f.columnSize)),
        QString::number(f.columnSize),
    };
    QString result = fields.join(kSep);
    if (f.hasCondition)
        result += kSep + f.conditionFrom + kDollar + f.conditionTo;
    return result + QLatin1Char('.') + kSystemFileExtension;
}

QStringList ListFiles(const QString &folder, const QString &ext)
{
    QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return {};
    const QString suffix = QLatin1Char('.') + ext;
    QStringList names;
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

std::optional<SystemListRow> ParseSystemFileName(const QString &fileName, const QLocale &locale)
{
    SystemListRow row;
    row.fileName = fileName;
    QString rest = fileName;
    std::array<QString, 8> fields;
    for (QString &field : fields) {
        const qsizetype at = rest.indexOf(kSep);
        if (at < 0)
            return std::nullopt;
        field = rest.left(at);
        rest.remove(0, at + 1);
    }
    const std::optional<std::int64_t> numbers = parseInt64(fields[1]);
    const std::optional<std::int64_t> columns = parseInt64(fields[4]);
    const std::optional<std::int64_t> cents = parseInt64(fields[5]);
    const std::optional<std::int64_t> percent = parseInt64(fields[7]);
    if (!numbers || !columns || !cents || !percent)
        return std::nullopt;
    if (*numbers < std::numeric_limits<int>::min() || *numbers > std::numeric_limits<int>::max())
        return std::nullopt;
    row.numbers = static_cast<int>(*numbers);
    row.columns = *columns;

    row.cells[kColName] = fields[0];
    row.cells[kColNumbers] = fields[1];
    row.cells[kColGuarantee] = fields[2];
    row.cells[kColGame] = fields[3];
    row.cells[kColColumns] = fields[4];
    row.cells[kColEuro] = hundredths(*cents, locale);
    row.cells[kColCoupons] = fields[6];
    row.cells[kColPercent] = hundredths(*percent, locale);

    // The rest is "K" or "K_F$E", followed by the extension.
    QString last = rest.mid(rest.lastIndexOf(kSep) + 1);
    last = last.left(last.indexOf(QLatin1Char('.')));
    if (last.contains(kDollar)) {
        row.sizeText = rest.left(rest.indexOf(kSep));
        row.cells[kColSize] = row.sizeText;
        row.cells[kColCondition] = QString(last).replace(kDollar, QStringLiteral(" από "));
    } else {
        row.sizeText = last;
        row.cells[kColSize] = last + QStringLiteral("άδες");
        row.cells[kColCondition] = QStringLiteral("-");
    }
    bool ok = false;
    const int size = row.sizeText.toInt(&ok);
    if (ok)
        row.columnSize = size;
    return row;
}

QString SystemNameErrorText(const QString &fileName)
{
    return QStringLiteral("Το όνομα του αρχείου συστήματος «%1» δεν είναι έγκυρο.").arg(fileName);
}

SystemListing ListSystemRows(const QString &folder, double columnPrice, const QLocale &locale)
{
    SystemListing listing;
    for (const QString &name : ListFiles(folder, kSystemFileExtension)) {
        std::optional<SystemListRow> row = ParseSystemFileName(name, locale);
        if (!row) {
            listing.error = SystemNameErrorText(name);
            break;
        }
        row->cells[kColSerial] = QString::number(listing.rows.size() + 1);
        listing.rows.push_back(std::move(*row));
    }
    // The shown cost is always the column count at today's price, not the cost in the name.
    for (SystemListRow &row : listing.rows)
        row.cells[kColEuro] = FormatMoney(static_cast<double>(row.columns) * columnPrice, locale);
    return listing;
}

SystemColumnsResult ParseSystemColumns(const QByteArray &bytes, int n, int k)
{
    SystemColumnsResult result;
    if (n < 0 || n > 255 || k < 0 || k > 255) {
        result.error = QStringLiteral("Μη έγκυρο σύστημα: %1 αριθμοί, στήλες των %2.").arg(n).arg(k);
        return result;
    }
    const std::int64_t maxRows = combSaturating(n, k);
    const QStringList lines = textfile::splitLines(textfile::decode(bytes));
    if (lines.size() > maxRows) {
        result.error = QStringLiteral("Το αρχείο του συστήματος έχει %1 γραμμές, περισσότερες από %2.")
                           .arg(lines.size())
                           .arg(maxRows);
        return result;
    }
    result.columns = SystemColumns(k);
    result.columns.reserve(static_cast<std::size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList items = SplitCommaText(QString(lines.at(i)).replace(QLatin1Char(' '), QLatin1Char(',')));
        if (items.size() > k) {
            result.columns.clear();
            result.error = QStringLiteral("Η γραμμή %1 του αρχείου του συστήματος έχει περισσότερους από %2 αριθμούς.")
                               .arg(i + 1)
                               .arg(k);
            return result;
        }
        std::span<std::uint8_t> row = (result.columns.append({}), result.columns.row(result.columns.size() - 1));
        for (qsizetype j = 0; j < items.size(); ++j) {
            bool ok = false;
            const int value = items.at(j).toInt(&ok);
            if (!ok || value < 0 || value > 255) {
                result.columns.clear();
                result.error = QStringLiteral("Η γραμμή %1 του αρχείου του συστήματος έχει μη έγκυρο αριθμό «%2».")
                                   .arg(i + 1)
                                   .arg(items.at(j));
                return result;
            }
            row[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(value);
        }
    }
    return result;
}

SystemColumnsResult LoadSystemColumns(const QString &path, int n, int k)
{
    if (path.isEmpty())
        return {};
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes) {
        SystemColumnsResult result;
        result.error = QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου του συστήματος %1").arg(QDir::toNativeSeparators(path));
        return result;
    }
    return ParseSystemColumns(*bytes, n, k);
}

QByteArray SystemFileBytes(const SystemColumns &columns)
{
    QByteArray bytes;
    for (const SystemColumns::Row row : columns) {
        for (std::uint8_t entry : row) {
            bytes += QByteArray::number(entry);
            bytes += ' ';
        }
        bytes += "\r\n";
    }
    return bytes;
}

void WriteSystemFile(const QString &path, const SystemColumns &columns)
{
    // Written as it is made: a system of millions of columns never exists twice in memory.
    textfile::writeAtomically(path, [&](QIODevice &out) {
        textfile::ChunkWriter writer(out, path);
        for (const SystemColumns::Row row : columns) {
            for (std::uint8_t entry : row) {
                writer.appendNumber(entry);
                writer.append(' ');
            }
            writer.crlf();
        }
        writer.finish();
    });
}

} // namespace taru::data
