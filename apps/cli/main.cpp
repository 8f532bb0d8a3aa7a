#include "Commands.h"

#include "Version.h"

#include "app/Errors.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <functional>
#include <map>
#include <memory>

namespace taru::cli {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

namespace {

const char *kUsage = R"(Usage: taru-cli [--data-dir DIR] COMMAND [OPTIONS]

Commands:
  price [--columns N] [--multiplier-boxes I,J,...] [--draws V]
        The cost of a coupon as the windows show it. Boxes are given by index 1..9
        (values 2,3,4,5,6,8,10,12,20); V is the value of the consecutive-draws box
        (2,3,4,5,6,10,20,50,100,200). Defaults: 1 column, no box.
  coupons FILE.tru
        The coupons of a coupon file, one line each: its numbers in file order.
  draws FILE.nik
        The draws list of a draws file, one line per draw: the 23 fields and the
        8 figures, separated by tabs.
  construct [--conditions FILE.dlv] [--numbers 1-20,33] [--game G] [--guarantee I]
            [--library-dir DIR] [--coupons FILE.tru]
        Builds a reduced system as the system constructor does: the marked numbers,
        game, guarantee and conditions of the conditions file, overridden by the flags
        (I is the index in the game's guarantee list, 0 = the full system). Prints one
        built column per line and the summary message on standard error; writes the
        library system file into DIR and the coupon file when asked. --verify adds the
        check of the guarantee on standard error ("Έλεγχος εγγύησης: 100%").
  optimise [the options of construct] [--seconds S] [--seed X]
        Builds as construct does, then searches for a smaller system with the same
        guarantee for S seconds (default 10) on both cores; X (default 1) makes the search
        repeatable. Prints the columns; on standard error "greedy G optimised O seconds S"
        and the check of the guarantee. --library-dir and --coupons store the smaller one.
  verify FILE.tru --game G (--guarantee I | --threshold T) [--numbers 1-20,33]
         [--conditions FILE.dlv] [--holes N]
        Checks every G-subset of the pool (default: the numbers the file uses) that passes
        the conditions: does some column share T or more numbers with it? T = G - I. Prints
        "COVERED TOTAL", then the first N (default 10) uncovered ones, numbers ascending.
  odds --numbers N --game G
        The probability that a draw brings at least G of N chosen numbers, exactly, as a
        decimal with 12 significant digits.
  backtest FILE.tru [--draws FILE.nik]
        Every coupon against every draw (default: Nikitries.nik of the data folder): one
        line per number of hits, from the game down to 0, "HITS<TAB>COUNT" of (draw, column)
        pairs; the best draw on standard error.
  check FILE.tru (--draw N1,...,N20 | --draws FILE.nik --row R)
        Checks every coupon of the file against a draw: the 20 numbers given, or line R
        (1 = the first) of a draws file. One line per number of hits, from the game down to 0:
        hits, how many coupons, and which (coupon numbers joined by ","), separated by tabs.
  print FILE.tru (--pdf OUT.pdf | --positions) [--dpi 600]
        Every coupon of the file on its own slip, as batch printing prints coupons from a
        file, with Printers/default.tpr of the data folder: one PDF page per slip at the
        given resolution, or (--positions) the texts with their device positions
        (page, x, y, font size, text; tab separated) without printing.

Options:
  --version     Print the program's version.
  --help        Print this text.
  --data-dir    The program folder (default: TARU_HOME, else beside the executable).
)";

const std::map<QString, std::function<int(const QStringList &)>> &commands()
{
    static const std::map<QString, std::function<int(const QStringList &)>> table{
        {QStringLiteral("price"), runPrice},
        {QStringLiteral("check"), runCheck},
        {QStringLiteral("print"), runPrint},
        {QStringLiteral("coupons"), runCoupons},
        {QStringLiteral("draws"), runDraws},
        {QStringLiteral("construct"), runConstruct},
        {QStringLiteral("optimise"), runOptimise},
        {QStringLiteral("verify"), runVerify},
        {QStringLiteral("odds"), runOdds},
        {QStringLiteral("backtest"), runBacktest},
    };
    return table;
}

} // namespace
} // namespace taru::cli

int main(int argc, char *argv[])
{
    using namespace taru::cli;
    // Printing needs fonts, hence a GUI application; it paints off screen.
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || qstrcmp(argv[i], "print") == 0;
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        printing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        out() << kUsage;
        out().flush();
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out() << "TARU " << taru::kVersionText << '\n';
        out().flush();
        return 0;
    }
    // The data folder option may stand before the command; commands that need it read it again.
    QStringList rest = args;
    for (int i = 0; i < rest.size(); ++i) {
        if (rest.at(i) == QLatin1String("--data-dir") && i + 1 < rest.size()) {
            qputenv("TARU_HOME", rest.at(i + 1).toLocal8Bit());
            rest.remove(i, 2);
            break;
        }
    }
    if (rest.isEmpty()) {
        err() << "taru-cli: no command given\n" << kUsage;
        return 2;
    }
    const auto it = commands().find(rest.first());
    if (it == commands().end()) {
        err() << "taru-cli: unknown command '" << rest.first() << "'\n" << kUsage;
        return 2;
    }
    int code = 0;
    try {
        code = it->second(rest.mid(1));
    } catch (const UsageError &e) {
        err() << "taru-cli " << rest.first() << ": " << e.message << '\n';
        code = 2;
    } catch (const taru::AppError &e) {
        err() << "taru-cli " << rest.first() << ": " << e.message() << '\n';
        code = 1;
    }
    out().flush();
    err().flush();
    return code;
}
