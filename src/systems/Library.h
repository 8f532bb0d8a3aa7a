#pragma once

#include "data/SystemColumns.h"
#include "data/SystemFile.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace taru {

inline const QString kLibraryListTitle = QStringLiteral("ΒΙΒΛΙΟΘΗΚΗ ΣΥΣΤΗΜΑΤΩΝ TARU");
inline const QString kLibraryHeadingHint =
    QStringLiteral("ΑΡΙΘ : ΑΡΙΘΜΟΙ  , ΕΠ/ΧΙΕΣ : ΕΠΙΤΥΧΙΕΣ , ΑΝ/ΞΗ : ΑΝΑΠΤΥΞΗ ,\n") +
    QStringLiteral("ΟΡΟΣ :  π.χ. 1 από 2 θέλουμε τουλάχιστον 1 από τα 2 πρώτα νούμερα που θα πληκτρολογήσουμε");
inline const QString kLibraryNoColumnFile = QStringLiteral(
    "Δεν βρέθηκε το αρχείο στηλών για το επιλεγμένο σύστημα,δεν μπορεί να γίνει η αντικατάσταση!");
inline const QString kLibraryFillPositions =
    QStringLiteral("Παρακαλώ βεβαιωθείτε ότι έχετε συμπληρώσει όλους τους αριθμούς που θα αντικατασταθούν");
inline const QString kLibraryFillHint =
    QStringLiteral("Πληκτρολογείστε τους αριθμούς του Παιχνιδιού σας στις θέσεις που θέλετε να αντικατασταθούν");
inline const QString kNoColumnsForCoupons = QStringLiteral("Δεν έχετε στήλες για δελτία!");

// The library list's columns as the window shows them, left to right: ΟΝΟΜΑ to ΟΡΟΣ, then A/A.
inline constexpr std::array<int, data::kSystemListColumnCount> kLibraryDisplayOrder{
    data::kColName,  data::kColNumbers, data::kColGuarantee, data::kColGame,  data::kColColumns,  data::kColEuro,
    data::kColCoupons, data::kColPercent, data::kColSize,    data::kColCondition, data::kColSerial};

// A row's cells in the window's order.
QStringList LibraryListCells(const data::SystemListRow &row);

// Compares two cells of the list as a reader would: runs of digits as numbers ("6" before "20",
// "9.50" before "18.00"), everything else as text without regard to letter case.
int CompareListCells(const QString &a, const QString &b);

// Sorts the rows by one of their cells (a data::SystemListColumn) with a quicksort whose pivot
// is drawn at random from pivotSeed; rows whose cells are equal keep the order they had, so the
// result does not depend on the draw. "A/A" is renumbered 1, 2, 3 ... from the top.
void SortSystemRows(std::vector<data::SystemListRow> &rows, int column, std::uint64_t pivotSeed);

// The list as the window opens it: every library file of folder, sorted by "ΑΡΙΘ".
data::SystemListing LibraryList(const QString &folder, double columnPrice, std::uint64_t pivotSeed,
                                const QLocale &locale = QLocale());

// The first of the listed file names that contains the system name of a row; nothing when none
// does.
std::optional<QString> FindSystemFile(const QStringList &files, const QString &systemName);

// A library system opened from the list.
struct LibrarySystem {
    QString path;        // its column file
    QString name;        // the system name (first piece of the file name), trimmed
    int numbers = 0;     // N, the positions the player fills
    QString gameText;    // the size of its columns as written in the name
    int game = 0;        // the same as a number, 0 when it is not one
    QString guarantee;   // "ΕΓΓΥΗΣΗ": the hits it promises
    QString condition;   // "ΟΡΟΣ": "1 από 2", or "-"
    bool hasCondition() const { return name.contains(QLatin1Char('Z')); }
};

// The system of a listed file name in folder, N taken from the row; nothing when the name cannot
// be read.
std::optional<LibrarySystem> LibrarySystemOf(const QString &folder, const QString &fileName, int numbers,
                                             const QLocale &locale = QLocale());

// The system's columns with the player's numbers put in place of the positions: numbers[p - 1]
// is the number typed in position p (0 when the position is empty). Each column keeps the order
// of its positions; the padding of a short line stays 0.
struct AppliedSystem {
    SystemColumns columns;
    QString refusal; // empty when the columns were built
    bool built() const { return refusal.isEmpty(); }
};
AppliedSystem ApplySystem(const SystemColumns &positions, std::span<const int> numbers);

// Reads the system's column file again and applies the numbers: the refusal of a file that
// cannot be read, of an empty position a column uses, or of a system without columns.
AppliedSystem BuildLibraryCoupons(const LibrarySystem &system, std::span<const int> numbers);

} // namespace taru
