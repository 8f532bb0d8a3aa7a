#include "draws/DrawsFile.h"
#include "draws/DrawsTableModel.h"
#include "draws/ui/DrawsTexts.h"
#include "draws/ui/NewNikFrm.h"
#include "draws/ui/NikSthlhFrm.h"
#include "draws/ui/NikToolDlg.h"
#include "draws/ui/StatAllChartFrm.h"
#include "draws/ui/StatAllFrm.h"
#include "draws/ui/StatNikFrm.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/PrintRangeDlg.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/ViewNikDlg.h"

#include "../print/PreviewFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace taru::test {

namespace {

const QByteArray kThree = "1,1001,05/01/2026,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\r\n"
                          "2,1002,06/01/2026,1,2,3,4,5,11,12,13,14,15,21,22,23,24,25,31,32,33,34,35\r\n"
                          "3,1003,07/01/2026,1,2,3,4,5,6,7,8,9,10,71,72,73,74,75,76,77,78,79,80\r\n";
const QByteArray kOneToTwenty = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20";
const QString kInfo = QStringLiteral("Ενημέρωση");
const QString kError = QStringLiteral("ΣΦΑΛΜΑ");

// Runs what the next modal window should do once it is up.
void whenModal(const std::function<void()> &action)
{
    QTimer::singleShot(0, action);
}

} // namespace

class DrawsWindows : public PreviewTest {
protected:
    DrawsWindows()
        : list(ui::FeatureWindows::as<ui::TNewNikFrm>(windows.NewNikFrm))
        , newDialog(ui::FeatureWindows::as<ui::TNewNikToolDlg>(windows.NewNikToolDlg))
        , editDialog(ui::FeatureWindows::as<ui::TEditNikToolDlg>(windows.EditNikToolDlg))
        , board(ui::FeatureWindows::as<ui::TNikSthlhFrm>(windows.NikSthlhFrm))
        , stats(ui::FeatureWindows::as<ui::TStatAllFrm>(windows.StatAllFrm))
        , chart(ui::FeatureWindows::as<ui::TStatAllChartFrm>(windows.StatAllChartFrm))
        , range(ui::FeatureWindows::as<ui::TPrintRangeDlg>(windows.PrintRangeDlg))
    {
        windows.createStatNikFrm();
        statNik = ui::FeatureWindows::as<ui::TStatNikFrm>(windows.StatNikFrm);
    }
    ~DrawsWindows() override { QLocale::setDefault(locale_); }

    void writeDraws(const QByteArray &bytes) { ASSERT_TRUE(writeAll(drawsPath(), bytes)); }
    QStringList rowOf(ui::DrawsListFrm *window, int row) const
    {
        QStringList cells;
        for (int column = 0; column < window->SGrd->columnCount(); ++column)
            cells << window->SGrd->cell(row, column);
        return cells;
    }
    // Marks numbers on the board by clicking their boxes.
    void mark(std::initializer_list<int> numbers)
    {
        for (int n : numbers)
            QTest::mouseClick(board->SgrdA, Qt::LeftButton, {}, board->SgrdA->numberRect(n).center());
    }

    QLocale locale_;
    ui::TNewNikFrm *list;
    ui::TNewNikToolDlg *newDialog;
    ui::TEditNikToolDlg *editDialog;
    ui::TNikSthlhFrm *board;
    ui::TStatAllFrm *stats;
    ui::TStatAllChartFrm *chart;
    ui::TPrintRangeDlg *range;
    ui::TStatNikFrm *statNik = nullptr;
};

