#include "base/AppPaths.h"
#include "base/Errors.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTemporaryFile>

#include <gtest/gtest.h>

using namespace taru;

TEST(AppPaths, FoldersAndFilesAreFoundWhateverTheirLetterCaseAndMissingFoldersMade)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("deltia")));
    ASSERT_TRUE(test::writeAll(dir.filePath(QStringLiteral("NIKITRIES.NIK")), "x"));
    const AppPaths paths(dir.path());
    EXPECT_EQ(paths.folder(kDeltiaFolder), dir.filePath(QStringLiteral("deltia")));
    EXPECT_EQ(paths.existingFolder(QStringLiteral("Deltia")), dir.filePath(QStringLiteral("deltia")));
    EXPECT_EQ(paths.file(kDrawsFileName), dir.filePath(QStringLiteral("NIKITRIES.NIK")));
    EXPECT_EQ(paths.file(QStringLiteral("other.txt")), dir.filePath(QStringLiteral("other.txt")));

    // A missing folder is made on demand, and only then.
    EXPECT_TRUE(paths.existingFolder(kProtypaFolder).isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({QStringLiteral("deltia")}));
    const AppPaths deeper(dir.path() + QStringLiteral("/not/yet"));
    EXPECT_EQ(deeper.folder(kProtypaFolder), dir.path() + QStringLiteral("/not/yet/PROTYPA"));
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("not/yet/PROTYPA"))).exists());

    // A file where the folder belongs cannot be made a folder.
    ASSERT_TRUE(test::writeAll(dir.filePath(QStringLiteral("BIBLIO")), "a file, not a folder"));
    EXPECT_THROW(paths.folder(kBiblioFolder), FileError);
}

TEST(AppPaths, ShippedFilesComeFromTheProgramFolderFirstThenBesideTheExecutable)
{
    QTemporaryDir data;
    QTemporaryDir install;
    ASSERT_TRUE(test::writeAll(install.filePath(QStringLiteral("help/GAME0.htm")), "shipped"));
    const AppPaths paths(data.path(), install.path());
    EXPECT_EQ(paths.shippedFile(QStringLiteral("HELP"), QStringLiteral("game0.HTM")), install.filePath(QStringLiteral("help/GAME0.htm")));
    EXPECT_TRUE(paths.shippedFile(QStringLiteral("help"), QStringLiteral("none.htm")).isEmpty());
    ASSERT_TRUE(test::writeAll(data.filePath(QStringLiteral("Help/GAME0.htm")), "own"));
    EXPECT_EQ(paths.shippedFile(QStringLiteral("help"), QStringLiteral("GAME0.htm")), data.filePath(QStringLiteral("Help/GAME0.htm")));
}

TEST(AppPaths, DataDirOptionWinsOverTaruHomeAndIsTakenOutOfTheArguments)
{
    QTemporaryDir option;
    QTemporaryDir home;
    qputenv("TARU_HOME", home.path().toLocal8Bit());

    QStringList args{QStringLiteral("taru"), QStringLiteral("--data-dir"), option.path(), QStringLiteral("--x")};
    EXPECT_EQ(AppPaths::fromEnvironment(args).root(), QDir(option.path()).absolutePath());
    EXPECT_EQ(args, QStringList({QStringLiteral("taru"), QStringLiteral("--x")}));

    args = QStringList{QStringLiteral("taru"), QStringLiteral("--data-dir=") + option.path() + QStringLiteral("/sub")};
    EXPECT_EQ(AppPaths::fromEnvironment(args).root(), QDir(option.path()).absolutePath() + QStringLiteral("/sub"));
    EXPECT_TRUE(QDir(option.path() + QStringLiteral("/sub")).exists());
    EXPECT_EQ(args, QStringList({QStringLiteral("taru")}));

    args = QStringList{QStringLiteral("taru")};
    EXPECT_EQ(AppPaths::fromEnvironment(args).root(), QDir(home.path()).absolutePath());
    qunsetenv("TARU_HOME");
}

TEST(AppPaths, TheLayoutBesideTheExecutableDecidesWhereDataAndShippedFilesLie)
{
    struct Case {
        const char *layout;
        bool helpBeside;     // prefix/bin/help
        bool installedShare; // prefix/share/taru
        bool taruHome;
        const char *root;
        const char *resources;
    };
    const Case cases[] = {
        {"build folder", true, false, false, "prefix/bin", "prefix/bin"},
        {"build folder inside an installation prefix", true, true, false, "prefix/bin", "prefix/bin"},
        {"installed (bin writable, as for root)", false, true, false, "user/TARU", "prefix/share/taru"},
        {"installed, TARU_HOME set", false, true, true, "home", "prefix/share/taru"},
        {"a bare executable", false, false, false, "prefix/bin", "prefix/bin"},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        const QDir base(dir.path());
        ASSERT_TRUE(base.mkpath(c.helpBeside ? QStringLiteral("prefix/bin/Help") : QStringLiteral("prefix/bin")));
        if (c.installedShare) {
            ASSERT_TRUE(base.mkpath(QStringLiteral("prefix/share/taru")));
        }
        const PathEnvironment env{base.filePath(QStringLiteral("prefix/bin")),
                                  c.taruHome ? base.filePath(QStringLiteral("home")) : QString(),
                                  base.filePath(QStringLiteral("user/TARU"))};
        QStringList args{QStringLiteral("taru")};
        const AppPaths paths = AppPaths::resolve(args, env);
        EXPECT_EQ(paths.root(), base.filePath(QString::fromLatin1(c.root))) << c.layout;
        EXPECT_EQ(paths.resourcesDir(), base.filePath(QString::fromLatin1(c.resources))) << c.layout;
        EXPECT_TRUE(QDir(paths.root()).exists()) << c.layout;
    }
}

TEST(AppPaths, AReadOnlyProgramFolderKeepsItsDataInTheUsersFolder)
{
    QTemporaryDir dir;
    const QDir base(dir.path());
    ASSERT_TRUE(base.mkpath(QStringLiteral("bin/help")));
    const QString bin = base.filePath(QStringLiteral("bin"));
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::ExeOwner);
    if (QTemporaryFile(bin + QStringLiteral("/probe-XXXXXX")).open()) {
        QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions do not hold for this user";
    }
    QStringList args{QStringLiteral("taru")};
    const AppPaths paths = AppPaths::resolve(args, {bin, QString(), base.filePath(QStringLiteral("user"))});
    QFile::setPermissions(bin, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(paths.root(), base.filePath(QStringLiteral("user")));
    EXPECT_EQ(paths.resourcesDir(), bin);
}
