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

TEST(PrinterProfile, DialogDefaultsAndTheShippedDefaultAreTheExactRecord)
{
    EXPECT_EQ(SerialiseProfile(PrinterProfile{}), defaultRecord());
    // The shipped default.tpr is the dialog's defaults saved as the default.
    const QByteArray shipped =
        test::readAll(QStringLiteral(TARU_TEST_DATA "/../../resources/") + kPrintersFolder + QLatin1Char('/') + kDefaultProfileFile);
    EXPECT_EQ(shipped, SerialiseProfile(PrinterProfile{.printerName = kDefaultProfileEntry, .isDefault = true}));
}

TEST(PrinterProfile, EveryFieldLandsAtItsOffsetAndReadsBack)
{
    const PrinterProfile p{.message = "Καλή τύχη", .printerName = " HP LaserJet ", .messageX = "1,5",
                           .slipTop = "123.456", // 7 characters fill the field
                           .markChar = "@", .markSize = 300, .messageSize = -2, .valueSize = 24, .isDefault = true,
                           .bold = true, .slipPosition = kSlipLandscape};
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
    EXPECT_EQ(ParseProfile(r), p);
}

TEST(PrinterProfile, LongTextsAreCutToTheirFieldsAndShortRecordsDoNotParse)
{
    const QByteArray r = SerialiseProfile({.message = QString(150, QLatin1Char('m')), .slipLeft = "123456789", .markChar = "XY"});
    EXPECT_EQ(static_cast<unsigned char>(r.at(0)), 100);
    EXPECT_EQ(static_cast<unsigned char>(r.at(101)), 0); // the printer name starts unharmed
    const auto back = ParseProfile(r);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->message, QString(100, QLatin1Char('m')));
    EXPECT_EQ(back->slipLeft, QStringLiteral("1234567"));
    EXPECT_EQ(back->markChar, QStringLiteral("X"));

    EXPECT_FALSE(ParseProfile(defaultRecord().left(283)));
    EXPECT_TRUE(ParseProfile(defaultRecord() + QByteArray("more")));
    PrinterProfile kept{.message = "kept"};
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
    // Not in the old layout: the value line, the text sizes and the slip position stay as shown.
    PrinterProfile shown{.valueX = "5", .valueY = "15", .messageSize = 12, .valueSize = 16, .slipPosition = kSlipLandscape};
    ASSERT_TRUE(ParseOldProfile(old, shown));
    EXPECT_EQ(shown, (PrinterProfile{.message = "Old message", .printerName = "Old printer", .messageX = "2",
                                     .messageY = "3", .valueX = "5", .valueY = "15", .slipLeft = "21", .slipTop = "31",
                                     .pitchX = "4,1", .pitchY = "4,2", .markChar = "O", .markSize = 9, .messageSize = 12,
                                     .valueSize = 16, .isDefault = true, .bold = true, .slipPosition = kSlipLandscape}));
}

TEST(PrinterProfile, StoredSizesSelectTheirListEntry)
{
    for (const auto &[size, index] : {std::pair{6, 0}, {7, 1}, {12, 6}, {14, 7}, {24, 12}})
        EXPECT_EQ(ProfileSizeIndex(size), index) << size;
    for (int missing : {13, 5, 25, 0, 15, -7})
        EXPECT_FALSE(ProfileSizeIndex(missing)) << missing;
}

