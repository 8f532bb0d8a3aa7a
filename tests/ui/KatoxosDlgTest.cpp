#include "base/OwnerSettings.h"
#include "shell/KatoxosDlg.h"

#include "ShellFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace taru;
using namespace taru::test;

namespace {
class KatoxosDlg : public ShellTest {
protected:
    void showDialog()
    {
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    ui::TKatoxosDlg dlg{context};
};
} // namespace

TEST_F(KatoxosDlg, EnterMovesToTheNextControlEscToThePreviousAndTheKeyIsDropped)
{
    showDialog();
    dlg.Edit1->setFocus();
    const QString before = dlg.Edit2->text();
    QTest::keyClick(dlg.Edit1, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit2);
    QTest::keyClick(dlg.Edit2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit3);
    QTest::keyClick(dlg.Edit3, Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), dlg.Edit2);
    EXPECT_EQ(dlg.Edit2->text(), before);
    EXPECT_TRUE(dlg.isVisible()); // Esc did not close the dialog
    dlg.Edit4->setFocus();
    QTest::keyClick(dlg.Edit4, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dlg.BBtnSave);
    EXPECT_TRUE(dlg.isVisible()); // nor did Enter save it
}

TEST_F(KatoxosDlg, SaveWritesAllFourValuesAndClosesWithOk)
{
    showDialog();
    dlg.Edit1->setText(QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΒΗΤΑ"));
    dlg.Edit4->clear();
    QTest::mouseClick(dlg.BBtnSave, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.isVisible());
    const OwnerDetails saved = owner::read();
    EXPECT_EQ(saved.title, QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΒΗΤΑ"));
    EXPECT_EQ(saved.address, owner::kAddressDefault); // unchanged values are written too
    EXPECT_EQ(saved.trailer, QString());
    EXPECT_EQ(owner::readValue(QStringLiteral("Misc"), QStringLiteral("missing")), QStringLiteral("ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ"));
    EXPECT_EQ(owner::windowCaption(QStringLiteral("ΠΑΙΧΝΙΔΙ")), QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   ΠΡΑΚΤΟΡΕΙΟ ΒΗΤΑ"));
}

TEST_F(KatoxosDlg, ReturnClosesWithoutSavingAndHelpOpensItsTopic)
{
    showDialog();
    dlg.Edit1->setText(QStringLiteral("ΔΕΝ ΑΠΟΘΗΚΕΥΕΤΑΙ"));
    QTest::mouseClick(dlg.glBBtnhELP, Qt::LeftButton);
    EXPECT_EQ(helpTopics, QStringList({QStringLiteral("TARU.chm::/HELP.htm")}));
    QTest::mouseClick(dlg.BtnBack, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(owner::readValue(QStringLiteral("Title"), QStringLiteral("missing")), QStringLiteral("missing"));
    // Opening again shows what is stored (a fresh account's defaults), not what was typed.
    showDialog();
    EXPECT_EQ(dlg.Edit1->text(), QStringLiteral("ORMENA DATA"));
    EXPECT_EQ(dlg.Edit2->text(), owner::kAddressDefault);
}
