#include "ProduceFixture.h"

#include "game/ui/NumberBoard.h"
#include "systems/Replacement.h"
#include "systems/ui/FrmReplace_Deltia.h"

#include <QClipboard>
#include <QLabel>

#include <set>

using namespace taru;
using namespace taru::test;

namespace {

const QString kProgram = QStringLiteral("TARU");
const QByteArray kCoupons = "2\r\n5\r\n1,3\r\n2\r\n0\r\n1,2,3,4,5\r\n3,4,5,6,7\r\n";

class ReplaceWindow : public ProduceTest {
protected:
    ReplaceWindow()
        : window(context)
    {
        loaded = deltiaPath(QStringLiteral("ΚΥΡΙΑΚΗ.tru"));
        writeAll(loaded, kCoupons);
        context.openDialogFileName = loaded;
        context.state.multiplierBoxes[3] = true; // cleared by the show
        window.show();
    }
    void setNew(int row, const char *text) { window.SGrd->setText(row, 2, QString::fromLatin1(text)); }
    QString column(int c) const
    {
        QStringList cells;
        for (int r = 0; r < window.SGrd->rowCount(); ++r)
            cells << window.SGrd->text(r, c);
        return cells.join(QLatin1Char(','));
    }
    // Ctrl+V as the keyboard sends it: a control character, not a letter.
    static void paste(QWidget *editor, const QString &clipboard)
    {
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
    }

    QString loaded;
    ui::TFrmReplace_Deltia window;
};

} // namespace

// The file's numbers 1..7 in order of first appearance; 3 becomes 40 by typing, a letter typed or
// pasted never reaches a cell; 5 and 7 swap; saved over the loaded file itself, nothing is lost.
TEST_F(ReplaceWindow, TypingPastingAndSavingOverTheLoadedFile)
{
    EXPECT_EQ(window.LblHeader->text(), QStringLiteral("ΣΥΣΤΗΜΑ - ΚΥΡΙΑΚΗ.tru"));
    EXPECT_EQ(column(1), QStringLiteral("1,2,3,4,5,6,7"));
    EXPECT_EQ(column(2), column(1));
    EXPECT_FALSE(context.state.multiplierBoxes[3]);

    window.SGrd->setCurrentCell(2, 2);
    QTest::keyClick(window.SGrd, 'x');
    QTest::keyClick(window.SGrd, '4');
    QWidget *editor = window.SGrd->indexWidget(window.SGrd->currentIndex());
    ASSERT_NE(editor, nullptr);
    paste(editor, QStringLiteral("x1"));
    paste(editor, QStringLiteral("0"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(window.SGrd->text(2, 2), QStringLiteral("40"));
    EXPECT_TRUE(window.SgrdA->isMarked(40 - 1));
    EXPECT_FALSE(window.SgrdA->isMarked(3 - 1));
    EXPECT_EQ(window.SGrd->currentRow(), 3); // Enter moved on

    setNew(4, "7");
    setNew(6, "5");
    window.Header1SectionClick(0);
    window.SgrdDKMouseUp(9);
    prompts.expectSaveFile(loaded, QStringLiteral("ΔΕΛΤΙΑ TARU|*.tru"));
    window.BBtnSaveClick();
    EXPECT_EQ(readAll(loaded), QByteArray("2\r\n5\r\n1\r\n2\r\n4\r\n1,2,40,4,7\r\n40,4,7,6,5\r\n"));
}

TEST_F(ReplaceWindow, RefusalsNameTheirCause)
{
    // 9 twice: the cursor goes to the first, no save dialog follows.
    setNew(5, "9");
    setNew(2, "9");
    prompts.expectMessage(kWrongValue, kProgram);
    window.BBtnSaveClick();
    EXPECT_EQ(std::pair(window.SGrd->currentRow(), window.SGrd->currentColumn()), std::pair(2, 2));
    EXPECT_EQ(readAll(loaded), kCoupons);

    // A bad item: reported, the numbers before it stay.
    writeAll(loaded, "2\r\n3\r\n\r\n0\r\n0\r\n4,8,2\r\n9,x,1\r\n");
    prompts.expectMessage(QStringLiteral("Η γραμμή 7 του αρχείου δελτίων έχει μη έγκυρο αριθμό «x»."), kProgram);
    window.hide();
    window.show();
    EXPECT_EQ(column(1), QStringLiteral("4,8,2,9"));
    EXPECT_EQ(prompts.lastIcon, ui::Icon::Error);
}

TEST_F(ReplaceWindow, DiceGivesEveryRowADifferentNumberWhileTheBoardHoldsThem)
{
    window.BBtnDiceClick();
    std::set<int> drawn;
    for (const QString &text : column(2).split(QLatin1Char(','))) {
        const int n = text.toInt();
        EXPECT_TRUE(n >= 1 && n <= 80 && window.SgrdA->isMarked(n - 1)) << n;
        drawn.insert(n);
    }
    EXPECT_EQ(drawn.size(), 7u);

    QByteArray many = "81\r\n1\r\n\r\n0\r\n0\r\n";
    for (int n = 1; n <= 81; ++n)
        many += QByteArray::number(n) + "\r\n";
    writeAll(loaded, many);
    window.hide();
    window.show();
    prompts.expectMessage(QStringLiteral("Το αρχείο έχει 81 διαφορετικούς αριθμούς: δεν γίνεται να πάρουν όλοι "
                                         "διαφορετικό αριθμό από το 1 έως το 80."),
                          kProgram);
    window.BBtnDiceClick();
    EXPECT_EQ(window.SGrd->text(80, 2), QStringLiteral("81"));
}
