#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QIODevice;

namespace taru::textfile {

// Every text file of the program is single-byte Greek (Windows-1253) with CR LF line ends.
QString decode(const QByteArray &bytes);
QByteArray encode(const QString &text);

// Splits file text into lines: CR LF ends a line, and so does a lone LF (files edited elsewhere).
// A final line end adds no empty line.
QStringList splitLines(const QString &text);

// Reads the whole file as lines. Throws FileError when it cannot be opened or read.
QStringList readLines(const QString &path);

// The whole file as it is on disk, or nothing when it cannot be opened or read (each reader
// words its own message).
std::optional<QByteArray> readBytes(const QString &path);

// Writes the lines, each followed by CR LF, whole and atomically: the file is replaced only once
// everything has been written, so a failure leaves the previous file as it was.
// Throws FileError on failure.
void writeLines(const QString &path, const QStringList &lines);

// Atomic write of raw bytes, same guarantees as writeLines.
void writeBytes(const QString &path, const QByteArray &bytes);

// Atomic write through a producer: the file is committed only if the producer returns normally.
// An exception from the producer discards everything written and is passed on.
void writeAtomically(const QString &path, const std::function<void(QIODevice &)> &produce);

} // namespace taru::textfile
