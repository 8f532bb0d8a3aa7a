#include "import/ui/FrmInsertDeltia.h"

#include "ShellFixture.h"
#include "TestValues.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kTaru = QStringLiteral("TARU");
const QString kOpenFilter = QStringLiteral(
    "ΟΛΙΑ ΤΑ ΑΡΧΕΙΑ|*.tru;*.txt;*.csv|ΔΕΛΤΙΑ Taru|*.tru|ΑΡΧΕΙΑ ΤΧΤ|*.txt|ΑΡΧΕΙΑ EXCEL CSV|*.csv");

class FrmInsertDeltia : public ShellTest {
protected:
    void showWindow()
    {
        frm.show();
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    // Keys as the user types them: to whatever has the focus (the grid, or its cell editor).
    void type(const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    void goTo(int row, int column)
    {
        frm.StringGrid1->setFocus();
        frm.setCurrentCell(row, column);
    }
    std::pair<int, int> current() const { return {frm.currentRow(), frm.currentColumn()}; }
    int columns() const { return frm.StringGrid1->model()->columnCount(); }

    // Rows as "5 12 _" (empty cells as "_"), the spare row included.
    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < frm.rowCount(); ++r) {
            QStringList cells;
            for (int c = 1; c < columns(); ++c)
                cells << (frm.cell(r, c).isEmpty() ? QStringLiteral("_") : frm.cell(r, c));
            out << cells.join(QLatin1Char(' '));
        }
        return out;
    }
    QStringList rowNumbers() const
    {
        QStringList out;
        for (int r = 0; r < frm.rowCount(); ++r)
            out << frm.cell(r, 0);
        return out;
    }
    QString load(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(data.path()).filePath(name);
        EXPECT_TRUE(writeAll(path, bytes));
        return path;
    }
    QString deltia(const QString &name) const { return QDir(context.paths.folder(kDeltiaFolder)).filePath(name); }

    ui::TFrmInsertDeltia frm{context};
};

} // namespace

TEST_F(FrmInsertDeltia, OpensWithGameSixAndOneRowAndTheGameSetsTheColumns)
{
    showWindow();
    EXPECT_EQ(frm.SpinEdit1->value(), 6);
    EXPECT_EQ(columns(), 7);
    EXPECT_EQ(rowNumbers(), QStringList{"1"});
    EXPECT_EQ(current(), std::make_pair(0, 1));

    frm.SpinEdit1->setValue(3);
    EXPECT_EQ(columns(), 4);
}

TEST_F(FrmInsertDeltia, TypingRulesWithRealKeys)
{
    showWindow();
    // A value outside 1..80 is refused the moment it is typed.
    prompts.expectMessage("1..80", kTaru);
    goTo(0, 1);
    type("81");
    EXPECT_EQ(rows(), QStringList{"_ _ _ _ _ _"});
    EXPECT_EQ(current(), std::make_pair(0, 1));
    // Only digits are typed; a first "0" is already outside 1..80.
    prompts.expectMessage("1..80", kTaru);
    type("x0");
    EXPECT_EQ(rows(), QStringList{"_ _ _ _ _ _"});

    // One digit and Enter: accepted, on to the next cell; the row gets a spare row after it.
    type("7");
    press(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(0, 2));
    EXPECT_EQ(rows(), (QStringList{"7 _ _ _ _ _", "_ _ _ _ _ _"}));
    EXPECT_EQ(rowNumbers(), (QStringList{"1", "2"}));
    // The same number again: refused on Enter, the cursor stays.
    type("7");
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    press(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(0, 2));
    // Backspace empties the cell; in an empty cell it goes back one column, never left of 1.
    press(Qt::Key_Backspace);
    EXPECT_EQ(rows(), (QStringList{"7 _ _ _ _ _", "_ _ _ _ _ _"}));
    press(Qt::Key_Backspace);
    EXPECT_EQ(current(), std::make_pair(0, 1));
    press(Qt::Key_Backspace); // on "7": empties it; the spare row goes with the last value
    EXPECT_EQ(rows(), QStringList{"_ _ _ _ _ _"});
    press(Qt::Key_Backspace);
    EXPECT_EQ(current(), std::make_pair(0, 1));

    // Two digits move on by themselves, from the last column to column 1 of the next row.
    type("1020304050");
    EXPECT_EQ(current(), std::make_pair(0, 6));
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    type("30");
    EXPECT_EQ(current(), std::make_pair(0, 6)); // a repeated two-digit value stays
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    type("60");
    EXPECT_EQ(current(), std::make_pair(1, 1));
    EXPECT_EQ(rows(), (QStringList{"10 20 30 40 50 60", "_ _ _ _ _ _"}));
}

