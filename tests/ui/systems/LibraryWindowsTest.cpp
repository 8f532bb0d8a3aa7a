#include "ProduceFixture.h"

#include "base/TextFile.h"
#include "print/PrinterProfile.h"
#include "print/ui/QPainterCanvas.h"
#include "systems/Library.h"
#include "systems/ui/LoadBiblioListFrm.h"
#include "window/CellGrid.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPushButton>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

#include <set>

using namespace taru;
using namespace taru::test;

namespace {

const QString kProgram = QStringLiteral("TARU");
const QString kInfo = QStringLiteral("Ενημέρωση");

// Four positions, game 3: the columns 1 2 3, 1 3 4 and 2 4 (a short line).
const QString kSystemFile = QStringLiteral("A4233_4_2_3_3_150_3_7500_3.tbi");

// The text of a PDF, or nothing when pdftotext is not installed.
std::optional<QString> pdfText(const QString &path)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return std::nullopt;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

class LibraryWindows : public ProduceTest {
protected:
    LibraryWindows()
    {
        for (const char *name : {"A8344_8_3_4_14_700_14_2000_4.tbi", "Z1045512_10_4_5_36_999_22_873_5_1$2.tbi",
                                 "A6233_6_2_3_4_200_4_2000_3.tbi"})
            writeAll(biblioPath(QString::fromUtf8(name)), "1 2 3 \r\n");
        writeAll(biblioPath(kSystemFile), "1 2 3 \r\n1 3 4 \r\n2 4 \r\n");
        ui::ConfigurePdfPrinter(printer, pdf(), 150);
    }
    QStringList column(const ui::TLoadBiblioListFrm &list, int c) const
    {
        QStringList cells;
        for (int r = 0; r < list.SGrd->rowCount(); ++r)
            cells << list.SGrd->item(r, c)->text();
        return cells;
    }
    QString pdf() const { return out.filePath(QStringLiteral("printout.pdf")); }
    // The library window on the 4-position system, shown.
    void openSystem()
    {
        ui::TLoadBiblioListFrm list(context);
        list.show();
        const int row = static_cast<int>(column(list, 0).indexOf(QStringLiteral("A4233")));
        list.SGrdDblClick(row);
        ASSERT_EQ(biblio.execs, 1);
        biblio.show();
    }
    // Types text into position row (0-based) and presses Enter, as the user does.
    void type(int row, const QString &text)
    {
        typeInto(biblio.SGrd, row, 1, text);
    }
    void typeAll(std::initializer_list<int> numbers)
    {
        int row = 0;
        for (int n : numbers)
            type(row++, QString::number(n));
    }

    // The windows print into a PDF file, read back as text.
    QTemporaryDir out;
    QPrinter printer{QPrinter::HighResolution};
};

} // namespace

TEST_F(LibraryWindows, ListOpensSortedByNumbersAndSortsByAnyHeading)
{
    ui::TLoadBiblioListFrm list(context);
    list.show();
    EXPECT_EQ(column(list, 0).join(' '), QStringLiteral("A4233 A6233 A8344 Z1045512"));

    // By "% ΓΙΑ ΠΑΙΧ.", as numbers; A/A follows the new order.
    QTest::mouseClick(list.SGrd->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(list.SGrd->horizontalHeader()->sectionViewportPosition(7) + 5, 5));
    EXPECT_EQ(column(list, 7).join(' '), QStringLiteral("8.73 20.00 20.00 75.00"));
    EXPECT_EQ(column(list, 10).join(' '), QStringLiteral("1 2 3 4"));
    EXPECT_EQ(column(list, 0).at(1), QStringLiteral("A6233")); // equal cells keep their order
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A bad name stops the listing with a warning; a listed system whose file is gone warns instead
// of opening.
TEST_F(LibraryWindows, ABadNameStopsTheListingAndAMissingFileTheOpening)
{
    writeAll(biblioPath(QStringLiteral("B_x_1.tbi")), "");
    ui::TLoadBiblioListFrm list(context);
    prompts.expectMessage(data::SystemNameErrorText(QStringLiteral("B_x_1.tbi")), kProgram);
    list.show();
    EXPECT_EQ(column(list, 0).join(' '), QStringLiteral("A4233 A6233 A8344")); // the names listed before it
    EXPECT_EQ(prompts.lastIcon, ui::Icon::Warning);

    QFile::remove(biblioPath(kSystemFile));
    prompts.expectMessage(kLibraryNoColumnFile, kProgram);
    list.SGrdDblClick(0);
    EXPECT_EQ(biblio.execs, 0);
}

TEST_F(LibraryWindows, ListPrintsTheChosenRangeOnTheProgramsPrinter)
{
    ui::TLoadBiblioListFrm list(context);
    list.show();
    list.printer = &printer;

    // Cancelled at the print dialog: nothing printed.
    range.onExec = [this] { EXPECT_EQ(range.Edit2->text(), QStringLiteral("4")); };
    prompts.expectPrintDialog(false);
    list.BtnPrintClick();
    EXPECT_FALSE(QFile::exists(pdf()));

    range.onExec = [this] {
        range.ChkAll->setChecked(false);
        range.Edit1->setText(QStringLiteral("2"));
        range.Edit2->setText(QStringLiteral("3"));
    };
    prompts.expectPrintDialog(true);
    list.BtnPrintClick();
    EXPECT_TRUE(list.isEnabled());
    const std::optional<QString> text = pdfText(pdf());
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->contains(QStringLiteral("ΒΙΒΛΙΟΘΗΚΗ ΣΥΣΤΗΜΑΤΩΝ TARU")));
    EXPECT_TRUE(text->contains(QStringLiteral("A6233")) && text->contains(QStringLiteral("A8344")));
    EXPECT_FALSE(text->contains(QStringLiteral("A4233")));
}

