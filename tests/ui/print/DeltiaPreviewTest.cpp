#include "PreviewFixture.h"
#include "TestValues.h"

#include "shell/MainFrm.h"
#include "data/CouponFile.h"
#include "draws/DrawsFile.h"
#include "print/PrinterProfile.h"
#include "print/ui/InfoDialDlg.h"
#include "print/ui/NikDlg.h"
#include "print/ui/PrnPrevDeltiaFrm.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"
#include "print/ui/ViewNikDlg.h"
#include "print/ui/WinningRow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace taru;
using namespace taru::test;

namespace {

const QString kFileName = QStringLiteral("ΣΥΣΤΗΜΑ 5.tru");

// The winning column 1..20 used by most cases.
WinningPlaces firstTwenty()
{
    WinningPlaces places;
    for (int i = 0; i < kWinningSize; ++i)
        places[static_cast<std::size_t>(i)] = QString::number(i + 1);
    return places;
}

QStringList line(std::initializer_list<int> numbers)
{
    QStringList items;
    for (int n : numbers)
        items << QString::number(n);
    return items;
}

class DeltiaPreview : public PreviewTest {
protected:
    DeltiaPreview()
        : deltiaFrm(ui::FeatureWindows::as<ui::TPrnPrevDeltiaFrm>(windows.PrnPrevDeltiaFrm))
        , results(ui::FeatureWindows::as<ui::TInfoDialDlg>(windows.InfoDialDlg))
        , picker(ui::FeatureWindows::as<ui::TNikDlg>(windows.NikDlg))
        , drawsPicker(ui::FeatureWindows::as<ui::TViewNikDlg>(windows.ViewNikDlg))
    {
        record(*deltiaFrm);
    }

    // Writes a coupon file of game 5 (multipliers 1 and 3, 10 draws) and loads it.
    void load(const std::vector<QStringList> &coupons)
    {
        const QString path = deltia(kFileName);
        ASSERT_TRUE(writeAll(path, data::CouponFileBytes(static_cast<int>(coupons.size()), 5, QStringLiteral("1,3"), 2,
                                                         0, coupons)));
        ASSERT_TRUE(deltiaFrm->loadCouponFile(path));
        deltiaFrm->show();
    }

    // Runs the check, reading the results dialog while it is shown.
    void check()
    {
        QTimer::singleShot(0, results, [this] {
            resultsShown = results->isVisible();
            results->accept();
        });
        deltiaFrm->BtnSortClick();
    }
    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = results->sgrd->item(row, column);
        return item ? item->text() : QString();
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

    ui::TPrnPrevDeltiaFrm *deltiaFrm;
    ui::TInfoDialDlg *results;
    ui::TNikDlg *picker;
    ui::TViewNikDlg *drawsPicker;
    bool resultsShown = false;
    QString pickerSelection;
};

} // namespace

TEST_F(DeltiaPreview, ShowsTheFileWithItsNameInTheCaptionAndPrintsFromTheFile)
{
    load({line({1, 2, 3, 4, 5}), line({11, 22, 33, 44, 80})});
    EXPECT_EQ(deltiaFrm->windowTitle(), QStringLiteral("ΣΥΣΤΗΜΑ 5.tru,  ΔΕΛΤΙΟ 1 ΑΠΟ 2 ΚΟΣΤΟΣ :30.00"));
    deltiaFrm->SBtnNextClick();
    EXPECT_EQ(deltiaFrm->windowTitle(), QStringLiteral("ΣΥΣΤΗΜΑ 5.tru,  ΔΕΛΤΙΟ 2 ΑΠΟ 2 ΚΟΣΤΟΣ :30.00"));
    EXPECT_EQ(deltiaFrm->couponMarks(2),
              (SlipMarks{QStringLiteral("8"), QStringLiteral("1,3"), false, QStringLiteral("11,22,33,44,80"), 2, 0}));

    prompts.expectMessage(QStringLiteral("Εκτυπώσατε και το τελευταίο δελτίο"), QStringLiteral("Ενημέρωση"));
    deltiaFrm->BtnPrintClick();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].variant, SlipVariant::BFromFile);
    EXPECT_EQ(calls[0].jobs.front().valueLine.couponNumber, 2);
    EXPECT_DOUBLE_EQ(calls[0].jobs.front().valueLine.value, 30.0);

    EXPECT_TRUE(deltiaFrm->BBtnReport->isHidden());
    QTest::mouseClick(deltiaFrm->glBBtnhELP, Qt::LeftButton);
    EXPECT_EQ(helpTopics, QStringList{QStringLiteral("TARU.chm::/DELTIA.htm")});
}

