#include "base/AppPaths.h"
#include "base/OwnerSettings.h"
#include "window/AppContext.h"
#include "shell/FeatureWindows.h"
#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/GameFrm.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/PrnPrevFrm.h"

#include "ScriptedPrompts.h"
#include "ShellFixture.h"
#include "TempDir.h"
#include "TestValues.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::ui;
using taru::test::ScriptedPrompts;

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
    QString deltia() const { return QDir(data.path()).filePath(QStringLiteral("DELTIA")); }

    void clickNumber(int number) { QTest::mouseClick(frm->Sgrd, Qt::LeftButton, {}, frm->Sgrd->numberRect(number).center()); }
    void clickMultiplier(int value)
    {
        const int index = static_cast<int>(std::find(kMultiplierValues.begin(), kMultiplierValues.end(), value) -
                                           kMultiplierValues.begin());
        QTest::mouseClick(frm->Header1, Qt::LeftButton, {}, frm->Header1->cellRect(index).center());
    }
    void clickDraws(int value)
    {
        for (int i = 0; i < frm->SgrdDK->count(); ++i) {
            if (frm->SgrdDK->text(i) == QString::number(value)) {
                QTest::mouseClick(frm->SgrdDK, Qt::LeftButton, {}, frm->SgrdDK->cellRect(i).center());
                return;
            }
        }
        ADD_FAILURE() << "no draws box " << value;
    }
    void clickRandom() { QTest::mouseClick(frm->Header6, Qt::LeftButton, {}, frm->Header6->cellRect(0).center()); }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    std::vector<int> marked() const { return test::markedNumbers(context.state.board); }
    // The game boxes shown as set, by their index 1..12.
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
    std::vector<int> drawsMarked() const
    {
        std::vector<int> values;
        for (int i = 0; i < frm->SgrdDK->count(); ++i) {
            if (frm->SgrdDK->isMarked(i))
                values.push_back(frm->SgrdDK->text(i).toInt());
        }
        return values;
    }
    std::vector<int> multipliersMarked() const
    {
        std::vector<int> values;
        for (int i = 0; i < frm->Header1->count(); ++i) {
            if (frm->Header1->isMarked(i))
                values.push_back(frm->Header1->text(i).toInt());
        }
        return values;
    }
    QString cost() const { return frm->LblKostos->text(); }

    QString writeGame(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(deltia()).filePath(name);
        EXPECT_TRUE(test::writeAll(path, bytes));
        return path;
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

TEST_F(GameFrmTest, IsAFixedWindowWithItsControlsInside)
{
    EXPECT_EQ(frm->minimumSize(), frm->maximumSize());
    const QPoint offCentre = frm->frameGeometry().center() - frm->screen()->availableGeometry().center();
    EXPECT_LE(offCentre.manhattanLength(), 2);
    for (QWidget *w : frm->findChildren<QPushButton *>())
        EXPECT_TRUE(frm->rect().contains(w->geometry())) << w->objectName().toStdString();
    for (QWidget *w : std::initializer_list<QWidget *>{frm->Sgrd, frm->SgrdDK, frm->Header1, frm->Header3, frm->Header6})
        EXPECT_TRUE(frm->rect().contains(w->geometry())) << w->objectName().toStdString();
    // The draws block stands beside the board, not over it.
    EXPECT_GT(frm->SgrdDK->geometry().left(), frm->Sgrd->geometry().right());
    EXPECT_FALSE(frm->sBtnNik->isEnabled());
    EXPECT_FALSE(frm->BtnSort->isEnabled());
    click(frm->glBBtnhELP);
    click(frm->BBtnCalculator);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/GAME0.htm")});
    EXPECT_EQ(calculatorStarts, 1);
}

TEST_F(GameFrmTest, ShowSetsTheCaptionFromTheOwnerAndResetsTheCoupon)
{
    frm->hide();
    owner::write({QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QString(), QString(), QString()});
    state().board[4] = true;
    state().multiplierBoxes[1] = true;
    state().randomBox = true;
    state().winningColumn[3] = QStringLiteral("17");
    frm->show();
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(multipliersMarked().empty());
    EXPECT_FALSE(state().randomBox);
    EXPECT_EQ(state().winningColumn, SharedState::emptyWinningColumn());
    EXPECT_EQ(frm->LblSthles->text(), QStringLiteral("ΣΤΗΛΕΣ : "));
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ :"));
}

TEST_F(GameFrmTest, TwelveNumbersPlayGameTwelveAndTheThirteenthIsRefused)
{
    for (int n = 1; n <= 11; ++n)
        clickNumber(n * 7);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{2});
    clickNumber(80);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{1});
    EXPECT_EQ(state().slipMarks.numbers, QStringLiteral("7,14,21,28,35,42,49,56,63,70,77,80"));

    prompts.expectMessage(kTwelve, QStringLiteral("TARU"));
    clickNumber(1);
    EXPECT_TRUE(prompts.done());
    EXPECT_EQ(marked().size(), 12u);
    EXPECT_FALSE(state().board[0]);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{1});

    clickNumber(42);
    EXPECT_EQ(marked().size(), 11u);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{2});
    EXPECT_EQ(frm->LblSthles->text(), QStringLiteral("ΣΤΗΛΕΣ : 1"));
}