TEST_F(DrawsWindows, BothListsShowTheFileWithItsFiguresAndTheListImports)
{
    list->show();
    EXPECT_EQ(list->SGrd->rowCount(), 0); // no file: no rows, no message
    list->hide();
    writeDraws(kThree);
    for (ui::DrawsListFrm *window : {static_cast<ui::DrawsListFrm *>(list), static_cast<ui::DrawsListFrm *>(statNik)}) {
        window->show();
        ASSERT_EQ(window->SGrd->rowCount(), 3);
        EXPECT_EQ(window->SGrd->currentRow(), 2);
        EXPECT_EQ(rowOf(window, 1).mid(23), (QStringList{"360", "12", "8", "20", "0", "5", "4", "34"}));
        window->hide();
    }

    // The per-draw statistics change nothing on a double click or Enter.
    statNik->show();
    QTest::keyClick(statNik->SGrd, Qt::Key_Return);
    QTest::mouseDClick(statNik->SGrd->viewport(), Qt::LeftButton, {}, statNik->SGrd->visualRect(statNik->SGrd->model().index(0, 3)).center());
    EXPECT_EQ(readAll(drawsPath()), kThree);

    // The list imports, and reads the file again with its figures.
    list->show();
    const QString source = data.path() + QStringLiteral("/results.csv");
    ASSERT_TRUE(writeAll(source, "Κλήρωση;Ημερομηνία\r\n1004;08/01/2026;" + QByteArray(kOneToTwenty).replace(',', ';') +
                                     "\r\n1003;07/01/2026;1;2\r\n"));
    prompts.expectOpenFile(source, ui::kImportFilter);
    prompts.expectMessage(QStringLiteral("Προστέθηκαν: 1\nΥπήρχαν ήδη: 0\nΑπορρίφθηκαν: 1\nΓραμμή 3: έχει 2 αριθμούς αντί για 20"),
                          kInfo);
    QTest::mouseClick(list->BtnImport, Qt::LeftButton);
    ASSERT_EQ(list->SGrd->rowCount(), 4);
    EXPECT_EQ(rowOf(list, 3).mid(0, 3), (QStringList{"4", "1004", "08/01/2026"}));
    EXPECT_EQ(list->SGrd->cell(3, 23), "210"); // read again, with figures
}

TEST_F(DrawsWindows, AFailedReadIsNamedWithItsReasonAndTheListRefusesToChangeTheFile)
{
    ASSERT_TRUE(QDir().mkpath(drawsPath())); // a folder where the file should be
    const QString unreadable = draws::kDrawsReadError +
        QStringLiteral("\nΤο αρχείο «%1» δεν ανοίγει: \"%1\" is not a regular file").arg(drawsPath());
    prompts.expectMessage(unreadable, kError).expectMessage(unreadable, kError);
    list->show();
    EXPECT_TRUE(list->readFailed());
    EXPECT_FALSE(ui::FeatureWindows::as<ui::TViewNikDlg>(windows.ViewNikDlg)->LoadDrawsGrid(drawsPath()));
    list->hide();

    ASSERT_TRUE(QDir().rmdir(drawsPath()));
    QByteArray damaged = kThree;
    damaged.replace(",35\r\n", ",3x\r\n");
    writeDraws(damaged);
    prompts.expectMessage(draws::kDrawsReadError + QStringLiteral("\nΤο αρχείο «%1» είναι κατεστραμμένο στη γραμμή 2: "
                                                                  "το πεδίο 23 («3x») δεν είναι ακέραιος αριθμός.")
                                                       .arg(drawsPath()),
                          kError);
    list->show();
    EXPECT_EQ(list->SGrd->rowCount(), 1); // the rows before the damage
    EXPECT_TRUE(list->readFailed());
    // New, correct (Enter) and import are all refused.
    for (int i = 0; i < 3; ++i)
        prompts.expectMessage(ui::kPartialListRefused, kError);
    QTest::mouseClick(list->BBtnNew, Qt::LeftButton);
    QTest::keyClick(list->SGrd, Qt::Key_Return);
    QTest::mouseClick(list->BtnImport, Qt::LeftButton);
    EXPECT_EQ(readAll(drawsPath()), damaged);
}

