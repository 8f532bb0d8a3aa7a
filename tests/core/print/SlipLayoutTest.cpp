#include "print/PrintJob.h"
#include "print/SlipLayout.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

using namespace taru;

namespace {

// Round numbers so positions read easily: slip at (1000, 2000), boxes 100 × 50 apart.
SlipGeometry grid()
{
    SlipGeometry g;
    g.message = QStringLiteral("  Καλή επιτυχία  ");
    g.messageX = 10.9;
    g.messageY = 20.99;
    g.valueX = 30.5;
    g.valueY = 40.7;
    g.slipLeft = 1000;
    g.slipTop = 2000;
    g.pitchX = 100;
    g.pitchY = 50;
    g.markChar = QStringLiteral("X");
    g.markSize = 9;
    g.messageSize = 8;
    g.valueSize = 10;
    return g;
}

SlipMarks numbers(const QString &list)
{
    SlipMarks m;
    m.numbers = list;
    return m;
}

QList<SlipItem> marksOf(const SlipMarks &m, SlipVariant v)
{
    return LayoutSlip(ParseSlipMarks(m), grid(), v, QStringLiteral("value")).marks();
}

QList<SlipBlock> blockOrder(const QList<SlipItem> &items)
{
    QList<SlipBlock> order;
    for (const SlipItem &item : items) {
        if (order.isEmpty() || order.last() != item.block)
            order.append(item.block);
    }
    return order;
}

} // namespace

TEST(SlipLayout, RunningCorrectionAcrossARow)
{
    const auto marks = marksOf(numbers(QStringLiteral("1,2,3,4")), SlipVariant::A);
    ASSERT_EQ(marks.size(), 4);
    const double expected[] = {1000.0, 1100.15, 1200.30, 1308.30};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(marks[i].exactX, expected[i], 1e-9) << i;
        EXPECT_DOUBLE_EQ(marks[i].exactY, 2000.0);
    }
    EXPECT_EQ(marks[1].x, 1100);
    EXPECT_EQ(marks[3].x, 1308);
}

TEST(SlipLayout, CornerNumbersLandInTheCornerCells)
{
    const auto marks = marksOf(numbers(QStringLiteral("80,11,10,1")), SlipVariant::A);
    ASSERT_EQ(marks.size(), 4);
    struct Cell { int number; double k, r; };
    const Cell cells[] = {{1, 0, 0}, {10, 9, 0}, {11, 0, 1}, {80, 9, 7}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(marks[i].index, cells[i].number);
        EXPECT_EQ(marks[i].k, cells[i].k) << cells[i].number;
        EXPECT_EQ(marks[i].r, cells[i].r) << cells[i].number;
        EXPECT_DOUBLE_EQ(marks[i].exactY, 2000 + 50 * cells[i].r);
    }
}

TEST(SlipLayout, RowWithOnlyColumnTenTakesTheExtraLeftOver)
{
    // After number 3 (a multiple of 3) extra is 8; row 2 starts with sum 0 and keeps it.
    const auto marks = marksOf(numbers(QStringLiteral("3,20")), SlipVariant::A);
    ASSERT_EQ(marks.size(), 2);
    EXPECT_NEAR(marks[1].exactX, 1000 + 900 + 8, 1e-9);
    // After number 2 extra is 0.15, sum 0 at the new row.
    const auto other = marksOf(numbers(QStringLiteral("1,2,20")), SlipVariant::A);
    EXPECT_NEAR(other[2].exactX, 1000 + 900 + 0.15, 1e-9);
}

