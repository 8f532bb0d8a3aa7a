#include "PreviewFixture.h"
#include "TestValues.h"

#include "base/Errors.h"
#include "print/ui/PrintRangeDlg.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "print/ui/PrnPrevFrm.h"
#include "print/ui/PrnPrevGenFrm.h"
#include "print/ui/SlipPicture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <numeric>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kInfo = QStringLiteral("Ενημέρωση");
const QString kConfirm = QStringLiteral("Επιβεβαίωση");
const QString kLast = QStringLiteral("Εκτυπώσατε και το τελευταίο δελτίο");
const QString kAskBatch = QStringLiteral(
    "Να συνεχίσω την αυτόματη εκτύπωση από το τρέχον δελτίο; (ΠΡΟΣΟΧΗ! Αν επιλέξετε ΟΧΙ θα τυπωθούν όλα τα δελτία)");
const QString kBatchFailed = QStringLiteral("Παρουσιάστηκε σφάλμα στην μαζική εκτύπωση των δελτίων");
const QString kGoTo = QStringLiteral("Μετακίνηση σε");
const QString kGoToPrompt = QStringLiteral("Δώστε αριθμό δελτίου :");

// Generated coupons of game 1: coupon n marks number n.
class GeneratedPreview : public PreviewTest {
protected:
    GeneratedPreview()
        : gen(ui::FeatureWindows::as<ui::TPrnPrevGenFrm>(windows.PrnPrevGenFrm))
    {
        record(*gen);
    }
    // Coupons of one number each, numbers[i] on coupon i + 1; load(n) marks n on coupon n.
    void load(const std::vector<int> &numbers, double value = 1.5)
    {
        GeneratedCoupons coupons(1, SlipMarks{QStringLiteral("12"), QString(), false, QString(), 0, 0});
        for (int n : numbers)
            coupons.append(col({n}));
        gen->setCoupons(std::move(coupons), value);
        gen->hide(); // opened afresh, as its window opens it: shows the first coupon
        gen->show();
    }
    void load(int count)
    {
        std::vector<int> numbers(static_cast<std::size_t>(count));
        std::iota(numbers.begin(), numbers.end(), 1);
        load(numbers);
    }
    void goTo(int n)
    {
        prompts.expectInput(kGoTo, kGoToPrompt, QString::number(n));
        gen->SpeedButton3Click();
        ASSERT_EQ(gen->current(), n);
    }
    // The number marked on the coupon shown.
    int shownNumber() const
    {
        for (const SlipItem &item : gen->shownMarks()) {
            if (item.block == SlipBlock::Numbers)
                return item.index;
        }
        return 0;
    }

    ui::TPrnPrevGenFrm *gen;
};

} // namespace

TEST_F(GeneratedPreview, OpensOnTheFirstCouponAndStepsWithinTheSet)
{
    load(3);
    // Previous from the first and next from the last stay; reopening starts from the first again.
    const std::pair<QAbstractButton *, int> steps[] = {{gen->SBtnPrev, 1}, {gen->SBtnNext, 2}, {gen->SBtnNext, 3},
                                                        {gen->SBtnNext, 3}, {gen->SBtnPrev, 2}, {nullptr, 1}};
    for (const auto &[button, expected] : steps) {
        if (button) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            gen->hide();
            gen->show();
        }
        EXPECT_EQ(shownNumber(), expected);
        EXPECT_EQ(gen->windowTitle(), QStringLiteral("ΔΕΛΤΙΟ %1 ΑΠΟ 3 ΚΟΣΤΟΣ :1.50").arg(expected));
    }
}

