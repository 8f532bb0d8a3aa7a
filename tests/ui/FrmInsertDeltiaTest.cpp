#include "import/ui/FrmInsertDeltia.h"

#include "ShellFixture.h"
#include "TestValues.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kTaru = QStringLiteral("TARU");
const QString kOpenFilter = QStringLiteral(
    "ΟΛΙΑ ΤΑ ΑΡΧΕΙΑ|*.tru;*.txt;*.csv|ΔΕΛΤΙΑ Taru|*.tru|ΑΡΧΕΙΑ ΤΧΤ|*.txt|ΑΡΧΕΙΑ EXCEL CSV|*.csv");

class FrmInsertDeltia : public ShellTest {
protected:
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

    // Rows as "1: 5 12 _" (the row number, then the cells, empty ones as "_"), the spare row included.
    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < frm.rowCount(); ++r) {
            QString row = frm.cell(r, 0) + QLatin1Char(':');
            for (int c = 1; c < columns(); ++c)
                row += QLatin1Char(' ') + (frm.cell(r, c).isEmpty() ? QStringLiteral("_") : frm.cell(r, c));
            out << row;
        }
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

TEST_F(FrmInsertDeltia, OpensWithGameSixThenTypingRulesWithRealKeysAndTheTypedRowSaved)
{
    showActive(&frm);
    EXPECT_EQ(frm.SpinEdit1->value(), 6);
    EXPECT_EQ(rows(), QStringList{"1: _ _ _ _ _ _"});
    EXPECT_EQ(current(), std::make_pair(0, 1));
    // A value outside 1..80 is refused the moment it is typed.
    prompts.expectMessage("1..80", kTaru);
    goTo(0, 1);
    typeKeys("81");
    EXPECT_EQ(rows(), QStringList{"1: _ _ _ _ _ _"});
    EXPECT_EQ(current(), std::make_pair(0, 1));
    // Only digits are typed; a first "0" is already outside 1..80.
    prompts.expectMessage("1..80", kTaru);
    typeKeys("x0");
    EXPECT_EQ(rows(), QStringList{"1: _ _ _ _ _ _"});

    // One digit and Enter: accepted, on to the next cell; the row gets a spare row after it.
    typeKeys("7");
    press(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(0, 2));
    EXPECT_EQ(rows(), (QStringList{"1: 7 _ _ _ _ _", "2: _ _ _ _ _ _"}));
    // The same number again: refused on Enter, the cursor stays.
    typeKeys("7");
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    press(Qt::Key_Return);
    EXPECT_EQ(current(), std::make_pair(0, 2));
    // Backspace empties the cell; in an empty cell it goes back one column, never left of 1.
    press(Qt::Key_Backspace);
    EXPECT_EQ(rows(), (QStringList{"1: 7 _ _ _ _ _", "2: _ _ _ _ _ _"}));
    press(Qt::Key_Backspace);
    EXPECT_EQ(current(), std::make_pair(0, 1));
    press(Qt::Key_Backspace); // on "7": empties it; the spare row goes with the last value
    EXPECT_EQ(rows(), QStringList{"1: _ _ _ _ _ _"});
    press(Qt::Key_Backspace);
    EXPECT_EQ(current(), std::make_pair(0, 1));

    // Two digits move on by themselves, from the last column to column 1 of the next row.
    typeKeys("1020304050");
    EXPECT_EQ(current(), std::make_pair(0, 6));
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    typeKeys("30");
    EXPECT_EQ(current(), std::make_pair(0, 6)); // a repeated two-digit value stays
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    typeKeys("60");
    EXPECT_EQ(current(), std::make_pair(1, 1));
    EXPECT_EQ(rows(), (QStringList{"1: 10 20 30 40 50 60", "2: _ _ _ _ _ _"}));

    const QString path = deltia(QStringLiteral("typed"));
    prompts.expectSaveFile(path, QStringLiteral("ΔΕΛΤΙΑ Taru|*.tru"));
    QTest::mouseClick(frm.Button2, Qt::LeftButton);
    EXPECT_EQ(prompts.lastFolder, context.paths.folder(kDeltiaFolder));
    EXPECT_EQ(readAll(path + ".tru"), QByteArray("1\r\n6\r\n\r\n0\r\n0\r\n10,20,30,40,50,60\r\n"));
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ (typed.tru)");
    // The game sets the columns.
    frm.SpinEdit1->setValue(3);
    EXPECT_EQ(columns(), 4);
}

