#include "base/OwnerSettings.h"
#include "data/SystemFile.h"
#include "game/ui/NumberBoard.h"
#include "print/ReportLayout.h"
#include "print/ui/HolesDlg.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "shell/FeatureWindows.h"
#include "systems/Constructor.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Odds.h"
#include "systems/Optimiser.h"
#include "systems/ui/ConditionsGrid.h"
#include "systems/ui/GuaranteePanel.h"
#include "systems/ui/KataskeuhFrm.h"
#include "systems/ui/OptimiserControl.h"
#include "systems/ui/StandardFrm.h"

#include "ShellFixture.h"
#include "TestValues.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include <iostream>

using namespace taru;
using namespace taru::ui;
using namespace taru::test;

namespace {

const QString kProgram = QStringLiteral("TARU");
const QString kOpenCaption = QStringLiteral("KATA" "ΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TARU   ");
const QString kNamedCaption = kOpenCaption + QStringLiteral("ΣΥΣΤΗΜΑ :");
const QString kConditionsFilter = QStringLiteral("Αρχεία Όρων|*.dlv");
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");
const QString kAskOverwrite = QStringLiteral("Το αρχείο υπάρχει! Να το επανεγγράψω;");
// The question before a build whose full system is over 5,000,000 columns: 80 numbers in 12s.
const QString kAskHugeBuild = QStringLiteral("Το πλήρες σύστημα έχει 60246643120300 στήλες, κόστος 30123321560150.00 Ευρώ.\n"
                                             "Η κατασκευή θα διαρκέσει αρκετά και μπορεί να χρειαστεί έως 722959718 MB μνήμης.\n"
                                             "Να συνεχίσω;");
const QString kSevenFiveOrFour = QStringLiteral("Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  5 ή 4αρι(α) ΣΕ 5αδες\n"
                                                "Βρέθηκαν 3 στήλες   Κόστος : 1.50 Ευρώ  Δελτία : 3");

QStringList texts(std::initializer_list<const QWidget *> widgets)
{
    QStringList out;
    for (const QWidget *w : widgets) {
        const auto *label = qobject_cast<const QLabel *>(w);
        out << (label ? label->text() : qobject_cast<const QLineEdit *>(w)->text());
    }
    return out;
}

// The window shown and active, with its own fixed-numbers dialog; the slips it hands over are
// recorded as (K, count).
class KataskeuhFrmTest : public ShellTest {
protected:
    KataskeuhFrmTest()
    {
        standard = std::make_unique<TStandardFrm>(context);
        owned = std::make_unique<TKataskeuhFrm>(
            context, [this] { return standard.get(); },
            [this](int size, int count) { previews.emplace_back(size, count); });
        showActive(frm = owned.get()); // runs FormShow
    }

    QString folder(const QString &name) const { return QDir(data.path()).filePath(name); }
    QStringList protypa() const { return QDir(folder(QStringLiteral("PROTYPA"))).entryList(QDir::Files); }
    std::vector<int> marked() const { return markedNumbers(context.state.board); }