TEST(SlipLayout, GameBoxesPerVariant)
{
    struct Case {
        const char *games;
        SlipVariant variant;
        std::vector<std::pair<double, double>> kr;
    };
    const Case cases[] = {
        {"7", SlipVariant::A, {{2, -2}}},
        {"7", SlipVariant::BProducedSystem, {{2, -2}}},
        {"7", SlipVariant::BFromFile, {{2, -2}}},
        {"7", SlipVariant::L, {{6, -3}}},
        {"1,6,12", SlipVariant::A, {{2, -3}, {7, -3}, {7, -2}}},
    };
    for (const Case &c : cases) {
        SlipMarks m;
        m.games = QLatin1String(c.games);
        const auto marks = marksOf(m, c.variant);
        std::vector<std::pair<double, double>> kr;
        for (const SlipItem &item : marks) {
            kr.emplace_back(item.k, item.r);
            EXPECT_EQ(item.y, 2000 + 50 * item.r) << c.games;
        }
        EXPECT_EQ(kr, c.kr) << c.games << " variant " << static_cast<int>(c.variant);
    }
    SlipMarks seven;
    seven.games = QStringLiteral("7");
    EXPECT_EQ(marksOf(seven, SlipVariant::L).at(0).x, 1600);
}

TEST(SlipLayout, DrawsBoxPerVariant)
{
    SlipMarks m;
    m.numbers = QStringLiteral("1,2");
    m.drawColumn = 2;
    m.drawRow = 4;
    const auto a = marksOf(m, SlipVariant::A);
    ASSERT_EQ(a.size(), 3);
    EXPECT_EQ(a[2].block, SlipBlock::Draws);
    EXPECT_EQ(a[2].k, 39.5);
    EXPECT_EQ(a[2].r, 12);
    EXPECT_DOUBLE_EQ(a[2].exactX, 1000 + 3950); // never corrected on the slip
    EXPECT_EQ(a[2].y, 2600);

    const auto l = marksOf(m, SlipVariant::L);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[2].k, 11);
    EXPECT_EQ(l[2].r, 5);
    // Corrected: extra 0.15, and sum back to 0 since the later number rows each reset it.
    EXPECT_NEAR(l[2].exactX, 1000 + 1100 + 0.15, 1e-9);

    // The draws box does not advance the correction: the multiplier after it sees the same.
    m.multipliers = QStringLiteral("1");
    const auto l2 = marksOf(m, SlipVariant::L);
    ASSERT_EQ(l2.size(), 4);
    EXPECT_NEAR(l2[3].exactX, 1000 + 300 + 0.15, 1e-9);

    m.drawColumn = 0;
    EXPECT_EQ(marksOf(m, SlipVariant::A).size(), 3); // no box without consecutive draws
}

TEST(SlipLayout, EntriesAMarkNothing)
{
    const auto marks = marksOf(numbers(QStringLiteral("A, A, 5")), SlipVariant::A);
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].index, 5);
    EXPECT_EQ(marks[0].k, 4);
    EXPECT_TRUE(marksOf(numbers(QStringLiteral("A")), SlipVariant::A).isEmpty());
    EXPECT_TRUE(marksOf(numbers(QString()), SlipVariant::A).isEmpty());
}

TEST(SlipLayout, BadEntriesStopBeforeAnythingIsDrawn)
{
    struct Case { const char *games, *multipliers, *numbers; int drawColumn; const char *kind; };
    const Case cases[] = {
        {"", "", "81", 0, "RangeError"},   {"", "", "0", 0, "RangeError"},   {"", "", "1,x", 0, "ConversionError"},
        {"13", "", "", 0, "RangeError"},   {"0", "", "", 0, "RangeError"},   {"", "10", "", 0, "RangeError"},
        {"", "0", "", 0, "RangeError"},    {"", "", "a", 0, "ConversionError"}, {"", "", "", 3, "RangeError"},
    };
    for (const Case &c : cases) {
        SlipMarks m;
        m.games = QString::fromLatin1(c.games);
        m.multipliers = QString::fromLatin1(c.multipliers);
        m.numbers = QString::fromLatin1(c.numbers);
        m.drawColumn = c.drawColumn;
        try {
            ParseSlipMarks(m);
            ADD_FAILURE() << "accepted " << c.games << "|" << c.multipliers << "|" << c.numbers;
        } catch (const AppError &e) {
            EXPECT_EQ(e.kind(), QString::fromLatin1(c.kind)) << c.numbers;
        }
    }
    SlipMarks edges;
    edges.numbers = QStringLiteral("1,80");
    edges.games = QStringLiteral("1,12");
    edges.multipliers = QStringLiteral("1,9");
    EXPECT_NO_THROW(ParseSlipMarks(edges));

    // Printing: the error escapes before the canvas is touched.
    RecordingCanvas canvas;
    EXPECT_THROW(PrintSlips(canvas, {SlipJob{numbers(QStringLiteral("81")), {}}}, SlipVariant::A, {}), RangeError);
    EXPECT_TRUE(canvas.calls.isEmpty());
}