TEST_F(DrawsWindows, NewDrawsFromTheBoard)
{
    // The first draw starts from today; a cancelled board leaves the lists empty and writes nothing.
    list->show();
    QString date;
    int chosen = -1;
    whenModal([&] {
        board->reject();
        whenModal([&] {
            date = newDialog->DatePick->date().toString(QStringLiteral("dd/MM/yyyy"));
            chosen = static_cast<int>(std::count_if(newDialog->ComboBoxes.begin(), newDialog->ComboBoxes.end(),
                                                    [](QComboBox *box) { return box->currentIndex() >= 0; }));
            newDialog->reject();
        });
    });
    QTest::mouseClick(list->BBtnNew, Qt::LeftButton);
    EXPECT_EQ(std::pair(date, chosen), std::pair(QStringLiteral("05/12/2026"), 0));
    EXPECT_FALSE(QFile::exists(drawsPath()));

    list->hide();
    writeDraws(kThree);
    list->show();
    context.state.board[4] = true; // left over from the game screen: cleared on opening
    QString boardLines;
    QStringList lists;
    QString presetNumber;
    int markedOnOpening = -1;
    // The board comes first: OK on 19 marks is refused; the 20th mark brings the message, a mark
    // taken back none, the 20th again and the 21st the message; then OK.
    whenModal([&] {
        boardLines = board->Label1->text() + "|" + board->Label2->text() + "|" + board->Label3->text();
        presetNumber = newDialog->Edit1->text();
        markedOnOpening = context.state.countMarked();
        mark({80, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36});
        QTest::mouseClick(board->BBtnOK, Qt::LeftButton);
        EXPECT_TRUE(board->isVisible());
        mark({38, 38, 38, 40});
        whenModal([&] {
            for (QComboBox *box : newDialog->ComboBoxes)
                lists << box->currentText();
            QTest::mouseClick(newDialog->BBtnSave, Qt::LeftButton);
        });
        QTest::mouseClick(board->BBtnOK, Qt::LeftButton);
    });
    prompts.expectMessage(QStringLiteral("Έχετε συμπληρώσει 19 αριθμούς ,παρακαλώ συμπληρώστε και τους 20 αριθμούς της νικήτριας"), kInfo)
        .expectMessage(QStringLiteral("Εχετε συμπληρώσει τη νικήτρια στήλη!Πατήστε ΟΚ για να συνεχίσετε"), kInfo)
        .expectMessage(ui::kBoardFull, kInfo)
        .expectMessage(ui::kBoardFull, kInfo);
    QTest::mouseClick(list->BBtnNew, Qt::LeftButton);
    EXPECT_EQ(markedOnOpening, 0);

    EXPECT_EQ(boardLines, QStringLiteral("Αριθμός Κλήρωσης ΒΕΛΜΑ :  4|Ημερομηνία :  08/01/2026| "));
    EXPECT_EQ(presetNumber, "4");
    EXPECT_EQ(lists.join(','), "2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34,36,38,40"); // the first 20 marked, in board order
    ASSERT_EQ(list->SGrd->rowCount(), 4);
    EXPECT_EQ(list->SGrd->currentRow(), 3);
    EXPECT_EQ(list->SGrd->cell(3, 23), QString()); // figures wait for the next reading
    EXPECT_EQ(readAll(drawsPath()),
              kThree + "4,4,08/01/2026,2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32,34,36,38,40\r\n");
}

TEST_F(DrawsWindows, ACorrectedDrawKeepsItsPlaceItsFiguresAndItsListOrder)
{
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    writeDraws(kThree);
    list->show();
    list->SGrd->selectRow(1);
    QStringList shown;
    whenModal([&] {
        shown << editDialog->Edit1->text() << editDialog->DatePick->date().toString(Qt::ISODate);
        for (QComboBox *box : editDialog->ComboBoxes)
            shown << box->currentText();
        editDialog->ComboBoxes[0]->setCurrentIndex(79); // 80 first: not ascending
        editDialog->Edit1->setText(QStringLiteral("2002"));
        QTest::mouseClick(editDialog->BBtnSave, Qt::LeftButton);
    });
    QTest::keyClick(list->SGrd, Qt::Key_Return);
    EXPECT_EQ(shown.join(','), "1002,2026-01-06,1,2,3,4,5,11,12,13,14,15,21,22,23,24,25,31,32,33,34,35");
    EXPECT_EQ(rowOf(list, 1).mid(0, 4), (QStringList{"2", "2002", "6/1/2026", "80"}));
    EXPECT_EQ(list->SGrd->cell(1, 23), "360"); // the figures as they were
    QByteArray expected = kThree;
    expected.replace("2,1002,06/01/2026,1,", "2,2002,6/1/2026,80,");
    EXPECT_EQ(readAll(drawsPath()), expected);
}

TEST_F(DrawsWindows, TheEntryChecks)
{
    newDialog->show();
    // Nothing chosen: the question, and even Yes leaves the dialog open.
    prompts.expectAsk(ui::kNewNotAll, kInfo, ui::Button::Yes);
    newDialog->Edit1->setText(QStringLiteral("5"));
    newDialog->SaveClick();
    EXPECT_TRUE(newDialog->isVisible());
    for (int i = 0; i < 20; ++i)
        newDialog->ComboBoxes[static_cast<std::size_t>(i)]->setCurrentIndex(i);
    newDialog->Edit1->clear();
    prompts.expectAsk(ui::kNewNotAll, kInfo, ui::Button::Yes);
    newDialog->SaveClick();
    // The same number in the 1st and the 20th list.
    newDialog->Edit1->setText(QStringLiteral("5"));
    newDialog->ComboBoxes[19]->setCurrentIndex(0);
    prompts.expectMessage(QStringLiteral("Διορθωστε τη νικήτρια στήλη!"), QString());
    newDialog->SaveClick();
    EXPECT_TRUE(newDialog->isVisible());

    // The edit dialog's own wording (a blank after "!").
    editDialog->show();
    prompts.expectAsk(ui::kEditNotAll, kInfo, ui::Button::No);
    editDialog->SaveClick();

    // Keys: letters never reach the draw number, Enter and Escape move between boxes.
    newDialog->Edit1->clear();
    newDialog->Edit1->setFocus();
    QTest::keyClicks(newDialog->Edit1, QStringLiteral("1a2-"));
    EXPECT_EQ(newDialog->Edit1->text(), "12");
    QApplication::setActiveWindow(newDialog);
    newDialog->Edit1->setFocus();
    QTest::keyClick(newDialog->Edit1, Qt::Key_Return);
    QWidget *focus = QApplication::focusWidget();
    EXPECT_TRUE(focus == newDialog->DatePick || newDialog->DatePick->isAncestorOf(focus));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), newDialog->Edit1);
    EXPECT_TRUE(newDialog->isVisible()); // Escape did not close it
}