TEST_F(GeneratedPreview, GoToAcceptsOnlyACouponOfTheSetAndPrintingMovesOnToTheLast)
{
    load(9);
    goTo(4);
    // 0, one past the end, a blank answer and a cancelled box change nothing.
    for (const std::optional<QString> &answer : std::vector<std::optional<QString>>{"0", "10", "  ", std::nullopt}) {
        prompts.expectInput(kGoTo, kGoToPrompt, answer);
        gen->SpeedButton3Click();
        EXPECT_EQ(gen->current(), 4);
    }
    goTo(9);
    goTo(1);

    // A non-number is the standard error box, and the coupon stays.
    prompts.expectInput(kGoTo, kGoToPrompt, QStringLiteral("x7"));
    prompts.expectMessage(QStringLiteral("'x7' is not a valid integer value"), QStringLiteral("TARU"));
    QTest::mouseClick(gen->SpeedButton3, Qt::LeftButton);
    EXPECT_EQ(gen->current(), 1);

    // Printing moves on; the last coupon says so and stays.
    goTo(7);
    gen->BtnPrintClick();
    gen->BtnPrintClick();
    prompts.expectMessage(kLast, kInfo);
    QTest::mouseClick(gen->BtnPrint, Qt::LeftButton);
    EXPECT_EQ(printedNumbers(), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(calls.at(2).variant, SlipVariant::A);
    const SlipJob &job = calls[2].jobs.front();
    EXPECT_EQ(std::tuple(job.marks.numbers, job.valueLine.kind, job.valueLine.value),
              std::tuple(QStringLiteral("9"), ValueLine::Kind::CouponNumber, 1.5));
    EXPECT_EQ(gen->current(), 9);
}

TEST_F(GeneratedPreview, BatchFromTheFirstFromTheCurrentOrNotAtAll)
{
    struct Case {
        int from;
        Button answer;
        std::vector<int> printed;
        int current;
    };
    for (const Case &c : {Case{5, Button::No, {1, 2, 3, 4, 5, 6, 7, 8, 9}, 9}, Case{5, Button::Yes, {5, 6, 7, 8, 9}, 9},
                          Case{5, Button::Cancel, {}, 5}, Case{9, Button::Yes, {9}, 9}}) {
        SCOPED_TRACE(QStringLiteral("from %1, answer %2").arg(c.from).arg(static_cast<int>(c.answer)).toStdString());
        calls.clear();
        load(9);
        goTo(c.from);
        prompts.expectAsk(kAskBatch, kConfirm, c.answer);
        QTest::mouseClick(gen->BBtnPrintAll, Qt::LeftButton);
        EXPECT_EQ(prompts.lastButtons, (QList<Button>{Button::Yes, Button::No, Button::Cancel}));
        EXPECT_EQ(prompts.lastDefault, Button::Cancel);
        EXPECT_EQ(printedNumbers(), c.printed);
        EXPECT_EQ(calls.size(), c.printed.size()); // one job per coupon
        EXPECT_EQ(shownNumber(), c.current);
    }
}

TEST_F(GeneratedPreview, AFailedJobOrABadCouponStopsTheBatchWithItsMessage)
{
    load(9);
    outcomes = {PrintOutcome::Printed, PrintOutcome::Printed, PrintOutcome::ProfileFailed};
    prompts.expectAsk(kAskBatch, kConfirm, Button::No);
    prompts.expectMessage(kBatchFailed, QStringLiteral("Σφάλμα"));
    gen->BBtnPrintAllClick();
    EXPECT_EQ(printedNumbers(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(gen->current(), 3);

    // A coupon that cannot be shown keeps the one shown and its caption, and stops a batch
    // before its job.
    calls.clear();
    outcomes.clear();
    load({4, 81});
    const QString caption = gen->windowTitle();
    prompts.expectMessage(QStringLiteral("Number 81 is out of range 1..80"), QStringLiteral("TARU"));
    QTest::mouseClick(gen->SBtnNext, Qt::LeftButton);
    EXPECT_EQ(std::tuple(gen->current(), gen->windowTitle(), shownNumber()), std::tuple(1, caption, 4));
    prompts.expectAsk(kAskBatch, kConfirm, Button::No);
    prompts.expectMessage(kBatchFailed, QStringLiteral("Σφάλμα"));
    gen->BBtnPrintAllClick();
    EXPECT_EQ(printedNumbers(), std::vector<int>{1});
}

TEST_F(GeneratedPreview, ABatchEndsWithTheWindowAndNeedsAPrinterAndCoupons)
{
    // An empty set: nothing to show, no question, nothing printed.
    load(0);
    EXPECT_TRUE(gen->shownMarks().isEmpty());
    EXPECT_EQ(gen->windowTitle(), QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ"));
    gen->BtnPrintClick();
    gen->BBtnPrintAllClick();
    EXPECT_TRUE(calls.empty());

    // Closing the window during a batch ends it after the page being printed.
    load(9);
    prompts.expectAsk(kAskBatch, kConfirm, Button::No);
    QTimer::singleShot(0, gen, [this] { gen->BtnBackClick(); });
    gen->BBtnPrintAllClick();
    EXPECT_EQ(printedNumbers(), std::vector<int>{1});

    // No printer chosen: nothing at all.
    calls.clear();
    load(3);
    target = ui::PrintTarget::None;
    prompts.expectAsk(kAskBatch, kConfirm, Button::No);
    gen->BBtnPrintAllClick();
    gen->BtnPrintClick();
    EXPECT_TRUE(calls.empty());
}

TEST_F(GeneratedPreview, SavesTheSetAsACouponFileInDeltia)
{
    GeneratedCoupons coupons(3, SlipMarks{QStringLiteral("10"), QStringLiteral("1,3"), false, QString(), 2, 0});
    coupons.append(col({7, 15, 12}));
    coupons.append(col({1, 2, 3}));
    gen->setCoupons(std::move(coupons), 3.0);
    const QString path = deltia(QStringLiteral("ΤΥΧΑΙΑ.tru"));
    prompts.expectSaveFile(path, QStringLiteral("Αρχεία Δελτίων|*.tru"));
    QTest::mouseClick(gen->BBtnSave, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, data.path() + QStringLiteral("/DELTIA"));
    EXPECT_EQ(readAll(path), QByteArray("2\r\n3\r\n1,3\r\n2\r\n0\r\n7,A,15,12\r\n1,2,3\r\n"));

    prompts.expectSaveFile(std::nullopt);
    gen->BBtnSaveClick(); // cancelled: nothing written
}

TEST_F(PreviewTest, SingleGameCaptionAndJobCarryTheLabelAndValue)
{
    auto *single = ui::FeatureWindows::as<ui::TPrnPrevFrm>(windows.PrnPrevFrm);
    record(*single);
    context.state.slipMarks = SlipMarks{QStringLiteral("8"), QStringLiteral("2"), false, QStringLiteral("1,10,11,80,44"), 1, 3};

    single->setGame(QStringLiteral("   "), 0.5);
    EXPECT_EQ(single->windowTitle(), QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ  ΑΞΙΑ : 0.50 E"));
    single->setGame(QStringLiteral("ΚΥΡΙΑΚΗ"), 12.5);
    EXPECT_EQ(single->windowTitle(), QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΠΑΙΧΝΙΔΙ :ΚΥΡΙΑΚΗ ΑΞΙΑ : 12.50 E"));
    QTest::mouseClick(single->BtnPrint, Qt::LeftButton);
    ASSERT_EQ(calls.size(), 1u);
    const SlipJob &job = calls[0].jobs.front();
    EXPECT_EQ(std::tuple(calls[0].variant, job.marks, job.valueLine.kind, job.valueLine.gameLabel, job.valueLine.value),
              std::tuple(SlipVariant::A, context.state.slipMarks, ValueLine::Kind::GameLabel, QStringLiteral("ΚΥΡΙΑΚΗ"), 12.5));
    // On screen the shared marks: five numbers, the game box, the multiplier (their order is the layout's).
    EXPECT_EQ(single->shownMarks().size(), 7);
    EXPECT_NE(single->workingBitmap(), ui::SlipPicture());
}

TEST_F(PreviewTest, ProducedSystemPreviewTakesItsColumnsFromTheLastBuild)
{
    auto *eggy = ui::FeatureWindows::as<ui::TPrnPrevEGGYFrm>(windows.PrnPrevEGGYFrm);
    record(*eggy);
    context.state.systemColumns = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}, {75, 76, 77, 78, 79, 80}};
    context.state.slipMarks = SlipMarks{QString(), QStringLiteral("1,3"), false, QString(), 2, 0}; // x6, 10 draws

    eggy->setSystem(6, 3);
    eggy->show();
    EXPECT_EQ(eggy->windowTitle(), QStringLiteral("ΔΕΛΤΙΟ 1 ΑΠΟ 3 ΚΟΣΤΟΣ :30.00"));
    EXPECT_EQ(eggy->couponMarks(2), (SlipMarks{QStringLiteral("7"), QStringLiteral("1,3"), false,
                                               QStringLiteral("7,8,9,10,11,12"), 2, 0}));

    eggy->SBtnNextClick();
    eggy->BtnPrintClick();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(std::pair(calls[0].variant, calls[0].jobs.front().valueLine.couponNumber), std::pair(SlipVariant::BProducedSystem, 2));

    // More columns asked for than were built: the built ones.
    eggy->setSystem(6, 10);
    EXPECT_EQ(eggy->couponCount(), 4);
    EXPECT_THROW(eggy->setSystem(13, 1), RangeError);
}

// Every mark drawn on the picture lies inside the box printed for it.
TEST(SlipPicture, EveryMarkLandsInsideItsBox)
{
    SlipFlags flags;
    for (auto &row : flags.numbers)
        row.fill(true);
    flags.games.fill(true);
    flags.multipliers.fill(true);
    QImage blank(ui::kSlipPictureWidth, ui::kSlipPictureHeight, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QImage marked = blank;
    const QList<SlipItem> items = ui::DrawScreenMarks(marked, flags);
    ASSERT_EQ(items.size(), 80 + 12 + 9);

    // The ink of each mark alone, compared with its box.
    for (const SlipItem &item : items) {
        SlipFlags one;
        if (item.block == SlipBlock::Numbers)
            one.numbers[(item.index - 1) / 10][(item.index - 1) % 10] = true;
        else if (item.block == SlipBlock::GameBoxes)
            one.games[item.index - 1] = true;
        else
            one.multipliers[item.index - 1] = true;
        QImage image = blank;
        ui::DrawScreenMarks(image, one);
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixel(x, y) != blank.pixel(x, y))
                    ink |= QRect(x, y, 1, 1);
            }
        }
        EXPECT_FALSE(ink.isEmpty());
        EXPECT_TRUE(ui::SlipBoxRect(item.k, item.r).contains(ink)) << "block " << int(item.block) << " index " << item.index;
    }
}

TEST_F(PreviewTest, PrintRangeDialogTakesDigitsOnly)
{
    auto *range = ui::FeatureWindows::as<ui::TPrintRangeDlg>(windows.PrintRangeDlg);
    range->show();
    range->Edit2->clear();
    QTest::keyClicks(range->Edit2, QStringLiteral("1a2,3 .-4"));
    EXPECT_EQ(range->Edit2->text(), QStringLiteral("1234"));
    EXPECT_TRUE(ui::TPrintRangeDlg::Edit1KeyPress(Qt::Key_Tab, QStringLiteral("\t")));
    EXPECT_TRUE(ui::TPrintRangeDlg::Edit1KeyPress(Qt::Key_Return, QStringLiteral("\r")));
    // Moving and deleting keys keep their meaning: "1234" -> Backspace, Home, Right, Delete, "9" -> "193".
    for (Qt::Key key : {Qt::Key_Backspace, Qt::Key_Home, Qt::Key_Right, Qt::Key_Delete})
        QTest::keyClick(range->Edit2, key);
    QTest::keyClicks(range->Edit2, QStringLiteral("9"));
    EXPECT_EQ(range->Edit2->text(), QStringLiteral("193"));

    QTest::mouseClick(range->BtnOK, Qt::LeftButton);
    EXPECT_EQ(range->result(), QDialog::Accepted);
}
