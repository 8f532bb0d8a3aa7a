#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace taru::draws {

inline constexpr int kDrawNumbers = 20;
inline constexpr int kDrawFields = 23;   // sequence, draw number, date, 20 numbers
inline constexpr int kDrawFigures = 8;
inline constexpr int kDrawListColumns = kDrawFields + kDrawFigures;
inline constexpr int kHighestNumber = 80;

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
// The eight figures as the list writes them.
QStringList FigureTexts(const DrawFigures &figures);

// Why a draw cannot be a winning column (20 different numbers from 1 to 80), or nothing.
std::optional<QString> DrawRefusal(const DrawEntry &entry);

// The draws of a file, held compactly so a list of a million lines stays small: a draw whose 20
// numbers are written plainly ("7", never "07" or " 7") keeps them as bytes and only its first
// three fields as text; any other draw keeps all 23 texts. Every field reads back exactly as it
// was given. Each draw also carries its figures as the list shows them: those computed when the
// file was read, none for a draw added since.
class DrawList {
public:
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    QString field(std::size_t row, int field) const; // 0..22
    DrawEntry entry(std::size_t row) const;
    // The 20 numbers as integers when every one is written plainly as 1..80.
    std::optional<std::array<int, kDrawNumbers>> plainNumbers(std::size_t row) const;
    std::optional<DrawFigures> figures(std::size_t row) const;
    // The 31 cells of the list row (empty figure cells for a draw without figures).
    QStringList cells(std::size_t row) const;
    // The file line of the draw: its 23 fields joined by "," (empty leading fields left out),
    // without the line end, in the file's code page.
    QByteArray line(std::size_t row) const;

    void append(const DrawEntry &entry, std::optional<DrawFigures> figures = std::nullopt);
    // A corrected draw keeps the figures it had.
    void replace(std::size_t row, const DrawEntry &entry);
    void clear();
    void reserve(std::size_t rows, std::size_t textBytes);

    // For the reader: a draw from the texts of its fields in the file's code page, with its
    // figures computed (ConversionError when a number is not an integer) or without figures.
    void appendTexts(const std::array<QByteArrayView, kDrawFields> &texts, bool withFigures);

private:
    enum Flags : std::uint8_t { kPlain = 1, kDerivedFigures = 2, kHeldFigures = 4 };
    struct Row {
        std::uint64_t text = 0; // where its texts start in texts_
        std::array<std::uint8_t, kDrawNumbers> values{};
        std::uint8_t flags = 0;
    };
    void setRow(Row &row, const std::array<QByteArrayView, kDrawFields> &texts);
    QByteArray textBytes(const Row &row, int field) const;

    std::vector<Row> rows_;
    std::vector<char> texts_; // per text: its length (7 bits a byte, low first), then its bytes
    std::unordered_map<std::size_t, DrawFigures> heldFigures_;
};

// How a draws file failed to read.
enum class DrawsReadFailure { None, Unreadable, Damaged };

struct DrawsFileData {
    DrawList draws;           // every line read before a failure
    bool valid = false;
    QString error;            // kDrawsReadError when not valid
    DrawsReadFailure failure = DrawsReadFailure::None;
    QString detail;           // names the file (where there is one) and the reason
    qint64 failedLine = 0;    // 1 for the first line

    // What the user is shown: the read error, then the detail on its own line.
    QString message() const { return detail.isEmpty() ? error : error + QLatin1Char('\n') + detail; }
};

// How lines are taken apart: by comma-text rules with every number converted (the draws list and
// the statistics), or cut at each "," without converting anything (the draws picker).
enum class DrawsSplit { CommaText, PlainCommas };

// Reads the draws file one line at a time, so only the compact list grows with the file. With
// comma text, a number field that is not an integer ends the read as a damaged file; rows before
// the failing line are kept. A file that cannot be opened is its own failure. Callers check for a
// missing file first (no file means no draws, without a message).
DrawsFileData ReadDrawsFile(const QString &path, DrawsSplit split = DrawsSplit::CommaText);
// The same over the bytes of a whole file.
DrawsFileData ParseDrawsFile(const QByteArray &bytes, DrawsSplit split = DrawsSplit::CommaText);

// One line per entry: its 23 fields joined by "," (empty leading fields are left out).
QByteArray DrawsFileBytes(const std::vector<DrawEntry> &entries);
// Rewrites the whole file atomically from the list. Empty on success, else kDrawsWriteError and
// the reason on the next line (the previous file then stays as it was).
QString WriteDrawsFile(const QString &path, const DrawList &draws);
QString WriteDrawsFile(const QString &path, const std::vector<DrawEntry> &entries);

// The 31 cells of a row of the draws list: the 23 fields and the 8 figures (empty figures for a
// draw added since the file was read).
QStringList DrawListCells(const DrawEntry &entry, const std::optional<DrawFigures> &figures);

} // namespace taru::draws
