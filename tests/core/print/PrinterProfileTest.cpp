#include "print/PrinterProfile.h"

#include "TempDir.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

namespace {

// A field as the record holds it: length byte, characters, zeros up to the field size.
void field(QByteArray &record, int offset, int size, const QByteArray &chars)
{
    record[offset] = static_cast<char>(chars.size());
    for (int i = 0; i < chars.size(); ++i)
        record[offset + 1 + i] = chars.at(i);
    for (int i = chars.size() + 1; i < size; ++i)
        record[offset + i] = 0;
}

QByteArray defaultRecord()
{
    QByteArray r(kProfileSize, '\0');
    field(r, 0, 101, "Extra5");
    field(r, 101, 101, "");
    field(r, 202, 8, "1");
    field(r, 210, 8, "0");
    field(r, 218, 8, "1");
    field(r, 226, 8, "12");
    field(r, 234, 8, "19");
    field(r, 242, 8, "30");
    field(r, 250, 8, "4");
    field(r, 258, 8, "4");
    field(r, 266, 2, "X");
    r[268] = 7;
    r[272] = 7;
    r[276] = 7;
    return r;
}

} // namespace

TEST(PrinterProfile, DialogDefaultsSerialiseToTheExactRecord)
{
    EXPECT_EQ(SerialiseProfile(PrinterProfile{}), defaultRecord());
}