    void clickNumber(int number)
    {
        QTest::mouseClick(frm->SgrdA, Qt::LeftButton, {}, frm->SgrdA->numberRect(number).center());
    }
    void mark(int first, int last)
    {
        for (int n = first; n <= last; ++n)
            clickNumber(n);
    }
    // A game (1..12) and the index of its guarantee; -1 leaves the guarantee the game chose.
    void choose(int game, int guarantee = -1)
    {
        frm->CmbNums->setCurrentIndex(game - 1);
        Q_EMIT frm->CmbNums->activated(game - 1);
        if (guarantee >= 0) {
            frm->CmbEggy->setCurrentIndex(guarantee);
            Q_EMIT frm->CmbEggy->activated(guarantee);
        }
    }
    void build(const QString &expectedMessage)
    {
        prompts.expectMessage(expectedMessage, kProgram);
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    }
    // The column count and summary message of a build, worked out by the engine on its own.
    std::pair<std::int64_t, QString> expected(int n, int game, int guarantee)
    {
        bool stop = false;
        const auto count = static_cast<std::int64_t>(
            ConstructSystem({range(1, n), game, game, GuaranteeThreshold(game, guarantee)},
                            ColumnConditions::fromEntries(frm->conditionEntries()), stop)
                .columns.size());
        return {count, ConstructionMessage(MakeConstructionSummary(range(1, n), game, game, QString::number(game),
                                                                   GuaranteeItems(game).at(guarantee),
                                                                   ColumnSizeItems().at(game - 1), count, 0.5))};
    }
    // Marks 1..n, chooses, builds and answers the build's message.
    std::int64_t buildOver(int n, int game, int guarantee)
    {
        mark(1, n);
        choose(game, guarantee);
        const auto [count, message] = expected(n, game, guarantee);
        build(message);
        return count;
    }
    // Keys go where the focus is, as typing does.
    void type(const QString &keys)
    {
        typeKeys(keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    void editCell(int row, int column, const QString &keys)
    {
        frm->SGrd->setFocus();
        frm->SGrd->setCurrentCell(row, column);
        type(keys);
    }
    void clear(Button answer)
    {
        prompts.expectAsk(kAskClear, kCaptionConfirm, answer);
        QTest::mouseClick(frm->BtnClear, Qt::LeftButton);
    }
    void expectReset()
    {
        EXPECT_TRUE(marked().empty());
        EXPECT_EQ(frm->systemColumnCount(), 0);
        for (const QComboBox *box : {frm->CmbNums, frm->CmbEggy, frm->CmbSysthma})
            EXPECT_EQ(box->currentIndex(), -1);
        EXPECT_EQ(frm->conditionEntries(), ConditionEntries());
        for (int row = 1; row <= 8; ++row)
            EXPECT_EQ(frm->cell(row, 3), QString()) << row;
        EXPECT_EQ(texts({frm->LblSelected, frm->LblFullColumns, frm->LblBuiltCost, frm->LblEpityxia, frm->LblSe,
                         frm->LblDeltia, frm->LblPrevious, frm->LblNums2}),
                  (QStringList{"Επιλεγμένοι Αριθμοί :", "Στήλες :", "Κόστος :", "ΕΠΙΤΥΧΙΑ", "ΣΕ", "Δελτία : ",
                               "Προηγούμενο μέτρημα : ", ""}));
        for (QToolButton *b : frm->BtnMona)
            EXPECT_FALSE(b->isChecked());
    }

    // Nothing running: stop hidden, no progress, the buttons free again.
    bool idle() const
    {
        return !frm->BBtnStop->isVisible() && frm->PrgFill->value() == 0 && frm->BBtnCalc->isEnabled() &&
               frm->BtnBack->isEnabled() && !frm->isBuilding() && !frm->isOptimising();
    }

    std::vector<std::pair<int, int>> previews;
    std::unique_ptr<TStandardFrm> standard;
    std::unique_ptr<TKataskeuhFrm> owned;
    TKataskeuhFrm *frm;
};

} // namespace

TEST_F(KataskeuhFrmTest, OpensResetWithTheOwnersCaptionAndTheFormsControls)
{
    frm->hide();
    owner::write({QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QString(), QString(), QString()});
    context.state.board[4] = true;
    context.state.slipMarks.multipliers = QStringLiteral("1,2");
    context.state.winningColumn[3] = QStringLiteral("17");
    context.state.systemColumns = {{1, 2, 3}};
    frm->show();
    EXPECT_EQ(frm->windowTitle(), kOpenCaption + QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    expectReset();
    EXPECT_TRUE(context.state.slipMarks.multipliers.isEmpty());
    EXPECT_EQ(context.state.winningColumn[3], QStringLiteral("-"));
    QTest::mouseClick(frm->glBBtnhELP, Qt::LeftButton);
    QTest::mouseClick(frm->LMDShapeButton1, Qt::LeftButton);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/MADE.htm")});
    EXPECT_EQ(calculatorStarts, 1);
    for (QWidget *w : frm->findChildren<QPushButton *>())
        EXPECT_TRUE(frm->rect().contains(w->geometry())) << w->objectName().toStdString();
}

TEST_F(KataskeuhFrmTest, BoardClicksDecadeButtonsAndGameChoiceRecount)
{
    mark(1, 7);
    clickNumber(7);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 6"));
    clickNumber(7);
    choose(5);
    EXPECT_EQ(texts({frm->LblSelected, frm->LblEpityxia, frm->LblSe, frm->LblFullColumns, frm->LblFullCost,
                     frm->LblBuiltColumns}),
              (QStringList{"Επιλεγμένοι Αριθμοί : 7", "100%  5αρι", "ΣΕ 5αδες", "Στήλες : 21", "Κόστος : 10.50",
                           "Στήλες : 0"}));
    // The expansion cannot leave the game.
    frm->CmbSysthma->setCurrentIndex(2);
    Q_EMIT frm->CmbSysthma->activated(2);
    EXPECT_EQ(frm->CmbSysthma->currentIndex(), 4);

    // "Μ" of row 2 marks 11, 13, ..., 19; up again, it unmarks them; "Ζ" of row 8 marks 72..80.
    QTest::mouseClick(frm->BtnMona[1], Qt::LeftButton);
    EXPECT_EQ(texts({frm->LblSelected, frm->LblFullColumns}), (QStringList{"Επιλεγμένοι Αριθμοί : 12", "Στήλες : 792"}));
    QTest::mouseClick(frm->BtnZyga[7], Qt::LeftButton);
    QTest::mouseClick(frm->BtnMona[1], Qt::LeftButton);
    EXPECT_EQ(marked(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 72, 74, 76, 78, 80}));
    // Pressing "Μ" of the first row down marks its odd numbers whatever they were.
    QTest::mouseClick(frm->BtnMona[0], Qt::LeftButton);
    EXPECT_EQ(marked(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 72, 74, 76, 78, 80}));
}

// One path: the refusals before a build; the build with its labels, its check and its library
// file; the coupon file and the slips; a clear that forgets the check; too few numbers.
TEST_F(KataskeuhFrmTest, BuildsTheGreedySystemThenSavesAndPrintsIt)
{
    prompts.expectMessage(QStringLiteral("Δεν έχετε στήλες για αποθήκευση"), kProgram);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    prompts.expectMessage(QStringLiteral("Δεν έχετε στήλες για δελτία!"), kCaptionInfo);
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_TRUE(previews.empty());
    EXPECT_FALSE(frm->Optimiser->BtnOptimise->isEnabled());

    // Without a game and a guarantee nothing is built, whatever the expansion says.
    mark(1, 7);
    frm->CmbSysthma->setCurrentIndex(4);
    prompts.expectMessage(QStringLiteral("Παρακαλώ επιλέξτε παιχνίδι"), kProgram);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    // A cell that is not a number: no message, and the attempt never starts.
    choose(5, 1);
    frm->setCell(kRangeRow, 2, QStringLiteral("7x"));
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_TRUE(idle());
    EXPECT_EQ(frm->systemColumnCount(), 0);
    EXPECT_TRUE(protypa().isEmpty());

    frm->setCell(kRangeRow, 2, QStringLiteral("79"));
    build(kSevenFiveOrFour);
    EXPECT_EQ(context.state.systemColumns, (SystemColumns{{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}, {1, 4, 5, 6, 7}}));
    EXPECT_EQ(texts({frm->LblEpityxia, frm->LblDeltia, frm->LblPercent, frm->LblPrevious, frm->LblBuiltColumns,
                     frm->LblBuiltCost, frm->LblFound}),
              (QStringList{"100%  5 ή 4αρι(α)", "Δελτία : 3", "Ποσοστό για 5άρι : 14.29%", "Προηγούμενο μέτρημα : 0",
                           "Στήλες : 3", "Κόστος : 1.50", ""}));
    // Every build is checked; with nothing to list, holes stays off.
    const GameOdds odds = OddsOfGame(7, 5);
    EXPECT_EQ(texts({frm->Verify->LblCheck, frm->Verify->LblOdds, frm->Verify->LblCost}),
              (QStringList{"Έλεγχος εγγύησης: 100%", OddsText(7, 5, odds), GuaranteeCostText(1.5, odds)}));
    EXPECT_FALSE(frm->Verify->BtnHoles->isEnabled());
    EXPECT_TRUE(frm->Optimiser->BtnOptimise->isEnabled());
    EXPECT_EQ(protypa(), QStringList{QStringLiteral("A7455_7_4_5_3_150_3_1429_5.tbi")});
    EXPECT_EQ(readAll(QDir(folder("PROTYPA")).filePath(protypa().value(0))),
              QByteArray("1 2 3 4 5 \r\n1 2 3 6 7 \r\n1 4 5 6 7 \r\n"));

    context.state.slipMarks.multipliers = QStringLiteral("1,3");
    context.state.slipMarks.drawColumn = 2;
    context.state.slipMarks.drawRow = 4;
    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("sys.tru"));
    prompts.expectSaveFile(path, kCouponFilter);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    EXPECT_EQ(readAll(path), QByteArray("3\r\n5\r\n1,3\r\n2\r\n4\r\n1,2,3,4,5\r\n1,2,3,6,7\r\n1,4,5,6,7\r\n"));

