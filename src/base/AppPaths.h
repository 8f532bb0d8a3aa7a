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
inline const QString kHelpFolder = QStringLiteral("help");
inline const QString kDrawsFileName = QStringLiteral("Nikitries.nik");
// The printer profile every print job reads, in the Printers folder.
inline const QString kDefaultProfileFile = QStringLiteral("default.tpr");

// Folder of the shipped read-only files under an installation prefix (<prefix>/share/taru),
// relative to the folder of the executable (<prefix>/bin).
inline const QString kInstalledResources = QStringLiteral("../share/taru");

// What a run of the program is told from outside, gathered so that tests can give their own.
struct PathEnvironment {
    QString exeDir;      // the folder of the executable
    QString taruHome;    // the TARU_HOME variable, empty when unset
    QString userDataDir; // the user's own data folder for the program (~/.local/share/TARU)
};

// Where the program keeps its data (the "program folder") and where its shipped files lie.
class AppPaths {
public:
    // root: the program folder; resourcesDir: the shipped help pages, pictures and library
    // (defaults to root).
    explicit AppPaths(QString root, QString resourcesDir = QString());

    // The paths for this run of this process: see resolve.
    static AppPaths fromEnvironment(QStringList &args);

    // The program folder: --data-dir DIR on the command line, else TARU_HOME, else the
    // executable's folder when it holds the shipped files itself (a build or a copied program
    // folder) and is writable, else the user's data folder. The shipped files: beside the
    // executable when its folder has the help pages, else under the installation prefix when
    // that exists. The option and its value are removed from args; the program folder is
    // created when missing.
    static AppPaths resolve(QStringList &args, const PathEnvironment &env);

    // The shipped files of a program whose executable lies in exeDir (see resolve).
    static QString resourcesDirFor(const QString &exeDir);

    const QString &root() const { return root_; }
    const QString &resourcesDir() const { return resourcesDir_; }

    // The named folder beside the program, found whatever its letter case, created (with any
    // missing parents) when it does not exist. Throws FileError when it cannot be created.
    QString folder(const QString &name) const;

    // The named folder if it exists (any letter case), else an empty string; creates nothing.
    QString existingFolder(const QString &name) const;

    // A file directly in the program folder, matched without regard to letter case; when none
    // exists, the path it would have.
    QString file(const QString &name) const;

    // A shipped file (help page, picture): looked up under the program folder first, then
    // among the shipped files. Empty when neither has it.
    QString shippedFile(const QString &folderName, const QString &fileName) const;

    // Finds an entry of dir whose name equals name without regard to letter case.
    static QString findEntry(const QString &dir, const QString &name, bool wantDir);

private:
    QString root_;
    QString resourcesDir_;
};

} // namespace taru
