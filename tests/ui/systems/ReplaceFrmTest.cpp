#include "ProduceFixture.h"

#include "game/ui/NumberBoard.h"
#include "systems/Replacement.h"
#include "systems/ui/FrmReplace_Deltia.h"

#include <QLabel>
#include <QPushButton>

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
    }
    void setNew(int row, const char *text) { window.SGrd->setText(row, 2, QString::fromLatin1(text)); }
    QStringList column(int c) const
    {
        QStringList cells;
        for (int r = 0; r < window.SGrd->rowCount(); ++r)
            cells << window.SGrd->text(r, c);
        return cells;
    }
    void saveAs(const QString &path)
    {
        prompts.expectSaveFile(path, QStringLiteral("ΔΕΛΤΙΑ TARU|*.tru"));
        window.BBtnSaveClick();
    }

    QString loaded;
    ui::TFrmReplace_Deltia window;
};

} // namespace

TEST_F(ReplaceWindow, ListsTheFilesNumbersInOrderOfFirstAppearance)
{
    window.show();
    EXPECT_EQ(window.LblHeader->text(), QStringLiteral("ΣΥΣΤΗΜΑ - ΚΥΡΙΑΚΗ.tru"));
    EXPECT_EQ(column(1).join(QLatin1Char(',')), QStringLiteral("1,2,3,4,5,6,7"));
    EXPECT_EQ(column(2), column(1));
    EXPECT_EQ(column(0).last(), QStringLiteral("7"));
    EXPECT_FALSE(context.state.multiplierBoxes[3]);
    EXPECT_FALSE(window.BtnPrint->isVisible() || window.BBtnReport->isVisible());
}

TEST_F(ReplaceWindow, TypingTakesDigitsOnlyAndTheBoardShowsTheNewNumbers)
{
    window.show();
    typeInto(window.SGrd, 2, 2, QStringLiteral("4x0"));
    EXPECT_EQ(window.SGrd->text(2, 2), QStringLiteral("40"));
    EXPECT_TRUE(window.SgrdA->isMarked(40 - 1));
    EXPECT_FALSE(window.SgrdA->isMarked(3 - 1));
    EXPECT_EQ(window.SGrd->currentRow(), 3); // Enter moved on
}

TEST_F(ReplaceWindow, SavingRewritesEveryCouponWithTheWindowsOptions)
{
    window.show();
    setNew(4, "7");
    setNew(6, "5");
    window.Header1SectionClick(0);
    window.SgrdDKMouseUp(9);
    const QString out = deltiaPath(QStringLiteral("out.tru"));
    saveAs(out);
    EXPECT_EQ(readAll(out), QByteArray("2\r\n5\r\n1\r\n2\r\n4\r\n1,2,3,4,7\r\n3,4,7,6,5\r\n"));
    EXPECT_EQ(readAll(loaded), kCoupons);
}

TEST_F(ReplaceWindow, AWrongNewNumberIsRefusedAndNothingIsWritten)
{
    window.show();
    for (const auto &[row, text] : std::vector<std::pair<int, const char *>>{{5, "9"}, {3, ""}, {1, "0"}}) {
        window.hide();
        window.show();
        setNew(row, text);
        if (row == 5)
            setNew(2, "9");
        prompts.expectMessage(kWrongValue, kProgram);
        window.BBtnSaveClick(); // no save dialog follows
        EXPECT_EQ(window.SGrd->currentRow(), row == 5 ? 2 : row);
        EXPECT_EQ(window.SGrd->currentColumn(), 2);
    }
    EXPECT_EQ(QDir(deltiaPath(QString())).entryList(QDir::Files).size(), 1);
}

TEST_F(ReplaceWindow, DiceGivesEveryRowADifferentNumber)
{
    window.show();
    window.BBtnDiceClick();
    std::set<int> drawn;
    for (const QString &text : column(2)) {
        const int n = text.toInt();
        EXPECT_TRUE(n >= 1 && n <= 80 && window.SgrdA->isMarked(n - 1)) << n;
        drawn.insert(n);
    }
    EXPECT_EQ(drawn.size(), 7u);

    // More distinct numbers than the board holds cannot all differ.
    QByteArray many = "81\r\n1\r\n\r\n0\r\n0\r\n";
    for (int n = 1; n <= 81; ++n)
        many += QByteArray::number(n) + "\r\n";
    writeAll(loaded, many);
    window.hide();
    window.show();
    ASSERT_EQ(window.SGrd->rowCount(), 81);
    prompts.expectMessage(QStringLiteral("Το αρχείο έχει 81 διαφορετικούς αριθμούς: δεν γίνεται να πάρουν όλοι "
                                         "διαφορετικό αριθμό από το 1 έως το 80."),
                          kProgram);
    window.BBtnDiceClick();
    EXPECT_EQ(window.SGrd->text(80, 2), QStringLiteral("81"));
}

TEST_F(ReplaceWindow, ABadItemIsReportedAndTheNumbersBeforeItStay)
{
    writeAll(loaded, "2\r\n3\r\n\r\n0\r\n0\r\n4,8,2\r\n9,x,1\r\n");
    prompts.expectMessage(QStringLiteral("Η γραμμή 7 του αρχείου δελτίων έχει μη έγκυρο αριθμό «x»."), kProgram);
    window.show();
    EXPECT_EQ(column(1).join(QLatin1Char(',')), QStringLiteral("4,8,2,9"));
    EXPECT_EQ(prompts.lastIcon, ui::Icon::Error);
}