    // The slips: the multiplier marks go, the preview gets K and the count.
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_EQ(previews, (std::vector<std::pair<int, int>>{{5, 3}}));
    EXPECT_TRUE(context.state.slipMarks.multipliers.isEmpty());
    EXPECT_EQ(context.state.slipMarks.drawColumn, 2);

    clear(Button::Yes);
    EXPECT_EQ(texts({frm->Verify->LblCheck, frm->Verify->LblOdds}), (QStringList{"", ""}));
    EXPECT_FALSE(frm->Optimiser->BtnOptimise->isEnabled());
    // n < K: no candidate at all, and no library file.
    mark(1, 3);
    choose(5);
    build(QStringLiteral("Επιλεγμένοι Αριθμοί : 3   Εγγυημένη Επιτυχία 100%  5αρι ΣΕ 5αδες\n"
                         "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"));
    EXPECT_EQ(frm->systemColumnCount(), 0);
    EXPECT_EQ(texts({frm->LblDeltia, frm->LblPercent, frm->LblPrevious}),
              (QStringList{"Δελτία : 0", "Ποσοστό για 5άρι :%", "Προηγούμενο μέτρημα : 0"}));
    EXPECT_EQ(protypa().size(), 1);
}

// The library file's name carries the first required-number set; an existing file is rewritten on
// Yes only. The report is made of the last build and the conditions.
TEST_F(KataskeuhFrmTest, LibraryFileNameOverwriteQuestionAndReport)
{
    QTest::mouseClick(frm->BBtnReport, Qt::LeftButton); // nothing built: nothing happens
    const std::int64_t count = buildOver(10, 5, 1);
    const QString message = expected(10, 5, 1).second;
    ASSERT_EQ(protypa().size(), 1);
    EXPECT_TRUE(protypa().at(0).startsWith(QStringLiteral("A10455_10_4_5_"))) << protypa().at(0).toStdString();
    const QString path = QDir(folder("PROTYPA")).filePath(protypa().at(0));
    EXPECT_EQ(readAll(path), data::SystemFileBytes(context.state.systemColumns));

    // No keeps the old file, Yes rewrites it; the first build's count is now the previous one.
    ASSERT_TRUE(writeAll(path, "old"));
    prompts.expectMessage(message, kProgram).expectAsk(kAskOverwrite, kCaptionConfirm, Button::No);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(readAll(path), QByteArray("old"));
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : %1").arg(count));
    prompts.expectMessage(message, kProgram).expectAsk(kAskOverwrite, kCaptionConfirm, Button::Yes);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(readAll(path), data::SystemFileBytes(context.state.systemColumns));

    // With a first required-number set from 1 to 2 the name starts with Z and ends with _1$2.
    QDir(folder("PROTYPA")).removeRecursively();
    editCell(kOddRow, 1, QStringLiteral("1"));
    frm->LblNums->setText(QStringLiteral("1,2,3"));
    frm->Edit2->setText(QStringLiteral("1"));
    frm->Edit3->setText(QStringLiteral("2"));
    frm->LblNums4->setText(QStringLiteral("6,7")); // 0..0: off
    build(expected(10, 5, 1).second);
    ASSERT_EQ(protypa().size(), 1);
    EXPECT_TRUE(protypa().at(0).startsWith(QStringLiteral("Z10455")) && protypa().at(0).endsWith(QStringLiteral("_1$2.tbi")))
        << protypa().at(0).toStdString();

    const ConstructorReport report = frm->makeReport();
    EXPECT_EQ((QStringList{report.game, report.count, report.guaranteeText, report.numbersCaption, report.groups[0].name}),
              (QStringList{"5", "10", "100%  5 ή 4αρι(α)", frm->LblBuiltColumns->text(), "1,2,3"}));
    EXPECT_EQ(report.numberLines, QStringList{QStringLiteral("1  2  3  4  5  6  7  8  9  10")});
    ASSERT_EQ(report.conditionRows.size(), 8);
    const std::vector<bool> active{report.conditionRows[0].active, report.conditionRows[1].active,
                                   report.groups[0].active, report.groups[3].active};
    EXPECT_EQ(active, (std::vector<bool>{false, true, true, false}));
    // A bad cell is reported before anything is printed.
    frm->setCell(kSumRow, 1, QString());
    prompts.expectMessage(QStringLiteral("'' is not a valid integer value"), kProgram);
    QTest::mouseClick(frm->BBtnReport, Qt::LeftButton);
}

