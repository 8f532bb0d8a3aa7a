#include "base/AppPaths.h"
#include "base/Errors.h"

#include "TempDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

TEST(AppPaths, FindsAFolderWhateverItsLetterCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("deltia")));
    const AppPaths paths(dir.path());
    EXPECT_EQ(paths.folder(kDeltiaFolder), QDir(dir.path()).filePath(QStringLiteral("deltia")));
    EXPECT_EQ(paths.existingFolder(QStringLiteral("Deltia")), QDir(dir.path()).filePath(QStringLiteral("deltia")));
    // No second folder was made beside the existing one.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList({QStringLiteral("deltia")}));
}

TEST(AppPaths, CreatesAMissingFolderOnDemand)
{
    QTemporaryDir dir;
    const AppPaths paths(dir.path() + QStringLiteral("/not/yet"));
    EXPECT_TRUE(paths.existingFolder(kProtypaFolder).isEmpty());
    const QString made = paths.folder(kProtypaFolder);
    EXPECT_EQ(made, dir.path() + QStringLiteral("/not/yet/PROTYPA"));
    EXPECT_TRUE(QDir(made).exists());
}

TEST(AppPaths, AFolderThatCannotBeMadeRaisesFileError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeAll(dir.filePath(QStringLiteral("BIBLIO")), "a file, not a folder"));
    const AppPaths paths(dir.path());
    EXPECT_THROW(paths.folder(kBiblioFolder), FileError);
}

TEST(AppPaths, FileLookupIgnoresLetterCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(test::writeAll(dir.filePath(QStringLiteral("NIKITRIES.NIK")), "x"));
    const AppPaths paths(dir.path());
    EXPECT_EQ(paths.file(kDrawsFileName), dir.filePath(QStringLiteral("NIKITRIES.NIK")));
    EXPECT_EQ(paths.file(QStringLiteral("other.txt")), dir.filePath(QStringLiteral("other.txt")));
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