TEST(SlipLayout, BlockOrderPerVariant)
{
    SlipMarks m;
    m.games = QStringLiteral("8");
    m.multipliers = QStringLiteral("2");
    m.numbers = QStringLiteral("5,15");
    m.drawColumn = 1;
    m.drawRow = 0;
    using B = SlipBlock;
    const auto layoutA = LayoutSlip(ParseSlipMarks(m), grid(), SlipVariant::A, QStringLiteral("v"));
    EXPECT_EQ(blockOrder(layoutA.items), (QList<B>{B::Message, B::ValueLine, B::GameBoxes, B::Numbers, B::Draws, B::Multipliers}));
    for (SlipVariant v : {SlipVariant::BProducedSystem, SlipVariant::BFromFile}) {
        const auto layout = LayoutSlip(ParseSlipMarks(m), grid(), v, QStringLiteral("v"));
        EXPECT_EQ(blockOrder(layout.items),
                  (QList<B>{B::Message, B::ValueLine, B::Numbers, B::Draws, B::GameBoxes, B::Multipliers}));
    }
    const auto layoutL = LayoutSlip(ParseSlipMarks(m), grid(), SlipVariant::L, QStringLiteral("v"));
    EXPECT_EQ(blockOrder(layoutL.items), (QList<B>{B::Message, B::GameBoxes, B::Numbers, B::Draws, B::Multipliers}));
}

TEST(SlipLayout, CorrectionAtTheStartAndOnMultipliersPerVariant)
{
    SlipMarks m;
    m.numbers = QStringLiteral("1");
    m.multipliers = QStringLiteral("1,2");
    const auto produced = marksOf(m, SlipVariant::BProducedSystem);
    ASSERT_EQ(produced.size(), 3);
    EXPECT_NEAR(produced[0].exactX, 1000.15, 1e-9);          // extra 0.0015 × PX before the numbers
    // Multiplier 1 at k 3, row 10, corrected by the extra the numbers left (sum reset by the rows).
    EXPECT_NEAR(produced[1].exactX, 1000 + 300 + 0.15, 1e-9);
    EXPECT_EQ(produced[1].r, 10);
    EXPECT_NEAR(produced[2].exactX, 1000 + 400 + 0.30, 1e-9);

    const auto fromFile = marksOf(m, SlipVariant::BFromFile);
    EXPECT_DOUBLE_EQ(fromFile[0].exactX, 1000);
    EXPECT_DOUBLE_EQ(fromFile[1].exactX, 1300); // multipliers of a file are not corrected
    EXPECT_DOUBLE_EQ(fromFile[2].exactX, 1400);

    const auto a = marksOf(m, SlipVariant::A);
    EXPECT_DOUBLE_EQ(a[0].exactX, 1000);
    EXPECT_EQ(a[1].k, 1);
    EXPECT_EQ(a[1].r, 9);
    EXPECT_NEAR(a[1].exactX, 1000 + 100 + 0.15, 1e-9);
}

