#include "base/OwnerSettings.h"
#include "shell/FeatureWindows.h"
#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/GameFrm.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/PrnPrevFrm.h"

#include "ShellFixture.h"
#include "TestValues.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using namespace taru;
using namespace taru::ui;

namespace {

const QString kTwelve = QStringLiteral("Εχετε συμπληρώσει τους 12 αριθμούς που επιτρέπονται!");
const QString kNoNumbers = QStringLiteral("Παρακαλώ επιλέξτε ακριβως τους αριθμούς του παιχνιδιου.");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");
const QString kAskWinning = QStringLiteral("Να γίνει καθαρισμός της Nικήτριας Στήλης;");
const QString kConfirm = QStringLiteral("Επιβεβαίωση");
const QString kFilter = QStringLiteral("Αρχεία Παιχνιδιού|*.gak");

struct Preview {
    QString label;
    double value;
};

class GameFrmTest : public test::ShellTest {
protected:
    GameFrmTest()
    {
        frm = std::make_unique<TGameFrm>(context, [this](const QString &label, double value) {
            previews.push_back({label, value});
        });
        frm->show(); // runs FormShow
    }

    SharedState &state() { return context.state; }
    QString deltia(const QString &name = {}) const { return QDir(data.path()).filePath(QStringLiteral("DELTIA/") + name); }

    void clickNumber(int number) { QTest::mouseClick(frm->Sgrd, Qt::LeftButton, {}, frm->Sgrd->numberRect(number).center()); }
    // Clicks the box of a header or of the draws block that shows value.
    static void clickBox(BoxGrid *grid, int value)
    {
        for (int i = 0; i < grid->count(); ++i) {
            if (grid->text(i) == QString::number(value))
                return QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(i).center());
        }
        ADD_FAILURE() << "no box " << value;
    }
    void clickMultiplier(int value) { clickBox(frm->Header1, value); }
    void clickDraws(int value) { clickBox(frm->SgrdDK, value); }
    void clickRandom() { QTest::mouseClick(frm->Header6, Qt::LeftButton, {}, frm->Header6->cellRect(0).center()); }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::vector<int> marked() const { return test::markedNumbers(context.state.board); }
    // The values of the boxes marked in a header or the draws block.
    static std::vector<int> markedValues(const BoxGrid *grid)
    {
        std::vector<int> values;
        for (int i = 0; i < grid->count(); ++i) {
            if (grid->isMarked(i))
                values.push_back(grid->text(i).toInt());
        }
        return values;
    }
    std::vector<int> multipliersMarked() const { return markedValues(frm->Header1); }
    std::vector<int> drawsMarked() const { return markedValues(frm->SgrdDK); }
    // The game boxes shown as set, by their index 1..12 (the header agrees with the state).
    std::vector<int> gameBoxesShown() const
    {
        std::vector<int> boxes;
        for (int i = 0; i < kGameBoxCount; ++i) {
            EXPECT_EQ(frm->Header3->isMarked(i), context.state.gameBoxes[i]);
            if (context.state.gameBoxes[i])
                boxes.push_back(i + 1);
        }
        return boxes;
    }
    QString cost() const { return frm->LblKostos->text(); }
    // The whole coupon on one line: "numbers / games / x multipliers / draws [/ random] / cost".
    QString coupon() const
    {
        const auto list = [](const std::vector<int> &values) {
            QStringList items;
            for (int v : values)
                items << QString::number(v);
            return items.isEmpty() ? QStringLiteral("-") : items.join(QLatin1Char(','));
        };
        return QStringLiteral("%1 / games %2 / x %3 / draws %4%5 / %6")
            .arg(list(marked()), list(gameBoxesShown()), list(multipliersMarked()), list(drawsMarked()),
                 context.state.randomBox ? QStringLiteral(" / random") : QString(), cost());
    }

    QString writeGame(const QString &name, const QByteArray &bytes)
    {
        EXPECT_TRUE(test::writeAll(deltia(name), bytes));
        return deltia(name);
    }
    void load(const QString &path)
    {
        prompts.expectOpenFile(path, kFilter);
        click(frm->BBtnOpen);
    }

