#include "PreviewFixture.h"

#include "data/CouponFile.h"
#include "draws/DrawsFile.h"
#include "print/ui/BacktestDlg.h"
#include "print/ui/CouponFileActions.h"
#include "print/ui/GuaranteeCheckDlg.h"
#include "print/ui/HolesDlg.h"
#include "print/ui/InfoDialDlg.h"
#include "print/ui/NikDlg.h"
#include "print/ui/PrnPrevDeltiaFrm.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/ViewNikDlg.h"
#include "print/ui/WinningRow.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace taru;
using namespace taru::test;
using taru::ui::kCaptionInfo;

namespace {

const QString kFileName = QStringLiteral("ΣΥΣΤΗΜΑ 5.tru");
const QString kProgram = QStringLiteral("TARU");
const QString kNoCoupons = QStringLiteral("Το αρχείο δεν έχει δελτία για έλεγχο");
const QString kLastPrinted = QStringLiteral("Εκτυπώσατε και το τελευταίο δελτίο");
// By hand: {1..5} hits 5 in every draw of kThreeDraws; {5,21,22,60,80} hits 1, 3 and 2.
const std::initializer_list<const char *> kTwoCoupons{"1,2,3,4,5", "5,21,22,60,80"};
const QByteArray kThreeDraws("1,1001,05/01/2026,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n"
                             "2,1002,06/01/2026,1,2,3,4,5,11,12,13,14,15,21,22,23,24,25,31,32,33,34,35\r\n"
                             "3,1003,07/01/2026,1,2,3,4,5,6,7,8,9,10,71,72,73,74,75,76,77,78,79,80\r\n");

WinningPlaces firstTwenty()
{
    WinningPlaces places;
    for (int i = 0; i < kWinningSize; ++i)
        places[static_cast<std::size_t>(i)] = QString::number(i + 1);
    return places;
}

class DeltiaPreview : public PreviewTest {
protected:
    DeltiaPreview()
        : deltiaFrm(ui::FeatureWindows::as<ui::TPrnPrevDeltiaFrm>(windows.PrnPrevDeltiaFrm))
        , actions(deltiaFrm->Actions)
        , results(ui::FeatureWindows::as<ui::TInfoDialDlg>(windows.InfoDialDlg))
        , picker(ui::FeatureWindows::as<ui::TNikDlg>(windows.NikDlg))
    {
        record(*deltiaFrm);
    }

    // A coupon file of game 5 (multipliers 1 and 3, 2 draws) of coupons written as "1,2,3,4,5",
    // loaded; coupons announced past the lines are empty.
    void load(std::initializer_list<const char *> lines, int announced = -1)
    {
        std::vector<QStringList> coupons;
        for (const char *line : lines)
            coupons.push_back(QString::fromLatin1(line).split(QLatin1Char(',')));
        const int count = announced < 0 ? static_cast<int>(lines.size()) : announced;
        ASSERT_TRUE(writeAll(deltia(kFileName), data::CouponFileBytes(count, 5, QStringLiteral("1,3"), 2, 0, coupons)));
        ASSERT_TRUE(deltiaFrm->loadCouponFile(deltia(kFileName)));
        deltiaFrm->show();
    }
    // Runs work in the next modal dialog of type Dialog while action runs, then accepts the
    // dialog unless work closed it; false when no such dialog came up.
    template <typename Dialog>
    bool whileShown(const std::function<void()> &action, const std::function<void(Dialog &)> &work)
    {
        bool shown = false;
        QTimer::singleShot(0, deltiaFrm, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            shown = true;
            work(*dialog);
            if (dialog->isVisible())
                dialog->accept();
        });
        action();
        return shown;
    }
    // Clicks a place (0..19) and picks text in the place picker (nothing: the picker is cancelled).
    void pick(int place, const std::optional<QString> &text)
    {
        QTimer::singleShot(0, picker, [this, text] {
            pickerSelection = picker->ComboBox1->currentText();
            if (!text) {
                picker->reject();
                return;
            }
            const int index = picker->ComboBox1->findText(*text);
            picker->ComboBox1->setCurrentIndex(index);
            Q_EMIT picker->ComboBox1->activated(index);
        });
        ui::WinningRow *row = place < 10 ? deltiaFrm->Header1 : deltiaFrm->Header2;
        QTest::mouseClick(row, Qt::LeftButton, {}, row->cellRect(place % 10).center());
    }
    void check(ui::TGuaranteeCheckDlg &dialog, int game, int threshold, const QString &pool)
    {
        dialog.SpnGame->setValue(game);
        dialog.SpnThreshold->setValue(threshold);
        dialog.EdtPool->setText(pool);
        QTest::mouseClick(dialog.BtnCheck, Qt::LeftButton);
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = results->sgrd->item(row, column);
        return item ? item->text() : QString();
    }
    std::function<void()> click(QPushButton *button)
    {
        return [button] { QTest::mouseClick(button, Qt::LeftButton); };
    }