TEST_F(FrmInsertDeltia, CtrlDeleteRemovesTheRowAndLeavingWithARepeatedValueReturns)
{
    showActive(&frm);
    frm.setGrid({3, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}}});
    goTo(1, 2);
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rows(), (QStringList{"1: 1 2 3", "2: 7 8 9", "3: _ _ _"}));
    EXPECT_EQ(current(), std::make_pair(1, 2));
    // From inside the cell editor too.
    typeKeys("5");
    press(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(rows(), (QStringList{"1: 1 2 3", "2: _ _ _"}));
    // Delete alone empties one cell.
    goTo(0, 3);
    press(Qt::Key_Delete);
    EXPECT_EQ(rows(), (QStringList{"1: 1 2 _", "2: _ _ _"}));

    // Leaving the grid with a repeated value returns to it, except towards "ΕΞΟΔΟΣ".
    frm.setGrid({3, {{"1", "2", "3"}, {"4", "5", "4"}}});
    goTo(0, 1);
    prompts.expectMessage("ΛΑΘΟΣ ΤΙΜΗ", kTaru);
    frm.SpinEdit1->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), frm.StringGrid1);
    EXPECT_EQ(current(), std::make_pair(1, 3));

    frm.Button3->setFocus(); // towards "ΕΞΟΔΟΣ": no question asked
    EXPECT_EQ(QApplication::focusWidget(), frm.Button3);

    goTo(1, 3);
    typeKeys("6");
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

// How each kind of file is read is the reader's (and its status line); the window shows what it gave.
TEST_F(FrmInsertDeltia, LoadsAFileAndUnsuitableFilesBringOneNotice)
{
    prompts.expectOpenFile(load(QStringLiteral("numbers.csv"), "5;12;33;40;71\r\n"));
    frm.Button1Click();
    EXPECT_EQ(frm.SpinEdit1->value(), 5);
    EXPECT_EQ(rows(), (QStringList{"1: 5 12 33 40 71", "2: _ _ _ _ _"}));
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ (numbers.csv)"));
    EXPECT_EQ(frm.LblStatus->text(), "Διαβάστηκε 1 στήλη.");

    // A value outside 1..80 is placed, and stands out from its row until it is corrected. The
    // next load starts where the last one was taken from.
    prompts.expectOpenFile(load(QStringLiteral("range.csv"), "5;12\r\n4;99\r\n"));
    prompts.expectMessage("ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ", kTaru);
    frm.Button1Click();
    EXPECT_EQ(prompts.lastFolder, data.path());
    EXPECT_EQ(rows(), (QStringList{"1: 5 12", "2: 4 99", "3: _ _"}));
    const QAbstractItemModel *model = frm.StringGrid1->model();
    EXPECT_NE(model->index(1, 2).data(Qt::ForegroundRole), model->index(1, 1).data(Qt::ForegroundRole));

    // A coupon file with "A" placeholders empties the grid; the game it gave stays.
    prompts.expectOpenFile(load(QStringLiteral("gen.tru"), "2\r\n3\r\n\r\n0\r\n0\r\n1,2,3\r\nA,15,20\r\n"));
    prompts.expectMessage("ΑΚΑΤΑΛΗΛΟ ΑΡΧΕΙΟ", kTaru);
    frm.Button1Click();
    EXPECT_EQ(frm.SpinEdit1->value(), 3);
    EXPECT_EQ(rows(), QStringList{"1: _ _ _"});
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ ");

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

TEST_F(FrmInsertDeltia, SavingOverAFileAsksFirstThenClearingAsks)
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

    frm.LblStatus->setText(QStringLiteral("Διαβάστηκαν 2 στήλες."));
    prompts.expectAsk("ΕΙΣΤΑΙ ΣΙΓΟΥΡΟΣ ΓΙΑ ΤΟΝ ΚΑΘΑΡΙΣΜΟ", "Επιβεβαίωση", Button::No);
    frm.Button4Click();
    EXPECT_EQ(rows().size(), 2);
    prompts.expectAsk("ΕΙΣΤΑΙ ΣΙΓΟΥΡΟΣ ΓΙΑ ΤΟΝ ΚΑΘΑΡΙΣΜΟ", "Επιβεβαίωση", Button::Yes);
    frm.Button4Click();
    EXPECT_EQ(rows(), QStringList{"1: _ _"});
    EXPECT_EQ(frm.windowTitle(), "ΕΙΣΑΓΩΓΗ ΔΕΛΤΙΩΝ ΓΙΑ ΠΑΙΧΝΙΔΙ ");
    EXPECT_TRUE(frm.LblStatus->text().isEmpty());
}
