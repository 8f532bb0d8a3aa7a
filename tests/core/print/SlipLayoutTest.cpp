#include "print/PrintJob.h"
#include "print/SlipLayout.h"

#include "TempDir.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <tuple>

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

SlipMarks slip(const char *numbers, const char *games = "", const char *multipliers = "", int drawColumn = 0,
               int drawRow = 0)
{
    return SlipMarks{QString::fromLatin1(games), QString::fromLatin1(multipliers), false, QString::fromLatin1(numbers),
                     drawColumn, drawRow};
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

TEST(SlipLayout, EveryMarkLandsOnItsCellWithTheRunningCorrection)
{
    // The correction adds 0.0015 x pitch after each box and 0.08 x pitch after every third one;
    // it restarts with each row of numbers, carrying over the last box's extra. A coupon file's
    // slips (not corrected: game box, multipliers, draws box) are the command line's
    // (cli.print_positions).
    struct Mark {
        int index;
        double k, r, exactX;
    };
    struct Case {
        const char *name;
        SlipMarks marks;
        SlipVariant variant;
        std::vector<Mark> expected;
    };
    using V = SlipVariant;
    const Case cases[] = {
        {"across a row", slip("1,2,3,4"), V::A, {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}, {3, 2, 0, 1200.30}, {4, 3, 0, 1308.30}}},
        {"corner cells", slip("80,11,10,1"), V::A,
         {{1, 0, 0, 1000}, {10, 9, 0, 1900.15}, {11, 0, 1, 1000.15}, {80, 9, 7, 1900.15}}},
        {"a row with only column ten after a multiple of 3", slip("3,20"), V::A, {{3, 2, 0, 1200}, {20, 9, 1, 1908}}},
        {"a row with only column ten after 2", slip("1,2,20"), V::A,
         {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}, {20, 9, 1, 1900.15}}},
        {"entries A mark nothing", slip("A, A, 5"), V::A, {{5, 4, 0, 1400}}},
        {"empty", slip(""), V::A, {}},
        {"game box, A", slip("", "7"), V::A, {{7, 2, -2, 1200}}},
        {"game box, produced system: corrected from the start", slip("", "7"), V::BProducedSystem, {{7, 2, -2, 1200.15}}},
        {"game box, L: one row", slip("", "7"), V::L, {{7, 6, -3, 1600}}},
        {"game boxes in two rows", slip("", "1,6,12"), V::A, {{1, 2, -3, 1200}, {6, 7, -3, 1700.15}, {12, 7, -2, 1708.15}}},
        {"draws box, never corrected on the slip", slip("1,2", "", "", 2, 4), V::A,
         {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}, {24, 39.5, 12, 4950}}},
        {"draws box, L: corrected", slip("1,2", "", "", 2, 4), V::L,
         {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}, {24, 11, 5, 2100.15}}},
        {"draws box, L: the multiplier after it sees the same correction", slip("1,2", "", "1", 2, 4), V::L,
         {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}, {24, 11, 5, 2100.15}, {1, 3, 10, 1300.15}}},
        {"no consecutive draws, no box", slip("1,2", "", "", 0, 4), V::A, {{1, 0, 0, 1000}, {2, 1, 0, 1100.15}}},
        {"multipliers, A", slip("1", "", "1,2"), V::A, {{1, 0, 0, 1000}, {1, 1, 9, 1100.15}, {2, 2, 9, 1200.30}}},
        {"multipliers, produced system", slip("1", "", "1,2"), V::BProducedSystem,
         {{1, 0, 0, 1000.15}, {1, 3, 10, 1300.15}, {2, 4, 10, 1400.30}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const auto marks = marksOf(c.marks, c.variant);
        ASSERT_EQ(marks.size(), static_cast<qsizetype>(c.expected.size()));
        for (int i = 0; i < marks.size(); ++i) {
            const Mark &e = c.expected[static_cast<std::size_t>(i)];
            EXPECT_EQ(std::tuple(marks[i].index, marks[i].k, marks[i].r), std::tuple(e.index, e.k, e.r)) << i;
            EXPECT_NEAR(marks[i].exactX, e.exactX, 1e-9) << i;
            EXPECT_DOUBLE_EQ(marks[i].exactY, 2000 + 50 * e.r) << i;
            EXPECT_EQ(marks[i].x, RoundHalfEven(e.exactX)) << i;
            EXPECT_EQ(marks[i].y, RoundHalfEven(2000 + 50 * e.r)) << i;
        }
    }
}