TEST(PrinterProfile, EveryFieldLandsAtItsOffset)
{
    PrinterProfile p;
    p.message = QStringLiteral("Καλή τύχη");
    p.printerName = QStringLiteral(" HP LaserJet ");
    p.messageX = QStringLiteral("1,5");
    p.slipTop = QStringLiteral("123.456"); // 7 characters fill the field
    p.markChar = QStringLiteral("@");
    p.markSize = 300;
    p.messageSize = -2;
    p.valueSize = 24;
    p.isDefault = true;
    p.bold = true;
    p.slipPosition = kSlipLandscape;
    const QByteArray r = SerialiseProfile(p);
    ASSERT_EQ(r.size(), 284);
    EXPECT_EQ(r.mid(0, 10), QByteArray("\x09\xCA\xE1\xEB\xDE\x20\xF4\xFD\xF7\xE7")); // Windows-1253
    EXPECT_EQ(r.mid(101, 14), QByteArray("\x0D HP LaserJet ", 14));
    EXPECT_EQ(r.mid(202, 8), QByteArray("\x03" "1,5\0\0\0\0", 8));
    EXPECT_EQ(r.mid(242, 8), QByteArray("\x07" "123.456", 8));
    EXPECT_EQ(r.mid(266, 2), QByteArray("\x01@"));
    EXPECT_EQ(r.mid(268, 4), QByteArray("\x2C\x01\x00\x00", 4));
    EXPECT_EQ(r.mid(272, 4), QByteArray("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(r.mid(276, 4), QByteArray("\x18\x00\x00\x00", 4));
    EXPECT_EQ(r.mid(280, 4), QByteArray("\x01\x01\x01\x00", 4));
}

TEST(PrinterProfile, LongTextsAreCutToTheirFields)
{
    PrinterProfile p;
    p.message = QString(150, QLatin1Char('m'));
    p.slipLeft = QStringLiteral("123456789");
    p.markChar = QStringLiteral("XY");
    const QByteArray r = SerialiseProfile(p);
    EXPECT_EQ(static_cast<unsigned char>(r.at(0)), 100);
    EXPECT_EQ(static_cast<unsigned char>(r.at(101)), 0); // the printer name starts unharmed
    const auto back = ParseProfile(r);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->message, QString(100, QLatin1Char('m')));
    EXPECT_EQ(back->slipLeft, QStringLiteral("1234567"));
    EXPECT_EQ(back->markChar, QStringLiteral("X"));
}

TEST(PrinterProfile, BytesRoundTripExactly)
{
    PrinterProfile p;
    p.message = QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ");
    p.printerName = QStringLiteral("Epson LX-350");
    p.valueY = QStringLiteral("12,75");
    p.messageSize = 14;
    p.bold = true;
    p.slipPosition = kSlipLandscape;
    const QByteArray bytes = SerialiseProfile(p);
    const auto parsed = ParseProfile(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, p);
    EXPECT_EQ(SerialiseProfile(*parsed), bytes);
}

TEST(PrinterProfile, ShortRecordsDoNotParse)
{
    EXPECT_FALSE(ParseProfile(defaultRecord().left(283)));
    EXPECT_TRUE(ParseProfile(defaultRecord() + QByteArray("more")));
    PrinterProfile kept;
    kept.message = QStringLiteral("kept");
    EXPECT_FALSE(ParseOldProfile(QByteArray(259, '\0'), kept));
    EXPECT_EQ(kept.message, QStringLiteral("kept"));
}

TEST(PrinterProfile, OldLayoutKeepsTheFieldsItLacks)
{
    QByteArray old(kOldProfileSize, '\0');
    field(old, 0, 101, "Old message");
    field(old, 101, 101, "Old printer");
    field(old, 202, 8, "2");
    field(old, 210, 8, "3");
    field(old, 218, 8, "21");
    field(old, 226, 8, "31");
    field(old, 234, 8, "4,1");
    field(old, 242, 8, "4,2");
    field(old, 250, 2, "O");
    old[252] = 9;
    old[256] = 1;
    old[257] = 1;

    PrinterProfile shown;
    shown.valueX = QStringLiteral("5");
    shown.valueY = QStringLiteral("15");
    shown.messageSize = 12;
    shown.valueSize = 16;
    shown.slipPosition = kSlipLandscape;
    ASSERT_TRUE(ParseOldProfile(old, shown));
    EXPECT_EQ(shown.message, QStringLiteral("Old message"));
    EXPECT_EQ(shown.printerName, QStringLiteral("Old printer"));
    EXPECT_EQ(shown.messageX, QStringLiteral("2"));
    EXPECT_EQ(shown.messageY, QStringLiteral("3"));
    EXPECT_EQ(shown.slipLeft, QStringLiteral("21"));
    EXPECT_EQ(shown.slipTop, QStringLiteral("31"));
    EXPECT_EQ(shown.pitchX, QStringLiteral("4,1"));
    EXPECT_EQ(shown.pitchY, QStringLiteral("4,2"));
    EXPECT_EQ(shown.markChar, QStringLiteral("O"));
    EXPECT_EQ(shown.markSize, 9);
    EXPECT_TRUE(shown.isDefault);
    EXPECT_TRUE(shown.bold);
    // Not in the old layout: as they were.
    EXPECT_EQ(shown.valueX, QStringLiteral("5"));
    EXPECT_EQ(shown.valueY, QStringLiteral("15"));
    EXPECT_EQ(shown.messageSize, 12);
    EXPECT_EQ(shown.valueSize, 16);
    EXPECT_EQ(shown.slipPosition, kSlipLandscape);
}

TEST(PrinterProfile, StoredSizesSelectTheirListEntry)
{
    EXPECT_EQ(ProfileSizeIndex(6), 0);
    EXPECT_EQ(ProfileSizeIndex(7), 1);
    EXPECT_EQ(ProfileSizeIndex(12), 6);
    EXPECT_EQ(ProfileSizeIndex(14), 7);
    EXPECT_EQ(ProfileSizeIndex(24), 12);
    for (int missing : {13, 5, 25, 0, 15, -7})
        EXPECT_FALSE(ProfileSizeIndex(missing)) << missing;
}

TEST(LoadForPrinting, ConvertsWithTheSlipFactor)
{
    const ProfileLoad load = LoadForPrinting(defaultRecord(), 600, 300, 7000, QLocale::c());
    ASSERT_TRUE(load.ok()) << load.error.toStdString();
    const SlipGeometry &g = *load.geometry;
    EXPECT_EQ(load.orientation, PageOrientation::Portrait);
    EXPECT_DOUBLE_EQ(g.slipLeft, 19 * 600 * 0.03939);
    EXPECT_DOUBLE_EQ(g.slipTop, 30 * 300 * 0.03939);
    EXPECT_DOUBLE_EQ(g.pitchX, 4 * 600 * 0.03939);
    EXPECT_DOUBLE_EQ(g.pitchY, 4 * 300 * 0.03939);
    EXPECT_DOUBLE_EQ(g.messageX, 600 * 0.03939);
    EXPECT_DOUBLE_EQ(g.messageY, 0.0);
    EXPECT_DOUBLE_EQ(g.valueX, 600 * 0.03939);
    EXPECT_DOUBLE_EQ(g.valueY, 12 * 300 * 0.03939);
    EXPECT_NE(g.slipLeft, 19 * 600 / 25.4);
    EXPECT_EQ(g.message, QStringLiteral("Extra5"));
    EXPECT_EQ(g.markChar, QStringLiteral("X"));
    EXPECT_EQ(g.markSize, 7);
    EXPECT_FALSE(g.bold);
}

TEST(LoadForPrinting, LandscapeMeasuresFromTheBottomEdge)
{
    PrinterProfile p;
    p.slipPosition = kSlipLandscape;
    const ProfileLoad load = LoadForPrinting(SerialiseProfile(p), 600, 600, 6000, QLocale::c());
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.orientation, PageOrientation::Landscape);
    EXPECT_NEAR(load.geometry->slipTop, 5290.98, 1e-9);
    EXPECT_DOUBLE_EQ(load.geometry->messageY, 6000.0);
    EXPECT_DOUBLE_EQ(load.geometry->valueY, 6000 - 12 * 600 * 0.03939);
    EXPECT_DOUBLE_EQ(load.geometry->slipLeft, 19 * 600 * 0.03939); // X fields stay
}