    std::vector<Preview> previews;
    std::unique_ptr<TGameFrm> frm;
};

} // namespace

TEST_F(GameFrmTest, IsAFixedWindowWithItsControlsInsideAndBackKeepsTheCouponTillTheNextShow)
{
    EXPECT_EQ(frm->minimumSize(), frm->maximumSize());
    const QPoint offCentre = frm->frameGeometry().center() - frm->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    QList<QWidget *> inside{frm->Sgrd, frm->SgrdDK, frm->Header1, frm->Header3, frm->Header6};
    for (QPushButton *button : frm->findChildren<QPushButton *>())
        inside << button;
    for (QWidget *w : inside)
        EXPECT_TRUE(frm->rect().contains(w->geometry())) << w->objectName().toStdString();
    // The draws block stands beside the board, not over it.
    EXPECT_GT(frm->SgrdDK->geometry().left(), frm->Sgrd->geometry().right());
    click(frm->glBBtnhELP);
    click(frm->BBtnCalculator);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/GAME0.htm")});
    EXPECT_EQ(calculatorStarts, 1);

    // Back keeps the coupon; the next show resets it, under the owner's caption.
    clickNumber(21);
    clickMultiplier(5);
    clickRandom();
    click(frm->BtnBack);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_EQ(coupon(), QStringLiteral("21 / games 12 / x 5 / draws - / random / ΚΟΣΤΟΣ : 2.50"));

    owner::write({QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QString(), QString(), QString()});
    state().winningColumn[3] = QStringLiteral("17");
    frm->show();
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    EXPECT_EQ(coupon(), QStringLiteral("- / games - / x - / draws - / ΚΟΣΤΟΣ :"));
    EXPECT_EQ(state().winningColumn, SharedState::emptyWinningColumn());
    EXPECT_EQ(frm->LblSthles->text(), QStringLiteral("ΣΤΗΛΕΣ : "));
}

TEST_F(GameFrmTest, TwelveNumbersPlayGameTwelveTheThirteenthIsRefusedAndNoneLeavesNoGame)
{
    for (int n = 1; n <= 11; ++n)
        clickNumber(n * 7);
    clickNumber(80);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{1});
    prompts.expectMessage(kTwelve, QStringLiteral("TARU"));
    clickNumber(1);
    EXPECT_FALSE(state().board[0]);
    clickNumber(42);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{2});
    EXPECT_EQ(frm->LblSthles->text(), QStringLiteral("ΣΤΗΛΕΣ : 1"));

    // Down to one number (game 12's box), then none: no game box, no message, the cost stays.
    frm->ResetCoupon(true);
    clickNumber(33);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{12});
    clickNumber(33);
    EXPECT_TRUE(gameBoxesShown().empty());
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 0.50"));
}

TEST_F(GameFrmTest, BoxesPriceTheCouponOneDrawsBoxAtATime)
{
    struct Step {
        const char *what;
        std::function<void()> click;
        const char *coupon;
    };
    const Step steps[] = {
        {"a game box ignores clicks",
         [&] { QTest::mouseClick(frm->Header3, Qt::LeftButton, {}, frm->Header3->cellRect(4).center()); },
         "- / games - / x - / draws - / ΚΟΣΤΟΣ :"},
        {"random has no price of its own", [&] { clickRandom(); }, "- / games - / x - / draws - / random / ΚΟΣΤΟΣ : 0.50"},
        {"x2", [&] { clickMultiplier(2); }, "- / games - / x 2 / draws - / random / ΚΟΣΤΟΣ : 1.00"},
        {"x2 and x3 add up", [&] { clickMultiplier(3); }, "- / games - / x 2,3 / draws - / random / ΚΟΣΤΟΣ : 2.50"},
        {"x2 off", [&] { clickMultiplier(2); }, "- / games - / x 3 / draws - / random / ΚΟΣΤΟΣ : 1.50"},
        {"10 draws", [&] { clickDraws(10); }, "- / games - / x 3 / draws 10 / random / ΚΟΣΤΟΣ : 15.00"},
        {"50 while 10 are marked", [&] { clickDraws(50); }, "- / games - / x 3 / draws 10 / random / ΚΟΣΤΟΣ : 15.00"},
        {"10 draws off, 50 on", [&] { clickDraws(10); clickDraws(50); }, "- / games - / x 3 / draws 50 / random / ΚΟΣΤΟΣ : 75.00"},
    };
    for (const Step &s : steps) {
        s.click();
        EXPECT_EQ(coupon(), QString::fromUtf8(s.coupon)) << s.what;
    }
    EXPECT_DOUBLE_EQ(state().couponValue, 75.0);
    EXPECT_EQ(std::pair(state().slipMarks.drawColumn, state().slipMarks.drawRow), std::pair(2, 2));
    clickRandom();
    EXPECT_FALSE(state().randomBox || frm->Header6->isMarked(0));

    // The user's locale, and no digit grouping: 200 draws x (3 + 20) x 0.50.
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    clickMultiplier(20);
    clickDraws(50);
    clickDraws(200);
    const QString greek = cost();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(greek, QStringLiteral("ΚΟΣΤΟΣ : 2300,00"));
}