// Typed conditions, then saved, cleared (No keeps everything, Yes resets) and loaded again: the
// setup is whole; a load cancelled still resets.
TEST_F(KataskeuhFrmTest, GridEntryThenConditionsSaveClearAndLoad)
{
    // Each edit, in order: letters never reach a cell; 950 in the sum's upper bound becomes 900;
    // to follows from; back to the neutral range the marker goes; the names cannot be typed over.
    const struct {
        int row, column;
        const char *keys, *from, *to, *on;
    } edits[] = {
        {kSumRow, 2, "9x5a0", nullptr, "900", "ON"}, {kOddRow, 1, "7", "7", nullptr, "ON"},
        {kOddRow, 2, "3", "7", "7", "ON"},           {kOddRow, 1, "0", nullptr, nullptr, nullptr},
        {kOddRow, 2, "12", nullptr, nullptr, ""},    {kRangeRow, 0, "12", nullptr, nullptr, nullptr},
    };
    for (const auto &e : edits) {
        editCell(e.row, e.column, QString::fromLatin1(e.keys));
        for (const auto &[column, text] : {std::pair{1, e.from}, std::pair{2, e.to}, std::pair{3, e.on}})
            EXPECT_TRUE(!text || frm->cell(e.row, column) == QString::fromUtf8(text))
                << e.keys << " column " << column << ": " << frm->cell(e.row, column).toStdString();
    }
    EXPECT_EQ(frm->cell(kRangeRow, 0), QStringLiteral("ΕΥΡΟΣ ΣΤΗΛΗΣ"));
    // Tab still moves on, to a cell that can be typed into.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(frm->SGrd->currentColumn(), 1);
    type(QStringLiteral("85"));
    EXPECT_EQ((QStringList{frm->cell(kRangeRow, 1), frm->cell(kRangeRow, 2), frm->cell(kRangeRow, 3)}),
              (QStringList{"79", "79", "ON"}));

    for (int n : {3, 10, 20, 33, 41, 55, 80})
        clickNumber(n);
    choose(4, 2);
    frm->LblNums4->setText(QStringLiteral("55,80"));
    frm->EdtEos4->setText(QStringLiteral("1"));
    const ConstructorSetup saved = frm->currentSetup();

    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("Δοκιμή.v2.dlv"));
    prompts.expectSaveFile(path, kConditionsFilter);
    QTest::mouseClick(frm->BBtnSaveOroi, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, folder("DELTIA"));
    EXPECT_EQ(frm->windowTitle(), kNamedCaption + QStringLiteral("Δοκιμή"));

    clear(Button::No);
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(frm->currentSetup(), saved);
    clear(Button::Yes);
    expectReset();

    prompts.expectOpenFile(path, kConditionsFilter);
    QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
    EXPECT_EQ(frm->currentSetup(), saved);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 7"));
    EXPECT_EQ(frm->windowTitle(), kNamedCaption + QStringLiteral("Δοκιμή"));
    EXPECT_EQ(QApplication::focusWidget(), frm->BBtnCalc);

    prompts.expectOpenFile(std::nullopt, kConditionsFilter);
    QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
    expectReset();
}