TEST_F(LibraryWindows, PositionsTakeOnlyFreeNumbersFromOneToEighty)
{
    openSystem();
    EXPECT_EQ(biblio.LblHeader->text(), QStringLiteral("A4233"));
    ASSERT_EQ(biblio.SGrd->rowCount(), 4); // one row a position

    struct Case { int row; const char *typed; const char *kept; };
    const Case cases[] = {
        {0, "7", "7"}, {1, "81", ""}, {1, "7", ""}, {1, "x1", ""}, {1, "0", ""}, {1, "15", "15"}, {0, "22", "22"},
    };
    for (const Case &c : cases) {
        type(c.row, QString::fromLatin1(c.typed));
        EXPECT_EQ(biblio.SGrd->text(c.row, 1), QString::fromLatin1(c.kept)) << "typed " << c.typed;
        // Enter moves on from an accepted number only.
        EXPECT_EQ(biblio.SGrd->currentRow(), *c.kept ? c.row + 1 : c.row) << "typed " << c.typed;
    }
    // The board shows what the positions hold.
    EXPECT_EQ(markedNumbers(context.state.board), (std::vector<int>{15, 22}));
    EXPECT_EQ(biblio.playerNumbers(), (std::vector<int>{22, 15, 0, 0}));
}

// Coupons are refused until every used position is filled; the dice fills the empty ones with
// free numbers.
TEST_F(LibraryWindows, CouponsAreRefusedUntilEveryUsedPositionIsFilled)
{
    openSystem();
    type(1, QStringLiteral("15"));
    EXPECT_FALSE(biblio.LblHint->isVisible());
    prompts.expectMessage(kLibraryFillPositions, kProgram);
    biblio.BBtnSaveClick();
    EXPECT_TRUE(biblio.LblHint->isVisible());

    biblio.BBtnDiceClick();
    const std::vector<int> numbers = biblio.playerNumbers();
    EXPECT_EQ(numbers[1], 15);
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()).size(), 4u);
    for (int n : numbers)
        EXPECT_TRUE(n >= 1 && n <= 80 && context.state.board[static_cast<std::size_t>(n - 1)]) << n;
    EXPECT_EQ(biblio.SGrd->text(3, 1), QString::number(numbers[3]));

    // A column file emptied since: no columns for coupons; removed: the missing-file warning.
    writeAll(biblioPath(kSystemFile), "");
    prompts.expectMessage(kNoColumnsForCoupons, kInfo);
    biblio.BtnPrintClick();
    QFile::remove(biblioPath(kSystemFile));
    prompts.expectMessage(kLibraryNoColumnFile, kProgram);
    biblio.BBtnReportClick();
    EXPECT_EQ(systemPreview.execs, 0);
}

// Positions 1, 3 and 4 become the player's numbers in the preview; the same coupons are saved with
// the window's options.
TEST_F(LibraryWindows, TheBuiltCouponsGoToThePreviewAndToACouponFile)
{
    openSystem();
    typeAll({7, 15, 22, 40});
    biblio.Header1SectionClick(2);
    biblio.Header1SectionClick(0); // the section reading 20, the first from the left
    biblio.SgrdDKMouseUp(2);       // 4 draws
    biblio.BtnPrintClick();
    ASSERT_EQ(systemPreview.execs, 1);
    EXPECT_EQ(std::pair(systemPreview.couponCount(), systemPreview.game()), std::pair(3, 3));
    EXPECT_EQ(row(context.state.systemColumns[1]), col({7, 22, 40}));
    const SlipMarks marks = systemPreview.couponMarks(3);
    EXPECT_EQ(std::tuple(marks.numbers, marks.multipliers, marks.drawColumn, marks.drawRow), std::tuple("15,40", "1,3", 1, 2));

    const QString path = deltiaPath(QStringLiteral("ΒΙΒΛΙΟ.tru"));
    prompts.expectSaveFile(path, QStringLiteral("Αρχεία Δελτίων|*.tru"));
    QTest::mouseClick(biblio.BBtnSave, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, QDir(data.path()).filePath(QStringLiteral("DELTIA")));
    EXPECT_EQ(readAll(path), QByteArray("3\r\n3\r\n1,3\r\n1\r\n2\r\n7,15,22\r\n7,22,40\r\n15,40\r\n"));
}

TEST_F(LibraryWindows, ReportPrintsTheSystemAndThePlayersNumbers)
{
    PrinterProfile profile;
    profile.slipTop = QStringLiteral("90"); // room above the board for the report's first lines
    writeAll(QDir(data.path()).filePath(QStringLiteral("Printers/default.tpr")), SerialiseProfile(profile));
    openSystem();
    typeAll({7, 15, 22, 40});
    biblio.printer = &printer;
    biblio.BBtnReportClick();
    const std::optional<QString> text = pdfText(pdf());
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    for (const QString &line : {QStringLiteral("Αναφορά Συστήματος : A4233"), QStringLiteral("Παίζουν : 4 αριθμοί"),
                                QStringLiteral("Δελτία : 3"), QStringLiteral("Αξία Συστήματος : 1.50 € Ευρώ"),
                                QStringLiteral("2 αρι(α) στόχος μας το 3"), QStringLiteral("7 15 22 40")})
        EXPECT_TRUE(text->contains(line)) << line.toStdString() << "\n" << text->toStdString();
}
