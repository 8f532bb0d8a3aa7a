#include "data/CouponFile.h"
#include "game/Pricing.h"
#include "game/ui/NumberBoard.h"
#include "print/PrinterProfile.h"
#include "print/ReportLayout.h"
#include "print/ui/HolesDlg.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Odds.h"
#include "systems/Optimiser.h"
#include "systems/ui/GuaranteePanel.h"
#include "systems/ui/KataskeuhFrm.h"
#include "systems/ui/OptimiserControl.h"
#include "systems/ui/StandardFrm.h"

#include "ShellFixture.h"
#include "TempDir.h"
#include "TestValues.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

using namespace taru;
using namespace taru::ui;
using taru::test::range;

namespace {

const QString kProgram = QStringLiteral("TARU");
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");

// Runs check on the next modal window once it is up, then closes it.
void onNextModal(std::function<void(QWidget *)> check)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, check] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            check(modal);
            modal->close();
            timer->deleteLater();
        }
    });
    timer->start();
}

class KataskeuhGuaranteeTest : public test::ShellTest {
protected:
    KataskeuhGuaranteeTest()
    {
        standard = std::make_unique<TStandardFrm>(context);
        frm = std::make_unique<TKataskeuhFrm>(context, [this] { return standard.get(); }, [](int, int) {});
        frm->show();
        frm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    }

    void mark(int first, int last)
    {
        for (int n = first; n <= last; ++n)
            QTest::mouseClick(frm->SgrdA, Qt::LeftButton, {}, frm->SgrdA->numberRect(n).center());
    }
    void choose(int game, int guaranteeIndex)
    {
        frm->CmbNums->setCurrentIndex(game - 1);
        Q_EMIT frm->CmbNums->activated(game - 1);
        frm->CmbEggy->setCurrentIndex(guaranteeIndex);
        Q_EMIT frm->CmbEggy->activated(guaranteeIndex);
    }
    // Builds over 1..n and answers the build's message, worked out by the engine on its own.
    std::int64_t build(int n, int game, int guaranteeIndex)
    {
        mark(1, n);
        choose(game, guaranteeIndex);
        bool stop = false;
        const auto count = static_cast<std::int64_t>(
            ConstructSystem({range(1, n), game, game, GuaranteeThreshold(game, guaranteeIndex)}, {}, stop).columns.size());
        prompts.expectMessage(
            ConstructionMessage(MakeConstructionSummary(range(1, n), game, game, QString::number(game),
                                                        GuaranteeItems(game).at(guaranteeIndex),
                                                        ColumnSizeItems().at(game - 1), count, 0.5)),
            kProgram);
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
        return count;
    }
    QStringList protypa() const
    {
        return QDir(data.path() + QStringLiteral("/PROTYPA")).entryList(QDir::Files);
    }

    std::unique_ptr<TStandardFrm> standard;
    std::unique_ptr<TKataskeuhFrm> frm;
};

} // namespace