TEST_F(KataskeuhFrmTest, ADamagedConditionsFileSaysSoAndLeavesTheWindowReset)
{
    // Game 13 would build a full system without a test, filed as T = 0.
    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("damaged.dlv"));
    ASSERT_TRUE(QDir().mkpath(folder("DELTIA")));
    ConstructorSetup setup;
    std::fill_n(setup.board.begin(), 7, true);
    setup.gameText = QStringLiteral("13");
    setup.guaranteeText = QStringLiteral("100%  5αρι");
    SaveConditions(path, setup);
    prompts.expectOpenFile(path, kConditionsFilter);
    prompts.expectMessage(kDamagedConditionsFile + QDir::toNativeSeparators(path) +
                              QStringLiteral(" (παιχνίδι \"13\" αντί για 1 έως 12)"),
                          kProgram);
    QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
    expectReset();
    EXPECT_EQ(frm->windowTitle(), kOpenCaption + owner::title());
}

TEST_F(KataskeuhFrmTest, EveryGuaranteeTextFitsItsLabelWithTheFontsInstalled)
{
    // Games 11 and 12 have the longest texts ("100%  12 ή 11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)").
    for (int game = 1; game <= 12; ++game) {
        for (int index = 0; index < int(GuaranteeItems(game).size()); ++index) {
            choose(game, index);
            for (const QLabel *label : {frm->LblEpityxia, frm->LblSe})
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
                    << label->text().toStdString();
        }
    }
    // A short text gets the label's own font back.
    choose(1);
    EXPECT_EQ(frm->LblEpityxia->font(), frm->LblDeltia->font());
}

