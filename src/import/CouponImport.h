#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace taru::imports {

// The game sizes the import grid offers, and the one it starts with.
inline constexpr int kMinGame = 1;
inline constexpr int kMaxGame = 12;
inline constexpr int kDefaultGame = 6;
// The most coupons one import holds: beyond it the grid would take the memory of the machine,
// so such a file is refused whole rather than cut short.
inline constexpr int kMaxRows = 100000;

// The message of every unsuitable value or line in a file being imported.
inline const QString kUnsuitableFile = QStringLiteral("ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ");

// The import grid: the game size k and the data rows, each with k cells (an empty text is an
// empty cell). The spare row at the end of the window's grid is not part of it.
struct ImportGrid {
    int game = kDefaultGame;
    std::vector<QStringList> rows;
};

// A coupon file of the program or a text/CSV file, chosen by the last three letters of the path
// ("TRU" in any letter case: a coupon file).
enum class SourceKind { CouponFile, Text };
SourceKind SourceKindOf(const QString &path);

// One value or line the import refused, with where and why.
struct Refusal {
    qint64 line = 0;   // line of the file, from 1
    QString text;      // that line as read (shortened when long)
    QString reason;    // why, in the program's words
    bool clears = false; // the grid was emptied and the reading ended here
};

struct ImportResult {
    // False when the file could not be opened; message says why (the grid is left alone).
    bool opened = false;
    QString message;
    ImportGrid grid;      // what the grid holds after the load (no rows when cleared)
    bool gameFixed = false; // the file set the game size (else it is the one given)
    bool cleared = false; // a value that is not a number (or a damaged file) emptied the grid
    bool utf8 = false;    // read as UTF-8 (a byte-order mark, or lines that are valid UTF-8)
    // Every refused case in file order; a value outside 1..80 is still placed, the first case
    // that clears ends the list.
    std::vector<Refusal> refusals;
};

// Reads a file as the import window's load does. A coupon file: line 1 gives the number of rows
// N, line 2 the game size, lines 3 to 5 are skipped, each further line fills the next row (split
// at "," and blanks). A text or CSV file: the first line fixes the separator ("," then ";" then
// the blank, the last of them that occurs; a tab when none of them does) and the game size (how
// many of its items are numbers 1..80); every line becomes a row, empty items skipped, "quoted"
// items read as their content. A value outside 1..80 is refused but still placed; a value that
// is not a number, a row longer than the game, or a damaged file empties the grid. The text is
// Windows-1253 unless it carries a UTF-8 byte-order mark or its lines are valid UTF-8.
// currentGame is the game size kept when the file does not set one.
ImportResult ReadImportFile(const QString &path, int currentGame);

// "γραμμή 3 «5;x»: «x» δεν είναι αριθμός": where a refusal happened and why.
QString DescribeRefusal(const Refusal &refusal);

// The line the window shows under the grid after a load: the rows read and, when something was
// refused, the first case and why.
QString ImportStatusLine(const ImportResult &result);

// The coupon file the window's save writes for the grid: the number of rows, k, an empty line,
// "0", "0", then each row's non-empty cells joined by ",".
QByteArray ImportGridBytes(const ImportGrid &grid);
// Writes it whole and atomically; FileError when it cannot be written.
void WriteImportGrid(const QString &path, const ImportGrid &grid);

// Whether a text typed into a cell is a number from 1 to 80.
bool IsBoardNumber(const QString &text);

} // namespace taru::imports