TEST_F(DeltiaPreview, AFileThatCannotBeReadIsRefusedWithTheReadersMessage)
{
    const QString path = deltia(QStringLiteral("ΚΑΚΟ.tru"));
    ASSERT_TRUE(writeAll(path, QByteArray("2\r\n5\r\n\r\n0\r\n0\r\n1,2,x,4,5\r\n")));
    prompts.expectMessage(QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου ") + path, QStringLiteral("Ενημέρωση"));
    EXPECT_FALSE(deltiaFrm->loadCouponFile(path));
    EXPECT_EQ(deltiaFrm->couponCount(), 0);
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
}

TEST_F(DeltiaPreview, CheckingGameFiveFillsSixCategories)
{
    // Winning 1..20. Columns 4 and 9 hit 3 each, column 1 all 5, column 2 none.
    load({line({1, 2, 3, 4, 5}), line({41, 52, 63, 74, 80}), line({1, 2, 30, 40, 50}), line({6, 7, 8, 60, 70}),
          line({1, 31, 32, 33, 34}), line({10, 11, 12, 13, 79}), line({2, 4, 6, 8, 77}), line({20, 21, 22, 23, 24}),
          line({18, 19, 20, 71, 72})});
    context.state.winningColumn = firstTwenty();
    results->Label1->setText(QStringLiteral("από πριν"));
    check();
    EXPECT_TRUE(resultsShown);
    EXPECT_EQ(results->windowTitle(), QStringLiteral("ΠΑΙΧΝΙΔΙ 5 ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"));
    EXPECT_EQ(results->Label1->text(), QString());
    EXPECT_EQ(results->Label3->text(),
              QStringLiteral("1 / 2 / 3 / 4 / 5 / 6 / 7 / 8 / 9 / 10 / 11 / 12 / 13 / 14 / 15 / 16 / 17 / 18 / 19 / 20"));

    ASSERT_EQ(results->sgrd->rowCount(), 6);
    const struct {
        const char *hits, *count, *coupons;
    } expected[] = {{"5", "1", "1"}, {"4", "2", "6,7"}, {"3", "2", "4,9"}, {"2", "1", "3"}, {"1", "2", "5,8"}, {"0", "1", "2"}};
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(cell(row, 0), QString::fromUtf8(expected[row].hits)) << row;
        EXPECT_EQ(cell(row, 1), QString::fromUtf8(expected[row].count)) << row;
        EXPECT_EQ(cell(row, 2), QString()) << row;
        EXPECT_EQ(cell(row, 3), QString()) << row;
        EXPECT_EQ(cell(row, 4), QString::fromUtf8(expected[row].coupons)) << row;
    }

    // The Latin look-alikes of two headings are kept as they are.
    EXPECT_EQ(results->sgrd->horizontalHeaderItem(1)->text(), QStringLiteral("EΠΙΤYXΙΕΣ"));
    EXPECT_EQ(results->sgrd->horizontalHeaderItem(2)->text(), QStringLiteral("KΛΗΡΩΣΕΙΣ"));
}

TEST_F(DeltiaPreview, CheckingRefusesWithoutCouponsOrWithAnEmptyPlace)
{
    context.state.winningColumn = firstTwenty();
    prompts.expectMessage(QStringLiteral("Δεν υπάρχουν δελτία για διαλογή!"), QStringLiteral("Σφάλμα"));
    deltiaFrm->BtnSortClick();

    load({line({1, 2, 3, 4, 5})});
    context.state.winningColumn[19] = QStringLiteral("-");
    prompts.expectMessage(QStringLiteral("Παρακαλώ συμπληρώστε τη νικήτρια στήλη"), QStringLiteral("Ενημέρωση"));
    QTest::mouseClick(deltiaFrm->BtnSort, Qt::LeftButton);
    EXPECT_FALSE(results->isVisible());
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
}