// A build of a full system over 5,000,000 columns waits for the question (No by default: nothing
// is built). The build keeps the window alive: stop shows, the rest is locked, closing is refused, and a
// press of stop ends the build at once with no result, whether it is accepting columns or
// rejecting every candidate. Twelve odd numbers always add up to an even sum, so no column meets
// an odd sum of 481, yet each condition alone can be met: the search cannot rule out whole
// branches early and rejects its candidates one by one.
TEST_F(KataskeuhFrmTest, StopEndsAnEndlessBuildAtOnceWithNoResult)
{
    const struct {
        const char *what;
        int guarantee;
        QString message, found;
    } cases[] = {
        {"accepting columns", 1,
         QStringLiteral("Επιλεγμένοι Αριθμοί : 80   Εγγυημένη Επιτυχία 100%  12 ή 11αρι(α) ΣΕ 12αδες\n"
                        "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"),
         QString()},
        {"rejecting every candidate", 0,
         QStringLiteral("Επιλεγμένοι Αριθμοί : 80   Εγγυημένη Επιτυχία 100%  12αρι ΣΕ 12αδες\n"
                        "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"),
         QStringLiteral("Στήλες που έχουν βρεθεί : 0")},
    };
    for (const auto &c : cases) {
        if (!marked().empty())
            clear(Button::Yes);
        mark(1, 80);
        choose(12, c.guarantee);
        if (!c.found.isEmpty()) {
            editCell(kOddRow, 1, QStringLiteral("12"));
            editCell(kSumRow, 1, QStringLiteral("481"));
            editCell(kSumRow, 2, QStringLiteral("481"));
        }
        prompts.expectAsk(kAskHugeBuild, kCaptionConfirm, Button::No);
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
        EXPECT_EQ(prompts.lastDefault, Button::No); // and no build, or its message would show
        prompts.expectAsk(kAskHugeBuild, kCaptionConfirm, Button::Yes);
        prompts.expectMessage(c.message, kProgram);

        bool seen = false, stopShown = false, othersLocked = true, closeRefused = false;
        int progressMaximum = 0;
        QString found;
        qint64 stopPressedAt = 0;
        QElapsedTimer clock;
        QTimer::singleShot(300, frm, [&] {
            seen = true;
            stopShown = frm->BBtnStop->isVisible() && frm->BBtnStop->isEnabled();
            for (QWidget *w : std::initializer_list<QWidget *>{frm->BBtnCalc, frm->BtnPrint, frm->BBtnSave,
                                                               frm->BBtnReport, frm->BBtnSaveOroi, frm->BBtnLoadOroi,
                                                               frm->BtnClear, frm->BtnBack, frm->SgrdA, frm->CmbNums,
                                                               frm->SGrd, frm->LMDDockSpeedButton3})
                othersLocked = othersLocked && !w->isEnabled();
            frm->close();
            closeRefused = frm->isVisible();
            progressMaximum = frm->PrgFill->maximum();
            found = frm->LblFound->text();
            stopPressedAt = clock.elapsed();
            QTest::mouseClick(frm->BBtnStop, Qt::LeftButton);
        });
        clock.start();
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
        const qint64 afterStop = clock.elapsed() - stopPressedAt;
        std::cout << "[ measure  ] build ended " << afterStop << " ms after the stop (" << c.what << ")\n";

        ASSERT_TRUE(seen) << c.what;
        EXPECT_TRUE(stopShown && othersLocked && closeRefused) << c.what;
        EXPECT_EQ(progressMaximum, 10'000'000);
        EXPECT_TRUE(c.found.isEmpty() ? found.startsWith(QStringLiteral("Στήλες που έχουν βρεθεί : ")) : found == c.found)
            << found.toStdString();
        EXPECT_LT(afterStop, 2000) << c.what;
        // Idle again, without a result.
        EXPECT_TRUE(idle() && frm->isVisible());
        EXPECT_EQ(frm->systemColumnCount(), 0);
        EXPECT_TRUE(protypa().isEmpty());
    }
}

// ---- the guarantee check and the optimiser -------------------------------------------------