TEST_F(FrmInsertDeltia, ThreeTypedRowsOfGameFourSaveAsTheSpecifiedLines)
{
    showWindow();
    frm.SpinEdit1->setValue(4);
    goTo(0, 1);
    type("101112132021222330313233");
    EXPECT_EQ(rowNumbers(), (QStringList{"1", "2", "3", "4"}));

    const QString path = deltia(QStringLiteral("typed"));
    prompts.expectSaveFile(path, QStringLiteral("ΔΕΛΤΙΑ Taru|*.tru"));
    QTest::mouseClick(frm.Button2, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, context.paths.folder(kDeltiaFolder));
    EXPECT_EQ(readAll(path + ".tru"), QByteArray("3\r\n4\r\n\r\n0\r\n0\r\n10,11,12,13\r\n20,21,22,23\r\n30,31,32,33\r\n"));
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ (typed.tru)");
}

TEST_F(FrmInsertDeltia, CtrlDeleteRemovesTheRowAndKeepsOneSpareRow)
{
    showWindow();
    frm.setGrid({3, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}});
    goTo(1, 2);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rows(), (QStringList{"1 2 3", "7 8 9", "_ _ _"}));
    EXPECT_EQ(rowNumbers(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(current(), std::make_pair(1, 2));
    // From inside the cell editor too.
    type("5");
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rows(), (QStringList{"1 2 3", "_ _ _"}));
    // Delete alone empties one cell.
    goTo(0, 3);
    press(Qt::Key_Delete);
    EXPECT_EQ(rows(), (QStringList{"1 2 _", "_ _ _"}));
}

TEST_F(FrmInsertDeltia, LeavingTheGridWithARepeatedValueReturnsToItExceptTowardsExit)
{
    showWindow();
    frm.setGrid({3, {{"1", "2", "3"}, {"4", "5", "4"}}});
    goTo(0, 1);
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    frm.SpinEdit1->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), frm.StringGrid1);
    EXPECT_EQ(current(), std::make_pair(1, 3));

    frm.Button3->setFocus(); // towards "ΕΞΟΔΟΣ": no question asked
    EXPECT_EQ(QApplication::focusWidget(), frm.Button3);

    goTo(1, 3);
    type("6");
    frm.Button1->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), frm.Button1);
}

TEST_F(FrmInsertDeltia, EachMenuModePreselectsItsFilter)
{
    for (int mode = 0; mode < 4; ++mode) {
        context.importMode = mode;
        frm.FormShow();
        prompts.expectOpenFile(std::nullopt, kOpenFilter);
        frm.Button1Click();
        EXPECT_EQ(prompts.lastSelectedFilter, mode);
    }
}

TEST_F(FrmInsertDeltia, LoadsAFileIntoTheGrid)
{
    // How each kind of file is read is the reader's; the window shows what it gave.
    prompts.expectOpenFile(load(QStringLiteral("numbers.csv"), "5;12;33;40;71\r\n"));
    frm.Button1Click();
    EXPECT_EQ(frm.SpinEdit1->value(), 5);
    EXPECT_EQ(rows(), (QStringList{"5 12 33 40 71", "_ _ _ _ _"}));
    EXPECT_EQ(rowNumbers(), (QStringList{"1", "2"}));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ (numbers.csv)"));
    EXPECT_EQ(frm.LblStatus->text(), "Διαβάστηκε 1 στήλη.");
    // The next load starts where the last one was taken from.
    prompts.expectOpenFile(std::nullopt);
    frm.Button1Click();
    EXPECT_EQ(prompts.lastFolder, data.path());
}

