#include "print/ReportLayout.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

namespace {

SlipGeometry grid()
{
    SlipGeometry g;
    g.slipLeft = 1000;
    g.slipTop = 2000;
    g.pitchX = 100;
    g.pitchY = 50;
    g.markChar = QStringLiteral("X");
    g.markSize = 7;
    g.messageSize = 7;
    return g;
}

const ReportOwner kOwner{QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QStringLiteral("Οδός 1"), QStringLiteral("Τηλ. 210"),
                         QStringLiteral("ΑΛΦΑ-TARU")};

LibraryReport library(const QString &name, int lines)
{
    LibraryReport r;
    r.systemName = name;
    r.game = QStringLiteral("5");
    r.count = QStringLiteral("10");
    r.value = 63;
    r.coupons = 126;
    r.target = QStringLiteral("4");
    for (int i = 0; i < lines; ++i)
        r.numberLines.append(QStringLiteral("line %1").arg(i + 1));
    r.conditionText = QStringLiteral("3 ΑΠΟ ΤΑ ΣΤΑΝΤΑΡ");
    r.fixedNumbers = {QStringLiteral("7"), QStringLiteral("14"), QStringLiteral("21"), QStringLiteral("28")};
    return r;
}

const ReportLine *find(const QList<ReportLine> &lines, const QString &text)
{
    for (const ReportLine &line : lines) {
        if (line.text == text)
            return &line;
    }
    return nullptr;
}

} // namespace

TEST(ReportLayout, BoundsAndNames)
{
    EXPECT_EQ(FormatBounds(QStringLiteral("7"), QStringLiteral("12")), QStringLiteral("  7- 12"));
    EXPECT_EQ(FormatBounds(QStringLiteral("100"), QStringLiteral("1000")), QStringLiteral("100-1000"));
    EXPECT_EQ(FormatConditionName(QStringLiteral("  ΑΘΡΟΙΣΜΑ ")), QStringLiteral("ΑΘΡΟΙΣΜΑ") + QString(25, QLatin1Char(' ')));
}

TEST(ReportLayout, LibraryWithoutConditionThreeLines)
{
    const auto lines = LayoutLibraryReport(library(QStringLiteral("S10-5"), 3), kOwner, grid(), QLocale::c());
    QList<double> ys;
    QStringList texts;
    for (const ReportLine &line : lines) {
        ys.append(line.gy);
        texts.append(line.text);
    }
    EXPECT_EQ(texts, (QStringList{
                         QStringLiteral("Αναφορά Συστήματος : S10-5"),
                         QStringLiteral("Παιχνίδι : 5"),
                         QStringLiteral("Παίζουν : 10 αριθμοί"),
                         QStringLiteral("Αξία Συστήματος : 63.00 € Ευρώ"),
                         QStringLiteral("Δελτία : 126"),
                         QStringLiteral("Σύστημα Χωρίς Όρους"),
                         QStringLiteral("Αν πιάσουμε 5 αριθμούς έχουμε τουλαχιστον"),
                         QStringLiteral("4 αρι(α) στόχος μας το 5"),
                         QStringLiteral("Οι Αριθμοί που παίζουμε στο Σύστημα "),
                         QStringLiteral("line 1"), QStringLiteral("line 2"), QStringLiteral("line 3"),
                         QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QStringLiteral("Οδός 1"), QStringLiteral("Τηλ. 210"),
                         QStringLiteral("ΑΛΦΑ-TARU"), kReportFooterSlogan,
                     }));
    EXPECT_EQ(ys, (QList<double>{-11, -9.5, -8, -6.5, -5, -3.5, -1.5, -0.5, 1, 2, 3, 4, 7, 8, 9, 10, 11}));
    const ReportLine &game = lines[1];
    EXPECT_EQ(game.x, 2300);
    EXPECT_EQ(game.y, 2000 - 475);
    EXPECT_EQ(lines[5].x, 2400);
    const ReportLine &title = lines[12];
    EXPECT_EQ(title.y, 2350);
    EXPECT_EQ(title.fontSize, 10);
    // Sizes and styles: the first lines keep the profile's style.
    EXPECT_FALSE(lines[0].style.has_value());
    EXPECT_EQ(lines[0].fontSize, 12);
    EXPECT_FALSE(lines[4].style.has_value());
    EXPECT_EQ(lines[5].style, (FontStyle{true, true}));
    EXPECT_EQ(lines[5].fontSize, 10);
    EXPECT_EQ(lines[6].style, FontStyle{});
    EXPECT_EQ(lines[6].fontSize, 9);
    EXPECT_EQ(lines[8].style, (FontStyle{false, true}));
    EXPECT_EQ(lines[13].fontSize, 8);
    EXPECT_EQ(lines[15].fontSize, 10);
    EXPECT_EQ(lines[16].fontSize, 8);
}