TEST_F(DeltiaPreview, APlaceIsPickedUnlessTheNumberStandsAlready)
{
    load({line({1, 2, 3, 4, 5})});
    context.state.clearWinningColumn();
    EXPECT_EQ(picker->ComboBox1->count(), 81);
    EXPECT_EQ(picker->ComboBox1->itemText(0), QStringLiteral("-"));
    EXPECT_EQ(picker->ComboBox1->itemText(80), QStringLiteral("80"));

    pick(2, QStringLiteral("33"));
    EXPECT_EQ(pickerSelection, QStringLiteral("-")); // opened on the place's text
    EXPECT_EQ(context.state.winningColumn[2], QStringLiteral("33"));

    // 33 again, in place 15: refused in a box without a title.
    prompts.expectMessage(QStringLiteral("Ο αριθμός αυτός υπάρχει ήδη στη νικήτρια!"), QString());
    pick(14, QStringLiteral("33"));
    EXPECT_EQ(context.state.winningColumn[14], QStringLiteral("-"));

    // "-" while other places are still "-" is the same refusal.
    prompts.expectMessage(QStringLiteral("Ο αριθμός αυτός υπάρχει ήδη στη νικήτρια!"), QString());
    pick(2, QStringLiteral("-"));
    EXPECT_EQ(context.state.winningColumn[2], QStringLiteral("33"));

    pick(14, QStringLiteral("80"));
    EXPECT_EQ(context.state.winningColumn[14], QStringLiteral("80"));

    // Cancelling the picker changes nothing.
    pick(14, std::nullopt);
    EXPECT_EQ(pickerSelection, QStringLiteral("80"));
    EXPECT_EQ(context.state.winningColumn[14], QStringLiteral("80"));
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();

    // Outside the cells nothing opens.
    QTest::mouseClick(deltiaFrm->Header1, Qt::LeftButton, {}, QPoint(ui::WinningRow::kCells * 30 + 5, 5));
    EXPECT_EQ(deltiaFrm->Header1->placeAt(QPoint(299, 3)), 9);
    EXPECT_EQ(deltiaFrm->Header2->placeAt(QPoint(0, 3)), 10);
    EXPECT_EQ(deltiaFrm->Header2->placeAt(QPoint(300, 3)), -1);
}

