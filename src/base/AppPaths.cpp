#include "base/AppPaths.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace taru {

AppPaths::AppPaths(QString root, QString installDir)
    : root_(QDir::cleanPath(QDir(root).absolutePath()))
    , installDir_(installDir.isEmpty() ? root_ : QDir::cleanPath(QDir(installDir).absolutePath()))
{
}

namespace {
bool isWritableDir(const QString &dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.taru-write-test-XXXXXX"));
    return probe.open();
}
} // namespace

AppPaths AppPaths::fromEnvironment(QStringList &args)
{
    const QString exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    QString root;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--data-dir") && i + 1 < args.size()) {
            root = args.at(i + 1);
            args.remove(i, 2);
            break;
        }
        if (args.at(i).startsWith(QLatin1String("--data-dir="))) {
            root = args.at(i).mid(11);
            args.remove(i);
            break;
        }
    }
    if (root.isEmpty())
        root = qEnvironmentVariable("TARU_HOME");
    if (root.isEmpty())
        root = isWritableDir(exeDir) ? exeDir
                                     : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/TARU");
    QDir().mkpath(root);
    return AppPaths(root, exeDir);
}

QString AppPaths::findEntry(const QString &dir, const QString &name, bool wantDir)
{
    const QDir d(dir);
    if (!d.exists())
        return QString();
    const QFileInfo exact(d.filePath(name));
    if (exact.exists() && exact.isDir() == wantDir)
        return exact.absoluteFilePath();
    const auto filters = (wantDir ? QDir::Dirs : QDir::Files) | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    const QFileInfoList entries = d.entryInfoList(filters, QDir::Name);
    for (const QFileInfo &entry : entries) {
        if (entry.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return entry.absoluteFilePath();
    }
    return QString();
}

QString AppPaths::existingFolder(const QString &name) const
{
    return findEntry(root_, name, true);
}

QString AppPaths::folder(const QString &name) const
{
    const QString found = existingFolder(name);
    if (!found.isEmpty())
        return found;
    const QString path = root_ + QLatin1Char('/') + name;
    if (!QDir().mkpath(path))
        throw FileError(QStringLiteral("Cannot create folder \"%1\"").arg(path));
    return path;
}

QString AppPaths::file(const QString &name) const
{
    const QString found = findEntry(root_, name, false);
    return found.isEmpty() ? root_ + QLatin1Char('/') + name : found;
}

QString AppPaths::shippedFile(const QString &folderName, const QString &fileName) const
{
    for (const QString &base : {root_, installDir_}) {
        const QString dir = findEntry(base, folderName, true);
        if (dir.isEmpty())
            continue;
        const QString found = findEntry(dir, fileName, false);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace taru