TEST_F(GameFrmTest, UnmarkingTheLastNumberLeavesNoGameBoxAndNoMessage)
{
    clickNumber(33);
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{12});
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 0.50"));
    clickNumber(33);
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(gameBoxesShown().empty());
    EXPECT_EQ(frm->LblSthles->text(), QStringLiteral("ΣΤΗΛΕΣ : 1"));
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 0.50"));
    EXPECT_TRUE(prompts.log.isEmpty());
}

TEST_F(GameFrmTest, MultipliersAddUpInTheCostWithTheLocaleSeparator)
{
    clickMultiplier(2);
    clickMultiplier(3);
    EXPECT_EQ(multipliersMarked(), (std::vector<int>{2, 3}));
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 2.50"));
    EXPECT_DOUBLE_EQ(state().couponValue, 2.5);
    clickMultiplier(2);
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 1.50"));

    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    clickMultiplier(2);
    const QString text = cost();
    clickMultiplier(20);
    clickDraws(200);
    const QString big = cost();
    QLocale::setDefault(saved);
    EXPECT_EQ(text, QStringLiteral("ΚΟΣΤΟΣ : 2,50"));
    EXPECT_EQ(big, QStringLiteral("ΚΟΣΤΟΣ : 2500,00")); // no digit grouping
}

TEST_F(GameFrmTest, AnotherDrawsBoxCannotBeMarkedUntilTheFirstIsUnmarked)
{
    clickDraws(10);
    EXPECT_EQ(drawsMarked(), std::vector<int>{10});
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 5.00"));
    clickDraws(50);
    EXPECT_EQ(drawsMarked(), std::vector<int>{10});
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 5.00"));
    clickDraws(10);
    EXPECT_TRUE(drawsMarked().empty());
    clickDraws(50);
    EXPECT_EQ(drawsMarked(), std::vector<int>{50});
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 25.00"));
    EXPECT_EQ(state().slipMarks.drawColumn, 2);
    EXPECT_EQ(state().slipMarks.drawRow, 2);
}

