#pragma once

#include <QLocale>
#include <QString>

#include <stdexcept>

namespace taru {

// A failure inside a command: a text that is not a number, a file that cannot be read or
// written, an arithmetic overflow. Thrown by core, caught at the edge of the window's handler
// and shown there in the standard error box; the command is abandoned, the program goes on.
class AppError : public std::runtime_error {
public:
    AppError(QString kind, QString message)
        : std::runtime_error(message.toStdString()), kind_(std::move(kind)), message_(std::move(message)) {}

    const QString &kind() const { return kind_; }
    const QString &message() const { return message_; }

private:
    QString kind_;
    QString message_;
};

class ConversionError : public AppError {
public:
    explicit ConversionError(const QString &message) : AppError(QStringLiteral("ConversionError"), message) {}
};

class FileError : public AppError {
public:
    explicit FileError(const QString &message) : AppError(QStringLiteral("FileError"), message) {}
};

class OverflowError : public AppError {
public:
    explicit OverflowError(const QString &message) : AppError(QStringLiteral("OverflowError"), message) {}
};

class RangeError : public AppError {
public:
    explicit RangeError(const QString &message) : AppError(QStringLiteral("RangeError"), message) {}
};

// Conversions that raise ConversionError with the usual wording instead of returning a flag.
int toInt(const QString &text);
// Reads a decimal number in the given locale (its decimal separator, no digit grouping).
double toDouble(const QString &text, const QLocale &locale);

} // namespace taru