TEST(SlipLayout, BadEntriesStopBeforeAnythingIsDrawn)
{
    struct Case { SlipMarks marks; const char *kind; };
    const Case cases[] = {
        {slip("81"), "RangeError"},        {slip("0"), "RangeError"},         {slip("1,x"), "ConversionError"},
        {slip("", "13"), "RangeError"},    {slip("", "0"), "RangeError"},     {slip("", "", "10"), "RangeError"},
        {slip("", "", "0"), "RangeError"}, {slip("a"), "ConversionError"},    {slip("", "", "", 3), "RangeError"},
    };
    for (const Case &c : cases) {
        try {
            ParseSlipMarks(c.marks);
            ADD_FAILURE() << "accepted " << c.marks.games.toStdString() << "|" << c.marks.multipliers.toStdString() << "|"
                          << c.marks.numbers.toStdString() << "|" << c.marks.drawColumn;
        } catch (const AppError &e) {
            EXPECT_EQ(e.kind(), QString::fromLatin1(c.kind)) << c.marks.numbers.toStdString();
        }
    }
    EXPECT_NO_THROW(ParseSlipMarks(slip("1,80", "1,12", "1,9")));

    // Printing: the error escapes before the canvas is touched.
    RecordingCanvas canvas;
    EXPECT_THROW(PrintSlips(canvas, {SlipJob{slip("81"), {}}}, SlipVariant::A, {}), RangeError);
    EXPECT_TRUE(canvas.calls.isEmpty());
}

TEST(SlipLayout, BlockOrderPerVariant)
{
    using B = SlipBlock;
    const QList<B> variantB{B::Message, B::ValueLine, B::Numbers, B::Draws, B::GameBoxes, B::Multipliers};
    const std::pair<SlipVariant, QList<B>> cases[] = {
        {SlipVariant::A, {B::Message, B::ValueLine, B::GameBoxes, B::Numbers, B::Draws, B::Multipliers}},
        {SlipVariant::BProducedSystem, variantB},
        {SlipVariant::BFromFile, variantB},
        {SlipVariant::L, {B::Message, B::GameBoxes, B::Numbers, B::Draws, B::Multipliers}},
    };
    for (const auto &[variant, order] : cases) {
        const auto layout = LayoutSlip(ParseSlipMarks(slip("5,15", "8", "2", 1, 0)), grid(), variant, QStringLiteral("v"));
        EXPECT_EQ(blockOrder(layout.items), order) << static_cast<int>(variant);
    }
}