TEST(ReportLayout, LibraryWithCondition)
{
    const auto lines = LayoutLibraryReport(library(QStringLiteral("Z10-5"), 2), kOwner, grid(), QLocale::c());
    ASSERT_TRUE(find(lines, QStringLiteral("Σύστημα Με Όρο")));
    ASSERT_TRUE(find(lines, QStringLiteral("Αν πιάσουμε 5 αριθμούς και τα Στανταρ έχουμε")));
    const ReportLine *condition = find(lines, QStringLiteral("Όρος : 7,14,21   3 ΑΠΟ ΤΑ ΣΤΑΝΤΑΡ"));
    ASSERT_TRUE(condition);
    EXPECT_EQ(condition->gy, 5);
    EXPECT_EQ(condition->fontSize, 9);

    LibraryReport bad = library(QStringLiteral("Z10-5"), 2);
    bad.conditionText = QStringLiteral("ΤΡΙΑ ΑΠΟ ΤΑ ΣΤΑΝΤΑΡ");
    EXPECT_THROW(LayoutLibraryReport(bad, kOwner, grid(), QLocale::c()), ConversionError);
}

TEST(ReportLayout, ConstructorNineRowTableWithFourLines)
{
    ConstructorReport r;
    r.systemName = QStringLiteral("ΣΥΣ1");
    r.game = QStringLiteral("6");
    r.count = QStringLiteral("12");
    r.value = 462;
    r.guaranteeText = QStringLiteral("ΕΓΓΥΗΣΗ 5 ΑΠΟ 6");
    r.numbersCaption = QStringLiteral("(1-12)");
    r.numberLines = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    for (int j = 1; j <= 8; ++j)
        r.conditionRows.append(ReportCondition{QStringLiteral("ΟΡΟΣ %1").arg(j), QString::number(j), QString::number(j + 10), j != 4});
    r.groups[0] = ReportCondition{QStringLiteral("ΟΜΑΔΑ 1"), QStringLiteral("1"), QStringLiteral("2"), true};
    r.groups[1] = ReportCondition{QStringLiteral("ΟΜΑΔΑ 2"), QStringLiteral("1"), QStringLiteral("2"), false};
    r.groups[2] = ReportCondition{QStringLiteral("ΟΜΑΔΑ 3"), QStringLiteral("0"), QStringLiteral("3"), true};
    r.groups[3] = ReportCondition{QStringLiteral("ΟΜΑΔΑ 4"), QStringLiteral("7"), QStringLiteral("12"), true};

    const auto lines = LayoutConstructorReport(r, kOwner, grid(), QLocale(QLocale::Greek, QLocale::Greece));
    EXPECT_TRUE(find(lines, QStringLiteral("Αξία Συστήματος : 462,00 € Ευρώ")));
    EXPECT_TRUE(find(lines, QStringLiteral("Παίζουν : 12 Αριθμοί   (1-12)")));
    const ReportLine *site = find(lines, QStringLiteral("ΑΛΦΑ-TARU     ") + kReportSlogan);
    ASSERT_TRUE(site);
    EXPECT_EQ(site->gx, -5);
    EXPECT_EQ(site->x, 500);
    EXPECT_EQ(site->gy, -8);
    EXPECT_EQ(find(lines, QStringLiteral("a"))->gx, 12.5);
    EXPECT_EQ(find(lines, QStringLiteral("a"))->x, 2250);
    EXPECT_EQ(find(lines, QStringLiteral("d"))->gy, -1);

    for (int j = 1; j <= 8; ++j) {
        const ReportLine *name = find(lines, FormatConditionName(QStringLiteral("ΟΡΟΣ %1").arg(j)));
        if (j == 4) {
            EXPECT_FALSE(name) << "a switched-off condition leaves its line empty";
            continue;
        }
        ASSERT_TRUE(name) << j;
        EXPECT_EQ(name->gy, j);
        EXPECT_EQ(name->gx, 12.5);
        const ReportLine *bounds = find(lines, FormatBounds(QString::number(j), QString::number(j + 10)));
        ASSERT_TRUE(bounds);
        EXPECT_EQ(bounds->gy, j);
        EXPECT_EQ(bounds->gx, 24);
        EXPECT_EQ(bounds->x, 3400);
    }
    EXPECT_EQ(find(lines, FormatConditionName(QStringLiteral("ΟΜΑΔΑ 1")))->gy, 9);
    EXPECT_FALSE(find(lines, FormatConditionName(QStringLiteral("ΟΜΑΔΑ 2"))));
    EXPECT_EQ(find(lines, FormatConditionName(QStringLiteral("ΟΜΑΔΑ 3")))->gy, 11);
    EXPECT_EQ(find(lines, FormatConditionName(QStringLiteral("ΟΜΑΔΑ 4")))->gy, 12);
    EXPECT_EQ(find(lines, QStringLiteral("  7- 12"))->gy, 12);
    EXPECT_EQ(find(lines, kOwner.title)->gy, 13);
    EXPECT_EQ(find(lines, kOwner.title)->fontSize, 10);
    EXPECT_EQ(find(lines, kOwner.address)->gy, 14);
    EXPECT_EQ(find(lines, kOwner.address)->fontSize, 8);
    EXPECT_FALSE(find(lines, kOwner.misc));
    EXPECT_EQ(lines[0].gy, -12);
    EXPECT_FALSE(lines[3].style.has_value());
    EXPECT_EQ(lines[4].text, QStringLiteral("Σύστημα Με Όρους"));
    EXPECT_EQ(lines[4].style, (FontStyle{true, true}));
}