TEST_F(GameFrmTest, PrintFillsTheSlipAndHandsLabelAndValueToThePreview)
{
    prompts.expectMessage(kNoNumbers, QStringLiteral("TARU"));
    click(frm->BtnPrint);
    EXPECT_TRUE(previews.empty());

    for (int n : {80, 5, 12})
        clickNumber(n);
    clickMultiplier(2);
    clickMultiplier(20);
    clickDraws(100);
    clickRandom();
    state().slipMarks = SlipMarks{}; // the print command fills it itself
    click(frm->BtnPrint);
    EXPECT_EQ(state().slipMarks,
              (SlipMarks{QStringLiteral("10"), QStringLiteral("1,9"), true, QStringLiteral("5,12,80"), 2, 3}));
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].label, QString()); // no game loaded yet
    EXPECT_DOUBLE_EQ(previews[0].value, 1 * 100 * 22 * 0.5);
}

TEST_F(GameFrmTest, ClearAsksTwiceWithNoPreselected)
{
    clickNumber(9);
    clickMultiplier(4);
    clickDraws(3);
    clickRandom();
    state().winningColumn[0] = QStringLiteral("9");
    prompts.expectAsk(kAskClear, kConfirm, Button::No);
    click(frm->BtnClear);
    EXPECT_EQ(prompts.lastButtons, (QList<Button>{Button::Yes, Button::No}));
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(coupon(), QStringLiteral("9 / games 12 / x 4 / draws 3 / random / ΚΟΣΤΟΣ : 6.00"));

    // Yes clears the coupon; the winning column goes only on a second Yes.
    prompts.expectAsk(kAskClear, kConfirm, Button::Yes).expectAsk(kAskWinning, kConfirm, Button::No);
    click(frm->BtnClear);
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(coupon(), QStringLiteral("- / games - / x - / draws - / ΚΟΣΤΟΣ :"));
    EXPECT_EQ(state().winningColumn[0], QStringLiteral("9"));
    prompts.expectAsk(kAskClear, kConfirm, Button::Yes).expectAsk(kAskWinning, kConfirm, Button::Yes);
    click(frm->BtnClear);
    EXPECT_EQ(state().winningColumn[0], QStringLiteral("-"));
}