    ui::TPrnPrevDeltiaFrm *deltiaFrm;
    ui::CouponFileActions *actions;
    ui::TInfoDialDlg *results;
    ui::TNikDlg *picker;
    QString pickerSelection;
};

} // namespace

TEST_F(DeltiaPreview, ShowsTheFileWithItsNameInTheCaptionAndPrintsFromTheFile)
{
    load({"1,2,3,4,5", "11,22,33,44,80"});
    EXPECT_EQ(deltiaFrm->windowTitle(), QStringLiteral("ΣΥΣΤΗΜΑ 5.tru,  ΔΕΛΤΙΟ 1 ΑΠΟ 2 ΚΟΣΤΟΣ :30.00"));
    deltiaFrm->SBtnNextClick();
    EXPECT_EQ(deltiaFrm->windowTitle(), QStringLiteral("ΣΥΣΤΗΜΑ 5.tru,  ΔΕΛΤΙΟ 2 ΑΠΟ 2 ΚΟΣΤΟΣ :30.00"));
    EXPECT_EQ(deltiaFrm->couponMarks(2),
              (SlipMarks{QStringLiteral("8"), QStringLiteral("1,3"), false, QStringLiteral("11,22,33,44,80"), 2, 0}));

    prompts.expectMessage(kLastPrinted, kCaptionInfo);
    deltiaFrm->BtnPrintClick();
    ASSERT_EQ(calls.size(), 1u);
    const ValueLine &line = calls[0].jobs.front().valueLine;
    EXPECT_EQ(std::tuple(calls[0].variant, line.couponNumber, line.value), std::tuple(SlipVariant::BFromFile, 2, 30.0));
    QTest::mouseClick(deltiaFrm->glBBtnhELP, Qt::LeftButton);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/DELTIA.htm")});
}

