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

// Each command takes its own arguments (without the command name) and returns the exit code.
int runPrice(const QStringList &args);
int runCoupons(const QStringList &args);
int runDraws(const QStringList &args);
int runConstruct(const QStringList &args);

} // namespace taru::cli
