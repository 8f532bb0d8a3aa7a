#pragma once

#include "draws/DrawsFile.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace taru::draws {

// Published results as text or CSV: per line a draw number, a date (dd/mm/yyyy, d/m/yyyy or
// yyyy-mm-dd, a time may follow) and the 20 numbers, separated by commas, semicolons, tabs or
// blanks; the date may also come first. The first line may be a header. Windows-1253 or UTF-8,
// with or without a byte-order mark.

struct ImportRefusal {
    qint64 line = 0; // 1 for the first line of the source
    QString reason;
    bool operator==(const ImportRefusal &) const = default;
};

// One source line understood as a draw (numbers in ascending order).
struct ImportedDraw {
    qint64 line = 0;
    QString drawNumber; // digits, leading zeros dropped
    QDate date;
    std::array<int, kDrawNumbers> numbers{};
};

// What one source line is: a draw, a refusal (with its reason), or nothing (blank, header).
struct ImportLine {
    std::optional<ImportedDraw> draw;
    std::optional<QString> refusal;
};
// first: whether this is the first line of the source holding anything, the only one that may
// be a header.
ImportLine ParseImportLine(const QString &text, qint64 lineNumber, bool first);

// A line of the source as text: UTF-8 after a byte-order mark, or when its bytes are valid
// UTF-8; else Windows-1253.
QString DecodeImportLine(const QByteArray &bytes, bool utf8Marked);

// Sorts the lines of a source against the draws already held.
class ImportCollector {
public:
    explicit ImportCollector(const DrawList &existing);
    void take(const QByteArray &lineBytes, qint64 lineNumber);
    // The new draws, in increasing draw number, as the file's next lines: sequence numbers
    // continue the list's row count, the date written "dd/mm/yyyy".
    std::vector<DrawEntry> newEntries() const;

    int present = 0;
    QList<ImportRefusal> refused;

private:
    QSet<QString> held_;
    QHash<QString, int> fresh_; // draw number -> index in draws_
    std::vector<ImportedDraw> draws_;
    std::size_t existingCount_ = 0;
    bool utf8_ = false;
    bool seenContent_ = false;
};

struct ImportOutcome {
    int added = 0;
    int present = 0;
    QList<ImportRefusal> refused;
    bool ok = false;  // the source and the draws file were read, and any new draw written
    QString error;    // why not
    // "added N, present M, refused R"
    QString summary() const;
};

// Reads the draws file (refusing a damaged one, which would lose its later lines), reads the
// source line by line and, when there is anything new, appends it and rewrites the draws file
// once, atomically. A failure leaves the draws file as it was.
ImportOutcome ImportDraws(const QString &sourcePath, const QString &drawsPath);

} // namespace taru::draws