TEST(SlipLayout, TextLinesAreTruncatedAndLeftOutOfL)
{
    const auto layout = LayoutSlip(SlipFlags{}, grid(), SlipVariant::A, QStringLiteral("ΤΑΡΟΥ     Δελ. 1  Αξ. : 0.50 €"));
    ASSERT_EQ(layout.items.size(), 2);
    EXPECT_EQ(layout.items[0].text, QStringLiteral("Καλή επιτυχία"));
    EXPECT_EQ(layout.items[0].x, 10);
    EXPECT_EQ(layout.items[0].y, 20);
    EXPECT_EQ(layout.items[0].fontSize, 8);
    EXPECT_EQ(layout.items[1].text, QStringLiteral("ΤΑΡΟΥ     Δελ. 1  Αξ. : 0.50 €"));
    EXPECT_EQ(layout.items[1].x, 30);
    EXPECT_EQ(layout.items[1].y, 40);
    EXPECT_EQ(layout.items[1].fontSize, 10);

    const auto l = LayoutSlip(SlipFlags{}, grid(), SlipVariant::L, QStringLiteral("ignored"));
    ASSERT_EQ(l.items.size(), 1);
    EXPECT_EQ(l.items[0].block, SlipBlock::Message);
}

TEST(SlipLayout, MarksRoundHalfToEven)
{
    for (const auto &[value, rounded] : {std::pair{2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {1.4999, 1}, {1.5001, 2}})
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    // Nothing that is not a place on a page is ever converted to an integer.
    for (const double bad : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), 1e300, -3e9}) {
        EXPECT_THROW(RoundHalfEven(bad), RangeError) << bad;
        EXPECT_THROW(DevicePosition(bad), RangeError) << bad;
    }
    SlipGeometry g = grid();
    g.slipLeft = 1000.5;
    g.slipTop = 2001.5;
    const auto marks = LayoutSlip(ParseSlipMarks(numbers(QStringLiteral("1"))), g, SlipVariant::A, {}).marks();
    EXPECT_EQ(marks[0].x, 1000);
    EXPECT_EQ(marks[0].y, 2002);
}

TEST(SlipLayout, ValueLineTexts)
{
    const QLocale c = QLocale::c();
    ValueLine game{ValueLine::Kind::GameLabel, QStringLiteral("ΣΥΣΤΗΜΑ1"), 1, 1.5};
    EXPECT_EQ(ValueLineText(game, QStringLiteral("ΤΑΡΟΥ"), c), QStringLiteral("ΤΑΡΟΥ   ΣΥΣΤΗΜΑ1 Αξ. : 1.50 €"));
    game.gameLabel = QStringLiteral("   ");
    EXPECT_EQ(ValueLineText(game, QStringLiteral("ΤΑΡΟΥ"), c), QStringLiteral("ΤΑΡΟΥ     Αξ. : 1.50 €"));
    const ValueLine coupon{ValueLine::Kind::CouponNumber, QString(), 12, 1234.5};
    EXPECT_EQ(ValueLineText(coupon, QStringLiteral("ΤΑΡΟΥ"), QLocale(QLocale::Greek, QLocale::Greece)),
              QStringLiteral("ΤΑΡΟΥ     Δελ. 12  Αξ. : 1234,50 €"));
}

TEST(SlipLayout, ScreenPictureConstants)
{
    SlipMarks m;
    m.games = QStringLiteral("8");
    m.multipliers = QStringLiteral("9");
    m.numbers = QStringLiteral("1,80");
    m.drawColumn = 2;
    m.drawRow = 1;
    const auto items = LayoutScreenSlip(ParseSlipMarks(m));
    ASSERT_EQ(items.size(), 4); // no draws box on screen
    using B = SlipBlock;
    EXPECT_EQ(blockOrder(items), (QList<B>{B::Numbers, B::GameBoxes, B::Multipliers}));
    EXPECT_NEAR(items[0].exactX, 3.9 + 0.0015 * 22, 1e-12);
    EXPECT_NEAR(items[0].exactY, 141.52, 1e-12);
    EXPECT_NEAR(items[1].exactY, 141.52 + 7 * 23.2, 1e-9);
    EXPECT_EQ(items[2].k, 3); // game box 8: second row, k = 3
    EXPECT_EQ(items[2].r, -2);
    EXPECT_EQ(items[3].k, 9);
    EXPECT_EQ(items[3].r, 9);
    EXPECT_EQ(items[0].text, QStringLiteral("@"));
    EXPECT_EQ(items[0].fontSize, 8);
}

// ---- whole jobs on a recording canvas