// Refused without coupons. Winning 1..20: columns 4 and 9 hit 3 each, column 1 all 5, column 2
// none. Each row: hits, count, two empty columns and the coupons. Then refused with a place empty.
TEST_F(DeltiaPreview, CheckingGameFiveFillsSixCategoriesAndNeedsCouponsAndTwentyPlaces)
{
    context.state.winningColumn = firstTwenty();
    prompts.expectMessage(QStringLiteral("Δεν υπάρχουν δελτία για διαλογή!"), QStringLiteral("Σφάλμα"));
    deltiaFrm->BtnSortClick();

    load({"1,2,3,4,5", "41,52,63,74,80", "1,2,30,40,50", "6,7,8,60,70", "1,31,32,33,34", "10,11,12,13,79",
          "2,4,6,8,77", "20,21,22,23,24", "18,19,20,71,72"});
    results->Label1->setText(QStringLiteral("από πριν"));
    QStringList rows;
    EXPECT_TRUE(whileShown<ui::TInfoDialDlg>([this] { deltiaFrm->BtnSortClick(); }, [&](ui::TInfoDialDlg &) {
        for (int row = 0; row < results->sgrd->rowCount(); ++row)
            rows << QStringList{cell(row, 0), cell(row, 1), cell(row, 2), cell(row, 3), cell(row, 4)}.join('|');
    }));
    EXPECT_EQ(rows, (QStringList{"5|1|||1", "4|2|||6,7", "3|2|||4,9", "2|1|||3", "1|2|||5,8", "0|1|||2"}));
    EXPECT_EQ(results->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ 5 ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"));
    EXPECT_EQ(results->Label1->text(), QString());
    EXPECT_EQ(results->Label3->text(),
              QStringLiteral("1 / 2 / 3 / 4 / 5 / 6 / 7 / 8 / 9 / 10 / 11 / 12 / 13 / 14 / 15 / 16 / 17 / 18 / 19 / 20"));

    context.state.winningColumn[19] = QStringLiteral("-");
    prompts.expectMessage(QStringLiteral("Παρακαλώ συμπληρώστε τη νικήτρια στήλη"), kCaptionInfo);
    QTest::mouseClick(deltiaFrm->BtnSort, Qt::LeftButton);
    EXPECT_FALSE(results->isVisible());
}

TEST_F(DeltiaPreview, APlaceIsPickedUnlessTheNumberStandsAlready)
{
    load({"1,2,3,4,5"});
    context.state.clearWinningColumn();
    // 33 again elsewhere is refused in a box without a title, and so is "-" while other places are
    // still "-"; a picker cancelled changes nothing. Each opens on its place's text.
    const struct {
        int place;
        std::optional<QString> pick;
        bool refused;
        const char *openedOn, *after;
    } picks[] = {
        {2, QStringLiteral("33"), false, "-", "33"}, {14, QStringLiteral("33"), true, "-", "-"},
        {2, QStringLiteral("-"), true, "33", "33"},  {14, QStringLiteral("80"), false, "-", "80"},
        {14, std::nullopt, false, "80", "80"},
    };
    for (const auto &p : picks) {
        if (p.refused)
            prompts.expectMessage(QStringLiteral("Ο αριθμός αυτός υπάρχει ήδη στη νικήτρια!"), QString());
        pick(p.place, p.pick);
        EXPECT_EQ(pickerSelection, QLatin1String(p.openedOn)) << p.place;
        EXPECT_EQ(context.state.winningColumn[p.place], QLatin1String(p.after)) << p.place;
    }

    // Outside the cells nothing opens.
    QTest::mouseClick(deltiaFrm->Header1, Qt::LeftButton, {}, QPoint(ui::WinningRow::kCells * 30 + 5, 5));
    EXPECT_EQ(deltiaFrm->Header1->placeAt(QPoint(299, 3)), 9);
    EXPECT_EQ(deltiaFrm->Header2->placeAt(QPoint(300, 3)), -1);
}

// No draws file: no prompt, no dialog. Then the picker lists every row whatever it holds (a
// damaged one too, without a message); cancelled it leaves the column as it was, Enter on the
// selected (last) row takes the last draw, and a double click picks another row.
TEST_F(DeltiaPreview, ADrawFromTheDrawsFileFillsTheTwentyPlaces)
{
    load({"1,2,3,4,5"});
    context.state.winningColumn = firstTwenty();
    deltiaFrm->sBtnNikClick();
    EXPECT_FALSE(windows.ViewNikDlg->isVisible());
    EXPECT_EQ(context.state.winningColumn, firstTwenty());

    ASSERT_TRUE(writeAll(drawsPath(), QByteArray(kThreeDraws).replace(",35\r\n", ",3x\r\n")));
    context.state.clearWinningColumn();
    const auto nik = [this] { deltiaFrm->sBtnNikClick(); };
    EXPECT_TRUE(whileShown<ui::TViewNikDlg>(nik, [](ui::TViewNikDlg &dialog) { dialog.reject(); }));
    EXPECT_EQ(context.state.winningColumn, SharedState::emptyWinningColumn());

    QStringList shown;
    EXPECT_TRUE(whileShown<ui::TViewNikDlg>(click(deltiaFrm->sBtnNik), [&](ui::TViewNikDlg &dialog) {
        shown << QString::number(dialog.SGrd->rowCount()) << QString::number(dialog.SGrd->currentRow()) << dialog.SGrd->cell(1, 22);
        QTest::keyClick(dialog.SGrd, Qt::Key_Return);
    }));
    EXPECT_EQ(shown, (QStringList{"3", "2", "3x"}));
    EXPECT_EQ(QStringList(context.state.winningColumn.begin(), context.state.winningColumn.end()).join(','),
              QStringLiteral("1,2,3,4,5,6,7,8,9,10,71,72,73,74,75,76,77,78,79,80"));

    EXPECT_TRUE(whileShown<ui::TViewNikDlg>(nik, [](ui::TViewNikDlg &dialog) {
        dialog.SGrd->selectRow(0);
        dialog.SGrdDblClick();
    }));
    EXPECT_EQ(context.state.winningColumn, firstTwenty());
}

// A file that cannot be read is refused with the reader's message and leaves none of the coupons
// of the file before it (the main menu then keeps the preview shut).
TEST_F(DeltiaPreview, ADamagedFileIsRefusedWithTheReadersMessage)
{
    load({"1,2,3,4,5"});
    const QString bad = deltia(QStringLiteral("ΚΑΚΟ.tru"));
    ASSERT_TRUE(writeAll(bad, "2\r\n5\r\n\r\n0\r\n0\r\n1,2,x,4,5\r\n"));
    prompts.expectMessage(QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου ") + bad, kCaptionInfo);
    EXPECT_FALSE(deltiaFrm->loadCouponFile(bad));
    EXPECT_EQ(deltiaFrm->couponCount(), 0);
}

// ---- the guarantee check and the history of the file's coupons ------------------------------

// A hand-made file checked over a typed choice, counted by hand: of the 10 triples of
// {2,4,6,8,10} only 4 6 8 and 2 6 8 lie in one column; the two empty coupons announced past the
// lines cover nothing.
TEST_F(DeltiaPreview, TheGuaranteeCheckOfAHandMadeFile)
{
    load({"1,2,3,4,5", "4,5,6,7,8", "1,2,6,7,8"}, 5);
    EXPECT_TRUE(whileShown<ui::TGuaranteeCheckDlg>(click(actions->BtnGuarantee), [&](ui::TGuaranteeCheckDlg &dialog) {
        // Preset to the file's game, one below it and the numbers the file uses.
        EXPECT_EQ((std::vector<int>{dialog.SpnGame->value(), dialog.SpnThreshold->value()}), (std::vector<int>{5, 4}));
        EXPECT_EQ(dialog.EdtPool->text(), QStringLiteral("1-8"));
        EXPECT_EQ(dialog.LblPromise->text(), QStringLiteral("Αν έρθουν 5 από τους 8 αριθμούς, μια στήλη έχει τουλάχιστον 4"));
        check(dialog, 3, 3, QStringLiteral("2 4 6 8 10"));
        QTRY_VERIFY(!dialog.checking());
        EXPECT_EQ(std::pair(dialog.result().total, dialog.result().covered), std::pair(std::int64_t(10), std::int64_t(2)));
        EXPECT_EQ(dialog.Holes->lines(), (QStringList{"2 4 6", "2 4 8", "2 4 10", "2 6 10", "2 8 10", "4 6 10", "4 8 10", "6 8 10"}));
        EXPECT_EQ(dialog.LblResult->text(), QStringLiteral("Έλεγχος εγγύησης: 20.00% (8 ακάλυπτοι συνδυασμοί)"));
        // At least 3 of 5 numbers among the 20 drawn of 80.
        EXPECT_EQ(dialog.LblOdds->text(), QStringLiteral("Πιθανότητα για 3 από τους 5 αριθμούς σε μια κλήρωση: 9.67% (1 στις 10.34)"));
        EXPECT_TRUE(dialog.BtnCheck->isEnabled());
    }));
}

// A pool that does not read, one too small for the game (each kind is listed in the core tests);
// the threshold never goes above the game.
TEST_F(DeltiaPreview, ChoicesThatCannotBeCheckedAreNamed)
{
    load({"1,2,3,4,5"});
    EXPECT_TRUE(whileShown<ui::TGuaranteeCheckDlg>(click(actions->BtnGuarantee), [&](ui::TGuaranteeCheckDlg &dialog) {
        for (const auto &[pool, message] :
             {std::pair{QStringLiteral("1-x"), QStringLiteral("Μη έγκυρος αριθμός: «1-x»")},
              std::pair{QStringLiteral("1-4"), QStringLiteral("Χρειάζονται τουλάχιστον 5 αριθμοί για παιχνίδι 5 (δόθηκαν 4)")}}) {
            prompts.expectMessage(message, kProgram);
            check(dialog, 5, 4, pool);
            EXPECT_FALSE(dialog.checking());
            EXPECT_TRUE(dialog.LblResult->text().isEmpty());
        }
        dialog.SpnThreshold->setValue(5);
        dialog.SpnGame->setValue(3);
        EXPECT_EQ(dialog.SpnThreshold->value(), 3);
    }));
}

// Two coupons against three draws, counted by hand, and printed on the program's printer (the
// print dialog cancelled first: nothing printed).
TEST_F(DeltiaPreview, TheHistoryOfTwoCouponsOverThreeDraws)
{
    load(kTwoCoupons);
    ASSERT_TRUE(writeAll(drawsPath(), kThreeDraws));
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("history.pdf"));
    ui::ConfigurePdfPrinter(ui::ProgramPrinter(), pdf, 150);
    EXPECT_TRUE(whileShown<ui::TBacktestDlg>(click(actions->BtnHistory), [&](ui::TBacktestDlg &dialog) {
        QTRY_VERIFY(!dialog.running());
        const QTableWidget *table = dialog.TblHits;
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + '|' + table->item(r, 1)->text() + '|' + table->item(r, 3)->text();
        EXPECT_EQ(rows, (QStringList{"5 επιτυχίες|3|1", "4 επιτυχίες|0|0", "3 επιτυχίες|1|1", "2 επιτυχίες|1|0",
                                     "1 επιτυχία|1|0", "0 επιτυχίες|0|0"}));
        EXPECT_EQ((QStringList{dialog.LblBest->text(), dialog.LblSummary->text(), dialog.LblRange->text(),
                               dialog.LblFile->text()}),
                  (QStringList{"Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)",
                               "2 στήλες των 5 αριθμών σε 3 κληρώσεις: 6 έλεγχοι στήλης με κλήρωση",
                               "Κληρώσεις 1001 (05/01/2026) έως 1003 (07/01/2026)", "ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: " + kFileName}));
        ASSERT_TRUE(dialog.BtnPrint->isEnabled());
        prompts.expectPrintDialog(false);
        QTest::mouseClick(dialog.BtnPrint, Qt::LeftButton);
        EXPECT_FALSE(QFileInfo::exists(pdf));
        prompts.expectPrintDialog(true);
        QTest::mouseClick(dialog.BtnPrint, Qt::LeftButton);
    }));
    EXPECT_GT(QFileInfo(pdf).size(), 1000); // the sheet shown (its layout is the core tests')
}

// What stops the history before it starts, each with its message.
TEST_F(DeltiaPreview, TheHistoryNeedsCouponsAndAReadableDrawsFile)
{
    const struct {
        bool coupons;
        std::optional<QByteArray> draws; // no file at all when empty
        QString message;
        QString caption;
    } cases[] = {
        {true, std::nullopt, QStringLiteral("Δεν βρέθηκε το αρχείο των Νικητριών (Nikitries.nik)"), kProgram},
        {true, QByteArray(), QStringLiteral("Το αρχείο των Νικητριών δεν έχει κληρώσεις"), kProgram},
        // The reader's own message (it names the file and the line).
        {true, QByteArray("1,1001,05/01/2026,1,2,x,4\r\n"), QString(), draws::kDrawsErrorCaption},
        {false, QByteArray(), kNoCoupons, kProgram},
    };
    for (const auto &c : cases) {
        c.coupons ? load(kTwoCoupons, 3) : load({}, 3);
        QFile::remove(drawsPath());
        ASSERT_TRUE(!c.draws || writeAll(drawsPath(), *c.draws));
        prompts.expectMessage(c.message.isEmpty() ? draws::ReadDrawsFile(drawsPath()).message() : c.message, c.caption);
        QTest::mouseClick(actions->BtnHistory, Qt::LeftButton);
        EXPECT_FALSE(actions->HistoryDlg->isVisible());
    }
    // No coupons: the guarantee check says the same.
    prompts.expectMessage(kNoCoupons, kProgram);
    QTest::mouseClick(actions->BtnGuarantee, Qt::LeftButton);
}