TEST_F(KataskeuhGuaranteeTest, EveryBuildShowsItsCheckOddsAndCostAndTheReportPrintsTheCheck)
{
    EXPECT_TRUE(frm->Verify->LblCheck->text().isEmpty());
    EXPECT_FALSE(frm->Optimiser->BtnOptimise->isEnabled());

    const std::int64_t count = build(10, 5, 1);
    const GameOdds odds = OddsOfGame(10, 5);
    EXPECT_EQ(frm->Verify->LblCheck->text(), QStringLiteral("Έλεγχος εγγύησης: 100%"));
    EXPECT_EQ(frm->Verify->LblOdds->text(), OddsText(10, 5, odds));
    EXPECT_EQ(frm->Verify->LblCost->text(), GuaranteeCostText(count * 0.5, odds));
    EXPECT_FALSE(frm->Verify->BtnHoles->isEnabled()) << "nothing to list";
    EXPECT_TRUE(frm->Optimiser->BtnOptimise->isEnabled());
    EXPECT_TRUE(frm->LblFound->text().isEmpty()) << "the progress line is cleared after the check";

    // The report carries the line, as the printer gets it.
    PrinterProfile profile;
    const QString profilePath = data.path() + QStringLiteral("/default.tpr");
    ASSERT_TRUE(test::writeAll(profilePath, SerialiseProfile(profile)));
    RecordingCanvas canvas;
    ASSERT_TRUE(PrintConstructorReport(canvas, frm->makeReport(), ReadReportOwner(), profilePath, QLocale::c()).printed);
    QStringList texts;
    for (const RecordingCanvas::Call &call : canvas.texts())
        texts << call.text;
    EXPECT_TRUE(texts.contains(QStringLiteral("Έλεγχος εγγύησης: 100%"))) << texts.join(QLatin1Char('|')).toStdString();

    // Clearing the window forgets the check and the promise.
    prompts.expectAsk(QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου"), kCaptionConfirm, Button::Yes);
    QTest::mouseClick(frm->BtnClear, Qt::LeftButton);
    EXPECT_TRUE(frm->Verify->LblCheck->text().isEmpty());
    EXPECT_TRUE(frm->Verify->LblOdds->text().isEmpty());
    EXPECT_TRUE(frm->makeReport().verificationText.isEmpty());
    EXPECT_FALSE(frm->Optimiser->BtnOptimise->isEnabled());
}

// The holes of hand-made columns, in lexicographic order; at most the first 1000 are listed.
TEST_F(KataskeuhGuaranteeTest, TheHolesButtonListsTheHoles)
{
    const struct {
        SystemColumns columns;
        GuaranteeSetup setup;
        QString heading;
        QStringList first;
        int listed;
    } cases[] = {
        {SystemColumns{{1, 2, 3}, {4, 5, 6}}, {range(1, 6), 3, 3}, QStringLiteral("Ακάλυπτοι συνδυασμοί: 18"),
         {QStringLiteral("1 2 4"), QStringLiteral("1 2 5"), QStringLiteral("1 2 6"), QStringLiteral("1 3 4")}, 18},
        // Guarantee 2 of 3: only the triples with at most one number of each column are holes.
        {SystemColumns{{1, 2, 3}, {4, 5, 6}}, {range(1, 7), 3, 2}, QStringLiteral("Ακάλυπτοι συνδυασμοί: 9"),
         {QStringLiteral("1 4 7"), QStringLiteral("1 5 7"), QStringLiteral("1 6 7"), QStringLiteral("2 4 7")}, 9},
        {SystemColumns{{1, 2, 3, 4}}, {range(1, 20), 4, 4},
         QStringLiteral("Οι πρώτοι 1000 από 4844 ακάλυπτους συνδυασμούς"),
         {QStringLiteral("1 2 3 5"), QStringLiteral("1 2 3 6")}, 1000},
    };
    for (const auto &c : cases) {
        frm->Verify->verify(c.columns, c.setup, {}, 1.0, {});
        ASSERT_TRUE(frm->Verify->BtnHoles->isEnabled());
        EXPECT_TRUE(frm->Verify->LblCheck->text().endsWith(QStringLiteral("συνδυασμοί)")));
        QString heading;
        QStringList lines;
        QString check;
        onNextModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<THolesDlg *>(modal);
            ASSERT_TRUE(dialog);
            heading = dialog->Holes->LblHeading->text();
            lines = dialog->Holes->lines();
            check = dialog->LblCheck->text();
        });
        QTest::mouseClick(frm->Verify->BtnHoles, Qt::LeftButton);
        EXPECT_EQ(heading, c.heading);
        EXPECT_EQ(check, frm->Verify->LblCheck->text());
        ASSERT_EQ(lines.size(), c.listed);
        EXPECT_EQ(lines.mid(0, c.first.size()), c.first);
    }
}

// The stop button during a check ends the check, never the system: the line says so.
TEST_F(KataskeuhGuaranteeTest, AStoppedCheckSaysSo)
{
    frm->Verify->verify(SystemColumns{{1, 2, 3}}, GuaranteeSetup{range(1, 30), 3, 3}, {}, 1.0,
                        [this](std::int64_t, std::int64_t) {
                            ASSERT_TRUE(frm->Verify->checking());
                            frm->BBtnStopClick();
                        });
    EXPECT_FALSE(frm->Verify->checking());
    EXPECT_FALSE(frm->stopRequested()) << "a build's stop would refuse to save the system";
    EXPECT_EQ(frm->Verify->LblCheck->text(), QStringLiteral("Έλεγχος εγγύησης: διακόπηκε"));
    EXPECT_EQ(frm->makeReport().verificationText, frm->Verify->LblCheck->text());
}