namespace {
struct ProfileFolder {
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("default.tpr")); }
    void write(const PrinterProfile &p) const { ASSERT_TRUE(test::writeAll(path(), SerialiseProfile(p))); }
};
} // namespace

TEST(PrintSlips, NoDefaultProfileMeansNothingPrinted)
{
    ProfileFolder folder;
    RecordingCanvas canvas;
    const PrintResult result = PrintSlips(canvas, {SlipJob{numbers(QStringLiteral("1")), {}}}, SlipVariant::A,
                                          SlipPrintSettings{folder.path(), QStringLiteral("S"), QLocale::c()});
    EXPECT_EQ(result.outcome, PrintOutcome::ProfileFailed);
    EXPECT_TRUE(result.error.startsWith(kProfileLoadError));
    EXPECT_TRUE(canvas.texts().isEmpty());
    for (const auto &call : canvas.calls)
        EXPECT_NE(call.op, RecordingCanvas::Op::Begin);
}

TEST(PrintSlips, OnePagePerCouponWithTheProfile)
{
    ProfileFolder folder;
    PrinterProfile p;
    p.bold = true;
    p.slipPosition = kSlipLandscape;
    folder.write(p);
    RecordingCanvas canvas(600, 600, 4960, 7015);
    const QList<SlipJob> jobs{
        SlipJob{numbers(QStringLiteral("1")), ValueLine{ValueLine::Kind::CouponNumber, {}, 1, 0.5}},
        SlipJob{numbers(QStringLiteral("2,3")), ValueLine{ValueLine::Kind::CouponNumber, {}, 2, 0.5}},
    };
    const PrintResult result =
        PrintSlips(canvas, jobs, SlipVariant::BFromFile, SlipPrintSettings{folder.path(), QStringLiteral("S"), QLocale::c()});
    ASSERT_TRUE(result.printed()) << result.error.toStdString();
    using Op = RecordingCanvas::Op;
    QList<Op> ops;
    for (const auto &call : canvas.calls) {
        if (call.op != Op::FontSize)
            ops.append(call.op);
    }
    EXPECT_EQ(ops, (QList<Op>{Op::Orientation, Op::FontStyle, Op::Begin, Op::Text, Op::Text, Op::Text, Op::NewPage,
                              Op::Text, Op::Text, Op::Text, Op::Text, Op::End}));
    EXPECT_EQ(canvas.calls[0].orientation, PageOrientation::Landscape);
    const auto texts = canvas.texts();
    EXPECT_EQ(texts[1].text, QStringLiteral("S     Δελ. 1  Αξ. : 0.50 €"));
    EXPECT_EQ(texts[4].text, QStringLiteral("S     Δελ. 2  Αξ. : 0.50 €"));
    EXPECT_TRUE(texts[2].style.bold);
    // Landscape: the slip top is measured up from the bottom of the turned page (4960 high).
    EXPECT_EQ(texts[2].y, RoundHalfEven(4960 - 30 * 600 * 0.03939));
    EXPECT_EQ(texts[2].x, RoundHalfEven(19 * 600 * 0.03939));
    EXPECT_EQ(texts[0].y, 4960);
}

TEST(PrintSlips, PrinterFailureAbortsTheDocument)
{
    ProfileFolder folder;
    folder.write(PrinterProfile{});
    RecordingCanvas canvas;
    canvas.failOnText(2);
    const PrintResult result = PrintSlips(canvas, {SlipJob{numbers(QStringLiteral("1,2")), {}}}, SlipVariant::A,
                                          SlipPrintSettings{folder.path(), QStringLiteral("S"), QLocale::c()});
    EXPECT_EQ(result.outcome, PrintOutcome::PrinterFailed);
    EXPECT_EQ(canvas.calls.last().op, RecordingCanvas::Op::Abort);
    EXPECT_EQ(canvas.texts().size(), 2);
}

