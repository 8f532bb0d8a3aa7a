#pragma once

#include "window/SnapshotContent.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace taru::ui {

// The class name a window's picture is saved under: "TMainFrm".
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
