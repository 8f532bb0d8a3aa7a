// What every file of the program goes through: a save that cannot be completed leaves the old
// file whole, every reader takes the line ends of any editor, and a FIFO or device given as a
// file is refused instead of read.
#include "TempDir.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "data/CouponFile.h"
#include "data/GameFile.h"
#include "data/SystemFile.h"
#include "draws/DrawsFile.h"
#include "print/PrinterProfile.h"
#include "systems/Conditions.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <cstdio>
#include <functional>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace taru;
using namespace taru::data;
using taru::test::readAll;
using taru::test::writeAll;

namespace {

const QByteArray kOld("old contents\r\n\xe1\xe2\r\n");

// One writer of the program, writing `name` in `folder`. Writers that report instead of
// throwing (the draws file) throw here, so every row is checked the same way.
struct Writer {
    const char *name;
    QString file;
    std::function<void(const QString &folder, const QString &path)> write;
};

SystemColumns manyColumns(int count)
{
    SystemColumns columns(6);
    for (int i = 0; i < count; ++i)
        columns.append({1, 2, 3, 4, 5, static_cast<std::uint8_t>(6 + i % 70)});
    return columns;
}

std::vector<Writer> everyWriter(int columns)
{
    return {
        {"coupon file", QStringLiteral("a.tru"),
         [](const QString &, const QString &path) {
             WriteCouponFile(path, 1, 2, QString(), 0, 0, std::vector<QStringList>{{"1", "2"}});
         }},
        {"built system as coupons", QStringLiteral("b.tru"),
         [columns](const QString &, const QString &path) {
             WriteCouponFile(path, columns, 6, QString(), 0, 0, manyColumns(columns));
         }},
        {"game file", QStringLiteral("c.gak"),
         [](const QString &, const QString &path) {
             BoardMarks board{};
             board[4] = true;
             WriteGameFile(path, board, MultiplierBoxes{}, DrawBoxes{});
         }},
        {"conditions", QStringLiteral("d.dlv"), [](const QString &, const QString &path) { SaveConditions(path, ConstructorSetup()); }},
        {"library system", QStringLiteral("e.tbi"),
         [columns](const QString &, const QString &path) { WriteSystemFile(path, manyColumns(columns)); }},
        {"draws", QStringLiteral("Nikitries.nik"),
         [](const QString &, const QString &path) {
             draws::DrawEntry entry;
             entry.sequence = QStringLiteral("1");
             for (int i = 0; i < draws::kDrawNumbers; ++i)
                 entry.numbers[static_cast<std::size_t>(i)] = QString::number(i + 1);
             const QString error = draws::WriteDrawsFile(path, {entry});
             if (!error.isEmpty())
                 throw FileError(error);
         }},
        {"printer profile", QStringLiteral("P.tpr"),
         [](const QString &folder, const QString &) {
             PrinterProfile profile;
             profile.printerName = QStringLiteral("P");
             SaveProfile(folder, profile);
         }},
    };
}

void expectOnlyTheOldFiles(const QString &folder, const std::vector<Writer> &writers)
{
    QStringList expected;
    for (const Writer &w : writers)
        expected << w.file;
    expected.sort();
    QStringList present = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    present.removeAll(QStringLiteral("filler"));
    EXPECT_EQ(present, expected) << "a temporary file was left behind";
}

// A real file system of 64 KB (tmpfs), mounted for the test; skipped where mounting is not
// allowed (the tests must then run as root).
class FullDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        mountPoint_ = dir_.filePath(QStringLiteral("mnt"));
        ASSERT_TRUE(QDir().mkpath(mountPoint_));
        if (::mount("tmpfs", mountPoint_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "cannot mount a small file system here (" << std::strerror(errno)
                         << "); run the tests as root to check saves on a full disk";
        mounted_ = true;
    }
    void TearDown() override
    {
        if (mounted_)
            ::umount2(mountPoint_.toLocal8Bit().constData(), MNT_DETACH);
    }
    // Takes every byte left but `free`.
    void fill(long free = 0) const
    {
        const QByteArray name = (mountPoint_ + QStringLiteral("/filler")).toLocal8Bit();
        std::FILE *f = std::fopen(name.constData(), "wb");
        ASSERT_NE(f, nullptr);
        const QByteArray block(4096, 'f');
        long written = 0;
        while (std::fwrite(block.constData(), 1, static_cast<std::size_t>(block.size()), f) == static_cast<std::size_t>(block.size()))
            written += block.size();
        std::fclose(f);
        ASSERT_EQ(::truncate(name.constData(), std::max(0L, written - free)), 0);
    }

    QTemporaryDir dir_;
    QString mountPoint_;
    bool mounted_ = false;
};

// Keeps the files this process writes at most `bytes` long for its lifetime: a write beyond
// fails as on a device that stops half-way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

} // namespace