TEST_F(GameFrmTest, RandomTogglesWithoutPriceAndGameBoxesIgnoreClicks)
{
    QTest::mouseClick(frm->Header3, Qt::LeftButton, {}, frm->Header3->cellRect(4).center());
    EXPECT_TRUE(gameBoxesShown().empty());
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ :"));
    clickRandom();
    EXPECT_TRUE(state().randomBox);
    EXPECT_TRUE(frm->Header6->isMarked(0));
    EXPECT_TRUE(state().slipMarks.random);
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 0.50"));
    clickRandom();
    EXPECT_FALSE(state().randomBox);
    EXPECT_FALSE(frm->Header6->isMarked(0));
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
    struct Case {
        const char *name;
        std::vector<Button> answers;
        bool cleared;
        bool winningCleared;
    };
    const std::vector<Case> cases{
        {"No", {Button::No}, false, false},
        {"Yes then No", {Button::Yes, Button::No}, true, false},
        {"Yes then Yes", {Button::Yes, Button::Yes}, true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        frm->ResetCoupon(true);
        clickNumber(9);
        clickMultiplier(4);
        clickDraws(3);
        clickRandom();
        state().winningColumn[0] = QStringLiteral("9");

        prompts.expectAsk(kAskClear, kConfirm, c.answers[0]);
        if (c.answers.size() > 1)
            prompts.expectAsk(kAskWinning, kConfirm, c.answers[1]);
        click(frm->BtnClear);
        EXPECT_TRUE(prompts.done());
        EXPECT_EQ(prompts.lastDefault, Button::No);
        EXPECT_EQ(prompts.lastButtons, (QList<Button>{Button::Yes, Button::No}));

        EXPECT_EQ(marked().empty(), c.cleared);
        EXPECT_EQ(multipliersMarked().empty(), c.cleared);
        EXPECT_EQ(drawsMarked().empty(), c.cleared);
        EXPECT_EQ(gameBoxesShown().empty(), c.cleared);
        EXPECT_EQ(state().randomBox, !c.cleared);
        EXPECT_EQ(state().winningColumn[0], c.winningCleared ? QStringLiteral("-") : QStringLiteral("9"));
        EXPECT_EQ(cost(), c.cleared ? QStringLiteral("ΚΟΣΤΟΣ :") : QStringLiteral("ΚΟΣΤΟΣ : 6.00"));
    }
}

TEST_F(GameFrmTest, SaveThenLoadGivesTheSameCoupon)
{
    for (int n : {17, 3, 80})
        clickNumber(n);
    clickMultiplier(2);
    clickMultiplier(20);
    clickDraws(6);

    prompts.expectSaveFile(QDir(deltia()).filePath(QStringLiteral("my.game")), kFilter);
    click(frm->BBtnSave);
    EXPECT_EQ(prompts.lastFolder, deltia());
    const QString saved = QDir(deltia()).filePath(QStringLiteral("my.game"));
    EXPECT_EQ(test::readAll(saved), QByteArray("DKL=6\r\nPOLSTHS=0,8\r\n3,17,80\r\n"));

    prompts.expectSaveFile(QDir(deltia()).filePath(QStringLiteral("second")), kFilter);
    click(frm->BBtnSave);
    EXPECT_TRUE(QFileInfo::exists(QDir(deltia()).filePath(QStringLiteral("second.gak"))));

    frm->ResetCoupon(true);
    load(saved);
    EXPECT_EQ(marked(), (std::vector<int>{3, 17, 80}));
    EXPECT_EQ(multipliersMarked(), (std::vector<int>{2, 20}));
    EXPECT_EQ(drawsMarked(), std::vector<int>{6});
    EXPECT_EQ(gameBoxesShown(), std::vector<int>{10});
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 66.00"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   my"));
    EXPECT_EQ(frm->gameLabel(), QStringLiteral("my"));
}

TEST_F(GameFrmTest, LoadingKeepsTheOptionsAlreadyOnTheCoupon)
{
    for (int n : {1, 2, 3})
        clickNumber(n);
    clickMultiplier(4);
    clickDraws(3);
    load(writeGame(QStringLiteral("two.gak"), "DKL=\r\nPOLSTHS=1\r\n5,12\r\n"));
    EXPECT_EQ(marked(), (std::vector<int>{5, 12}));
    EXPECT_EQ(multipliersMarked(), (std::vector<int>{3, 4}));
    EXPECT_EQ(drawsMarked(), std::vector<int>{3});
    // Game 3's box stays beside the loaded game 2's box.
    EXPECT_EQ(gameBoxesShown(), (std::vector<int>{10, 11}));
    EXPECT_EQ(cost(), QStringLiteral("ΚΟΣΤΟΣ : 10.50"));
}

