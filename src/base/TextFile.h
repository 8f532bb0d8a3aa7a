#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QFile;
class QIODevice;

namespace taru::textfile {

// Every text file of the program is single-byte Greek (Windows-1253) with CR LF line ends. The
// program carries the code page itself, so it never depends on what the system offers. Bytes the
// code page leaves undefined become private-use characters and are written back as the same
// bytes; a character the code page does not hold is written as "?".
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// Splits file text into lines: CR LF ends a line, and so do a lone LF and a lone CR (files edited
// elsewhere). A final line end adds no empty line.
QStringList splitLines(const QString &text);

// Reads a text file one line at a time, so a file of any length costs one line of memory. Lines
// end as splitLines says. A line longer than the limit is not read: the reading ends there with
// lineTooLong() set, so a damaged or hostile file cannot take the memory of the machine.
class LineReader {
public:
    static constexpr qsizetype kDefaultMaxLineBytes = qsizetype{1} << 20;

    explicit LineReader(const QString &path, qsizetype maxLineBytes = kDefaultMaxLineBytes);
    ~LineReader();
    LineReader(const LineReader &) = delete;
    LineReader &operator=(const LineReader &) = delete;

    // False when the file could not be opened (missing, unreadable, or not a regular file such as
    // a folder, a FIFO or a device); errorString() says why.
    bool isOpen() const;
    // The next line decoded, or nothing at the end of the file, after a read error (failed()) or
    // at a line over the limit (lineTooLong()).
    std::optional<QString> next();
    // The same line as the bytes on disk, line end left out.
    std::optional<QByteArray> nextBytes();

    qint64 lineNumber() const { return lineNumber_; } // of the line last returned, 1 for the first
    bool failed() const { return failed_; }
    bool lineTooLong() const { return tooLong_; }
    QString errorString() const { return error_; }

private:
    bool fill();

    QFile *file_ = nullptr;
    qsizetype maxLineBytes_;
    QByteArray buffer_;
    qsizetype pos_ = 0;
    bool skipLf_ = false; // the last line ended in CR: a LF right after it belongs to it
    bool eof_ = false;
    bool failed_ = false;
    bool tooLong_ = false;
    qint64 lineNumber_ = 0;
    QString error_;
};

// Reads the whole file as lines. Throws FileError when it cannot be opened or read, or is not a
// regular file.
QStringList readLines(const QString &path);

// The whole file as it is on disk, or nothing when it cannot be opened or read, or is not a
// regular file (each reader words its own message; `why` gets the reason).
std::optional<QByteArray> readBytes(const QString &path, QString *why = nullptr);
// The first maxBytes bytes of the file (all of it when shorter), on the same terms.
std::optional<QByteArray> readBytes(const QString &path, qint64 maxBytes, QString *why = nullptr);

// Writes the lines, each followed by CR LF, whole and atomically: the file is replaced only once
// everything has been written, so a failure leaves the previous file as it was.
// Throws FileError on failure.
void writeLines(const QString &path, const QStringList &lines);

// Atomic write of raw bytes, same guarantees as writeLines.
void writeBytes(const QString &path, const QByteArray &bytes);

// Atomic write through a producer: the file is committed only if the producer returns normally.
// An exception from the producer discards everything written and is passed on.
void writeAtomically(const QString &path, const std::function<void(QIODevice &)> &produce);

// Output of a writeAtomically producer gathered into large pieces, so a file of millions of
// lines is written as it is made, without first holding all of it. A failed write raises
// FileError naming the path.
class ChunkWriter {
public:
    ChunkWriter(QIODevice &out, const QString &path);
    ChunkWriter(const ChunkWriter &) = delete;
    ChunkWriter &operator=(const ChunkWriter &) = delete;

    void append(const QByteArray &bytes);
    void append(char c);
    void appendNumber(qint64 value); // decimal, "-" for a negative value
    // Text in the Greek code page.
    void appendText(const QString &text) { append(encode(text)); }
    void crlf();
    // Writes what is still gathered; call once the producer is done.
    void finish();

private:
    void spill();

    QIODevice &out_;
    QString path_;
    QByteArray buffer_;
};

} // namespace taru::textfile
