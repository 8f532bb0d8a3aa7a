#include "ProduceFixture.h"

#include "systems/Generator.h"
#include "systems/ui/GeneratorFrm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>


using namespace taru;
using namespace taru::test;
using ui::Button;
namespace {

const QString kInfo = QStringLiteral("Ενημέρωση");
const QString kProgram = QStringLiteral("TARU");
const QString kConfirm = QStringLiteral("Επιβεβαίωση");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");

class GeneratorWindow : public ProduceTest {
protected:
    GeneratorWindow()
        : gen(context)
    {
        // Whatever another window left in the shared coupon is reset by the show.
        context.state.multiplierBoxes[4] = true;
        context.state.drawBoxes[1][2] = true;
        context.state.board.fill(false);
        prompts.expectMessage(ui::kGeneratorWelcome, kInfo);
        gen.show();
        prompts.log.clear();
    }
    void clearAll()
    {
        prompts.expectAsk(kAskClear, kConfirm, Button::Yes);
        gen.BtnClearClick();
    }
    void mark(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            gen.SgrdMouseUp(n - 1);
    }
    void chooseGame(int game)
    {
        gen.Cmb1A->setCurrentIndex(game - 1);
        gen.Cmb1AChange();
    }
    const GeneratedCoupons &produced() const { return genPreview.coupons(); }

    ui::TGeneratorFrm gen;
};

} // namespace

TEST_F(GeneratorWindow, EveryShowStartsFromTheFullMouldGameTwelveAndAHundredCoupons)
{
    clearAll();
    mark({5});
    gen.EdtNumDeltia->setText(QStringLiteral("7"));
    gen.hide();
    prompts.expectMessage(ui::kGeneratorWelcome, kInfo);
    gen.show();
    EXPECT_EQ(gen.CountMarked(), 80);
    EXPECT_EQ(gen.Cmb1A->currentText() + " " + gen.EdtNumDeltia->text(), QStringLiteral("12 100"));
    EXPECT_TRUE(context.state.gameBoxes[0]);
    EXPECT_FALSE(context.state.multiplierBoxes[4] || context.state.drawBoxes[1][2]);
    for (const QToolButton *b : gen.BtnOdd)
        EXPECT_FALSE(b->isChecked());
    EXPECT_EQ(QStringList({gen.LblSthles->text(), gen.LblKostos->text(), gen.LblTotKostos->text()}),
              QStringList({"Αριθμός Στηλών :  1", "Αξία Δελτίου : 0.50", "Συνολική Αξία Δελτίου : 0.50"}));
}

TEST_F(GeneratorWindow, OddButtonOfTheThirdDecadeMarksAndReleasesItsOddNumbers)
{
    clearAll();
    QTest::mouseClick(gen.BtnOdd[2], Qt::LeftButton);
    EXPECT_EQ(markedNumbers(context.state.board), (std::vector<int>{21, 23, 25, 27, 29}));
    QTest::mouseClick(gen.BtnEven[7], Qt::LeftButton);
    EXPECT_EQ(gen.CountMarked(), 10);
    QTest::mouseClick(gen.BtnOdd[2], Qt::LeftButton);
    EXPECT_EQ(markedNumbers(context.state.board), (std::vector<int>{72, 74, 76, 78, 80}));
}

TEST_F(GeneratorWindow, FullMouldProducesTwelveDistinctNumbersPerCouponIntoThePreview)
{
    gen.Header1SectionClick(1);        // x3
    gen.SgrdDKMouseUp(3);              // 5 draws
    EXPECT_EQ(gen.LblKostos->text(), QStringLiteral("Αξία Δελτίου : 7.50"));
    QTest::mouseClick(gen.BtnPrint, Qt::LeftButton);
    EXPECT_EQ(genPreview.execs, 1);
    EXPECT_EQ(std::pair(produced().size(), produced().game()), std::pair(std::size_t{100}, 12));
    EXPECT_DOUBLE_EQ(genPreview.couponValue(), 7.5);
    const SlipMarks first = produced().marks(0);
    EXPECT_EQ(std::tuple(first.games, first.multipliers, first.drawColumn, first.drawRow), std::tuple("1", "2", 1, 3));
    // The shared slip holds the mould: every number, none left as "A".
    EXPECT_FALSE(context.state.slipMarks.numbers.contains(QLatin1Char('A')));
}

