#pragma once

#include <QString>
#include <QStringList>

namespace taru {

// Folder names beside the program. They are matched without regard to letter case, so an
// existing "Deltia" serves for "DELTIA".
inline const QString kDeltiaFolder = QStringLiteral("DELTIA");
inline const QString kProtypaFolder = QStringLiteral("PROTYPA");
inline const QString kBiblioFolder = QStringLiteral("BIBLIO");
inline const QString kPrintersFolder = QStringLiteral("Printers");
inline const QString kImagesFolder = QStringLiteral("Images");
inline const QString kDrawsFileName = QStringLiteral("Nikitries.nik");

// Where the program keeps its data (the "program folder") and where its shipped files lie.
class AppPaths {
public:
    // root: the program folder; installDir: the folder of the executable, holding the shipped
    // help pages and pictures (defaults to root).
    explicit AppPaths(QString root, QString installDir = QString());

    // The program folder for this run: --data-dir DIR on the command line, else the TARU_HOME
    // variable, else the executable's folder when it is writable, else the user's
    // application-data folder. The option and its value are removed from args.
    static AppPaths fromEnvironment(QStringList &args);

    const QString &root() const { return root_; }
    const QString &installDir() const { return installDir_; }

    // The named folder beside the program, found whatever its letter case, created (with any
    // missing parents) when it does not exist. Throws FileError when it cannot be created.
    QString folder(const QString &name) const;

    // The named folder if it exists (any letter case), else an empty string; creates nothing.
    QString existingFolder(const QString &name) const;

    // A file directly in the program folder, matched without regard to letter case; when none
    // exists, the path it would have.
    QString file(const QString &name) const;

    // A shipped file (help page, picture): looked up under the program folder first, then
    // beside the executable. Empty when neither has it.
    QString shippedFile(const QString &folderName, const QString &fileName) const;

    // Finds an entry of dir whose name equals name without regard to letter case.
    static QString findEntry(const QString &dir, const QString &name, bool wantDir);

private:
    QString root_;
    QString installDir_;
};

} // namespace taru