TEST_F(FrmInsertDeltia, UnsuitableFilesBringOneNoticeAndSayWhyUnderTheGrid)
{
    // A value outside 1..80 is placed.
    prompts.expectOpenFile(load(QStringLiteral("range.csv"), "\xEF\xBB\xBF" "5;12\r\n4;99\r\n"));
    prompts.expectMessage("ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ", kTaru);
    frm.Button1Click();
    EXPECT_EQ(rows(), (QStringList{"5 12", "4 99", "_ _"}));
    // The refused value stands out from its row until it is corrected.
    const QAbstractItemModel *model = frm.StringGrid1->model();
    EXPECT_NE(model->index(1, 2).data(Qt::ForegroundRole), model->index(1, 1).data(Qt::ForegroundRole));
    EXPECT_EQ(frm.LblStatus->text(),
              "Διαβάστηκαν 2 στήλες (UTF-8). Απορρίφθηκε 1 τιμή: γραμμή 2 «4;99»: 99 είναι έξω από το 1..80.");

    // A coupon file with "A" placeholders empties the grid; the game it gave stays.
    prompts.expectOpenFile(load(QStringLiteral("gen.tru"), "2\r\n3\r\n\r\n0\r\n0\r\n1,2,3\r\nA,15,20\r\n"));
    prompts.expectMessage("ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ", kTaru);
    frm.Button1Click();
    EXPECT_EQ(frm.SpinEdit1->value(), 3);
    EXPECT_EQ(rows(), QStringList{"_ _ _"});
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ ");
    EXPECT_EQ(frm.LblStatus->text(), "Ο πίνακας καθαρίστηκε: γραμμή 7 «A,15,20»: «A» δεν είναι αριθμός.");

    // A file that cannot be opened: the standard error box, and the same words under the grid.
    const QString folder = QDir(data.path()).filePath(QStringLiteral("folder.txt"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString message = "Παρουσιάστηκε σφάλμα στην ανάγνωση του αρχείου " + QDir::toNativeSeparators(folder) +
                            "\nΔεν είναι κανονικό αρχείο (φάκελος ή συσκευή).";
    prompts.expectOpenFile(folder);
    prompts.expectMessage(message, kTaru);
    frm.Button1Click();
    EXPECT_EQ(frm.LblStatus->text(), message);
}

TEST_F(FrmInsertDeltia, SavingOverAFileAsksFirstAndNoKeepsIt)
{
    frm.setGrid({2, {{"1", "2"}}});
    const QString path = deltia(QStringLiteral("old.tru"));
    ASSERT_TRUE(writeAll(path, "old"));
    const QString question = "ΤΟ ΑΡΧΕΙΟ (" + QDir::toNativeSeparators(path) + ")\nΥΠΑΡΧΕΙ ΘΕΛΕΤΕ ΝΑ ΕΠΑΝΑΓΡΑΦΕΙ ; ";
    prompts.expectSaveFile(path).expectAsk(question, "Επιβεβαίωση", Button::No);
    frm.Button2Click();
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_EQ(readAll(path), QByteArray("old"));
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ  ");

    prompts.expectSaveFile(path).expectAsk(question, "Επιβεβαίωση", Button::Yes);
    frm.Button2Click();
    EXPECT_EQ(readAll(path), QByteArray("1\r\n2\r\n\r\n0\r\n0\r\n1,2\r\n"));
}

TEST_F(FrmInsertDeltia, ClearingAsksAndYesEmptiesTheGrid)
{
    frm.setGrid({2, {{"1", "2"}, {"3", "4"}}});
    frm.LblStatus->setText(QStringLiteral("Διαβάστηκαν 2 στήλες."));
    prompts.expectAsk("ΕΙΣΤΑΙ ΣΙΓΟΥΡΟΣ ΓΙΑ ΤΟΝ ΚΑΘΑΡΙΣΜΟ", "Επιβεβαίωση", Button::No);
    frm.Button4Click();
    EXPECT_EQ(rows().size(), 3);

    prompts.expectAsk("ΕΙΣΤΑΙ ΣΙΓΟΥΡΟΣ ΓΙΑ ΤΟΝ ΚΑΘΑΡΙΣΜΟ", "Επιβεβαίωση", Button::Yes);
    frm.Button4Click();
    EXPECT_EQ(rows(), QStringList{"_ _"});
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ ");
    EXPECT_TRUE(frm.LblStatus->text().isEmpty());
}
