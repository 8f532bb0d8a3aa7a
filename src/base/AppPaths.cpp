#include "base/AppPaths.h"

#include "base/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace taru {

AppPaths::AppPaths(QString root, QString resourcesDir)
    : root_(QDir::cleanPath(QDir(root).absolutePath()))
    , resourcesDir_(resourcesDir.isEmpty() ? root_ : QDir::cleanPath(QDir(resourcesDir).absolutePath()))
{
}

namespace {
bool isWritableDir(const QString &dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.taru-write-test-XXXXXX"));
    return probe.open();
}

// Takes --data-dir DIR or --data-dir=DIR out of args; empty when neither is there.
QString takeDataDirOption(QStringList &args)
{
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--data-dir") && i + 1 < args.size()) {
            const QString dir = args.at(i + 1);
            args.remove(i, 2);
            return dir;
        }
        if (args.at(i).startsWith(QLatin1String("--data-dir="))) {
            const QString dir = args.at(i).mid(11);
            args.remove(i);
            return dir;
        }
    }
    return QString();
}
} // namespace

AppPaths AppPaths::fromEnvironment(QStringList &args)
{
    PathEnvironment env;
    env.exeDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
    env.taruHome = qEnvironmentVariable("TARU_HOME");
    env.userDataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/TARU");
    return resolve(args, env);
}

QString AppPaths::resourcesDirFor(const QString &exeDir)
{
    // A folder with the help pages beside the executable is a whole program folder (the build
    // folder, a copied program); otherwise an installed program reads them from its prefix.
    if (!findEntry(exeDir, kHelpFolder, true).isEmpty())
        return exeDir;
    const QString installed = QDir::cleanPath(exeDir + QLatin1Char('/') + kInstalledResources);
    return QFileInfo(installed).isDir() ? installed : exeDir;
}

AppPaths AppPaths::resolve(QStringList &args, const PathEnvironment &env)
{
    const QString resources = resourcesDirFor(env.exeDir);
    QString root = takeDataDirOption(args);
    if (root.isEmpty())
        root = env.taruHome;
    if (root.isEmpty()) {
        // An installed program never keeps data beside its executable, even when run by a user
        // who could write there.
        const bool programFolder = QDir(resources) == QDir(env.exeDir);
        root = programFolder && isWritableDir(env.exeDir) ? env.exeDir : env.userDataDir;
    }
    QDir().mkpath(root);
    return AppPaths(root, resources);
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
    for (const QString &base : {root_, resourcesDir_}) {
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