TEST(LoadForPrinting, OtherSlipPositionsLeaveOrientationAndValues)
{
    PrinterProfile p;
    p.slipPosition = 2;
    const ProfileLoad load = LoadForPrinting(SerialiseProfile(p), 600, 600, 6000, QLocale::c());
    ASSERT_TRUE(load.ok());
    EXPECT_EQ(load.orientation, PageOrientation::Unchanged);
    EXPECT_DOUBLE_EQ(load.geometry->slipTop, 30 * 600 * 0.03939);
}

TEST(LoadForPrinting, DecimalCommaReadsInAnyLocale)
{
    PrinterProfile p;
    p.slipLeft = QStringLiteral("19,5");
    p.pitchY = QStringLiteral("4.25");
    const QByteArray bytes = SerialiseProfile(p);
    const ProfileLoad point = LoadForPrinting(bytes, 100, 100, 1000, QLocale::c());
    ASSERT_TRUE(point.ok()) << point.error.toStdString();
    EXPECT_DOUBLE_EQ(point.geometry->slipLeft, 19.5 * 100 * 0.03939);
    EXPECT_DOUBLE_EQ(point.geometry->pitchY, 4.25 * 100 * 0.03939);

    p.pitchY = QStringLiteral("4");
    const ProfileLoad comma = LoadForPrinting(SerialiseProfile(p), 100, 100, 1000, QLocale(QLocale::Greek, QLocale::Greece));
    ASSERT_TRUE(comma.ok()) << comma.error.toStdString();
    EXPECT_DOUBLE_EQ(comma.geometry->slipLeft, 19.5 * 100 * 0.03939);
}

TEST(LoadForPrinting, FailuresNameTheirMessageAndKind)
{
    const ProfileLoad shortFile = LoadForPrinting(defaultRecord().left(260), 600, 600, 6000, QLocale::c());
    EXPECT_FALSE(shortFile.ok());
    EXPECT_EQ(shortFile.error,
              QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο. Read beyond end of fileFileError"));

    PrinterProfile p;
    p.pitchX = QStringLiteral("4mm");
    const ProfileLoad notNumber = LoadForPrinting(SerialiseProfile(p), 600, 600, 6000, QLocale::c());
    EXPECT_FALSE(notNumber.ok());
    EXPECT_EQ(notNumber.error, QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο. "
                                              "'4mm' is not a valid floating point valueConversionError"));

    QTemporaryDir dir;
    const ProfileLoad missing = LoadForPrinting(dir.filePath(QStringLiteral("default.tpr")), 600, 600, 6000, QLocale::c());
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.error.startsWith(kProfileLoadError + QStringLiteral("Cannot open file"))) << missing.error.toStdString();
    EXPECT_TRUE(missing.error.endsWith(QStringLiteral("FileError")));
}

