#include "base/Errors.h"
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
    taru::ui::AppContext context(taru::AppPaths::fromEnvironment(args), prompts);
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
    taru::ui::AppContext context(taru::AppPaths::fromEnvironment(args), prompts);

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
