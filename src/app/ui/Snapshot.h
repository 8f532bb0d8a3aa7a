#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace taru::ui {

// A window that can fill itself with representative content before its picture is taken by
// `taru --snapshot DIR` (windows without it are pictured as they open). prepareSnapshot is called
// once the window is shown, so whatever its show handler resets has been reset already.
class SnapshotContent {
public:
    virtual ~SnapshotContent() = default;
    virtual void prepareSnapshot() = 0;
};

// The class name a window's picture is saved under: "TMainFrm", a placeholder's own class name.
QString SnapshotName(const QWidget *window);

// Shows the window (not modally), lets it settle, saves DIR/<class name>.png and hides it again.
// Returns the file written, or an empty string when it could not be saved.
QString SaveSnapshot(QWidget *window, const QString &dir);

} // namespace taru::ui

namespace taru::ui {

struct AppContext;

// Creates every window of the program as start-up does and saves a picture of each in dir
// (created when missing). Returns the files written; throws FileError when dir cannot be made.
QStringList TakeAllSnapshots(const QString &dir, AppContext &context);

} // namespace taru::ui
