#include "base/TextFile.h"

#include "base/Errors.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

namespace taru::textfile {

namespace {

// Windows-1253, bytes 0x80..0xFF. The bytes the code page leaves undefined map to private-use
// characters (U+F000 + byte), so a file read and written back keeps every byte it had.
constexpr char16_t kUndefinedBase = 0xF000;
constexpr std::array<char16_t, 128> kHighHalf{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0,      0x2030, 0,      0x2039, 0,      0,      0,      0,      // 88
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0,      0x2122, 0,      0x203A, 0,      0,      0,      0,      // 98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // A0
    0x00A8, 0x00A9, 0,      0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // B8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, // C0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, // C8
    0x03A0, 0x03A1, 0,      0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, // D0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, // D8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, // E0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, // E8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, // F0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0,      // F8
};

char16_t decodeByte(unsigned char byte)
{
    if (byte < 0x80)
        return byte;
    const char16_t c = kHighHalf[byte - 0x80];
    return c != 0 ? c : static_cast<char16_t>(kUndefinedBase + byte);
}

// The byte of every character the code page holds, 0 for the others.
const std::array<unsigned char, 0x10000> &encodeTable()
{
    static const auto table = [] {
        auto t = std::make_unique<std::array<unsigned char, 0x10000>>();
        t->fill(0);
        for (int byte = 1; byte < 0x100; ++byte)
            (*t)[decodeByte(static_cast<unsigned char>(byte))] = static_cast<unsigned char>(byte);
        return t;
    }();
    return *table;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(decodeByte(static_cast<unsigned char>(byte)));
    return text;
}

QByteArray encode(const QString &text)
{
    const auto &table = encodeTable();
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // NUL stays NUL; a character the code page does not hold becomes "?".
        *out++ = static_cast<char>(u == 0 ? 0 : (table[u] != 0 ? table[u] : '?'));
    }
    return bytes;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

namespace {

// Opens a file for reading, refusing anything but a regular file: a FIFO or a device would
// block or never end. The reason goes to `why`.
std::unique_ptr<QFile> openRegularFile(const QString &path, QString &why)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        why = QStringLiteral("\"%1\" is not a regular file").arg(path);
        return nullptr;
    }
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::ReadOnly)) {
        why = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file->errorString());
        return nullptr;
    }
    return file;
}

} // namespace

LineReader::LineReader(const QString &path, qsizetype maxLineBytes)
    : maxLineBytes_(maxLineBytes)
{
    file_ = openRegularFile(path, error_).release();
}

LineReader::~LineReader()
{
    delete file_;
}

bool LineReader::isOpen() const
{
    return file_ != nullptr;
}

bool LineReader::fill()
{
    constexpr qint64 kChunk = 64 * 1024;
    if (eof_ || failed_ || !file_)
        return false;
    buffer_.remove(0, pos_);
    pos_ = 0;
    const qsizetype kept = buffer_.size();
    buffer_.resize(kept + kChunk);
    const qint64 got = file_->read(buffer_.data() + kept, kChunk);
    if (got < 0) {
        buffer_.resize(kept);
        failed_ = true;
        error_ = QStringLiteral("Cannot read file \"%1\". %2").arg(file_->fileName(), file_->errorString());
        return false;
    }
    buffer_.resize(kept + got);
    if (got == 0)
        eof_ = true;
    return got > 0;
}

std::optional<QByteArray> LineReader::nextBytes()
{
    if (!file_ || failed_ || tooLong_)
        return std::nullopt;
    qsizetype scanned = pos_;
    while (true) {
        if (skipLf_ && pos_ < buffer_.size()) {
            if (buffer_.at(pos_) == '\n')
                ++pos_;
            skipLf_ = false;
            scanned = pos_;
        }
        const char *data = buffer_.constData();
        for (qsizetype i = scanned; i < buffer_.size(); ++i) {
            if (data[i] == '\n' || data[i] == '\r') {
                QByteArray line(data + pos_, i - pos_);
                skipLf_ = data[i] == '\r';
                pos_ = i + 1;
                ++lineNumber_;
                return line;
            }
        }
        scanned = buffer_.size();
        if (scanned - pos_ > maxLineBytes_) {
            tooLong_ = true;
            error_ = QStringLiteral("Line %1 of \"%2\" is longer than %3 bytes")
                         .arg(lineNumber_ + 1)
                         .arg(file_->fileName())
                         .arg(maxLineBytes_);
            return std::nullopt;
        }
        const qsizetype dropped = pos_; // fill() moves the unread bytes to the front
        if (!fill()) {
            if (failed_ || pos_ >= buffer_.size())
                return std::nullopt;
            // The last line has no line end.
            QByteArray line = buffer_.mid(pos_);
            pos_ = buffer_.size();
            ++lineNumber_;
            return line;
        }
        scanned -= dropped;
    }
}