TEST_F(GameFrmTest, SaveThenLoadGivesTheSameCoupon)
{
    for (int n : {17, 3, 80})
        clickNumber(n);
    clickMultiplier(2);
    clickMultiplier(20);
    clickDraws(6);

    prompts.expectSaveFile(deltia(QStringLiteral("my.game")), kFilter);
    click(frm->BBtnSave);
    EXPECT_EQ(prompts.lastFolder, deltia().chopped(1));
    EXPECT_EQ(test::readAll(deltia(QStringLiteral("my.game"))), QByteArray("DKL=6\r\nPOLSTHS=0,8\r\n3,17,80\r\n"));
    prompts.expectSaveFile(deltia(QStringLiteral("second")), kFilter);
    click(frm->BBtnSave);
    EXPECT_TRUE(QFileInfo::exists(deltia(QStringLiteral("second.gak"))));

    frm->ResetCoupon(true);
    load(deltia(QStringLiteral("my.game")));
    EXPECT_EQ(coupon(), QStringLiteral("3,17,80 / games 10 / x 2,20 / draws 6 / ΚΟΣΤΟΣ : 66.00"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   my"));
}

// The multipliers and draws stay and add up; game 3's box stays beside the loaded game 2's. The
// label is the name up to its first dot, on the caption and on the printout.
TEST_F(GameFrmTest, AGameLoadsOverWhatTheCouponAlreadyHas)
{
    for (int n : {1, 2, 3})
        clickNumber(n);
    clickMultiplier(4);
    clickDraws(3);
    load(writeGame(QStringLiteral("Game.2.gak"), "DKL=\r\nPOLSTHS=1\r\n5,12\r\n"));
    EXPECT_EQ(coupon(), QStringLiteral("5,12 / games 10,11 / x 3,4 / draws 3 / ΚΟΣΤΟΣ : 10.50"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   Game"));
    click(frm->BtnPrint);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].label, QStringLiteral("Game"));
}

TEST_F(GameFrmTest, BadMissingOrCancelledFilesAndEmptySavesChangeNothingMore)
{
    clickNumber(60);
    const QString before = frm->windowTitle();
    prompts.expectOpenFile(writeGame(QStringLiteral("bad.gak"), "DKL=4\r\nPOLSTHS=\r\n5,x,7\r\n"), kFilter)
        .expectMessage(QStringLiteral("'x' is not a valid integer value"), QStringLiteral("TARU"));
    click(frm->BBtnOpen);
    EXPECT_EQ(prompts.lastIcon, Icon::Error);
    // What was read before the bad item stays; the rest of the load is abandoned.
    EXPECT_EQ(marked(), std::vector<int>{5});
    EXPECT_EQ(drawsMarked(), std::vector<int>{4});
    EXPECT_EQ(frm->windowTitle(), before);

    prompts.expectOpenFile(deltia(QStringLiteral("gone.gak")), kFilter)
        .expectMessage(QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(deltia(QStringLiteral("gone.gak"))),
                       QStringLiteral("TARU"));
    click(frm->BBtnOpen);
    EXPECT_TRUE(marked().empty()); // the board was cleared before reading

    prompts.expectMessage(kNoNumbers, QStringLiteral("TARU"));
    click(frm->BBtnSave);
    EXPECT_EQ(QDir(deltia()).entryList(QDir::Files), QStringList{QStringLiteral("bad.gak")});

    clickNumber(8);
    prompts.expectOpenFile(std::nullopt, kFilter);
    click(frm->BBtnOpen);
    EXPECT_EQ(marked(), std::vector<int>{8});
}

class FeatureWindowsGame : public test::ShellTest {};

TEST_F(FeatureWindowsGame, TheGameScreenHandsItsCouponToThePreviewWindow)
{
    FeatureWindows windows(context);
    windows.createLate();
    auto *game = FeatureWindows::as<TGameFrm>(windows.GameFrm);
    ASSERT_NE(game, nullptr);

    game->show();
    QTest::mouseClick(game->Sgrd, Qt::LeftButton, {}, game->Sgrd->numberRect(44).center());
    QString captionShown;
    QTimer::singleShot(0, windows.PrnPrevFrm.get(), [&] {
        captionShown = windows.PrnPrevFrm->windowTitle();
        windows.PrnPrevFrm->reject();
    });
    game->BtnPrintClick();
    // The real single-coupon preview got the game: no label yet, one column at 0.50.
    auto *preview = FeatureWindows::as<TPrnPrevFrm>(windows.PrnPrevFrm);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(captionShown, QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ  ΑΞΙΑ : 0.50 E"));
    ASSERT_FALSE(preview->shownMarks().isEmpty());
    EXPECT_EQ(preview->shownMarks().front().index, 44);
}
