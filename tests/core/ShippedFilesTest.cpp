#include "base/ShippedFiles.h"

#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

namespace {

// Shipped files with a library in two levels and two printer profiles, of which only the
// default one is shipped to the program folder; and an empty program folder.
class ShippedFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ship(QStringLiteral("BIBLIO/A.tbi"), "a"));
        ASSERT_TRUE(ship(QStringLiteral("BIBLIO/sub/B.tbi"), "b"));
        ASSERT_TRUE(ship(QStringLiteral("Printers/default.tpr"), "profile"));
        ASSERT_TRUE(ship(QStringLiteral("Printers/other.tpr"), "other"));
        ASSERT_TRUE(ship(QStringLiteral("help/index.htm"), "help"));
    }

    bool ship(const QString &relative, const QByteArray &bytes)
    {
        return test::writeAll(QDir(resources.path()).filePath(relative), bytes);
    }
    QString own(const QString &relative) const { return QDir(data.path()).filePath(relative); }
    SeedReport seed() const { return SeedProgramFolder(AppPaths(data.path(), resources.path())); }

    QTemporaryDir resources;
    QTemporaryDir data;
};

const QStringList kEverything{QStringLiteral("BIBLIO/A.tbi"), QStringLiteral("BIBLIO/sub/B.tbi"),
                              QStringLiteral("Printers/default.tpr")};

} // namespace

TEST_F(ShippedFilesTest, AFreshProgramFolderReceivesTheLibraryAndTheDefaultProfile)
{
    const SeedReport report = seed();
    EXPECT_EQ(report.copied, kEverything);
    EXPECT_TRUE(report.problems.isEmpty());
    EXPECT_EQ(test::readAll(own(QStringLiteral("BIBLIO/A.tbi"))), "a");
    EXPECT_EQ(test::readAll(own(QStringLiteral("BIBLIO/sub/B.tbi"))), "b");
    EXPECT_EQ(test::readAll(own(QStringLiteral("Printers/default.tpr"))), "profile");
    EXPECT_FALSE(QFile::exists(own(QStringLiteral("Printers/other.tpr"))));
    EXPECT_FALSE(QFile::exists(own(QStringLiteral("help"))));
    EXPECT_EQ(test::readAll(own(kShippedRecordFile)), "BIBLIO/A.tbi\nBIBLIO/sub/B.tbi\nPrinters/default.tpr\n");
}

TEST_F(ShippedFilesTest, EachFileIsOfferedOnceAndANewlyShippedOneStillArrives)
{
    seed();
    ASSERT_TRUE(QFile::remove(own(QStringLiteral("BIBLIO/A.tbi"))));
    ASSERT_TRUE(QFile::remove(own(QStringLiteral("Printers/default.tpr"))));
    ASSERT_TRUE(ship(QStringLiteral("BIBLIO/C.tbi"), "c"));

    const SeedReport again = seed();
    EXPECT_EQ(again.copied, QStringList({QStringLiteral("BIBLIO/C.tbi")}));
    EXPECT_FALSE(QFile::exists(own(QStringLiteral("BIBLIO/A.tbi"))));
    EXPECT_FALSE(QFile::exists(own(QStringLiteral("Printers/default.tpr"))));
    EXPECT_TRUE(seed().copied.isEmpty());
}

TEST_F(ShippedFilesTest, TheUsersOwnFilesAreKeptWhateverTheirLetterCase)
{
    ASSERT_TRUE(test::writeAll(own(QStringLiteral("biblio/a.TBI")), "mine"));
    ASSERT_TRUE(test::writeAll(own(QStringLiteral("printers/DEFAULT.TPR")), "calibrated"));

    EXPECT_EQ(seed().copied, QStringList({QStringLiteral("BIBLIO/sub/B.tbi")}));
    EXPECT_EQ(test::readAll(own(QStringLiteral("biblio/a.TBI"))), "mine");
    EXPECT_EQ(test::readAll(own(QStringLiteral("printers/DEFAULT.TPR"))), "calibrated");
    EXPECT_EQ(test::readAll(own(QStringLiteral("biblio/sub/B.tbi"))), "b");
    EXPECT_EQ(QDir(data.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("biblio"), QStringLiteral("printers")}));

    // Kept files count as offered: deleting them later does not bring the shipped ones back.
    ASSERT_TRUE(QFile::remove(own(QStringLiteral("biblio/a.TBI"))));
    EXPECT_TRUE(seed().copied.isEmpty());
}

TEST_F(ShippedFilesTest, TheRecordIsReadWithAnyLineEndAndLetterCase)
{
    ASSERT_TRUE(test::writeAll(own(kShippedRecordFile), "biblio/a.tbi\r\n\r\nPRINTERS/DEFAULT.TPR"));
    EXPECT_EQ(seed().copied, QStringList({QStringLiteral("BIBLIO/sub/B.tbi")}));
    EXPECT_EQ(test::readAll(own(kShippedRecordFile)), "biblio/a.tbi\nPRINTERS/DEFAULT.TPR\nBIBLIO/sub/B.tbi\n");
}

TEST_F(ShippedFilesTest, AFileThatCannotBeCopiedIsReportedAndTriedAgainNextTime)
{
    ASSERT_TRUE(test::writeAll(own(QStringLiteral("BIBLIO")), "a file where the library folder belongs"));

    const SeedReport blocked = seed();
    EXPECT_EQ(blocked.copied, QStringList({QStringLiteral("Printers/default.tpr")}));
    EXPECT_EQ(blocked.problems, QStringList({QStringLiteral("Cannot create folder \"%1\"").arg(own(QStringLiteral("BIBLIO"))),
                                             QStringLiteral("Cannot create folder \"%1\"").arg(own(QStringLiteral("BIBLIO/sub")))}));
    EXPECT_EQ(test::readAll(own(QStringLiteral("BIBLIO"))), "a file where the library folder belongs");

    ASSERT_TRUE(QFile::remove(own(QStringLiteral("BIBLIO"))));
    const SeedReport cleared = seed();
    EXPECT_EQ(cleared.copied, kEverything.first(2));
    EXPECT_TRUE(cleared.problems.isEmpty());
}

TEST_F(ShippedFilesTest, TheFolderOfTheShippedFilesIsNotSeededFromItself)
{
    const SeedReport report = SeedProgramFolder(AppPaths(resources.path(), resources.path() + QStringLiteral("/.")));
    EXPECT_TRUE(report.copied.isEmpty());
    EXPECT_FALSE(QFile::exists(QDir(resources.path()).filePath(kShippedRecordFile)));
}