std::optional<QString> LineReader::next()
{
    std::optional<QByteArray> bytes = nextBytes();
    if (!bytes)
        return std::nullopt;
    return decode(*bytes);
}

QStringList readLines(const QString &path)
{
    QString why;
    const std::optional<QByteArray> bytes = readBytes(path, &why);
    if (!bytes)
        throw FileError(why);
    return splitLines(decode(*bytes));
}

std::optional<QByteArray> readBytes(const QString &path, QString *why)
{
    return readBytes(path, -1, why);
}

std::optional<QByteArray> readBytes(const QString &path, qint64 maxBytes, QString *why)
{
    QString reason;
    const std::unique_ptr<QFile> file = openRegularFile(path, reason);
    if (file) {
        QByteArray bytes = maxBytes < 0 ? file->readAll() : file->read(maxBytes);
        if (file->error() == QFileDevice::NoError)
            return bytes;
        reason = QStringLiteral("Cannot read file \"%1\". %2").arg(path, file->errorString());
    }
    if (why)
        *why = reason;
    return std::nullopt;
}

namespace {

// Why a write failed: the device's own words, or the system's (a full disk) when the device
// only knows that it failed.
QString writeFailure(const QIODevice &device, int systemError)
{
    const QString reason = device.errorString();
    if (systemError != 0 && (reason.isEmpty() || reason == QLatin1String("Unknown error")))
        return QString::fromLocal8Bit(std::strerror(systemError));
    return reason;
}

} // namespace

void writeAtomically(const QString &path, const std::function<void(QIODevice &)> &produce)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, file.errorString()));
    try {
        produce(file);
    } catch (...) {
        file.cancelWriting();
        throw;
    }
    // A buffered write that failed (a full disk) must not be committed: Qt 6.4 can report a
    // successful commit after it, leaving a cut file in place of the old one.
    errno = 0;
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        const QString reason = writeFailure(file, errno);
        file.cancelWriting();
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    }
    if (!file.commit())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, file.errorString()));
}

namespace {
constexpr qsizetype kChunkBytes = qsizetype{256} << 10;
} // namespace

ChunkWriter::ChunkWriter(QIODevice &out, const QString &path)
    : out_(out)
    , path_(path)
{
    buffer_.reserve(kChunkBytes + 64);
}

void ChunkWriter::spill()
{
    errno = 0;
    if (out_.write(buffer_) != buffer_.size())
        throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path_, writeFailure(out_, errno)));
    buffer_.clear();
}

void ChunkWriter::append(const QByteArray &bytes)
{
    buffer_ += bytes;
    if (buffer_.size() >= kChunkBytes)
        spill();
}

void ChunkWriter::append(char c)
{
    buffer_ += c;
    if (buffer_.size() >= kChunkBytes)
        spill();
}

void ChunkWriter::appendNumber(qint64 value)
{
    char digits[24];
    int n = 0;
    const bool negative = value < 0;
    auto magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative)
        buffer_ += '-';
    while (n > 0)
        buffer_ += digits[--n];
    if (buffer_.size() >= kChunkBytes)
        spill();
}

void ChunkWriter::crlf()
{
    buffer_ += "\r\n";
    if (buffer_.size() >= kChunkBytes)
        spill();
}

void ChunkWriter::finish()
{
    if (!buffer_.isEmpty())
        spill();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    writeAtomically(path, [&](QIODevice &out) {
        errno = 0;
        if (out.write(bytes) != bytes.size())
            throw FileError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, writeFailure(out, errno)));
    });
}

void writeLines(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    writeBytes(path, encode(text));
}

} // namespace taru::textfile
