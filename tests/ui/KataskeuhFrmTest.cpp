#include "base/AppPaths.h"
#include "base/OwnerSettings.h"
#include "window/AppContext.h"
#include "shell/FeatureWindows.h"
#include "data/SystemFile.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "systems/Constructor.h"
#include "systems/ui/ConditionsGrid.h"
#include "systems/ui/KataskeuhFrm.h"
#include "systems/ui/StandardFrm.h"

#include "ScriptedPrompts.h"
#include "ShellFixture.h"
#include "TempDir.h"
#include "TestValues.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <iostream>

using namespace taru;
using namespace taru::ui;
using taru::test::ScriptedPrompts;
using taru::test::range;

namespace {

const QString kProgram = QStringLiteral("TARU");
const QString kConfirm = QStringLiteral("Επιβεβαίωση");
const QString kInfo = QStringLiteral("Ενημέρωση");
const QString kOpenCaption = QStringLiteral("KATA" "ΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TARU   ");
const QString kNamedCaption = QStringLiteral("KATA" "ΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TARU   ΣΥΣΤΗΜΑ :");
const QString kConditionsFilter = QStringLiteral("Αρχεία Όρων|*.dlv");
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");
const QString kAskOverwrite = QStringLiteral("Το αρχείο υπάρχει! Να το επανεγγράψω;");
// The question before a build whose full system is over 5,000,000 columns: 80 numbers in 12s.
const QString kAskHugeBuild = QStringLiteral("Το πλήρες σύστημα έχει 60246643120300 στήλες, κόστος 30123321560150.00 Ευρώ.\n"
                                             "Η κατασκευή θα διαρκέσει αρκετά και μπορεί να χρειαστεί έως 722959718 MB μνήμης.\n"
                                             "Να συνεχίσω;");
const QString kGiveLimits = QStringLiteral("Δώστε τώρα τα όρια σας για τους επιλεγμένους αριθμούς");

class KataskeuhFrmTest : public test::ShellTest {
protected:
    KataskeuhFrmTest()
    {
        standard = std::make_unique<TStandardFrm>(context);
        frm = std::make_unique<TKataskeuhFrm>(
            context, [this] { return standard.get(); },
            [this](int size, int count) { previews.emplace_back(size, count); });
        frm->show(); // runs FormShow
        frm->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frm.get()));
    }

    SharedState &state() { return context.state; }
    QString folder(const QString &name) const { return QDir(data.path()).filePath(name); }
    QStringList protypa() const { return QDir(folder(QStringLiteral("PROTYPA"))).entryList(QDir::Files); }

    void clickNumber(int number)
    {
        QTest::mouseClick(frm->SgrdA, Qt::LeftButton, {}, frm->SgrdA->numberRect(number).center());
    }
    void markRange(int first, int last)
    {
        for (int n = first; n <= last; ++n)
            clickNumber(n);
    }
    void chooseGame(int game)
    {
        frm->CmbNums->setCurrentIndex(game - 1);
        Q_EMIT frm->CmbNums->activated(game - 1);
    }
    void chooseGuarantee(int index)
    {
        frm->CmbEggy->setCurrentIndex(index);
        Q_EMIT frm->CmbEggy->activated(index);
    }
    void build(const QString &expectedMessage)
    {
        prompts.expectMessage(expectedMessage, kProgram);
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    }
    // Keys go where the focus is, as typing does.
    void type(const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    void editCell(int row, int column, const QString &keys)
    {
        frm->SGrd->setFocus();
        frm->SGrd->setCurrentCell(row, column);
        type(keys);
        pressEnter();
    }
    // The summary message of a build, worked out by the engine on its own.
    QString messageOf(const std::vector<std::uint8_t> &pool, int game, int guaranteeIndex,
                      const ConditionEntries &entries = ConditionEntries())
    {
        bool stop = false;
        const auto count = static_cast<std::int64_t>(
            ConstructSystem({pool, game, game, GuaranteeThreshold(game, guaranteeIndex)},
                            ColumnConditions::fromEntries(entries), stop)
                .columns.size());
        return ConstructionMessage(MakeConstructionSummary(pool, game, game, QString::number(game),
                                                           GuaranteeItems(game).at(guaranteeIndex),
                                                           ColumnSizeItems().at(game - 1), count, 0.5));
    }
    std::vector<int> marked() const { return test::markedNumbers(context.state.board); }
    void expectReset()
    {
        EXPECT_TRUE(marked().empty());
        EXPECT_EQ(frm->systemColumnCount(), 0);
        EXPECT_EQ(frm->CmbNums->currentIndex(), -1);
        EXPECT_EQ(frm->CmbEggy->currentIndex(), -1);
        EXPECT_EQ(frm->CmbSysthma->currentIndex(), -1);
        EXPECT_EQ(frm->conditionEntries(), ConditionEntries());
        for (int row = 1; row <= 8; ++row) {
            EXPECT_EQ(frm->cell(row, 0), ConditionOf(row).name);
            EXPECT_EQ(frm->cell(row, 3), QString()) << row;
        }
        EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί :"));
        EXPECT_EQ(frm->LblFullColumns->text(), QStringLiteral("Στήλες :"));
        EXPECT_EQ(frm->LblBuiltCost->text(), QStringLiteral("Κόστος :"));
        EXPECT_EQ(frm->LblEpityxia->text(), QStringLiteral("ΕΠΙΤΥΧΙΑ"));
        EXPECT_EQ(frm->LblSe->text(), QStringLiteral("ΣΕ"));
        EXPECT_EQ(frm->LblDeltia->text(), QStringLiteral("Δελτία : "));
        EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : "));
        for (QToolButton *b : frm->BtnMona)
            EXPECT_FALSE(b->isChecked());
    }

    std::vector<std::pair<int, int>> previews;
    std::unique_ptr<TStandardFrm> standard;
    std::unique_ptr<TKataskeuhFrm> frm;
};

