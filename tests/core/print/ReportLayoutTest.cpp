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
const QLocale kGreek(QLocale::Greek, QLocale::Greece);

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

// Each line as "gx,gy size/style text": the style after a slash where the line sets one (b bold,
// u underline), none before the first change.
QStringList placed(const QList<ReportLine> &lines)
{
    QStringList out;
    for (const ReportLine &line : lines) {
        const QString style = !line.style ? QString()
                                          : QStringLiteral("/") + (line.style->bold ? "b" : "") + (line.style->underline ? "u" : "");
        out << QStringLiteral("%1,%2 %3%4 %5").arg(line.gx).arg(line.gy).arg(line.fontSize).arg(style, line.text);
    }
    return out;
}

const ReportLine *find(const QList<ReportLine> &lines, const QString &text)
{
    const auto it = std::find_if(lines.begin(), lines.end(), [&](const ReportLine &line) { return line.text == text; });
    return it == lines.end() ? nullptr : &*it;
}

} // namespace

TEST(ReportLayout, BoundsAndNames)
{
    EXPECT_EQ(FormatBounds(QStringLiteral("7"), QStringLiteral("12")), QStringLiteral("  7- 12"));
    EXPECT_EQ(FormatBounds(QStringLiteral("100"), QStringLiteral("1000")), QStringLiteral("100-1000"));
    EXPECT_EQ(FormatConditionName(QStringLiteral("  ΑΘΡΟΙΣΜΑ ")), QStringLiteral("ΑΘΡΟΙΣΜΑ") + QString(25, QLatin1Char(' ')));
}

// Without "Z" in the name: no condition line, the owner's lines right under the numbers. With it:
// the condition line takes the fixed numbers its text counts, and the owner's lines follow it.
TEST(ReportLayout, LibraryWithAndWithoutCondition)
{
    const QStringList head{"13,-11 12 Αναφορά Συστήματος : ", "13,-9.5 12 Παιχνίδι : 5", "13,-8 12 Παίζουν : 10 αριθμοί",
                           "13,-6.5 12 Αξία Συστήματος : 63.00 € Ευρώ", "13,-5 12 Δελτία : 126"};
    EXPECT_EQ(placed(LayoutLibraryReport(library(QStringLiteral("S10-5"), 3), kOwner, grid(), QLocale::c())),
              (QStringList{head[0] + "S10-5", head[1], head[2], head[3], head[4], "14,-3.5 10/bu Σύστημα Χωρίς Όρους",
                           "13,-1.5 9/ Αν πιάσουμε 5 αριθμούς έχουμε τουλαχιστον", "13,-0.5 9/ 4 αρι(α) στόχος μας το 5",
                           "13,1 10/u Οι Αριθμοί που παίζουμε στο Σύστημα ", "13,2 9/ line 1", "13,3 9/ line 2",
                           "13,4 9/ line 3", "13,7 10/ ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ", "13,8 8/ Οδός 1", "13,9 8/ Τηλ. 210",
                           "13,10 10/ ΑΛΦΑ-TARU", "13,11 8/ " + kReportFooterSlogan}));
    EXPECT_EQ(placed(LayoutLibraryReport(library(QStringLiteral("Z10-5"), 2), kOwner, grid(), QLocale::c())),
              (QStringList{head[0] + "Z10-5", head[1], head[2], head[3], head[4], "14,-3.5 10/bu Σύστημα Με Όρο",
                           "13,-1.5 9/ Αν πιάσουμε 5 αριθμούς και τα Στανταρ έχουμε", "13,-0.5 9/ 4 αρι(α) στόχος μας το 5",
                           "13,1 10/u Οι Αριθμοί που παίζουμε στο Σύστημα ", "13,2 9/ line 1", "13,3 9/ line 2",
                           "13,5 9/ Όρος : 7,14,21   3 ΑΠΟ ΤΑ ΣΤΑΝΤΑΡ", "13,6 10/ ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ", "13,7 8/ Οδός 1",
                           "13,8 8/ Τηλ. 210", "13,9 10/ ΑΛΦΑ-TARU", "13,10 8/ " + kReportFooterSlogan}));

    // Device units: L + x × PX, T + y × PY.
    const auto lines = LayoutLibraryReport(library(QStringLiteral("S10-5"), 3), kOwner, grid(), QLocale::c());
    EXPECT_EQ(QPoint(lines[1].x, lines[1].y), QPoint(2300, 2000 - 475));
    EXPECT_EQ(QPoint(lines[5].x, lines[12].y), QPoint(2400, 2350));

    LibraryReport bad = library(QStringLiteral("Z10-5"), 2);
    bad.conditionText = QStringLiteral("ΤΡΙΑ ΑΠΟ ΤΑ ΣΤΑΝΤΑΡ");
    EXPECT_THROW(LayoutLibraryReport(bad, kOwner, grid(), QLocale::c()), ConversionError);
}