TEST(SlipLayout, TextLinesAreTruncatedAndLeftOutOfL)
{
    const auto layout = LayoutSlip(SlipFlags{}, grid(), SlipVariant::A, QStringLiteral("ΤΑΡΟΥ     Δελ. 1  Αξ. : 0.50 €"));
    ASSERT_EQ(layout.items.size(), 2);
    const auto line = [&](int i) { return std::tuple(layout.items[i].text, layout.items[i].x, layout.items[i].y, layout.items[i].fontSize); };
    EXPECT_EQ(line(0), std::tuple(QStringLiteral("Καλή επιτυχία"), 10, 20, 8));
    EXPECT_EQ(line(1), std::tuple(QStringLiteral("ΤΑΡΟΥ     Δελ. 1  Αξ. : 0.50 €"), 30, 40, 10));

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
    const auto marks = LayoutSlip(ParseSlipMarks(slip("1")), g, SlipVariant::A, {}).marks();
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

TEST(SlipLayout, ScreenPicturePositions)
{
    const auto items = LayoutScreenSlip(ParseSlipMarks(slip("1,80", "8", "9", 2, 1)));
    ASSERT_EQ(items.size(), 4); // no draws box on screen
    using B = SlipBlock;
    EXPECT_EQ(blockOrder(items), (QList<B>{B::Numbers, B::GameBoxes, B::Multipliers}));
    EXPECT_NEAR(items[0].exactX, 3.9 + 0.0015 * 22, 1e-12);
    EXPECT_NEAR(items[0].exactY, 141.52, 1e-12);
    EXPECT_NEAR(items[1].exactY, 141.52 + 7 * 23.2, 1e-9);
    EXPECT_EQ(std::pair(items[2].k, items[2].r), std::pair(3.0, -2.0)); // game box 8: second row
    EXPECT_EQ(std::pair(items[3].k, items[3].r), std::pair(9.0, 9.0));
}

// ---- whole jobs on a recording canvas

namespace {
class SlipJobs : public ::testing::Test {
protected:
    QString profile() const { return dir.filePath(QStringLiteral("default.tpr")); }
    void writeProfile(const PrinterProfile &p = {}) const { ASSERT_TRUE(test::writeAll(profile(), SerialiseProfile(p))); }
    template <typename Jobs>
    PrintResult print(RecordingCanvas &canvas, const Jobs &jobs, SlipVariant variant, const SlipPrintHooks &hooks = {})
    {
        return PrintSlips(canvas, jobs, variant, SlipPrintSettings{profile(), QStringLiteral("S"), QLocale::c()}, hooks);
    }
    static SlipJob coupon(const QString &list, int number)
    {
        return SlipJob{SlipMarks{{}, {}, false, list, 0, 0}, ValueLine{ValueLine::Kind::CouponNumber, {}, number, 0.5}};
    }
    static int count(const RecordingCanvas &canvas, RecordingCanvas::Op op)
    {
        return static_cast<int>(std::count_if(canvas.calls.begin(), canvas.calls.end(), [op](const auto &c) { return c.op == op; }));
    }

    QTemporaryDir dir;
};
} // namespace

// No default profile: its message and nothing printed, cli.print_no_profile and
// cli.safety_print_no_profile_prints_nothing.
TEST_F(SlipJobs, OnePagePerCouponWithTheProfile)
{
    writeProfile({.bold = true, .slipPosition = kSlipLandscape});
    RecordingCanvas canvas(600, 600, 4960, 7015);
    const PrintResult result =
        print(canvas, QList<SlipJob>{coupon(QStringLiteral("1"), 1), coupon(QStringLiteral("2,3"), 2)}, SlipVariant::BFromFile);
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
    // Each coupon's value line and the marks' X in portrait: cli.print_positions.
    const auto texts = canvas.texts();
    EXPECT_TRUE(texts[2].style.bold);
    // Landscape: the slip top is measured up from the bottom of the turned page (4960 high).
    EXPECT_EQ(texts[2].y, RoundHalfEven(4960 - 30 * 600 * 0.03939));
    EXPECT_EQ(texts[0].y, 4960);
}

TEST_F(SlipJobs, PrinterFailureAbortsTheDocument)
{
    writeProfile();
    RecordingCanvas canvas;
    canvas.failOnText(2);
    const PrintResult result = print(canvas, QList<SlipJob>{coupon(QStringLiteral("1,2"), 1)}, SlipVariant::A);
    EXPECT_EQ(result.outcome, PrintOutcome::PrinterFailed);
    EXPECT_EQ(canvas.calls.last().op, RecordingCanvas::Op::Abort);
    EXPECT_EQ(canvas.texts().size(), 2);
}

TEST_F(SlipJobs, PagesAreMadeOneAtATimeAndTheCallerMayEndTheDocument)
{
    writeProfile();
    RecordingCanvas canvas;
    std::vector<int> made;
    const SlipJobSource source{1000000, [&made](int index) {
                                   made.push_back(index);
                                   return coupon(QString::number(index % 80 + 1), index + 1);
                               }};
    // A million coupons are checked, but only the pages printed are laid out.
    SlipPrintHooks hooks;
    hooks.afterPage = [](int index) { return index < 1; };
    ASSERT_TRUE(print(canvas, source, SlipVariant::BFromFile, hooks).printed());
    EXPECT_EQ(made.size(), 1000000u + 2u);
    EXPECT_EQ(count(canvas, RecordingCanvas::Op::NewPage), 1); // two pages, then the document ended
    EXPECT_EQ(canvas.calls.last().op, RecordingCanvas::Op::End);
}

TEST_F(SlipJobs, AnItemOffThePageIsAskedAboutOnceBeforeTheDocument)
{
    struct Case {
        const char *name;
        PrinterProfile profile;
        SlipMarks marks;
        const char *question; // nullptr: nothing falls off the page, nothing is asked
    };
    const Case cases[] = {
        {"portrait defaults", {}, slip("1,80"), nullptr},
        {"landscape defaults", {.slipPosition = kSlipLandscape}, slip("1"),
         "Στο δελτίο 7, το μήνυμα «Extra5» πέφτει έξω από τη σελίδα του εκτυπωτή (θέση 23, 4960 σε σελίδα 7015 x 4960).\n"
         "Να συνεχίσω την εκτύπωση;"},
        // 19 mm + 33.5 pitches of 15 mm: 521.5 mm from the side of a 210 mm page.
        {"consecutive draws with a wide pitch", {.pitchX = "15"}, slip("", "", "", 1, 3),
         "Στο δελτίο 7, το κουτί των 5 διαδοχικών κληρώσεων πέφτει έξω από τη σελίδα του εκτυπωτή (θέση 12325, 1843 σε "
         "σελίδα 4960 x 7015).\nΝα συνεχίσω την εκτύπωση;"},
    };
    for (const Case &c : cases) {
        for (const bool goOn : {false, true}) {
            SCOPED_TRACE(c.name);
            writeProfile(c.profile);
            RecordingCanvas canvas;
            QStringList asked;
            SlipPrintHooks hooks;
            hooks.outsidePage = [&](const ItemOutsidePage &found) {
                asked << OutsidePageQuestion(found);
                return goOn;
            };
            const QList<SlipJob> jobs{SlipJob{c.marks, ValueLine{ValueLine::Kind::CouponNumber, {}, 7, 0.5}},
                                      SlipJob{c.marks, ValueLine{ValueLine::Kind::CouponNumber, {}, 8, 0.5}}};
            const PrintResult result = print(canvas, jobs, SlipVariant::BFromFile, hooks);
            EXPECT_EQ(asked, c.question ? QStringList{QString::fromUtf8(c.question)} : QStringList());
            EXPECT_EQ(result.outcome, !c.question || goOn ? PrintOutcome::Printed : PrintOutcome::Cancelled);
            EXPECT_EQ(canvas.texts().isEmpty(), c.question && !goOn);
        }
    }
}
