#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace taru::draws {

inline constexpr int kDrawNumbers = 20;
inline constexpr int kDrawFields = 23;   // sequence, draw number, date, 20 numbers
inline constexpr int kDrawFigures = 8;
inline constexpr int kDrawListColumns = kDrawFields + kDrawFigures;

// Messages of the draws file, shown in a box with caption kDrawsErrorCaption.
inline const QString kDrawsErrorCaption = QStringLiteral("ΣΦΑΛΜΑ");
inline const QString kDrawsReadError = QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου των Νικητριών");
inline const QString kDrawsWriteError = QStringLiteral("Παρουσιάστηκε σφάλμα στην αποθήκευση του αρχείου των Νικητριών");

// One line of the draws file, every field kept as the text read, so it is written back unchanged.
struct DrawEntry {
    QString sequence;
    QString drawNumber;
    QString date;
    std::array<QString, kDrawNumbers> numbers;

    // The 23 fields in file order.
    QStringList fields() const;
    // Field i of a line goes to field i here; fields past the 23rd are not kept.
    static DrawEntry fromFields(const QStringList &fields);
    bool operator==(const DrawEntry &) const = default;
};

// The eight figures of a draw, as the list shows them after the 23 fields.
struct DrawFigures {
    std::int64_t sum = 0;
    int odd = 0;
    int even = 0;
    int left = 0;      // final digit 1..5
    int right = 0;     // final digit 6..9 or 0
    int digits = 0;    // different final digits
    int decades = 0;   // different decades 1-10, 11-20, ..., 71-80
    std::int64_t range = 0; // last number minus first
    bool operator==(const DrawFigures &) const = default;
};

// The figures of the 20 numbers. Numbers outside 1..80 are counted by the same arithmetic
// (decade (x - 1) div 10, final digit x mod 10, both rounded down).
DrawFigures ComputeRowFigures(const std::array<int, kDrawNumbers> &numbers);
// The same over the texts of a draw; ConversionError when a number is not an integer.
DrawFigures ComputeRowFigures(const DrawEntry &entry);

struct DrawRow {
    DrawEntry entry;
    DrawFigures figures;
};

struct DrawsFileData {
    std::vector<DrawRow> rows; // every line read before a failure
    bool valid = false;
    QString error;             // kDrawsReadError when not valid
};

// Reads the draws file: each line split by comma-text rules into the 23 fields, its figures
// computed from the numbers. A file that cannot be read, or a number field that is not an
// integer, ends the read with kDrawsReadError; rows before the failing line are kept. Callers
// check for a missing file first (no file means no draws, without a message).
DrawsFileData ReadDrawsFile(const QString &path);
DrawsFileData ParseDrawsFile(const QByteArray &bytes);

// One line per entry: its 23 fields joined by "," (empty leading fields are left out).
QByteArray DrawsFileBytes(const std::vector<DrawEntry> &entries);
// Rewrites the whole file atomically. Empty on success, else kDrawsWriteError (the previous
// file then stays as it was).
QString WriteDrawsFile(const QString &path, const std::vector<DrawEntry> &entries);

// The 31 cells of a row of the draws list: the 23 fields and the 8 figures (empty figures for a
// draw added since the file was read).
QStringList DrawListCells(const DrawEntry &entry, const std::optional<DrawFigures> &figures);

} // namespace taru::draws
