#include "Commands.h"

#include "Version.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <exception>
#include <functional>
#include <new>
#include <algorithm>
#include <map>
#include <vector>
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

std::map<QString, Command> &commandTable()
{
    static std::map<QString, Command> table;
    return table;
}

QString usageText()
{
    std::vector<const Command *> ordered;
    for (const auto &entry : registeredCommands())
        ordered.push_back(&entry.second);
    std::sort(ordered.begin(), ordered.end(), [](const Command *a, const Command *b) { return a->order < b->order; });
    QString text = QStringLiteral("Usage: taru-cli [--data-dir DIR] COMMAND [OPTIONS]\n\nCommands:\n");
    for (const Command *command : ordered)
        text += command->usage;
    text += QStringLiteral(R"(
Options:
  --version     Print the program's version.
  --help        Print this text.
  --data-dir    The program folder (default: TARU_HOME, else beside the executable
                when that holds the program's shipped files, else ~/.local/share/TARU).
)");
    return text;
}

} // namespace

CommandRegistration::CommandRegistration(const QString &name, int order, CommandNeeds needs, CommandFunction run,
                                         const char *usage)
{
    QString text = QString::fromUtf8(usage);
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    commandTable()[name] = Command{name, order, needs, run, text};
}

const std::map<QString, Command> &registeredCommands()
{
    return commandTable();
}

} // namespace taru::cli

int main(int argc, char *argv[])
{
    using namespace taru::cli;
    // Printing needs fonts, hence a GUI application; it paints off screen.
    bool printing = false;
    for (int i = 1; i < argc; ++i) {
        const auto it = registeredCommands().find(QString::fromLocal8Bit(argv[i]));
        printing = printing || (it != registeredCommands().end() && it->second.needs == CommandNeeds::Fonts);
    }
    if (printing && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        printing ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();

    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        out() << usageText();
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
        err() << "taru-cli: no command given\n" << usageText();
        return 2;
    }
    const auto it = registeredCommands().find(rest.first());
    if (it == registeredCommands().end()) {
        err() << "taru-cli: unknown command '" << rest.first() << "'\n" << usageText();
        return 2;
    }
    int code = 0;
    try {
        code = it->second.run(rest.mid(1));
    } catch (const UsageError &e) {
        err() << "taru-cli " << rest.first() << ": " << e.message << '\n';
        code = 2;
    } catch (const taru::AppError &e) {
        err() << "taru-cli " << rest.first() << ": " << e.message() << '\n';
        code = 1;
    } catch (const std::bad_alloc &) {
        // Whatever the input asked for, the tool ends with a message, never an abort.
        err() << "taru-cli " << rest.first() << ": not enough memory for this command\n";
        code = 1;
    } catch (const std::exception &e) {
        err() << "taru-cli " << rest.first() << ": " << QString::fromLocal8Bit(e.what()) << '\n';
        code = 1;
    } catch (...) {
        err() << "taru-cli " << rest.first() << ": the command failed\n";
        code = 1;
    }
    out().flush();
    err().flush();
    return code;
}
