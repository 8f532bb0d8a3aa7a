#pragma once

#include "data/SystemColumns.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace taru::data {

inline const QString kSystemFileExtension = QStringLiteral("tbi");

// What the catalogue name of a library system file is built from.
struct SystemNameFields {
    int numbers = 0;             // n, the marked numbers (positions)
    int guarantee = 0;           // T, the guarantee threshold
    int game = 0;                // G, the game chosen in the constructor
    std::int64_t columns = 0;    // C, the played columns
    double columnPrice = 0.5;    // cost = C x price
    std::int64_t coupons = 0;    // D (= X), the columns in the file, one per coupon
    int columnSize = 0;          // K, the size of the system's columns
    bool hasCondition = false;   // a first required-number set was given
    QString conditionFrom;       // F
    QString conditionTo;         // E
};

// The cost in cents: C x price (as double), x 100 taken to the nearest integer, halves to even.
std::int64_t SystemCostCents(std::int64_t columns, double columnPrice);

// The coverage in hundredths of a percent: 100 x 100 x X / comb(n, K) to the nearest integer,
// halves to even; 0 when comb(n, K) is 0.
std::int64_t SystemCoverageHundredths(std::int64_t coupons, int numbers, int columnSize);

// "A" n T G G "_" n "_" T "_" G "_" C "_" R "_" D "_" P "_" K ".tbi", or with a condition
// "Z" n T G G F E "_" ... "_" K "_" F "$" E ".tbi".
QString SystemFileName(const SystemNameFields &fields);

// The names (without folder) of the files of folder whose extension is ext, both matched
// without regard to letter case, sorted by name without regard to case. Empty when the folder
// is missing.
QStringList ListFiles(const QString &folder, const QString &ext);

// The columns of the library list, in this order.
enum SystemListColumn {
    kColSerial,     // "A/A"
    kColName,       // "ΟΝΟΜΑ"
    kColNumbers,    // "ΑΡΙΘ"
    kColGuarantee,  // "ΕΓΓΥΗΣΗ"
    kColGame,       // "ΜΕ ΕΠ/ΧΙΕΣ"
    kColColumns,    // "ΣΤΗΛΕΣ"
    kColEuro,       // "ΕΥΡΩ"
    kColCoupons,    // "ΔΕΛΤΙΑ"
    kColPercent,    // "% ΓΙΑ ΠΑΙΧ."
    kColSize,       // "ΠΑΙΧΝΙΔΙ"
    kColCondition,  // "ΟΡΟΣ"
    kSystemListColumnCount
};
extern const std::array<QString, kSystemListColumnCount> kSystemListHeadings;

// One library file name taken apart.
struct SystemListRow {
    QString fileName;
    std::array<QString, kSystemListColumnCount> cells; // display texts, "A/A" empty until listed
    int numbers = 0;                   // field 2 (N)
    std::int64_t columns = 0;          // field 5
    QString sizeText;                  // field 9 as written (K)
    std::optional<int> columnSize;     // field 9 when it is an integer
};

// Parses a library file name (with or without its extension) into the list's cells. ΕΥΡΩ shows
// the name's own cost field here; ListSystemRows replaces it. nullopt when the name cannot be
// listed: fewer than nine fields, or field 2, 5, 6 or 8 not an integer.
std::optional<SystemListRow> ParseSystemFileName(const QString &fileName, const QLocale &locale = QLocale());

struct SystemListing {
    std::vector<SystemListRow> rows; // listing order, A/A 1, 2, ...
    QString error;                   // set when a name could not be listed; listing stopped there
};

// The message for a name that cannot be listed.
QString SystemNameErrorText(const QString &fileName);

// Lists the library files of folder into rows; "ΕΥΡΩ" of every row shows ΣΤΗΛΕΣ x columnPrice.
SystemListing ListSystemRows(const QString &folder, double columnPrice, const QLocale &locale = QLocale());

struct SystemColumnsResult {
    SystemColumns columns;
    QString error; // empty when the file is valid
    bool valid() const { return error.isEmpty(); }
};

// Reads a system file's columns for a system of n positions and columns of size k: every blank
// becomes ",", each line is split by comma-text rules, each item must be an integer 0..255,
// a line may hold at most k items (the rest of its row stays 0) and the file at most comb(n, k)
// lines. An empty path gives a valid, empty result.
SystemColumnsResult LoadSystemColumns(const QString &path, int n, int k);
SystemColumnsResult ParseSystemColumns(const QByteArray &bytes, int n, int k);

// Each entry in decimal followed by one blank, one line per column, CR LF.
QByteArray SystemFileBytes(const SystemColumns &columns);
// Writes the file whole and atomically; FileError on failure (the old file stays).
void WriteSystemFile(const QString &path, const SystemColumns &columns);

} // namespace taru::data