const QString kSevenFiveOrFour = QStringLiteral("Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  5 ή 4αρι(α) ΣΕ 5αδες\n"
                                                "Βρέθηκαν 3 στήλες   Κόστος : 1.50 Ευρώ  Δελτία : 3");

} // namespace

TEST_F(KataskeuhFrmTest, OpensResetWithTheOwnersCaptionAndTheFormsControls)
{
    frm->hide();
    owner::write({QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QString(), QString(), QString()});
    state().board[4] = true;
    state().slipMarks.multipliers = QStringLiteral("1,2");
    state().winningColumn[3] = QStringLiteral("17");
    state().systemColumns = {{1, 2, 3}};
    frm->show();
    EXPECT_EQ(frm->windowTitle(), kOpenCaption + QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    expectReset();
    EXPECT_TRUE(state().slipMarks.multipliers.isEmpty());
    EXPECT_EQ(state().winningColumn[3], QStringLiteral("-"));
    QTest::mouseClick(frm->glBBtnhELP, Qt::LeftButton);
    QTest::mouseClick(frm->LMDShapeButton1, Qt::LeftButton);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/MADE.htm")});
    EXPECT_EQ(calculatorStarts, 1);

    for (QWidget *w : frm->findChildren<QPushButton *>())
        EXPECT_TRUE(frm->rect().contains(w->geometry())) << w->objectName().toStdString();
    EXPECT_FALSE(frm->BBtnStop->isVisible());
    EXPECT_EQ(frm->CmbNums->count(), 12);
    EXPECT_EQ(frm->CmbSysthma->itemText(11), QStringLiteral("12αδες"));

    ASSERT_EQ(frm->SGrd->rowCount(), 9);
    ASSERT_EQ(frm->SGrd->columnCount(), 4);
    EXPECT_EQ((QStringList{frm->cell(0, 0), frm->cell(0, 1), frm->cell(0, 2), frm->cell(0, 3)}),
              (QStringList{"ΟΡΟΙ", "ΑΠΟ", "ΕΩΣ", "ON"}));
    EXPECT_EQ(frm->cell(1, 0), QStringLiteral("A" "ΘΡΟΙΣΜΑ"));
    EXPECT_EQ(frm->cell(1, 2), QStringLiteral("894"));
    EXPECT_FALSE(frm->SGrd->item(1, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(frm->SGrd->item(1, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(KataskeuhFrmTest, BoardClicksDecadeButtonsAndGameChoiceRecount)
{
    markRange(1, 7);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 7"));
    clickNumber(7);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 6"));
    clickNumber(7);

    chooseGame(5);
    EXPECT_EQ(frm->CmbEggy->currentIndex(), 0);
    QStringList items;
    for (int i = 0; i < frm->CmbEggy->count(); ++i)
        items << frm->CmbEggy->itemText(i);
    EXPECT_EQ(items, (QStringList{"100%  5αρι", "100%  5 ή 4αρι(α)", "100%  5 ή 4 ή 3αρι(α)"}));
    EXPECT_EQ(frm->CmbSysthma->currentText(), QStringLiteral("5αδες"));
    EXPECT_EQ(frm->LblEpityxia->text(), QStringLiteral("100%  5αρι"));
    EXPECT_EQ(frm->LblSe->text(), QStringLiteral("ΣΕ 5αδες"));
    EXPECT_EQ(frm->LblFullColumns->text(), QStringLiteral("Στήλες : 21"));
    EXPECT_EQ(frm->LblFullCost->text(), QStringLiteral("Κόστος : 10.50"));
    EXPECT_EQ(frm->LblBuiltColumns->text(), QStringLiteral("Στήλες : 0"));

    // The expansion cannot leave the game.
    frm->CmbSysthma->setCurrentIndex(2);
    Q_EMIT frm->CmbSysthma->activated(2);
    EXPECT_EQ(frm->CmbSysthma->currentIndex(), 4);

    chooseGame(6);
    EXPECT_EQ(frm->CmbEggy->itemText(0), QStringLiteral("100% 6αρι"));
    EXPECT_EQ(frm->CmbEggy->count(), 4);
    EXPECT_EQ(frm->LblFullColumns->text(), QStringLiteral("Στήλες : 7"));

    // "Μ" of row 2 marks 11, 13, ..., 19; up again, it unmarks them; "Ζ" of row 8 marks 72..80.
    QTest::mouseClick(frm->BtnMona[1], Qt::LeftButton);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 12"));
    EXPECT_EQ(frm->LblFullColumns->text(), QStringLiteral("Στήλες : 924"));
    QTest::mouseClick(frm->BtnZyga[7], Qt::LeftButton);
    QTest::mouseClick(frm->BtnMona[1], Qt::LeftButton);
    EXPECT_EQ(marked(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 72, 74, 76, 78, 80}));
    // Pressing "Μ" of the first row down marks its odd numbers whatever they were.
    QTest::mouseClick(frm->BtnMona[0], Qt::LeftButton);
    EXPECT_EQ(marked(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 9, 72, 74, 76, 78, 80}));
}

TEST_F(KataskeuhFrmTest, BuildsTheGreedySystemWithItsLabelsMessageAndLibraryFile)
{
    markRange(1, 7);
    chooseGame(5);
    chooseGuarantee(1);
    EXPECT_EQ(frm->LblEpityxia->text(), QStringLiteral("100%  5 ή 4αρι(α)"));
    build(kSevenFiveOrFour);
    ASSERT_TRUE(prompts.done()) << prompts.pending().toStdString();

    EXPECT_EQ(state().systemColumns,
              (SystemColumns{{1, 2, 3, 4, 5}, {1, 2, 3, 6, 7}, {1, 4, 5, 6, 7}}));
    EXPECT_EQ(frm->LblDeltia->text(), QStringLiteral("Δελτία : 3"));
    EXPECT_EQ(frm->LblPercent->text(), QStringLiteral("Ποσοστό για 5άρι : 14.29%"));
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : 0"));
    EXPECT_EQ(frm->LblBuiltColumns->text(), QStringLiteral("Στήλες : 3"));
    EXPECT_EQ(frm->LblBuiltCost->text(), QStringLiteral("Κόστος : 1.50"));
    EXPECT_EQ(frm->LblFound->text(), QString());
    EXPECT_FALSE(frm->BBtnStop->isVisible());

    EXPECT_EQ(protypa(), QStringList{QStringLiteral("A7455_7_4_5_3_150_3_1429_5.tbi")});
    EXPECT_EQ(test::readAll(QDir(folder("PROTYPA")).filePath(protypa().value(0))),
              QByteArray("1 2 3 4 5 \r\n1 2 3 6 7 \r\n1 4 5 6 7 \r\n"));

    // A second build shows the first one's count as the previous one; the same file is asked about.
    prompts.expectMessage(kSevenFiveOrFour, kProgram).expectAsk(kAskOverwrite, kConfirm, Button::No);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : 3"));
}

TEST_F(KataskeuhFrmTest, FirstGuaranteeGivesTheFullSystemAndSmallPoolsGiveNothing)
{
    markRange(1, 7);
    chooseGame(5);
    build(QStringLiteral("Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  5αρι ΣΕ 5αδες\n"
                         "Βρέθηκαν 21 στήλες   Κόστος : 10.50 Ευρώ  Δελτία : 21"));
    EXPECT_EQ(frm->systemColumnCount(), 21);
    EXPECT_EQ(frm->LblPercent->text(), QStringLiteral("Ποσοστό για 5άρι : 100.00%"));

    // n < K: no candidate at all.
    for (int n = 4; n <= 7; ++n)
        clickNumber(n);
    build(QStringLiteral("Επιλεγμένοι Αριθμοί : 3   Εγγυημένη Επιτυχία 100%  5αρι ΣΕ 5αδες\n"
                         "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"));
    EXPECT_EQ(frm->systemColumnCount(), 0);
    EXPECT_EQ(frm->LblDeltia->text(), QStringLiteral("Δελτία : 0"));
    EXPECT_EQ(frm->LblPercent->text(), QStringLiteral("Ποσοστό για 5άρι :%"));
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : 21"));
    EXPECT_EQ(protypa().size(), 1); // only the first build's file
}

TEST_F(KataskeuhFrmTest, WithoutAGameOrWithANonNumericCellNothingIsBuilt)
{
    markRange(1, 7);
    prompts.expectMessage(QStringLiteral("Παρακαλώ επιλέξτε παιχνίδι"), kProgram);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_FALSE(frm->BBtnStop->isVisible());
    EXPECT_TRUE(protypa().isEmpty());

    chooseGame(5);
    build(QStringLiteral("Επιλεγμένοι Αριθμοί : 7   Εγγυημένη Επιτυχία 100%  5αρι ΣΕ 5αδες\n"
                         "Βρέθηκαν 21 στήλες   Κόστος : 10.50 Ευρώ  Δελτία : 21"));
    frm->setCell(kRangeRow, 2, QStringLiteral("7x"));
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton); // no message is scripted: none may appear
    EXPECT_EQ(prompts.log.size(), 2);
    // The attempt never started: the previous result and its labels stay as they were.
    EXPECT_EQ(frm->systemColumnCount(), 21);
    EXPECT_EQ(frm->LblPrevious->text(), QStringLiteral("Προηγούμενο μέτρημα : 0"));
    EXPECT_FALSE(frm->BBtnStop->isVisible());
    EXPECT_EQ(frm->PrgFill->value(), 0);
    EXPECT_TRUE(frm->BtnBack->isEnabled());
}

TEST_F(KataskeuhFrmTest, LibraryFileNameCarriesTheFirstRequiredSetAndTheOverwriteQuestionDecides)
{
    markRange(1, 10);
    chooseGame(5);
    chooseGuarantee(1);
    const QString message = messageOf(range(1, 10), 5, 1);
    build(message);
    ASSERT_EQ(protypa().size(), 1);
    const QString name = protypa().at(0);
    EXPECT_TRUE(name.startsWith(QStringLiteral("A10455_10_4_5_"))) << name.toStdString();
    const QString path = QDir(folder("PROTYPA")).filePath(name);
    EXPECT_EQ(test::readAll(path), data::SystemFileBytes(state().systemColumns));

    // No keeps the old file, Yes rewrites it.
    ASSERT_TRUE(test::writeAll(path, "old"));
    prompts.expectMessage(message, kProgram).expectAsk(kAskOverwrite, kConfirm, Button::No);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(test::readAll(path), QByteArray("old"));
    EXPECT_EQ(prompts.lastDefault, Button::No);
    prompts.expectMessage(message, kProgram).expectAsk(kAskOverwrite, kConfirm, Button::Yes);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(test::readAll(path), data::SystemFileBytes(state().systemColumns));

    // With a first required-number set from 1 to 2 the name starts with Z and ends with _1$2.
    QDir(folder("PROTYPA")).removeRecursively();
    frm->LblNums->setText(QStringLiteral("1,2,3"));
    frm->Edit2->setText(QStringLiteral("1"));
    frm->Edit3->setText(QStringLiteral("2"));
    build(messageOf(range(1, 10), 5, 1, frm->conditionEntries()));
    ASSERT_EQ(protypa().size(), 1);
    EXPECT_TRUE(protypa().at(0).startsWith(QStringLiteral("Z10455")) && protypa().at(0).endsWith(QStringLiteral("_1$2.tbi")))
        << protypa().at(0).toStdString();
    for (const auto &column : state().systemColumns) {
        const auto fromSet = std::count_if(column.begin(), column.end(), [](std::uint8_t n) { return n <= 3; });
        EXPECT_TRUE(fromSet >= 1 && fromSet <= 2);
    }
}

TEST_F(KataskeuhFrmTest, GridEntryClampsConfirmedCellsAndShowsOn)
{
    // Letters never reach a cell; 950 in the sum's upper bound becomes 900.
    editCell(kSumRow, 2, QStringLiteral("9x5a0"));
    EXPECT_EQ(frm->cell(kSumRow, 2), QStringLiteral("900"));
    EXPECT_EQ(frm->cell(kSumRow, 3), QStringLiteral("ON"));

    // Odd from 7, then to 3: to follows from.
    editCell(kOddRow, 1, QStringLiteral("7"));
    EXPECT_EQ(frm->cell(kOddRow, 1), QStringLiteral("7"));
    EXPECT_EQ(frm->cell(kOddRow, 3), QStringLiteral("ON"));
    editCell(kOddRow, 2, QStringLiteral("3"));
    EXPECT_EQ(frm->cell(kOddRow, 1), QStringLiteral("7"));
    EXPECT_EQ(frm->cell(kOddRow, 2), QStringLiteral("7"));
    EXPECT_EQ(frm->cell(kOddRow, 3), QStringLiteral("ON"));

    // Back to the neutral range: the marker goes.
    editCell(kOddRow, 1, QStringLiteral("0"));
    editCell(kOddRow, 2, QStringLiteral("12"));
    EXPECT_EQ(frm->cell(kOddRow, 3), QString());

    // The names cannot be typed over.
    frm->SGrd->setFocus();
    frm->SGrd->setCurrentCell(kRangeRow, 0);
    type(QStringLiteral("12"));
    pressEnter();
    EXPECT_EQ(frm->cell(kRangeRow, 0), QStringLiteral("ΕΥΡΟΣ ΣΤΗΛΗΣ"));
    // Tab still moves on, to a cell that can be typed into.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(frm->SGrd->currentColumn(), 1);
    type(QStringLiteral("85"));
    pressEnter();
    EXPECT_EQ(frm->cell(kRangeRow, 1), QStringLiteral("79"));
    EXPECT_EQ(frm->cell(kRangeRow, 2), QStringLiteral("79"));
    EXPECT_EQ(frm->cell(kRangeRow, 3), QStringLiteral("ON"));
}

TEST_F(KataskeuhFrmTest, ConditionsSaveAndLoadRestoreTheWholeSetup)
{
    for (int n : {3, 10, 20, 33, 41, 55, 80})
        clickNumber(n);
    chooseGame(4);
    chooseGuarantee(2);
    editCell(kSumRow, 1, QStringLiteral("100"));
    editCell(kSumRow, 2, QStringLiteral("300"));
    editCell(kRangeRow, 2, QStringLiteral("60"));
    frm->LblNums->setText(QStringLiteral("3,10"));
    frm->Edit2->setText(QStringLiteral("1"));
    frm->Edit3->setText(QStringLiteral("2"));
    frm->LblNums4->setText(QStringLiteral("55,80"));
    frm->EdtEos4->setText(QStringLiteral("1"));
    const ConstructorSetup saved = frm->currentSetup();
    EXPECT_EQ(saved.guaranteeText, QStringLiteral("100%  4 ή 3 ή 2αρι(α)"));

    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("Δοκιμή.v2.dlv"));
    prompts.expectSaveFile(path, kConditionsFilter);
    QTest::mouseClick(frm->BBtnSaveOroi, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, folder("DELTIA"));
    EXPECT_EQ(frm->windowTitle(), kNamedCaption + QStringLiteral("Δοκιμή"));
    EXPECT_EQ(frm->systemName(), QStringLiteral("Δοκιμή"));
    EXPECT_EQ(LoadConditions(path), saved);

    prompts.expectAsk(kAskClear, kConfirm, Button::Yes);
    QTest::mouseClick(frm->BtnClear, Qt::LeftButton);
    expectReset();

    prompts.expectOpenFile(path, kConditionsFilter);
    QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
    EXPECT_EQ(frm->currentSetup(), saved);
    EXPECT_EQ(frm->CmbSysthma->currentText(), QStringLiteral("4αδες"));
    EXPECT_EQ(frm->CmbEggy->count(), 3);
    EXPECT_EQ(frm->LblSelected->text(), QStringLiteral("Επιλεγμένοι Αριθμοί : 7"));
    EXPECT_EQ(frm->windowTitle(), kNamedCaption + QStringLiteral("Δοκιμή"));
    EXPECT_EQ(QApplication::focusWidget(), frm->BBtnCalc);
}

TEST_F(KataskeuhFrmTest, CancellingTheLoadStillResetsAndClearAsksFirst)
{
    markRange(1, 7);
    chooseGame(5);
    editCell(kSumRow, 1, QStringLiteral("20"));
    frm->LblNums2->setText(QStringLiteral("1,2"));

    prompts.expectAsk(kAskClear, kConfirm, Button::No);
    QTest::mouseClick(frm->BtnClear, Qt::LeftButton);
    EXPECT_EQ(marked().size(), 7u);
    EXPECT_EQ(prompts.lastDefault, Button::No);

    prompts.expectOpenFile(std::nullopt, kConditionsFilter);
    QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
    expectReset();
    EXPECT_EQ(frm->LblNums2->text(), QString());
    EXPECT_EQ(frm->windowTitle(), kOpenCaption + owner::title());
}

TEST_F(KataskeuhFrmTest, ADamagedConditionsFileSaysSoAndLeavesTheWindowReset)
{
    // Game 13 (or an unknown guarantee) would build a full system without a test, filed as T = 0.
    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("damaged.dlv"));
    ASSERT_TRUE(QDir().mkpath(folder("DELTIA")));
    for (const auto &[game, guarantee] : {std::pair{"13", "100%  5αρι"}, std::pair{"5", "100%  9αρι"}}) {
        ConstructorSetup setup;
        for (int n = 1; n <= 7; ++n)
            setup.board[n - 1] = true;
        setup.gameText = QString::fromUtf8(game);
        setup.guaranteeText = QString::fromUtf8(guarantee);
        setup.expansionText = QStringLiteral("5αδες");
        SaveConditions(path, setup);

        prompts.expectOpenFile(path, kConditionsFilter);
        prompts.expectMessage(kDamagedConditionsFile + QDir::toNativeSeparators(path) + QStringLiteral(" (") +
                                  *DamagedConditionsReason(setup) + QLatin1Char(')'),
                              kProgram);
        QTest::mouseClick(frm->BBtnLoadOroi, Qt::LeftButton);
        expectReset();
        EXPECT_EQ(frm->windowTitle(), kOpenCaption + owner::title());
    }
    // Without a game and a guarantee nothing is built, whatever the expansion says.
    markRange(1, 7);
    frm->CmbSysthma->setCurrentIndex(4);
    prompts.expectMessage(QStringLiteral("Παρακαλώ επιλέξτε παιχνίδι"), kProgram);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_TRUE(protypa().isEmpty());
    EXPECT_EQ(frm->systemColumnCount(), 0);
}

TEST_F(KataskeuhFrmTest, AHugeFullSystemIsBuiltOnlyAfterTheQuestion)
{
    markRange(1, 40);
    chooseGame(7);
    // C(40,7) = 18,643,560 columns of 7 at 0.50.
    prompts.expectAsk(QStringLiteral("Το πλήρες σύστημα έχει 18643560 στήλες, κόστος 9321780.00 Ευρώ.\n"
                                     "Η κατασκευή θα διαρκέσει αρκετά και μπορεί να χρειαστεί έως 131 MB μνήμης.\n"
                                     "Να συνεχίσω;"),
                      kConfirm, Button::No);
    QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(frm->systemColumnCount(), 0);
    EXPECT_TRUE(protypa().isEmpty());
    EXPECT_FALSE(frm->BBtnStop->isVisible());
}

TEST_F(KataskeuhFrmTest, EveryGuaranteeTextFitsItsLabelWithTheFontsInstalled)
{
    // Games 11 and 12 have the longest texts ("100%  12 ή 11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)").
    for (int game = 1; game <= 12; ++game) {
        chooseGame(game);
        for (int index = 0; index < frm->CmbEggy->count(); ++index) {
            chooseGuarantee(index);
            EXPECT_EQ(frm->LblEpityxia->text(), GuaranteeItems(game).at(index));
            for (const QLabel *label : {frm->LblEpityxia, frm->LblSe}) {
                EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
                    << label->text().toStdString();
            }
        }
    }
    // A short text gets the label's own font back.
    chooseGame(1);
    EXPECT_EQ(frm->LblEpityxia->font(), frm->LblDeltia->font());
}

TEST_F(KataskeuhFrmTest, SavesTheBuiltColumnsAsACouponFile)
{
    prompts.expectMessage(QStringLiteral("Δεν έχετε στήλες για αποθήκευση"), kProgram);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    prompts.expectMessage(QStringLiteral("Δεν έχετε στήλες για δελτία!"), kInfo);
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_TRUE(previews.empty());

    markRange(1, 7);
    chooseGame(5);
    chooseGuarantee(1);
    build(kSevenFiveOrFour);
    state().slipMarks.multipliers = QStringLiteral("1,3");
    state().slipMarks.drawColumn = 2;
    state().slipMarks.drawRow = 4;

    const QString path = QDir(folder("DELTIA")).filePath(QStringLiteral("sys.tru"));
    prompts.expectSaveFile(path, kCouponFilter);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    EXPECT_EQ(test::readAll(path), QByteArray("3\r\n5\r\n1,3\r\n2\r\n4\r\n1,2,3,4,5\r\n1,2,3,6,7\r\n1,4,5,6,7\r\n"));

    // Cancelling the dialog writes nothing.
    QFile::remove(path);
    prompts.expectSaveFile(std::nullopt, kCouponFilter);
    QTest::mouseClick(frm->BBtnSave, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(path));

    // The slips: the multiplier marks go, the preview gets K and the count.
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_EQ(previews, (std::vector<std::pair<int, int>>{{5, 3}}));
    EXPECT_TRUE(state().slipMarks.multipliers.isEmpty());
    EXPECT_EQ(state().slipMarks.drawColumn, 2);
}

TEST_F(KataskeuhFrmTest, ReportIsBuiltFromTheLastBuildAndTheConditions)
{
    QTest::mouseClick(frm->BBtnReport, Qt::LeftButton); // nothing built: nothing happens
    markRange(1, 7);
    chooseGame(5);
    chooseGuarantee(1);
    editCell(kOddRow, 1, QStringLiteral("1"));
    frm->LblNums3->setText(QStringLiteral("1,2"));
    frm->EdtEos3->setText(QStringLiteral("2"));
    frm->LblNums4->setText(QStringLiteral("6,7")); // 0..0: off
    build(messageOf(range(1, 7), 5, 1, frm->conditionEntries()));
    ASSERT_GT(frm->systemColumnCount(), 0);

    const ConstructorReport report = frm->makeReport();
    EXPECT_EQ(report.game, QStringLiteral("5"));
    EXPECT_EQ(report.count, QStringLiteral("7"));
    EXPECT_EQ(report.guaranteeText, QStringLiteral("100%  5 ή 4αρι(α)"));
    EXPECT_EQ(report.numbersCaption, frm->LblBuiltColumns->text());
    EXPECT_EQ(report.numberLines, QStringList{QStringLiteral("1  2  3  4  5  6  7")});
    EXPECT_DOUBLE_EQ(report.value, frm->systemColumnCount() * 0.5);
    ASSERT_EQ(report.conditionRows.size(), 8);
    EXPECT_EQ(report.conditionRows[1].name, QStringLiteral("ΜΟΝΑ"));
    EXPECT_TRUE(report.conditionRows[1].active);
    EXPECT_FALSE(report.conditionRows[0].active);
    EXPECT_FALSE(report.groups[0].active);
    EXPECT_TRUE(report.groups[2].active);
    EXPECT_EQ(report.groups[2].name, QStringLiteral("1,2"));
    EXPECT_FALSE(report.groups[3].active);

    // A bad cell is reported before anything is printed.
    frm->setCell(kSumRow, 1, QString());
    prompts.expectMessage(QStringLiteral("'' is not a valid integer value"), kProgram);
    QTest::mouseClick(frm->BBtnReport, Qt::LeftButton);
}


// ---- the build keeps the window alive -----------------------------------------------------

namespace {

struct DuringBuild {
    bool seen = false;
    bool stopVisible = false;
    bool othersDisabled = true;
    bool closeRefused = false;
    int progressMaximum = 0;
    QString found;
    qint64 stopPressedAt = 0;
};

} // namespace

class KataskeuhFrmStopTest : public KataskeuhFrmTest {
protected:
    // Starts the build, presses stop after delayMs, and returns how long the build took to end
    // after that press.
    qint64 buildAndStop(int delayMs, DuringBuild &during)
    {
        QElapsedTimer clock;
        QTimer::singleShot(delayMs, frm.get(), [&] {
            during.seen = true;
            during.stopVisible = frm->BBtnStop->isVisible() && frm->BBtnStop->isEnabled();
            for (QWidget *w : std::initializer_list<QWidget *>{frm->BBtnCalc, frm->BtnPrint, frm->BBtnSave,
                                                               frm->BBtnReport, frm->BBtnSaveOroi, frm->BBtnLoadOroi,
                                                               frm->BtnClear, frm->BtnBack, frm->SgrdA, frm->CmbNums,
                                                               frm->SGrd, frm->LMDDockSpeedButton3})
                during.othersDisabled = during.othersDisabled && !w->isEnabled();
            frm->close();
            during.closeRefused = frm->isVisible();
            during.progressMaximum = frm->PrgFill->maximum();
            during.found = frm->LblFound->text();
            during.stopPressedAt = clock.elapsed();
            QTest::mouseClick(frm->BBtnStop, Qt::LeftButton);
        });
        clock.start();
        QTest::mouseClick(frm->BBtnCalc, Qt::LeftButton);
        return clock.elapsed() - during.stopPressedAt;
    }

    void expectIdleWithoutResult()
    {
        EXPECT_EQ(frm->systemColumnCount(), 0);
        EXPECT_TRUE(protypa().isEmpty());
        EXPECT_FALSE(frm->BBtnStop->isVisible());
        EXPECT_EQ(frm->LblFound->text(), QString());
        EXPECT_EQ(frm->PrgFill->value(), 0);
        EXPECT_TRUE(frm->BBtnCalc->isEnabled());
        EXPECT_TRUE(frm->BtnBack->isEnabled());
        EXPECT_FALSE(frm->isBuilding());
    }
};

TEST_F(KataskeuhFrmStopTest, StopEndsAnEndlessBuildAtOnceWithNoResult)
{
    markRange(1, 80);
    chooseGame(12);
    chooseGuarantee(1);
    prompts.expectAsk(kAskHugeBuild, kConfirm, Button::Yes);
    prompts.expectMessage(QStringLiteral("Επιλεγμένοι Αριθμοί : 80   Εγγυημένη Επιτυχία 100%  12 ή 11αρι(α) ΣΕ 12αδες\n"
                                         "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"),
                          kProgram);
    DuringBuild during;
    const qint64 afterStop = buildAndStop(400, during);
    std::cout << "[ measure  ] build ended " << afterStop << " ms after the stop (accepting columns)\n";
    ASSERT_TRUE(during.seen);
    EXPECT_TRUE(during.stopVisible);
    EXPECT_TRUE(during.othersDisabled);
    EXPECT_TRUE(during.closeRefused);
    EXPECT_EQ(during.progressMaximum, 10'000'000);
    EXPECT_TRUE(during.found.startsWith(QStringLiteral("Στήλες που έχουν βρεθεί : "))) << during.found.toStdString();
    EXPECT_LT(afterStop, 2000);
    expectIdleWithoutResult();
    EXPECT_TRUE(frm->isVisible());
}

TEST_F(KataskeuhFrmStopTest, StopWorksThroughLongRunsOfRejectedCandidates)
{
    // Twelve odd numbers always add up to an even sum, so no column meets an odd sum of 481; each
    // condition alone can still be met, so the search cannot rule out whole branches early and
    // rejects its candidates one by one.
    markRange(1, 80);
    chooseGame(12);
    editCell(kOddRow, 1, QStringLiteral("12"));
    editCell(kSumRow, 1, QStringLiteral("481"));
    editCell(kSumRow, 2, QStringLiteral("481"));
    prompts.expectAsk(kAskHugeBuild, kConfirm, Button::Yes);
    prompts.expectMessage(QStringLiteral("Επιλεγμένοι Αριθμοί : 80   Εγγυημένη Επιτυχία 100%  12αρι ΣΕ 12αδες\n"
                                         "Βρέθηκαν 0 στήλες   Κόστος : 0.00 Ευρώ  Δελτία : 0"),
                          kProgram);
    DuringBuild during;
    const qint64 afterStop = buildAndStop(300, during);
    std::cout << "[ measure  ] build ended " << afterStop << " ms after the stop (rejecting every candidate)\n";
    ASSERT_TRUE(during.seen);
    EXPECT_EQ(during.found, QStringLiteral("Στήλες που έχουν βρεθεί : 0"));
    EXPECT_LT(afterStop, 2000);
    expectIdleWithoutResult();
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

TEST_F(StandardFrmTest, OnlyNumbersOfThePoolReactAndEosFollowsTheCount)
{
    for (int n = 1; n <= 14; ++n)
        state().board[static_cast<std::size_t>(n - 1)] = true;
    standard->Reset();
    standard->show();

    clickIn(40); // not in the pool
    EXPECT_FALSE(standard->isSelected(40));
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("0"));
    for (int n : {5, 1, 3})
        clickIn(n);
    EXPECT_EQ(standard->SelectedText(), QStringLiteral("1,3,5"));
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("3"));
    clickIn(3);
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("2"));
    clickIn(3);

    // "Έως": 5 typed with 3 selected gives 3; from above to gives from, then the count.
    struct Case {
        const char *from, *to, *expectedTo;
    };
    for (const Case &c : {Case{"0", "5", "3"}, Case{"2", "1", "2"}, Case{"0", "13", "3"}, Case{"x", "2", "0"},
                          Case{"1", "", "0"}}) {
        standard->Edit2->setText(QLatin1String(c.from));
        standard->Edit3->setText(QLatin1String(c.to));
        standard->Edit3Exit();
        EXPECT_EQ(standard->Edit3->text(), QLatin1String(c.expectedTo)) << c.from << ".." << c.to;
    }
    // "Από": above "Έως" it takes "Έως"; not a number, it becomes 0.
    for (const Case &c : {Case{"4", "2", "2"}, Case{"1", "2", "1"}, Case{"q", "2", "0"}, Case{"3", "z", "0"}}) {
        standard->Edit2->setText(QLatin1String(c.from));
        standard->Edit3->setText(QLatin1String(c.to));
        standard->Edit2Exit();
        EXPECT_EQ(standard->Edit2->text(), QLatin1String(c.expectedTo)) << c.from << ".." << c.to;
    }

    // From ten selected on, every click brings the box and "Έως" stays as typed.
    for (int n : {2, 4, 6, 7, 8, 9})
        clickIn(n);
    EXPECT_EQ(standard->Edit3->text(), QStringLiteral("9"));
    for (int n : {10, 11, 12}) {
        prompts.expectMessage(kGiveLimits, kInfo);
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

TEST_F(StandardFrmTest, KeysAreFilteredAndEnterMovesOn)
{
    standard->show();
    standard->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(standard.get()));
    standard->Edit2->setFocus();
    standard->Edit2->clear();
    QTest::keyClicks(standard->Edit2, QStringLiteral("1a-2 "));
    EXPECT_EQ(standard->Edit2->text(), QStringLiteral("12"));
    QTest::keyClick(standard->Edit2, Qt::Key_Backspace);
    EXPECT_EQ(standard->Edit2->text(), QStringLiteral("1"));
    QTest::keyClick(standard->Edit2, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), standard->Edit3);
    EXPECT_TRUE(standard->isVisible()); // Enter does not close the dialog
    standard->hide();
}

