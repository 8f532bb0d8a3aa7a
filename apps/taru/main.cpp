#include "Version.h"

#include "base/Errors.h"
#include "base/ShippedFiles.h"
#include "window/AppContext.h"
#include "shell/FeatureWindows.h"
#include "shell/MainFrm.h"
#include "window/RealPrompts.h"
#include "shell/Snapshot.h"
#include "shell/Splash.h"
#include "shell/TaruApplication.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char kUsage[] = R"(Usage: taru [--data-dir DIR] [--snapshot DIR]

The desktop program of TARU: coupons, reduced systems, the systems library, printing onto
betting slips, past draws and checking.

Options:
  --data-dir DIR   The program folder, holding the data (default: TARU_HOME, else beside the
                   executable when that holds the program's shipped files, else
                   ~/.local/share/TARU).
  --snapshot DIR   Save a picture of every window into DIR and exit; needs no screen.
  --version        Print the program's version.
  --help           Print this text.
)";

const QString kSeedFailed =
    QStringLiteral("Κάποια αρχεία του προγράμματος δεν αντιγράφηκαν στον φάκελο δεδομένων· θα γίνει νέα προσπάθεια "
                   "στην επόμενη εκκίνηση.\n\n");

// --help and --version are answered before any window system is needed.
bool answeredInfoOption(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("TARU %s\n", taru::kVersionText);
            return true;
        }
    }
    return false;
}

// The program folder of this run, given the shipped files it has not had yet.
taru::AppPaths preparePaths(QStringList &args, taru::SeedReport &report)
{
    taru::AppPaths paths = taru::AppPaths::fromEnvironment(args);
    report = taru::SeedProgramFolder(paths);
    return paths;
}

// The folder given to --snapshot, looked for before the application object exists because the
// window platform has to be chosen first.
const char *snapshotDir(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--snapshot") == 0)
            return argv[i + 1];
    }
    return nullptr;
}

int takeSnapshots(const QString &dir, QStringList &args)
{
    taru::ui::SilentPrompts prompts;
    taru::SeedReport seeded;
    taru::ui::AppContext context(preparePaths(args, seeded), prompts);
    for (const QString &problem : seeded.problems)
        std::fprintf(stderr, "taru: %s\n", qPrintable(problem));
    // Help and the calculator would open windows of their own.
    context.showHelp = [](const QString &) {};
    context.startCalculator = [] {};
    try {
        const QStringList written = taru::ui::TakeAllSnapshots(dir, context);
        for (const QString &path : written)
            std::printf("%s\n", qPrintable(path));
        return written.isEmpty() ? 1 : 0;
    } catch (const taru::AppError &e) {
        std::fprintf(stderr, "taru: %s\n", qPrintable(e.message()));
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (answeredInfoOption(argc, argv))
        return 0;
    const char *snapshot = snapshotDir(argc, argv);
    if (snapshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");

    taru::ui::TaruApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TARU"));
    QApplication::setWindowIcon(taru::ui::TaruIcon());
    QStringList args = QApplication::arguments();

    if (snapshot)
        return takeSnapshots(QString::fromLocal8Bit(snapshot), args);

    taru::ui::RealPrompts prompts;
    app.setPrompts(&prompts);
    taru::SeedReport seeded;
    taru::ui::AppContext context(preparePaths(args, seeded), prompts);
    if (!seeded.problems.isEmpty())
        prompts.message(nullptr, kSeedFailed + seeded.problems.join(QLatin1Char('\n')), taru::ui::kCaptionError,
                        taru::ui::Icon::Warning);

    // The splash is created first, then every feature window, in their fixed order.
    auto splash = std::make_unique<taru::ui::TSplash>();
    taru::ui::FeatureWindows windows(context);
    taru::ui::RunSplash(*splash);
    splash.reset();

    taru::ui::TMainFrm mainFrm(context, windows);
    bool mainClosed = false;
    QObject::connect(&mainFrm, &taru::ui::TMainFrm::closed, &app, [&] {
        mainClosed = true;
        QApplication::quit();
    });
    // Sized to the screen first: without a window manager "maximised" alone would not resize it.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        mainFrm.setGeometry(screen->availableGeometry());
    mainFrm.showMaximized();
    windows.createLate();

    // The user starts on the game screen; the menu is reached once it is closed.
    windows.GameFrm->exec();
    if (mainClosed)
        return 0;
    return QApplication::exec();
}