TEST(ReportLayout, PositionsRoundToTheNearestDeviceUnit)
{
    SlipGeometry g = grid();
    g.pitchY = 47.27; // -9.5 × 47.27 = -449.065
    const auto lines = LayoutLibraryReport(library(QStringLiteral("S"), 1), kOwner, g, QLocale::c());
    EXPECT_EQ(lines[1].y, 1551);
}

TEST(ReportPrinting, LibraryDrawsThePlayersSlipFirstInOneDocument)
{
    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("default.tpr"));
    PrinterProfile p;
    p.bold = true;
    ASSERT_TRUE(test::writeAll(profile, SerialiseProfile(p)));
    LibraryReport r = library(QStringLiteral("S"), 1);
    r.playerSlip.games = QStringLiteral("5");
    r.playerSlip.numbers = QStringLiteral("7,14");
    RecordingCanvas canvas;
    const ReportPrintResult result = PrintLibraryReport(canvas, r, kOwner, profile, QLocale::c());
    ASSERT_TRUE(result.printed);
    const auto texts = canvas.texts();
    ASSERT_GE(texts.size(), 5);
    EXPECT_EQ(texts[0].text, QStringLiteral("Extra5")); // the slip's message; no value line
    EXPECT_EQ(texts[1].text, QStringLiteral("X"));
    EXPECT_EQ(texts[3].text, QStringLiteral("X"));
    EXPECT_EQ(texts[4].text, QStringLiteral("Αναφορά Συστήματος : S"));
    EXPECT_TRUE(texts[4].style.bold); // the profile's bold holds until the first change
    EXPECT_EQ(texts[4].fontSize, 12);
    int begins = 0;
    int ends = 0;
    for (const auto &call : canvas.calls) {
        begins += call.op == RecordingCanvas::Op::Begin ? 1 : 0;
        ends += call.op == RecordingCanvas::Op::End ? 1 : 0;
    }
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(canvas.texts().last().text, kReportFooterSlogan);
    EXPECT_FALSE(canvas.texts().last().style.bold);
}

TEST(ReportPrinting, MissingProfilePrintsNothing)
{
    QTemporaryDir dir;
    RecordingCanvas canvas;
    const ReportPrintResult result = PrintConstructorReport(canvas, ConstructorReport{}, kOwner,
                                                            dir.filePath(QStringLiteral("default.tpr")), QLocale::c());
    EXPECT_FALSE(result.printed);
    EXPECT_TRUE(result.profileError.startsWith(kProfileLoadError));
    EXPECT_TRUE(canvas.texts().isEmpty());
}

// The check of the built system takes the row under the conditions; the owner's lines move down.
TEST(ReportLayout, ConstructorVerificationLineUnderTheConditions)
{
    ConstructorReport r;
    r.numberLines = {QStringLiteral("a"), QStringLiteral("b")};
    r.conditionRows.append(ReportCondition{QStringLiteral("ΟΡΟΣ"), QStringLiteral("1"), QStringLiteral("2"), true});
    const QLocale locale(QLocale::Greek, QLocale::Greece);
    const int foot = 2 + 2; // number lines + conditions with their heading row

    const auto plain = LayoutConstructorReport(r, kOwner, grid(), locale);
    EXPECT_EQ(find(plain, kOwner.title)->gy, foot);

    r.verificationText = QStringLiteral("Έλεγχος εγγύησης: 100%");
    const auto checked = LayoutConstructorReport(r, kOwner, grid(), locale);
    EXPECT_EQ(checked.size(), plain.size() + 1);
    const ReportLine *line = find(checked, r.verificationText);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->gy, foot);
    EXPECT_EQ(line->gx, 13);
    EXPECT_EQ(line->y, 2000 + foot * 50);
    EXPECT_EQ(line->fontSize, 9);
    EXPECT_EQ(find(checked, kOwner.title)->gy, foot + 1);
    EXPECT_EQ(find(checked, kOwner.address)->gy, foot + 2);
}