TEST_F(DeltiaPreview, ADrawFromTheDrawsFileFillsTheTwentyPlaces)
{
    load({line({1, 2, 3, 4, 5})});
    context.state.winningColumn = firstTwenty();
    deltiaFrm->sBtnNikClick(); // no draws file: no prompt, no dialog
    EXPECT_FALSE(drawsPicker->isVisible());
    EXPECT_EQ(context.state.winningColumn, firstTwenty());

    std::vector<draws::DrawEntry> entries;
    for (int d = 1; d <= 3; ++d) {
        draws::DrawEntry entry;
        entry.sequence = QString::number(d);
        entry.drawNumber = QString::number(900 + d);
        entry.date = QStringLiteral("0%1/12/2026").arg(d);
        for (int i = 0; i < kWinningSize; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(d * 20 + i - 19);
        entries.push_back(entry);
    }
    ASSERT_TRUE(writeAll(data.path() + QStringLiteral("/Nikitries.nik"), draws::DrawsFileBytes(entries)));

    // Cancelled: the column stays as it was.
    context.state.clearWinningColumn();
    QTimer::singleShot(0, drawsPicker, [this] { drawsPicker->reject(); });
    deltiaFrm->sBtnNikClick();
    EXPECT_EQ(context.state.winningColumn, SharedState::emptyWinningColumn());

    // Enter on the selected (last) row takes the last draw.
    int selectedRow = -1;
    QTimer::singleShot(0, drawsPicker, [&] {
        selectedRow = drawsPicker->SGrd->currentRow();
        QTest::keyClick(drawsPicker->SGrd, Qt::Key_Return);
    });
    QTest::mouseClick(deltiaFrm->sBtnNik, Qt::LeftButton);
    EXPECT_EQ(selectedRow, 2);
    for (int i = 0; i < kWinningSize; ++i)
        EXPECT_EQ(context.state.winningColumn[static_cast<std::size_t>(i)], QString::number(41 + i));

    // A double click picks another row.
    QTimer::singleShot(0, drawsPicker, [this] {
        drawsPicker->SGrd->selectRow(0);
        drawsPicker->SGrdDblClick();
    });
    deltiaFrm->sBtnNikClick();
    EXPECT_EQ(context.state.winningColumn[0], QStringLiteral("1"));
    EXPECT_EQ(context.state.winningColumn[19], QStringLiteral("20"));

    EXPECT_EQ(drawsPicker->SGrd->columnCount(), 23);
    EXPECT_EQ(drawsPicker->SGrd->rowCount(), 3);
}

TEST_F(DeltiaPreview, TheMainMenuOpensThePreviewOnlyOnAFileThatReads)
{
    ui::TMainFrm main(context, windows);
    const QString bad = deltia(QStringLiteral("ΚΑΚΟ.tru"));
    ASSERT_TRUE(writeAll(bad, QByteArray("x\r\n")));
    const QString info = QStringLiteral("Επιλέξτε αρχείο συστήματος ή δελτίων για Εκτύπωση, Διαλογή Επιτυχιών");

    bool shown = false;
    prompts.expectMessage(info, QStringLiteral("TARU"));
    prompts.expectOpenFile(bad);
    prompts.expectMessage(QStringLiteral("Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου ") + bad, QStringLiteral("Ενημέρωση"));
    QTimer::singleShot(0, deltiaFrm, [&] {
        shown = deltiaFrm->isVisible();
        deltiaFrm->reject();
    });
    main.menuItem(QStringLiteral("N15"))->trigger();
    QTest::qWait(10);
    EXPECT_FALSE(shown);

    const QString good = deltia(kFileName);
    ASSERT_TRUE(writeAll(good, data::CouponFileBytes(3, 5, QString(), 0, 0, {line({1, 2, 3, 4, 5})})));
    QString caption;
    prompts.expectMessage(info, QStringLiteral("TARU"));
    prompts.expectOpenFile(good);
    QTimer::singleShot(0, deltiaFrm, [&] {
        shown = deltiaFrm->isVisible();
        caption = deltiaFrm->windowTitle();
        deltiaFrm->reject();
    });
    main.menuItem(QStringLiteral("N15"))->trigger();
    EXPECT_TRUE(shown);
    // Three coupons announced, one line present: the other two are empty coupons.
    EXPECT_EQ(caption, QStringLiteral("ΣΥΣΤΗΜΑ 5.tru,  ΔΕΛΤΙΟ 1 ΑΠΟ 3 ΚΟΣΤΟΣ :0.50"));
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
}

// The preview's own printer: the program's printer, here set to write a PDF, with the default
// profile of the Printers folder.
TEST_F(PreviewTest, ThePreviewPrintsTheCurrentCouponOnTheProgramsPrinter)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    PrinterProfile profile;
    profile.markChar = QStringLiteral("X");
    ASSERT_TRUE(writeAll(data.path() + QStringLiteral("/Printers/default.tpr"), SerialiseProfile(profile)));
    const QString file = deltia(kFileName);
    ASSERT_TRUE(writeAll(file, data::CouponFileBytes(2, 5, QString(), 0, 0, {line({1, 2, 3, 4, 5}), line({6, 7, 8, 9, 10})})));

    auto *preview = ui::FeatureWindows::as<ui::TPrnPrevDeltiaFrm>(windows.PrnPrevDeltiaFrm);
    ASSERT_TRUE(preview->loadCouponFile(file));
    preview->show();
    preview->SBtnNextClick();

    QPrinter &printer = ui::ProgramPrinter();
    const QString pdf = data.path() + QStringLiteral("/slip.pdf");
    ui::ConfigurePdfPrinter(printer, pdf, 300);
    prompts.expectMessage(QStringLiteral("Εκτυπώσατε και το τελευταίο δελτίο"), QStringLiteral("Ενημέρωση"));
    preview->BtnPrintClick();
    printer.setOutputFileName(QString()); // back to the system's printer for the other tests
    printer.setOutputFormat(QPrinter::NativeFormat);

    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << text.toStdString(); // one page
    EXPECT_TRUE(text.contains(QStringLiteral("Δελ. 2"))) << text.toStdString();
    EXPECT_EQ(text.count(QLatin1Char('X')), 6) << text.toStdString(); // five numbers and the game box
}