TEST_F(FullDisk, ASaveThatDoesNotFitLeavesTheOldFileAndSaysSo)
{
    const QString path = mountPoint_ + QStringLiteral("/sys.tru");
    ASSERT_TRUE(writeAll(path, kOld));
    fill(4096);
    // Small enough to wait in the write buffer: only the last flush finds the disk full.
    try {
        textfile::writeBytes(path, QByteArray(10000, 'x'));
        ADD_FAILURE() << "a 10 KB save with 4 KB free reported success";
    } catch (const FileError &e) {
        // The disk's own reason, not "Unknown error".
        EXPECT_EQ(e.message(), QStringLiteral("Cannot write file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(ENOSPC))));
    }
    EXPECT_EQ(readAll(path), kOld);
    expectOnlyTheOldFiles(mountPoint_, {Writer{"coupons", QStringLiteral("sys.tru"), {}}});
}

TEST_F(FullDisk, EveryWriterLeavesItsOldFileWhenNoSpaceIsLeft)
{
    const std::vector<Writer> writers = everyWriter(2);
    for (const Writer &w : writers)
        ASSERT_TRUE(writeAll(mountPoint_ + QLatin1Char('/') + w.file, kOld));
    fill();
    for (const Writer &w : writers) {
        const QString path = mountPoint_ + QLatin1Char('/') + w.file;
        EXPECT_THROW(w.write(mountPoint_, path), FileError) << w.name;
        EXPECT_EQ(readAll(path), kOld) << w.name;
    }
    expectOnlyTheOldFiles(mountPoint_, writers);
}

TEST(FileSafety, ADeviceThatFailsMidWriteLeavesEveryOldFile)
{
    QTemporaryDir dir;
    // Large enough to pass the device's limit half-way, written piece by piece by the streaming
    // writers.
    const std::vector<Writer> writers = everyWriter(40000);
    const std::vector<std::string> large{"built system as coupons", "library system"};
    for (const Writer &w : writers) {
        const QString path = dir.filePath(w.file);
        ASSERT_TRUE(writeAll(path, kOld));
        const bool isLarge = std::find(large.begin(), large.end(), w.name) != large.end();
        {
            FileSizeLimit limit(isLarge ? 64 * 1024 : 8);
            EXPECT_THROW(w.write(dir.path(), path), FileError) << w.name;
        }
        EXPECT_EQ(readAll(path), kOld) << w.name;
    }
    expectOnlyTheOldFiles(dir.path(), writers);
}

TEST(FileSafety, ReadersTakeLoneCarriageReturns)
{
    // Every reader splits lines through the two shared ones (whole file: TextFile, line by line:
    // LineReader); the draws file, whose next save would keep only what was read, stands for them.
    QTemporaryDir dir;
    QByteArray drawLines;
    for (int row = 1; row <= 3; ++row) {
        drawLines += QByteArray::number(row) + ",100" + QByteArray::number(row) + ",05/01/2026";
        for (int n = 1; n <= draws::kDrawNumbers; ++n)
            drawLines += ',' + QByteArray::number(n + row);
        drawLines += '\r';
    }
    const QString drawsPath = dir.filePath(QStringLiteral("Nikitries.nik"));
    ASSERT_TRUE(writeAll(drawsPath, drawLines));
    const draws::DrawsFileData drawsFile = draws::ReadDrawsFile(drawsPath);
    ASSERT_TRUE(drawsFile.valid);
    EXPECT_EQ(drawsFile.draws.size(), 3u);
}

TEST(FileSafety, AFifoGivenAsAFileIsRefusedNotRead)
{
    // Every reader opens through the two shared ones (whole file, line by line): the whole-file
    // one and the binary profile show it here, the line reader through cli.safety_fifo.
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString notRegular = QStringLiteral("\"%1\" is not a regular file").arg(fifo);

    try {
        LoadConditions(fifo);
        ADD_FAILURE() << "a FIFO was read";
    } catch (const FileError &e) {
        EXPECT_EQ(e.message(), notRegular);
    }
    EXPECT_EQ(LoadForPrinting(fifo, 600, 600, 7015, QLocale::c()).error, kProfileLoadError + notRegular + "FileError");
}