TEST_F(GameFrmTest, GamesLoadIntoAnEmptyCoupon)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        std::vector<int> numbers, boxes, draws;
        QString cost;
    };
    const std::vector<Case> cases{
        {"Game.2.gak", "DKL=\r\nPOLSTHS=\r\n5,12\r\n", {5, 12}, {11}, {}, QStringLiteral("ΚΟΣΤΟΣ : 0.50")},
        {"empty.gak", "DKL=20\r\nPOLSTHS=\r\n\r\n", {}, {}, {20}, QStringLiteral("ΚΟΣΤΟΣ : 10.00")},
        {"many.gak", "DKL=\r\nPOLSTHS=\r\n1,2,3,4,5,6,7,8,9,10,11,12,13\r\n",
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {12}, {}, QStringLiteral("ΚΟΣΤΟΣ : 0.50")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        frm->ResetCoupon(true);
        prompts.log.clear();
        load(writeGame(QLatin1String(c.name), c.bytes));
        EXPECT_EQ(marked(), c.numbers);
        EXPECT_EQ(gameBoxesShown(), c.boxes);
        EXPECT_EQ(drawsMarked(), c.draws);
        EXPECT_TRUE(multipliersMarked().empty());
        EXPECT_EQ(cost(), c.cost);
        EXPECT_EQ(prompts.log.size(), 1) << prompts.log.join('\n').toStdString(); // only the open dialog
    }

    load(writeGame(QStringLiteral("Game.2.gak"), "DKL=\r\nPOLSTHS=\r\n5,12\r\n"));
    EXPECT_EQ(frm->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   Game"));
    click(frm->BtnPrint);
    ASSERT_EQ(previews.size(), 1u);
    EXPECT_EQ(previews[0].label, QStringLiteral("Game"));
}

TEST_F(GameFrmTest, ABadGameFileEndsTheLoadInTheStandardErrorBox)
{
    clickNumber(60);
    const QString before = frm->windowTitle();
    const QString bad = writeGame(QStringLiteral("bad.gak"), "DKL=4\r\nPOLSTHS=\r\n5,x,7\r\n");
    prompts.expectOpenFile(bad, kFilter).expectMessage(QStringLiteral("'x' is not a valid integer value"),
                                                       QStringLiteral("TARU"));
    click(frm->BBtnOpen);
    EXPECT_TRUE(prompts.done());
    EXPECT_EQ(prompts.lastIcon, Icon::Error);
    // What was read before the bad item stays; the rest of the load is abandoned.
    EXPECT_EQ(marked(), std::vector<int>{5});
    EXPECT_EQ(drawsMarked(), std::vector<int>{4});
    EXPECT_EQ(frm->windowTitle(), before);

    const QString missing = QDir(deltia()).filePath(QStringLiteral("gone.gak"));
    prompts.expectOpenFile(missing, kFilter)
        .expectMessage(QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing),
                       QStringLiteral("TARU"));
    click(frm->BBtnOpen);
    EXPECT_TRUE(marked().empty()); // the board was cleared before reading
}

TEST_F(GameFrmTest, SaveWithoutNumbersOrACancelledOpenChangesNothing)
{
    prompts.expectMessage(kNoNumbers, QStringLiteral("TARU"));
    click(frm->BBtnSave);
    EXPECT_TRUE(QFileInfo(deltia()).isDir()); // only the folder is made
    EXPECT_TRUE(QDir(deltia()).entryList(QDir::Files).isEmpty());

    clickNumber(8);
    prompts.expectOpenFile(std::nullopt, kFilter);
    click(frm->BBtnOpen);
    EXPECT_EQ(marked(), std::vector<int>{8});
    EXPECT_EQ(prompts.lastFolder, deltia());
}

TEST_F(GameFrmTest, BackClosesAndKeepsTheCouponUntilTheNextShow)
{
    clickNumber(21);
    clickMultiplier(5);
    click(frm->BtnBack);
    EXPECT_FALSE(frm->isVisible());
    EXPECT_EQ(frm->result(), QDialog::Accepted);
    EXPECT_EQ(marked(), std::vector<int>{21});
    EXPECT_EQ(multipliersMarked(), std::vector<int>{5});
    frm->show();
    EXPECT_TRUE(marked().empty());
    EXPECT_TRUE(multipliersMarked().empty());
}

TEST(FeatureWindowsGame, TheGameScreenHandsItsCouponToThePreviewWindow)
{
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppContext context(AppPaths(dir.path()), prompts);
    FeatureWindows windows(context);
    windows.createLate();
    auto *game = FeatureWindows::as<TGameFrm>(windows.GameFrm);
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(windows.all().contains(game));

    game->show();
    QTest::mouseClick(game->Sgrd, Qt::LeftButton, {}, game->Sgrd->numberRect(44).center());
    QString captionShown;
    QTimer::singleShot(0, windows.PrnPrevFrm.get(), [&] {
        captionShown = windows.PrnPrevFrm->windowTitle();
        windows.PrnPrevFrm->reject();
    });
    game->BtnPrintClick();
    // The real single-coupon preview got the game: no label yet, one column at 0.50.
    auto *preview = ui::FeatureWindows::as<ui::TPrnPrevFrm>(windows.PrnPrevFrm);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(captionShown, QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ  ΑΞΙΑ : 0.50 E"));
    EXPECT_EQ(preview->gameLabel(), QString());
    EXPECT_DOUBLE_EQ(preview->couponValue(), 0.5);
    EXPECT_EQ(context.state.slipMarks.numbers, QStringLiteral("44"));
    ASSERT_FALSE(preview->shownMarks().isEmpty());
    EXPECT_EQ(preview->shownMarks().front().index, 44);
}
