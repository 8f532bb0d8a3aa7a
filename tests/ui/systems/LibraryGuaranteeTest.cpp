#include "ProduceFixture.h"

#include "print/ui/HolesDlg.h"
#include "systems/GuaranteeCheck.h"
#include "systems/Library.h"
#include "systems/Odds.h"
#include "systems/ui/GuaranteePanel.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace taru;
using namespace taru::test;

namespace {

class LibraryGuarantee : public ProduceTest {
protected:
    // The 4-position system of a file in BIBLIO, shown as the list shows it, with the player's
    // numbers typed into its first positions.
    void open(const QString &fileName, const QByteArray &columns, std::initializer_list<int> numbers)
    {
        ASSERT_TRUE(writeAll(biblioPath(fileName), columns));
        const std::optional<LibrarySystem> system =
            LibrarySystemOf(QDir(data.path()).filePath(QStringLiteral("BIBLIO")), fileName, 4);
        ASSERT_TRUE(system);
        biblio.hide();
        biblio.setSystem(*system);
        biblio.show();
        int row = 0;
        for (const int n : numbers)
            typeInto(biblio.SGrd, row++, 1, QString::number(n));
    }
};

} // namespace

// Positions 1..4 hold 7, 15, 22, 40; the columns 1 2 3, 1 3 4 and 2 4 cover every triple with two
// numbers, but {7,15,40} and {15,22,40} with three numbers in no column.
TEST_F(LibraryGuarantee, TheBuiltCouponsShowTheirCheckOddsAndHoles)
{
    const QByteArray columns("1 2 3 \r\n1 3 4 \r\n2 4 \r\n");
    const struct {
        QString file;
        QString check;
        QStringList holes;
    } cases[] = {
        {QStringLiteral("A4233_4_2_3_3_150_3_7500_3.tbi"), QStringLiteral("Έλεγχος εγγύησης: 100%"), {}},
        {QStringLiteral("A4333_4_3_3_3_150_3_7500_3.tbi"),
         QStringLiteral("Έλεγχος εγγύησης: 50.00% (2 ακάλυπτοι συνδυασμοί)"),
         {QStringLiteral("7 15 40"), QStringLiteral("15 22 40")}},
        {QStringLiteral("Z42332_4_2_3_3_150_3_7500_3_1$2.tbi"),
         QStringLiteral("Έλεγχος εγγύησης: 100% (χωρίς τον όρο)"), {}},
    };
    QLocale::setDefault(QLocale::c());
    for (const auto &c : cases) {
        open(c.file, columns, {7, 15, 22, 40});
        EXPECT_TRUE(biblio.Verify->LblCheck->text().isEmpty()) << "a system just opened has no check";
        biblio.BtnPrintClick();
        EXPECT_EQ(biblio.Verify->LblCheck->text(), c.check) << c.file.toStdString();
        const GameOdds odds = OddsOfGame(4, 3);
        EXPECT_EQ(biblio.Verify->LblOdds->text(), OddsText(4, 3, odds));
        EXPECT_EQ(biblio.Verify->LblCost->text(), GuaranteeCostText(3 * 0.5, odds));
        ASSERT_EQ(biblio.Verify->BtnHoles->isEnabled(), !c.holes.isEmpty());
        if (c.holes.isEmpty())
            continue;
        QStringList listed;
        QTimer::singleShot(0, &biblio, [&] {
            auto *dialog = qobject_cast<ui::THolesDlg *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            listed = dialog->Holes->lines();
            dialog->accept();
        });
        QTest::mouseClick(biblio.Verify->BtnHoles, Qt::LeftButton);
        EXPECT_EQ(listed, c.holes);
    }
    EXPECT_EQ(systemPreview.execs, 3);
}

// Coupons refused: no check is shown.
TEST_F(LibraryGuarantee, RefusedCouponsAreNotChecked)
{
    open(QStringLiteral("A4233_4_2_3_3_150_3_7500_3.tbi"), "1 2 3 \r\n1 3 4 \r\n2 4 \r\n", {7, 15, 22});
    prompts.expectMessage(kLibraryFillPositions, QStringLiteral("TARU"));
    biblio.BtnPrintClick();
    EXPECT_TRUE(biblio.Verify->LblCheck->text().isEmpty());
    EXPECT_FALSE(biblio.Verify->BtnHoles->isEnabled());
}