// Nine rows of conditions (the fourth switched off) and four lines of numbers: the rows on lines 1
// to 8, the groups on 9 to 12 (the second switched off), the owner on 13 and 14.
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
    const int groupBounds[4][2] = {{1, 2}, {1, 2}, {0, 3}, {7, 12}};
    for (int g = 0; g < 4; ++g)
        r.groups[g] = ReportCondition{QStringLiteral("ΟΜΑΔΑ %1").arg(g + 1), QString::number(groupBounds[g][0]),
                                      QString::number(groupBounds[g][1]), g != 1};

    QStringList expected{"13,-12 12 Αναφορά Συστήματος : ΣΥΣ1", "13,-11 12 Παιχνίδι : 6",
                         "13,-10 12 Παίζουν : 12 Αριθμοί   (1-12)", "13,-9 12 Αξία Συστήματος : 462,00 € Ευρώ",
                         "14,-8 10/bu Σύστημα Με Όρους", "-5,-8 9/ ΑΛΦΑ-TARU     " + kReportSlogan,
                         "13,-7 9/ Αν πιάσουμε τους 6 αριθμούς και τους όρους έχουμε", "13,-6 9/ ΕΓΓΥΗΣΗ 5 ΑΠΟ 6",
                         "13,-5 10/u Οι Αριθμοί που παίζουμε στο Σύστημα ", "12.5,-4 9/ a", "12.5,-3 9/ b",
                         "12.5,-2 9/ c", "12.5,-1 9/ d"};
    const auto row = [&](int y, const ReportCondition &c) {
        expected << QStringLiteral("12.5,%1 9/ ").arg(y) + FormatConditionName(c.name)
                 << QStringLiteral("24,%1 9/ ").arg(y) + FormatBounds(c.from, c.to);
    };
    for (int j : {1, 2, 3, 5, 6, 7, 8})
        row(j, r.conditionRows[j - 1]);
    for (int g : {0, 2, 3})
        row(9 + g, r.groups[g]);
    expected << "13,13 10/ ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ" << "13,14 8/ Οδός 1";
    const auto lines = LayoutConstructorReport(r, kOwner, grid(), kGreek);
    EXPECT_EQ(placed(lines), expected);
    EXPECT_EQ(QPoint(lines[5].x, lines[9].x), QPoint(500, 2250));
}

TEST(ReportLayout, PositionsRoundToTheNearestDeviceUnit)
{
    SlipGeometry g = grid();
    g.pitchY = 47.27; // -9.5 × 47.27 = -449.065
    const auto lines = LayoutLibraryReport(library(QStringLiteral("S"), 1), kOwner, g, QLocale::c());
    EXPECT_EQ(lines[1].y, 1551);
}

// The check of the built system takes the row under the conditions; the owner's lines move down.
TEST(ReportLayout, ConstructorVerificationLineUnderTheConditions)
{
    ConstructorReport r;
    r.numberLines = {QStringLiteral("a"), QStringLiteral("b")};
    r.conditionRows.append(ReportCondition{QStringLiteral("ΟΡΟΣ"), QStringLiteral("1"), QStringLiteral("2"), true});
    const int foot = 2 + 2; // number lines + conditions with their heading row
    const auto plain = LayoutConstructorReport(r, kOwner, grid(), kGreek);
    EXPECT_EQ(find(plain, kOwner.title)->gy, foot);

    r.verificationText = QStringLiteral("Έλεγχος εγγύησης: 100%");
    const auto checked = LayoutConstructorReport(r, kOwner, grid(), kGreek);
    EXPECT_EQ(checked.size(), plain.size() + 1);
    const ReportLine *line = find(checked, r.verificationText);
    ASSERT_TRUE(line);
    EXPECT_EQ(placed({*line}), QStringList{QStringLiteral("13,%1 9/ ").arg(foot) + r.verificationText});
    EXPECT_EQ(line->y, 2000 + foot * 50);
    EXPECT_EQ(find(checked, kOwner.title)->gy, foot + 1);
    EXPECT_EQ(find(checked, kOwner.address)->gy, foot + 2);
}

// One document: the player's slip first (its message, no value line), then the report in the
// profile's bold until the first change of style.
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
    ASSERT_TRUE(PrintLibraryReport(canvas, r, kOwner, profile, QLocale::c()).printed);
    const auto texts = canvas.texts();
    ASSERT_GE(texts.size(), 5);
    EXPECT_EQ((QStringList{texts[0].text, texts[1].text, texts[3].text, texts[4].text}),
              (QStringList{"Extra5", "X", "X", "Αναφορά Συστήματος : S"}));
    EXPECT_TRUE(texts[4].style.bold);
    EXPECT_EQ(texts[4].fontSize, 12);
    const auto count = [&](RecordingCanvas::Op op) {
        return std::count_if(canvas.calls.begin(), canvas.calls.end(), [op](const auto &call) { return call.op == op; });
    };
    EXPECT_EQ(count(RecordingCanvas::Op::Begin), 1);
    EXPECT_EQ(count(RecordingCanvas::Op::End), 1);
    EXPECT_EQ(texts.last().text, kReportFooterSlogan);
    EXPECT_FALSE(texts.last().style.bold);
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