// Stopped as soon as it has a smaller system: that system replaces the built one everywhere, the
// greedy library file stays beside the new one, and the window never stopped answering.
TEST_F(KataskeuhGuaranteeTest, AStoppedOptimisationLeavesACompleteSystemThatTheLabelsShow)
{
    const std::int64_t greedy = build(20, 6, 2);
    ASSERT_EQ(protypa().size(), 1);
    const QString greedyFile = protypa().front();
    frm->Optimiser->CmbTime->setCurrentIndex(2); // five minutes: only the stop ends it in time

    struct {
        bool refusedClose = false;
        bool othersLocked = false;
        bool stopShown = false;
        QString progressLine;
        std::optional<OptimiserResult> result;
    } seen;
    auto progress = frm->Optimiser->onProgress;
    frm->Optimiser->onProgress = [&, progress](const OptimiserProgress &p) {
        progress(p);
        if (p.bestColumns < greedy && seen.progressLine.isEmpty()) {
            seen.progressLine = frm->LblFound->text();
            frm->reject();
            seen.refusedClose = frm->isVisible() && frm->isOptimising();
            seen.othersLocked = !frm->BBtnCalc->isEnabled() && !frm->BtnPrint->isEnabled() &&
                                !frm->Optimiser->isEnabled() && !frm->BtnBack->isEnabled();
            seen.stopShown = frm->BBtnStop->isVisible();
            QTest::mouseClick(frm->BBtnStop, Qt::LeftButton);
        }
    };
    auto finished = frm->Optimiser->onFinished;
    frm->Optimiser->onFinished = [&, finished](const OptimiserResult &r) {
        seen.result = r;
        prompts.expectMessage(OptimiserMessage(r), kProgram);
        finished(r);
    };
    QTest::mouseClick(frm->Optimiser->BtnOptimise, Qt::LeftButton);
    EXPECT_TRUE(frm->isOptimising());
    QTRY_VERIFY_WITH_TIMEOUT(!frm->isOptimising(), 20000);
    ASSERT_TRUE(seen.result);

    EXPECT_TRUE(seen.refusedClose);
    EXPECT_TRUE(seen.othersLocked);
    EXPECT_TRUE(seen.stopShown);
    EXPECT_TRUE(seen.progressLine.startsWith(QStringLiteral("Βελτιστοποίηση: "))) << seen.progressLine.toStdString();
    EXPECT_TRUE(seen.result->stopped);
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();

    // The system now in the window keeps the promise, checked here on its own.
    const SystemColumns &columns = context.state.systemColumns;
    const auto count = static_cast<std::int64_t>(columns.size());
    EXPECT_LT(count, greedy);
    EXPECT_EQ(count, static_cast<std::int64_t>(seen.result->columns.size()));
    EXPECT_TRUE(CheckGuarantee(columns, GuaranteeSetup{range(1, 20), 6, 4}).holds());
    for (const SystemColumns::Row column : columns)
        EXPECT_EQ(std::count_if(column.begin(), column.end(), [](std::uint8_t n) { return n != 0; }), 6);

    EXPECT_EQ(frm->LblDeltia->text(), CouponCountText(count));
    EXPECT_EQ(frm->LblBuiltColumns->text(), QStringLiteral("Στήλες : %1").arg(count));
    EXPECT_EQ(frm->LblBuiltCost->text(), QStringLiteral("Κόστος : ") + FormatMoney(count * 0.5));
    EXPECT_EQ(frm->LblPercent->text(), PercentageText(QStringLiteral("6"), count, Combinations(20, 6)));
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : %1").arg(greedy));
    EXPECT_EQ(frm->Verify->LblCheck->text(), QStringLiteral("Έλεγχος εγγύησης: 100%"));
    EXPECT_EQ(frm->Verify->LblCost->text(), GuaranteeCostText(count * 0.5, OddsOfGame(20, 6)));
    EXPECT_EQ(frm->summary().couponCount, count);
    EXPECT_EQ(frm->makeReport().numbersCaption, frm->LblBuiltColumns->text());
    EXPECT_FALSE(frm->BBtnStop->isVisible());
    EXPECT_TRUE(frm->BBtnCalc->isEnabled());

    // The greedy library file stays; the smaller system gets its own, named with its counts.
    const QStringList files = protypa();
    EXPECT_EQ(files.size(), 2);
    EXPECT_TRUE(files.contains(greedyFile));
    EXPECT_TRUE(files.contains(LibrarySystemFileName(frm->summary(), 4, 6, 6, RequiredNumberSet{}, 0.5)))
        << files.join(QLatin1Char(' ')).toStdString();

    // The saved coupon file holds the smaller system.
    const QString path = data.path() + QStringLiteral("/smaller.tru");
    prompts.expectSaveFile(path, kCouponFilter);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    const data::CouponFileData saved = data::ReadCouponFile(path);
    ASSERT_TRUE(saved.valid) << saved.error.toStdString();
    EXPECT_EQ(saved.count, count);
    EXPECT_EQ(static_cast<std::int64_t>(saved.lines.size()), count);
}

// Closing is refused while the search runs; a window destroyed meanwhile takes its thread along.
TEST_F(KataskeuhGuaranteeTest, TheWindowGoesOnlyWithItsSearch)
{
    build(20, 6, 2);
    frm->Optimiser->CmbTime->setCurrentIndex(2);
    QTest::mouseClick(frm->Optimiser->BtnOptimise, Qt::LeftButton);
    ASSERT_TRUE(frm->isOptimising());
    frm->close();
    EXPECT_TRUE(frm->isVisible());
    QTest::qWait(150);
    EXPECT_TRUE(frm->isOptimising());
    frm.reset(); // no message, no thread left behind
    QTest::qWait(50);
}
