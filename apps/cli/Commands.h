#pragma once

#include "game/Pricing.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <QStringList>
#include <QTextStream>

#include <array>
#include <functional>
#include <optional>

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

// "1-20,33": single numbers and ranges 1..80, separated by commas; `option` names the flag in messages.
std::array<bool, kNumbers> parseNumbers(const QString &option, const QString &text);
// The grid cells of a conditions file, refused with the cell named when one is not a number.
void checkConditionCells(const ConditionEntries &entries);
// A conditions file read for its conditions; a file that cannot be read is refused.
ConstructorSetup loadConditionsFile(const QString &path);

// What construct and optimise build, from their shared options: --conditions, --numbers, --game,
// --guarantee, --library-dir, --coupons. Other options go to `extra`, which returns false for one
// it does not know either; it is given the option and the index, to take a value with optionValue.
struct BuildRequest {
    ConstructorSetup setup;
    ColumnConditions conditions;
    ConstructionSetup build;
    QString guaranteeText;
    std::optional<QString> libraryDir;
    std::optional<QString> couponsPath;
};
BuildRequest parseBuildRequest(const QStringList &args, const std::function<bool(const QString &, int &)> &extra);
// Columns one per line, numbers single-blank separated.
void printColumns(const SystemColumns &columns);
// The library system file and the coupon file of a build, when asked for (nothing for no columns).
void writeBuildFiles(const BuildRequest &request, const SystemColumns &columns, bool built);
ConstructionSummary summaryOf(const BuildRequest &request, std::int64_t columns);

// Each command takes its own arguments (without the command name) and returns the exit code.
int runPrice(const QStringList &args);
int runCheck(const QStringList &args);
int runPrint(const QStringList &args);
int runCoupons(const QStringList &args);
int runDraws(const QStringList &args);
int runConstruct(const QStringList &args);
int runOptimise(const QStringList &args);
int runVerify(const QStringList &args);
int runOdds(const QStringList &args);
int runBacktest(const QStringList &args);

} // namespace taru::cli