TEST_F(StandardFrmTest, TheConstructorsSetIsExchangedOnOkAndKeptOnCancel)
{
    markRange(1, 5);
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
    EXPECT_EQ(frm->LblNums->text(), QStringLiteral("2,40"));
    EXPECT_EQ(frm->Edit2->text(), QStringLiteral("1"));
    EXPECT_EQ(frm->Edit3->text(), QStringLiteral("1"));

    // OK: the selection ascending, the edits copied back.
    whileOpen(
        [this] {
            EXPECT_FALSE(standard->isSelected(4)); // reset on every opening
            clickIn(4);
            clickIn(40); // not in the pool any more: it cannot be taken out either
        },
        &TStandardFrm::BtnOK);
    QTest::mouseClick(frm->LMDDockSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(frm->LblNums->text(), QStringLiteral("2,4,40"));
    EXPECT_EQ(frm->Edit3->text(), QStringLiteral("3"));

    // The fourth row, emptied.
    frm->LblNums4->setText(QStringLiteral("3"));
    whileOpen([this] { clickIn(3); }, &TStandardFrm::BtnOK);
    QTest::mouseClick(frm->LMDDockSpeedButton4, Qt::LeftButton);
    EXPECT_EQ(frm->LblNums4->text(), QString());
    EXPECT_EQ(frm->EdtEos4->text(), QStringLiteral("0"));
}

TEST(FeatureWindowsConstructor, TheRealWindowsAreCreatedAndLinked)
{
    test::isolateSettings();
    QTemporaryDir dir;
    ScriptedPrompts prompts;
    AppContext context(AppPaths(dir.path()), prompts);
    FeatureWindows windows(context);
    auto *frm = FeatureWindows::as<TKataskeuhFrm>(windows.KataskeuhFrm);
    auto *standard = FeatureWindows::as<TStandardFrm>(windows.StandardFrm);
    ASSERT_NE(frm, nullptr);
    ASSERT_NE(standard, nullptr);
    frm->show();

    // The required-number buttons open the program's fixed-numbers dialog.
    bool standardShown = false;
    QTimer::singleShot(0, standard, [&] {
        standardShown = standard->isVisible();
        standard->reject();
    });
    QTest::mouseClick(frm->LMDDockSpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(standardShown);

    // The slips go to the produced-system preview, which is handed K and the column count.
    for (int n = 1; n <= 7; ++n)
        frm->SgrdAMouseUp(n - 1);
    frm->CmbNums->setCurrentIndex(4);
    frm->CmbNumsChange();
    frm->CmbEggy->setCurrentIndex(1);
    frm->CmbEggyChange();
    prompts.expectMessage(kSevenFiveOrFour, kProgram);
    frm->BBtnCalcClick();
    auto *preview = FeatureWindows::as<TPrnPrevEGGYFrm>(windows.PrnPrevEGGYFrm);
    ASSERT_NE(preview, nullptr);
    bool previewShown = false;
    QTimer::singleShot(0, preview, [&] {
        previewShown = preview->isVisible();
        preview->accept();
    });
    QTest::mouseClick(frm->BtnPrint, Qt::LeftButton);
    EXPECT_TRUE(previewShown);
    EXPECT_EQ(preview->game(), 5);
    EXPECT_EQ(preview->couponCount(), 3);
    EXPECT_EQ(preview->couponMarks(2).numbers, QStringLiteral("1,2,3,6,7"));
    frm->hide();
}
