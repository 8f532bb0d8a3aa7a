#include "shell/Snapshot.h"

#include "base/Errors.h"
#include "window/AppContext.h"
#include "shell/FeatureWindows.h"
#include "window/HelpViewer.h"
#include "shell/MainFrm.h"
#include "shell/Splash.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPixmap>
#include <QWidget>

namespace taru::ui {

QString SnapshotName(const QWidget *window)
{
    QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype sep = name.lastIndexOf(QLatin1String("::"));
    return sep >= 0 ? name.mid(sep + 2) : name;
}

namespace {
// Lets layouts, show handlers and the first frames of animations run.
void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    } while (timer.elapsed() < ms);
}
} // namespace

QString SaveSnapshot(QWidget *window, const QString &dir)
{
    window->show();
    // The main window is pictured at a common desktop size rather than the small offscreen screen.
    if (qobject_cast<QMainWindow *>(window))
        window->resize(1024, 680);
    settle(100);
    if (auto *content = dynamic_cast<SnapshotContent *>(window)) {
        content->prepareSnapshot();
        settle(50);
    }
    const QString path = QDir(dir).filePath(SnapshotName(window) + QStringLiteral(".png"));
    const bool saved = window->grab().save(path, "PNG");
    window->hide();
    settle(10);
    return saved ? path : QString();
}

QStringList TakeAllSnapshots(const QString &dir, AppContext &context)
{
    if (!QDir().mkpath(dir))
        throw FileError(QStringLiteral("Cannot create folder \"%1\"").arg(dir));
    QStringList written;
    const auto take = [&](QWidget *window) {
        const QString path = SaveSnapshot(window, dir);
        if (!path.isEmpty())
            written << path;
    };

    TSplash splash;
    FeatureWindows windows(context);
    take(&splash);
    TMainFrm main(context, windows);
    windows.createLate();
    windows.createStatNikFrm();
    take(&main);
    for (QDialog *window : windows.all())
        take(window);
    const QString contents = HelpPagePath(context.paths, QStringLiteral("TARU.chm"));
    if (!contents.isEmpty()) {
        HelpViewerDlg help;
        help.openPage(contents);
        take(&help);
    }
    return written;
}

} // namespace taru::ui