// The holes of hand-made columns, in lexicographic order; at most the first 1000 are listed.
TEST_F(KataskeuhFrmTest, TheHolesButtonListsTheFirstThousandAndAStoppedCheckSaysSo)
{
    frm->Verify->verify(SystemColumns{{1, 2, 3, 4}}, GuaranteeSetup{range(1, 20), 4, 4}, {}, 1.0, {});
    ASSERT_TRUE(frm->Verify->BtnHoles->isEnabled());
    QStringList shown;
    QStringList lines;
    QTimer::singleShot(0, frm, [&] {
        auto *dialog = qobject_cast<THolesDlg *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        shown = texts({dialog->Holes->LblHeading, dialog->LblCheck});
        lines = dialog->Holes->lines();
        dialog->accept();
    });
    QTest::mouseClick(frm->Verify->BtnHoles, Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{"Οι πρώτοι 1000 από 4844 ακάλυπτους συνδυασμούς", frm->Verify->LblCheck->text()}));
    ASSERT_EQ(lines.size(), 1000);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{"1 2 3 5", "1 2 3 6"}));
    EXPECT_EQ(lines.last(), QStringLiteral("2 3 6 7"));

    // The stop button during a check ends the check, never the system: the line says so.
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
TEST_F(KataskeuhFrmTest, AStoppedOptimisationLeavesACompleteSystemThatTheLabelsShow)
{
    const std::int64_t greedy = buildOver(20, 6, 2);
    ASSERT_EQ(protypa().size(), 1);
    const QString greedyFile = protypa().front();
    frm->Optimiser->CmbTime->setCurrentIndex(2); // five minutes: only the stop ends it in time

    bool lockedWhileRunning = false;
    QString progressLine;
    std::optional<OptimiserResult> result;
    auto progress = frm->Optimiser->onProgress;
    frm->Optimiser->onProgress = [&, progress](const OptimiserProgress &p) {
        progress(p);
        if (p.bestColumns < greedy && progressLine.isEmpty()) {
            progressLine = frm->LblFound->text();
            frm->reject();
            lockedWhileRunning = frm->isVisible() && frm->isOptimising() && !frm->BBtnCalc->isEnabled() &&
                                 !frm->BtnPrint->isEnabled() && !frm->Optimiser->isEnabled() &&
                                 !frm->BtnBack->isEnabled() && frm->BBtnStop->isVisible();
            QTest::mouseClick(frm->BBtnStop, Qt::LeftButton);
        }
    };
    auto finished = frm->Optimiser->onFinished;
    frm->Optimiser->onFinished = [&, finished](const OptimiserResult &r) {
        result = r;
        prompts.expectMessage(OptimiserMessage(r), kProgram);
        finished(r);
    };
    QTest::mouseClick(frm->Optimiser->BtnOptimise, Qt::LeftButton);
    EXPECT_TRUE(frm->isOptimising());
    QTRY_VERIFY_WITH_TIMEOUT(!frm->isOptimising(), 20000);
    ASSERT_TRUE(result);
    EXPECT_TRUE(lockedWhileRunning);
    EXPECT_TRUE(progressLine.startsWith(QStringLiteral("Βελτιστοποίηση: "))) << progressLine.toStdString();
    EXPECT_TRUE(result->stopped);

    // The system now in the window keeps the promise, checked here on its own.
    const SystemColumns &columns = context.state.systemColumns;
    const auto count = static_cast<std::int64_t>(columns.size());
    EXPECT_LT(count, greedy);
    EXPECT_TRUE(CheckGuarantee(columns, GuaranteeSetup{range(1, 20), 6, 4}).holds());
    EXPECT_EQ(texts({frm->LblDeltia, frm->LblBuiltColumns, frm->LblPrevious, frm->Verify->LblCheck, frm->Verify->LblCost}),
              (QStringList{CouponCountText(count), QStringLiteral("Στήλες : %1").arg(count),
                           QStringLiteral("Προηγούμενο μέτρημα : %1").arg(greedy), "Έλεγχος εγγύησης: 100%",
                           GuaranteeCostText(count * 0.5, OddsOfGame(20, 6))}));
    EXPECT_TRUE(idle());

    // The greedy library file stays; the smaller system gets its own, named with its counts.
    const QStringList files = protypa();
    EXPECT_EQ(files.size(), 2);
    EXPECT_TRUE(files.contains(greedyFile));
    EXPECT_TRUE(files.contains(LibrarySystemFileName(frm->summary(), 4, 6, 6, RequiredNumberSet{}, 0.5)))
        << files.join(QLatin1Char(' ')).toStdString();
}

// A window destroyed while its search runs takes the thread along (closing it is refused: above).
TEST_F(KataskeuhFrmTest, TheWindowGoesOnlyWithItsSearch)
{
    buildOver(20, 6, 2);
    frm->Optimiser->CmbTime->setCurrentIndex(2);
    QTest::mouseClick(frm->Optimiser->BtnOptimise, Qt::LeftButton);
    ASSERT_TRUE(frm->isOptimising());
    owned.reset(); // no message, no thread left behind
    QTest::qWait(50);
}

// ---- the fixed-numbers dialog -------------------------------------------------------------

class StandardFrmTest : public KataskeuhFrmTest {
protected:
    void clickIn(int number)
    {
        QTest::mouseClick(standard->SgrdA, Qt::LeftButton, {}, standard->SgrdA->numberRect(number).center());
    }
    // Runs body inside the modal dialog once it shows, then presses closeWith.
    void whileOpen(std::function<void()> body, QPushButton *TStandardFrm::*closeWith)
    {
        QTimer::singleShot(0, standard.get(), [this, body, closeWith] {
            EXPECT_TRUE(standard->isVisible());
            body();
            QTest::mouseClick(standard.get()->*closeWith, Qt::LeftButton);
        });
    }
};

