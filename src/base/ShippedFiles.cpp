#include "base/ShippedFiles.h"

#include "base/Errors.h"
#include "base/TextFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

#include <utility>
#include <vector>

namespace taru {

namespace {

struct ShippedFile {
    QString relative; // "BIBLIO/x.tbi", as it will lie in the program folder
    QString source;
};

// The shipped files, each library folder sorted by name so copies happen in a stable order.
std::vector<ShippedFile> shippedFiles(const QString &resources)
{
    std::vector<ShippedFile> files;
    const QString library = AppPaths::findEntry(resources, kBiblioFolder, true);
    if (!library.isEmpty()) {
        QStringList found;
        QDirIterator it(library, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        const QDir base(library);
        for (const QString &path : found)
            files.push_back({kBiblioFolder + QLatin1Char('/') + base.relativeFilePath(path), path});
    }
    const QString printers = AppPaths::findEntry(resources, kPrintersFolder, true);
    const QString profile = printers.isEmpty() ? QString() : AppPaths::findEntry(printers, kDefaultProfileFile, false);
    if (!profile.isEmpty())
        files.push_back({kPrintersFolder + QLatin1Char('/') + kDefaultProfileFile, profile});
    return files;
}

// Where a relative path lies under root, following existing folders and files whatever their
// letter case; second is whether the file is there.
std::pair<QString, bool> locate(const QString &root, const QString &relative)
{
    const QStringList parts = relative.split(QLatin1Char('/'));
    QString path = root;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const bool last = i + 1 == parts.size();
        const QString found = AppPaths::findEntry(path, parts.at(i), !last);
        if (found.isEmpty())
            return {path + QLatin1Char('/') + parts.mid(i).join(QLatin1Char('/')), false};
        path = found;
    }
    return {path, true};
}

QStringList readRecord(const QString &path)
{
    const std::optional<QByteArray> bytes = textfile::readBytes(path);
    if (!bytes)
        return {};
    QStringList lines;
    for (QString line : QString::fromUtf8(*bytes).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

void copyFile(const QString &source, const QString &target)
{
    const std::optional<QByteArray> bytes = textfile::readBytes(source);
    if (!bytes)
        throw FileError(QStringLiteral("Cannot read \"%1\"").arg(source));
    const QString folder = QFileInfo(target).absolutePath();
    if (!QDir().mkpath(folder))
        throw FileError(QStringLiteral("Cannot create folder \"%1\"").arg(folder));
    textfile::writeBytes(target, *bytes);
}

} // namespace

SeedReport SeedProgramFolder(const AppPaths &paths)
{
    SeedReport report;
    if (QDir(paths.root()) == QDir(paths.resourcesDir()))
        return report;
    const QString recordPath = paths.root() + QLatin1Char('/') + kShippedRecordFile;
    QStringList record = readRecord(recordPath);
    QSet<QString> offered;
    for (const QString &line : record)
        offered.insert(line.toLower());

    const qsizetype recorded = record.size();
    for (const ShippedFile &file : shippedFiles(paths.resourcesDir())) {
        if (offered.contains(file.relative.toLower()))
            continue;
        const auto [target, exists] = locate(paths.root(), file.relative);
        if (!exists) {
            try {
                copyFile(file.source, target);
            } catch (const AppError &e) {
                report.problems << e.message();
                continue;
            }
            report.copied << file.relative;
        }
        record << file.relative;
        offered.insert(file.relative.toLower());
    }
    if (record.size() != recorded) {
        try {
            textfile::writeBytes(recordPath, (record.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
        } catch (const AppError &e) {
            // The copies are in place; next time they are found there and recorded then.
            report.problems << e.message();
        }
    }
    return report;
}

} // namespace taru
