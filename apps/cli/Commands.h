#pragma once

#include <QStringList>
#include <QTextStream>

namespace taru::cli {

// Standard output and error of the tool, UTF-8.
QTextStream &out();
QTextStream &err();

// Bad input: the message goes to standard error and the tool exits with 2.
struct UsageError {
    QString message;
};

// Helpers for reading a command's arguments; each refuses bad input with a UsageError.
// The value that follows the option at args[i]; i is moved onto it.
QString optionValue(const QStringList &args, int &i);
// A whole number given to an option (blanks around it allowed).
int wholeNumber(const QString &option, const QString &text);
// A word that is no option of the command: an unknown "--x" is refused, else it is the one coupon
// file the command reads (a second one is refused).
void takeCouponFile(const QString &arg, QString &couponPath);

// Each command takes its own arguments (without the command name) and returns the exit code.
int runPrice(const QStringList &args);
int runCheck(const QStringList &args);
int runPrint(const QStringList &args);
int runCoupons(const QStringList &args);
int runDraws(const QStringList &args);
int runConstruct(const QStringList &args);

} // namespace taru::cli