TEST_F(StandardFrmTest, OnlyNumbersOfThePoolReactAndTheBoundsFollowTheCount)
{
    std::fill_n(context.state.board.begin(), 14, true);
    standard->Reset();
    showActive(standard.get());

    // Keys are filtered and Enter moves on without closing the dialog.
    standard->Edit2->setFocus();
    standard->Edit2->clear();
    QTest::keyClicks(standard->Edit2, QStringLiteral("1a-2 "));
    QTest::keyClick(standard->Edit2, Qt::Key_Backspace);
    EXPECT_EQ(standard->Edit2->text(), QStringLiteral("1"));
    QTest::keyClick(standard->Edit2, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), standard->Edit3);
    EXPECT_TRUE(standard->isVisible());

    clickIn(40); // not in the pool
    EXPECT_FALSE(standard->isSelected(40));
    for (int n : {5, 1, 3})
        clickIn(n);
    EXPECT_EQ(standard->SelectedText(), QStringLiteral("1,3,5"));
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("3"));
    clickIn(3);
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("2"));
    clickIn(3);

    // With 3 selected. "Έως": 5 typed gives 3; from above to gives from, then the count; not a
    // number, 0. "Από": above "Έως" it takes "Έως"; not a number, it becomes 0.
    const struct {
        bool to;
        const char *from, *upTo, *expected;
    } cases[] = {
        {true, "0", "5", "3"}, {true, "2", "1", "2"}, {true, "x", "2", "0"},
        {false, "4", "2", "2"}, {false, "1", "2", "1"}, {false, "3", "z", "0"},
    };
    for (const auto &c : cases) {
        standard->Edit2->setText(QLatin1String(c.from));
        standard->Edit3->setText(QLatin1String(c.upTo));
        c.to ? standard->Edit3Exit() : standard->Edit2Exit();
        EXPECT_EQ((c.to ? standard->Edit3 : standard->Edit2)->text(), QLatin1String(c.expected)) << c.from << ".." << c.upTo;
    }

    // From ten selected on, every click brings the box and "Έως" stays as typed.
    for (int n : {2, 4, 6, 7, 8, 9})
        clickIn(n);
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("9"));
    for (int n : {10, 11, 12}) {
        prompts.expectMessage(QStringLiteral("Δώστε τώρα τα όρια σας για τους επιλεγμένους αριθμούς"), kCaptionInfo);
        clickIn(n);
    }
    EXPECT_EQ(standard->SelectedCount(), 12);
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("9"));
    standard->Edit2->setText(QStringLiteral("0"));
    standard->Edit3->setText(QStringLiteral("13"));
    standard->Edit3Exit();
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("12"));
    standard->hide();
}

TEST_F(StandardFrmTest, TheConstructorsSetIsExchangedOnOkAndKeptOnCancel)
{
    mark(1, 5);
    frm->LblNums->setText(QStringLiteral("2,40"));
    frm->Edit2->setText(QStringLiteral("1"));
    frm->Edit3->setText(QStringLiteral("1"));

    // Cancel: whatever was changed in the dialog, the set stays.
    whileOpen(
        [this] {
            EXPECT_TRUE(standard->isSelected(2));
            EXPECT_TRUE(standard->isSelected(40)); // listed, though no longer marked
            EXPECT_EQ(standard->Edit2->text(), QStringLiteral("1"));
            clickIn(4);
        },
        &TStandardFrm::BtnCancel);
    QTest::mouseClick(frm->LMDDockSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(texts({frm->LblNums, frm->Edit2, frm->Edit3}), (QStringList{"2,40", "1", "1"}));

    // OK: the selection ascending, the edits copied back.
    whileOpen(
        [this] {
            EXPECT_FALSE(standard->isSelected(4)); // reset on every opening
            clickIn(4);
            clickIn(40); // not in the pool any more: it cannot be taken out either
        },
        &TStandardFrm::BtnOK);
    QTest::mouseClick(frm->LMDDockSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(texts({frm->LblNums, frm->Edit2, frm->Edit3}), (QStringList{"2,4,40", "1", "3"}));

    // The fourth row, emptied.
    frm->LblNums4->setText(QStringLiteral("3"));
    whileOpen([this] { clickIn(3); }, &TStandardFrm::BtnOK);
    QTest::mouseClick(frm->LMDDockSpeedButton4, Qt::LeftButton);
    EXPECT_EQ(texts({frm->LblNums4, frm->EdtEos4}), (QStringList{"", "0"}));
}

// The real windows: the required-number buttons open the program's fixed-numbers dialog, and the
// slips go to the produced-system preview, which is handed K and the column count.
TEST_F(KataskeuhFrmTest, TheRealWindowsAreCreatedAndLinked)
{
    FeatureWindows windows(context);
    auto *fixed = FeatureWindows::as<TStandardFrm>(windows.StandardFrm);
    ASSERT_TRUE(fixed);
    owned->hide();
    ASSERT_TRUE(frm = FeatureWindows::as<TKataskeuhFrm>(windows.KataskeuhFrm));
    showActive(frm);
    bool fixedShown = false;
    QTimer::singleShot(0, fixed, [&] {
        fixedShown = fixed->isVisible();
        fixed->reject();
    });
    QTest::mouseClick(frm->LMDDockSpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(fixedShown);

    mark(1, 7);
    choose(5, 1);
    build(kSevenFiveOrFour);
    auto *preview = FeatureWindows::as<TPrnPrevEGGYFrm>(windows.PrnPrevEGGYFrm);
    ASSERT_NE(preview, nullptr);
    bool previewShown = false;
    QTimer::singleShot(0, preview, [&] {
        previewShown = preview->isVisible();
        preview->accept();
    });
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_TRUE(previewShown);
    EXPECT_EQ((std::vector<int>{preview->game(), preview->couponCount()}), (std::vector<int>{5, 3}));
    EXPECT_EQ(preview->couponMarks(2).numbers, QStringLiteral("1,2,3,6,7"));
    frm->hide();
}