TEST_F(GeneratorWindow, TheThreeRefusalsProduceNothing)
{
    clearAll();
    prompts.expectMessage(kGeneratorNoMould, kInfo);
    gen.BtnPrintClick();

    // The combo at 5, then a number taken away: too few numbers.
    mark({1, 2, 3, 4, 5});
    chooseGame(5);
    mark({5});
    prompts.expectMessage(kGeneratorTooFewNumbers, kProgram);
    gen.BtnPrintClick();
    // Choosing 5 with 4 numbers marked clears the combo.
    chooseGame(5);
    EXPECT_EQ(gen.Cmb1A->currentIndex(), -1);
    EXPECT_EQ(std::count(context.state.gameBoxes.begin(), context.state.gameBoxes.end(), true), 0);

    for (const char *count : {"", "99999999999"}) {
        gen.EdtNumDeltia->setText(QString::fromLatin1(count));
        prompts.expectMessage(*count ? kGeneratorTooManyCoupons : kGeneratorNoCount, kProgram);
        gen.BtnPrintClick();
    }
    gen.EdtNumDeltia->setText(QStringLiteral("0"));
    gen.BtnPrintClick(); // silently nothing
    EXPECT_EQ(genPreview.execs, 0);
}

TEST_F(GeneratorWindow, WithoutAGameTheMouldDecidesItAndEveryCouponTakesTheMould)
{
    clearAll();
    mark({1, 2, 3, 4, 5, 6, 80});
    gen.EdtNumDeltia->setText(QStringLiteral("3"));
    gen.BtnPrintClick();
    EXPECT_EQ(gen.Cmb1A->currentText(), QStringLiteral("7"));
    EXPECT_EQ(produced().marks(0).games, QString::number(gameBoxOf(7)));
    ASSERT_EQ(produced().size(), 3u);
    for (std::size_t i = 0; i < produced().size(); ++i) {
        std::vector<std::uint8_t> numbers(produced().numbers(i).begin(), produced().numbers(i).end());
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers, col({1, 2, 3, 4, 5, 6, 80}));
    }
}

TEST_F(GeneratorWindow, CouponCountTakesDigitsOnly)
{
    gen.EdtNumDeltia->clear();
    QTest::keyClicks(gen.EdtNumDeltia, QStringLiteral("1a2-3 4"));
    EXPECT_EQ(gen.EdtNumDeltia->text(), QStringLiteral("1234"));
    QTest::keyClick(gen.EdtNumDeltia, Qt::Key_Backspace);
    EXPECT_EQ(gen.EdtNumDeltia->text(), QStringLiteral("123"));
}

TEST_F(GeneratorWindow, ClearingAsksFirstAndEmptiesEverything)
{
    gen.Header1SectionClick(0);
    prompts.expectAsk(kAskClear, kConfirm, Button::No);
    gen.BtnClearClick();
    EXPECT_EQ(gen.CountMarked(), 80);
    EXPECT_EQ(prompts.lastDefault, Button::No);
    clearAll();
    EXPECT_EQ(std::pair(gen.CountMarked(), gen.Cmb1A->currentIndex()), std::pair(0, -1));
    EXPECT_FALSE(context.state.multiplierBoxes[0] || context.state.gameBoxes[0]);
    EXPECT_EQ(gen.LblSthles->text() + "|" + gen.LblKostos->text(), QStringLiteral("Αριθμός Στηλών : |Αξία Δελτίου :"));
}

TEST_F(GeneratorWindow, AMillionCouponsStayLightInThePreview)
{
    gen.EdtNumDeltia->setText(QStringLiteral("1000000"));
    gen.BtnPrintClick();
    ASSERT_EQ(genPreview.couponCount(), 1000000);
    genPreview.FormShow();
    prompts.expectInput(QStringLiteral("Μετακίνηση σε"), QStringLiteral("Δώστε αριθμό δελτίου :"), QStringLiteral("1000000"));
    genPreview.SpeedButton3Click();
    EXPECT_EQ(genPreview.current(), 1000000);
    EXPECT_TRUE(genPreview.windowTitle().startsWith(QStringLiteral("ΔΕΛΤΙΟ 1000000 ΑΠΟ 1000000 ΚΟΣΤΟΣ :0.50")));

    const QString path = deltiaPath(QStringLiteral("MILLION.tru"));
    prompts.expectSaveFile(path);
    genPreview.BBtnSaveClick();
    const QByteArray saved = readAll(path);
    EXPECT_TRUE(saved.startsWith("1000000\r\n12\r\n\r\n0\r\n0\r\n"));
    EXPECT_EQ(saved.count('\n'), 1000000 + 5);
    EXPECT_TRUE(saved.endsWith(produced().line(999999) + "\r\n"));
}