TEST(PrintSlips, PagesAreMadeOneAtATimeAndTheCallerMayEndTheDocument)
{
    ProfileFolder folder;
    folder.write(PrinterProfile{});
    RecordingCanvas canvas;
    std::vector<int> made;
    const SlipJobSource source{1000000, [&made](int index) {
                                   made.push_back(index);
                                   return SlipJob{numbers(QString::number(index % 80 + 1)),
                                                  ValueLine{ValueLine::Kind::CouponNumber, {}, index + 1, 0.5}};
                               }};
    // A million coupons are checked, but only the pages printed are laid out.
    SlipPrintHooks hooks;
    hooks.afterPage = [](int index) { return index < 1; };
    const PrintResult result =
        PrintSlips(canvas, source, SlipVariant::BFromFile, SlipPrintSettings{folder.path(), QStringLiteral("S"), QLocale::c()}, hooks);
    ASSERT_TRUE(result.printed());
    EXPECT_EQ(made.size(), 1000000u + 2u);
    int pages = 0;
    for (const auto &call : canvas.calls)
        pages += call.op == RecordingCanvas::Op::NewPage ? 1 : 0;
    EXPECT_EQ(pages, 1); // two pages, then the document ended
    EXPECT_EQ(canvas.calls.last().op, RecordingCanvas::Op::End);
}

TEST(PrintSlips, AnItemOffThePageIsAskedAboutOnceBeforeTheDocument)
{
    struct Case {
        const char *name;
        std::uint8_t slipPosition;
        const char *pitchX;
        SlipMarks marks;
        const char *question; // nullptr: nothing falls off the page, nothing is asked
    };
    SlipMarks wideDraws;
    wideDraws.drawColumn = 1;
    wideDraws.drawRow = 3;
    const Case cases[] = {
        {"portrait defaults", kSlipPortrait, "4", numbers(QStringLiteral("1,80")), nullptr},
        {"landscape defaults", kSlipLandscape, "4", numbers(QStringLiteral("1")),
         "Στο δελτίο 7, το μήνυμα «Extra5» πέφτει έξω από τη σελίδα του εκτυπωτή (θέση 23, 4960 σε σελίδα 7015 x 4960).\n"
         "Να συνεχίσω την εκτύπωση;"},
        // 19 mm + 33.5 pitches of 15 mm: 521.5 mm from the side of a 210 mm page.
        {"consecutive draws with a wide pitch", kSlipPortrait, "15", wideDraws,
         "Στο δελτίο 7, το κουτί των 5 διαδοχικών κληρώσεων πέφτει έξω από τη σελίδα του εκτυπωτή (θέση 12325, 1843 σε "
         "σελίδα 4960 x 7015).\nΝα συνεχίσω την εκτύπωση;"},
    };
    for (const Case &c : cases) {
        for (const bool goOn : {false, true}) {
            ProfileFolder folder;
            PrinterProfile p;
            p.slipPosition = c.slipPosition;
            p.pitchX = QString::fromLatin1(c.pitchX);
            folder.write(p);
            RecordingCanvas canvas;
            QStringList asked;
            SlipPrintHooks hooks;
            hooks.outsidePage = [&](const ItemOutsidePage &found) {
                asked << OutsidePageQuestion(found);
                return goOn;
            };
            const QList<SlipJob> jobs{SlipJob{c.marks, ValueLine{ValueLine::Kind::CouponNumber, {}, 7, 0.5}},
                                      SlipJob{c.marks, ValueLine{ValueLine::Kind::CouponNumber, {}, 8, 0.5}}};
            const PrintResult result = PrintSlips(canvas, jobs, SlipVariant::BFromFile,
                                                  SlipPrintSettings{folder.path(), QStringLiteral("S"), QLocale::c()}, hooks);
            if (!c.question) {
                EXPECT_TRUE(asked.isEmpty()) << c.name;
                EXPECT_TRUE(result.printed()) << c.name;
                continue;
            }
            EXPECT_EQ(asked, QStringList{QString::fromUtf8(c.question)}) << c.name;
            EXPECT_EQ(result.outcome, goOn ? PrintOutcome::Printed : PrintOutcome::Cancelled) << c.name;
            EXPECT_EQ(canvas.texts().isEmpty(), !goOn) << c.name;
        }
    }
}