TEST(LoadForPrinting, ReadsAProfileFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.tpr"));
    PrinterProfile p;
    p.bold = true;
    p.markChar = QStringLiteral("#");
    ASSERT_TRUE(test::writeAll(path, SerialiseProfile(p)));
    const ProfileLoad load = LoadForPrinting(path, 600, 600, 6000, QLocale::c());
    ASSERT_TRUE(load.ok());
    EXPECT_TRUE(load.geometry->bold);
    EXPECT_EQ(load.geometry->markChar, QStringLiteral("#"));
}

TEST(LoadForPrinting, DistancesAndSizesNoPageCanHaveFailTheLoad)
{
    struct Case {
        const char *distance;
        std::int32_t size;
        const char *error; // after the load error's prefix; nullptr: loads
    };
    const Case cases[] = {
        {"inf", 7, "'inf' is not a distance from -2000 to 2000 mmRangeError"},
        {"-inf", 7, "'-inf' is not a distance from -2000 to 2000 mmRangeError"},
        {"nan", 7, "'nan' is not a distance from -2000 to 2000 mmRangeError"},
        {"1e300", 7, "'1e300' is not a distance from -2000 to 2000 mmRangeError"},
        {"2000.01", 7, "'2000.01' is not a distance from -2000 to 2000 mmRangeError"},
        {"-2000", 7, nullptr},
        {"2000", 7, nullptr},
        {"30", 0, "Character size 0 is outside 1..200RangeError"},
        {"30", 2000000000, "Character size 2000000000 is outside 1..200RangeError"},
        {"30", 200, nullptr},
    };
    for (const Case &c : cases) {
        PrinterProfile p;
        p.slipTop = QString::fromLatin1(c.distance);
        p.valueSize = c.size;
        const ProfileLoad load = LoadForPrinting(SerialiseProfile(p), 600, 600, 6000, QLocale::c());
        if (!c.error) {
            EXPECT_TRUE(load.ok()) << c.distance << " " << load.error.toStdString();
            continue;
        }
        EXPECT_FALSE(load.ok()) << c.distance;
        EXPECT_EQ(load.error, kProfileLoadError + QString::fromLatin1(c.error)) << c.distance;
    }
}

TEST(SaveProfile, WritesUnderTheNameAndAsTheDefault)
{
    struct Case {
        const char *name;
        bool isDefault;
        ProfileSave result;
        QStringList files;
    };
    const Case cases[] = {
        {" HP 1 ", false, ProfileSave::Saved, {"HP 1.tpr"}},
        {"HP 1", true, ProfileSave::Saved, {"HP 1.tpr", "default.tpr"}},
        {"  ", true, ProfileSave::Saved, {"default.tpr"}}, // a first-time user can make the default
        {"", false, ProfileSave::NoName, {}},
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        PrinterProfile p;
        p.printerName = QString::fromLatin1(c.name);
        p.isDefault = c.isDefault;
        EXPECT_EQ(SaveProfile(dir.path(), p), c.result) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), c.files) << c.name;
        for (const QString &file : c.files)
            EXPECT_EQ(test::readAll(dir.filePath(file)), SerialiseProfile(p)) << c.name;
    }
}

TEST(PrinterProfile, TheShippedDefaultProfileIsTheDialogDefaultsSavedAsTheDefault)
{
    PrinterProfile expected;
    expected.printerName = kDefaultProfileEntry;
    expected.isDefault = true;
    const QByteArray shipped =
        test::readAll(QStringLiteral(TARU_TEST_DATA "/../../resources/") + kPrintersFolder + QLatin1Char('/') + kDefaultProfileFile);
    EXPECT_EQ(shipped, SerialiseProfile(expected));
}