TEST_F(DrawsWindows, EveryPrintoutGoesToThePrinterOnlyWhenThePrintDialogIsConfirmed)
{
    writeDraws(kThree);
    statNik->show();
    // The range starts at the first row; cancelled, no print dialog follows.
    QStringList preset;
    whenModal([&] {
        preset << range->Edit1->text() << range->Edit2->text() << (range->ChkAll->isChecked() ? "all" : "range");
        range->reject();
    });
    QTest::mouseClick(statNik->BtnPrint, Qt::LeftButton);
    EXPECT_EQ(preset, (QStringList{"1", "4", "range"}));

    stats->prepare(drawsPath());
    const std::pair<const char *, std::function<void()>> printouts[] = {
        {"the draws list, rows 3 to 2", [&] {
             whenModal([&] {
                 range->Edit1->setText(QStringLiteral("3"));
                 range->Edit2->setText(QStringLiteral("2"));
                 range->accept();
             });
             QTest::mouseClick(statNik->BtnPrint, Qt::LeftButton);
         }},
        {"the statistics table", [&] { QTest::mouseClick(stats->BtnPrint, Qt::LeftButton); }},
        {"the chart", [&] {
             whenModal([&] {
                 QTest::mouseClick(chart->BtnPrint, Qt::LeftButton);
                 chart->reject();
             });
             stats->shBtnStat->click();
         }},
    };
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("printout.pdf"));
    for (const auto &[name, print] : printouts) {
        for (bool confirmed : {true, false}) {
            QFile::remove(pdf);
            ui::ConfigurePdfPrinter(ui::ProgramPrinter(), pdf, 150);
            prompts.expectPrintDialog(confirmed);
            print();
            EXPECT_EQ(QFileInfo(pdf).size() > 1000, confirmed) << name;
            EXPECT_TRUE(statNik->isEnabled()) << name;
            EXPECT_EQ(ui::ProgramPrinter().pageLayout().orientation(), QPageLayout::Portrait) << name; // put back
        }
    }
    ui::ProgramPrinter().setOutputFileName(QString());
}

TEST_F(DrawsWindows, StatisticsAndTheirChart)
{
    writeDraws(kThree);
    statNik->show();
    QStringList cells;
    QString chartCaption;
    std::pair<int, qreal> bars;
    whenModal([&] {
        for (int column = 0; column < 5; ++column)
            cells << stats->SGrd->item(6, column)->text();
        cells << stats->Label1->text();
        whenModal([&] {
            chartCaption = chart->windowTitle();
            bars = {chart->barCount(), chart->barValues().at(6)};
            chart->reject();
        });
        stats->shBtnStat->click();
        stats->reject();
    });
    QTest::mouseClick(statNik->glBitBtn1, Qt::LeftButton);
    EXPECT_EQ(cells, (QStringList{"7", "2", "67 %", "1", "0", "ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :3"}));
    EXPECT_EQ(chartCaption, QStringLiteral("ΔΙΑΓΡΑΜΜΑ ΕΜΦΑΝΙΣΕΩΝ ΑΡΙΘΜΩΝ ΣΕ ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :3"));
    EXPECT_EQ(bars, std::pair(80, qreal(2)));

    // Opened again on a file that is gone: everything afresh, all counts 0.
    QFile::remove(drawsPath());
    stats->prepare(drawsPath());
    EXPECT_EQ(stats->SGrd->item(6, 1)->text() + stats->Label1->text(), QStringLiteral("0ΣΥΝΟΛΟ ΚΛΗΡΩΣΕΩΝ :0"));
}

} // namespace taru::test
