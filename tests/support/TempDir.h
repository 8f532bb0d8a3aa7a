#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace taru::test {

// Points the native settings store at a fresh temporary folder, so tests never see or touch the
// user's own settings. Call before the application object exists, or again to start afresh.
inline QString isolateSettings()
{
    static QTemporaryDir *dir = nullptr;
    delete dir;
    dir = new QTemporaryDir();
    qputenv("XDG_CONFIG_HOME", dir->path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir->path());
    return dir->path();
}

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

} // namespace taru::test
