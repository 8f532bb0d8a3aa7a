#pragma once

#include "data/CouponFile.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"

#include <QStringList>
#include <QTextStream>

#include <array>
#include <functional>
#include <map>
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
// "3,1": multiplier boxes 1..9, written back as the coupon file holds them ("1,3").
QString multiplierBoxList(const QString &option, const QString &text);
// The consecutive-draws box of a value (2..6, 10..200): its column 1..2 and row 0..4.
struct DrawsBox {
    int column = 0;
    int row = 0;
};
DrawsBox drawsBoxOf(const QString &option, const QString &text);

// Reads a coupon file; when it cannot be read, writes the reader's message (and on a second
// line what was wrong) to standard error. The result says whether it was read.
data::CouponFileData ReadCouponFileOrReport(const QString &path);

// "1-20,33": single numbers and ranges 1..80, separated by commas; `option` names the flag in messages.
std::array<bool, kNumbers> parseNumbers(const QString &option, const QString &text);
// The grid cells of a conditions file, refused with the cell named when one is not a number.
void checkConditionCells(const ConditionEntries &entries);
// A conditions file read for its conditions; one that cannot be read, or is damaged, raises the
// reader's FileError (exit 1).
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

// A command takes its own arguments (without the command name) and returns the exit code.
using CommandFunction = int (*)(const QStringList &args);

// What a command needs from the application object: the core only, or fonts (printing, which
// then runs a GUI application off screen).
enum class CommandNeeds { Core, Fonts };

struct Command {
    QString name;
    int order = 0;      // place in the help text
    CommandNeeds needs = CommandNeeds::Core;
    CommandFunction run = nullptr;
    QString usage;      // its lines of the help text
};

// Each command file registers its command with one static object of this type, so a new command
// is one new file.
struct CommandRegistration {
    CommandRegistration(const QString &name, int order, CommandNeeds needs, CommandFunction run, const char *usage);
};

// Every registered command by name.
const std::map<QString, Command> &registeredCommands();


} // namespace taru::cli