// Portrait with the defaults at 600 dpi: cli.print_positions.
TEST(LoadForPrinting, ConvertsWithTheSlipFactorAndMeasuresLandscapeFromTheBottomEdge)
{
    const double dotsX = 600 * 0.03939, dotsY = 300 * 0.03939; // per millimetre
    struct Case {
        std::uint8_t slipPosition;
        PageOrientation orientation;
        double slipTop, messageY, valueY;
    };
    const Case cases[] = {
        {kSlipLandscape, PageOrientation::Landscape, 7000 - 30 * dotsY, 7000, 7000 - 12 * dotsY},
        {2, PageOrientation::Unchanged, 30 * dotsY, 0, 12 * dotsY}, // a position the dialog does not offer
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("default.tpr"));
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.slipPosition));
        ASSERT_TRUE(test::writeAll(path, SerialiseProfile({.markChar = "#", .bold = true, .slipPosition = c.slipPosition})));
        const ProfileLoad load = LoadForPrinting(path, 600, 300, 7000, QLocale::c());
        ASSERT_TRUE(load.ok()) << load.error.toStdString();
        const SlipGeometry &g = *load.geometry;
        EXPECT_EQ(load.orientation, c.orientation);
        EXPECT_DOUBLE_EQ(g.slipLeft, 19 * dotsX); // X fields never turn
        EXPECT_DOUBLE_EQ(g.slipTop, c.slipTop);
        EXPECT_DOUBLE_EQ(g.pitchX, 4 * dotsX);
        EXPECT_DOUBLE_EQ(g.pitchY, 4 * dotsY);
        EXPECT_DOUBLE_EQ(g.messageX, dotsX);
        EXPECT_DOUBLE_EQ(g.messageY, c.messageY);
        EXPECT_DOUBLE_EQ(g.valueX, dotsX);
        EXPECT_DOUBLE_EQ(g.valueY, c.valueY);
        EXPECT_EQ(std::tuple(g.message, g.markChar, g.markSize, g.bold), std::tuple(QStringLiteral("Extra5"), QStringLiteral("#"), 7, true));
    }
    // 30 mm up from the bottom of a 6000-dot page at 600 dpi.
    EXPECT_NEAR(LoadForPrinting(SerialiseProfile({.slipPosition = kSlipLandscape}), 600, 600, 6000, QLocale::c()).geometry->slipTop,
                5290.98, 1e-9);
}

TEST(LoadForPrinting, DecimalCommaReadsInAnyLocale)
{
    const QByteArray bytes = SerialiseProfile({.slipLeft = "19,5", .pitchY = "4.25"});
    const ProfileLoad point = LoadForPrinting(bytes, 100, 100, 1000, QLocale::c());
    ASSERT_TRUE(point.ok()) << point.error.toStdString();
    EXPECT_DOUBLE_EQ(point.geometry->slipLeft, 19.5 * 100 * 0.03939);
    EXPECT_DOUBLE_EQ(point.geometry->pitchY, 4.25 * 100 * 0.03939);
    const ProfileLoad comma =
        LoadForPrinting(SerialiseProfile({.slipLeft = "19,5"}), 100, 100, 1000, QLocale(QLocale::Greek, QLocale::Greece));
    ASSERT_TRUE(comma.ok()) << comma.error.toStdString();
    EXPECT_DOUBLE_EQ(comma.geometry->slipLeft, 19.5 * 100 * 0.03939);
}

TEST(LoadForPrinting, DamagedRecordsAndDistancesNoPageCanHaveFailTheLoad)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *error; // after the load error's prefix; nullptr: loads
    };
    const auto distance = [](const char *text) { return SerialiseProfile({.slipTop = text}); };
    const auto size = [](std::int32_t value) { return SerialiseProfile({.valueSize = value}); };
    const Case cases[] = {
        {"short file", defaultRecord().left(260), "Read beyond end of fileFileError"},
        {"4mm", SerialiseProfile({.pitchX = "4mm"}), "'4mm' is not a valid floating point valueConversionError"},
        {"inf", distance("inf"), "'inf' is not a distance from -2000 to 2000 mmRangeError"},
        {"-inf", distance("-inf"), "'-inf' is not a distance from -2000 to 2000 mmRangeError"},
        {"nan", distance("nan"), "'nan' is not a distance from -2000 to 2000 mmRangeError"},
        {"1e300", distance("1e300"), "'1e300' is not a distance from -2000 to 2000 mmRangeError"},
        {"2000.01", distance("2000.01"), "'2000.01' is not a distance from -2000 to 2000 mmRangeError"},
        {"-2000", distance("-2000"), nullptr},
        {"2000", distance("2000"), nullptr},
        {"size 0", size(0), "Character size 0 is outside 1..200RangeError"},
        {"size 2000000000", size(2000000000), "Character size 2000000000 is outside 1..200RangeError"},
        {"size 200", size(200), nullptr},
    };
    for (const Case &c : cases) {
        const ProfileLoad load = LoadForPrinting(c.bytes, 600, 600, 6000, QLocale::c());
        EXPECT_EQ(load.ok(), !c.error) << c.name << " " << load.error.toStdString();
        EXPECT_EQ(load.error, c.error ? kProfileLoadError + QString::fromLatin1(c.error) : QString()) << c.name;
    }
    // A missing file: cli.print_no_profile.
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
        const PrinterProfile p{.printerName = c.name, .isDefault = c.isDefault};
        EXPECT_EQ(SaveProfile(dir.path(), p), c.result) << c.name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), c.files) << c.name;
        for (const QString &file : c.files)
            EXPECT_EQ(test::readAll(dir.filePath(file)), SerialiseProfile(p)) << c.name;
    }
}
