#include "print/ui/PrnFrm.h"

#include "base/AppPaths.h"

#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kResources = QStringLiteral(TARU_TEST_DATA "/../../resources");

class PrnFrmTest : public ::testing::Test {
protected:
    PrnFrmTest()
        : context(AppPaths(data.path(), kResources), prompts)
    {
        context.showHelp = [this](const QString &topic) { helpTopics << topic; };
        dlg = std::make_unique<ui::TPrnFrm>(context);
    }

    QString printers() const { return data.path() + QStringLiteral("/Printers"); }
    void writeProfile(const QString &file, const QByteArray &bytes) const
    {
        ASSERT_TRUE(writeAll(printers() + QLatin1Char('/') + file, bytes));
    }
    QStringList entries() const
    {
        QStringList list;
        for (int i = 0; i < dlg->ComboBox2->count(); ++i)
            list << dlg->ComboBox2->itemText(i);
        return list;
    }
    void choose(const QString &entry)
    {
        dlg->ComboBox2->setCurrentIndex(dlg->ComboBox2->findText(entry));
        dlg->ComboBox2Change();
    }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    ui::AppContext context;
    QStringList helpTopics;
    std::unique_ptr<ui::TPrnFrm> dlg;
};

PrinterProfile named(const QString &name)
{
    PrinterProfile p;
    p.printerName = name;
    return p;
}

} // namespace

TEST_F(PrnFrmTest, StartsWithTheDialogDefaults)
{
    EXPECT_EQ(dlg->profileFromControls(), PrinterProfile{});
    EXPECT_EQ(dlg->CmbAXar->count(), 13);
    EXPECT_EQ(dlg->CmbAXar->itemText(7), QStringLiteral("14"));
}

TEST_F(PrnFrmTest, ListsDefaultFirstThenNamesFromTheFiles)
{
    PrinterProfile def = named(QStringLiteral("Epson LX"));
    def.isDefault = true;
    def.message = QStringLiteral("ΑΠΟ ΤΟ DEFAULT");
    def.markSize = 13; // not offered: selects nothing
    writeProfile(QStringLiteral("default.tpr"), SerialiseProfile(def));
    writeProfile(QStringLiteral("Epson LX.tpr"), SerialiseProfile(def));
    writeProfile(QStringLiteral("zeta.TPR"), SerialiseProfile(named(QStringLiteral("  Zeta  "))));
    writeProfile(QStringLiteral("alpha.tpr"), SerialiseProfile(named(QStringLiteral("Alpha"))));
    writeProfile(QStringLiteral("old.tpr"), SerialiseProfile(named(QStringLiteral("Old"))).left(kOldProfileSize));
    writeProfile(QStringLiteral("notes.txt"), SerialiseProfile(named(QStringLiteral("Notes"))));

    dlg->FormShow();
    EXPECT_EQ(entries(), (QStringList{"default", "Alpha", "Epson LX", "Zeta"}));
    EXPECT_EQ(dlg->ComboBox2->currentText(), QStringLiteral("default"));
    EXPECT_EQ(dlg->Edit1->text(), QStringLiteral("ΑΠΟ ΤΟ DEFAULT"));
    EXPECT_EQ(dlg->ComboBox1->currentIndex(), -1);
    EXPECT_TRUE(dlg->Chkdefault->isChecked());
}

TEST_F(PrnFrmTest, WithoutDefaultNothingIsLoaded)
{
    writeProfile(QStringLiteral("a.tpr"), SerialiseProfile(named(QStringLiteral("A"))));
    dlg->CmbAXar->setCurrentIndex(0);
    dlg->FormShow();
    EXPECT_TRUE(QDir(printers()).exists());
    EXPECT_EQ(entries(), QStringList{"A"});
    EXPECT_EQ(dlg->CmbAXar->currentText(), QStringLiteral("7")); // every show starts at size 7
    EXPECT_EQ(dlg->Edit9->text(), QString());
}

TEST_F(PrnFrmTest, LoadingFillsEveryControlWithTheLocaleSeparator)
{
    PrinterProfile p = named(QStringLiteral("Laser"));
    p.slipLeft = QStringLiteral("19,5");
    p.valueY = QStringLiteral("13,25");
    p.messageSize = 24;
    p.valueSize = 6;
    p.bold = true;
    p.slipPosition = kSlipLandscape;
    writeProfile(QStringLiteral("Laser.tpr"), SerialiseProfile(p));
    dlg->FormShow();
    choose(QStringLiteral("Laser"));
    EXPECT_EQ(dlg->Edit2->text(), QStringLiteral("19.5")); // the tests' locale uses the point
    EXPECT_EQ(dlg->EdtAksiaY->text(), QStringLiteral("13.25"));
    EXPECT_EQ(dlg->CmbMXar->currentText(), QStringLiteral("24"));
    EXPECT_EQ(dlg->CmbAXar->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(dlg->ChkBold->isChecked());
    EXPECT_EQ(dlg->slipPositionIndex(), 1);
}

TEST_F(PrnFrmTest, OldLayoutKeepsWhatItLacksAndBrokenFilesWarnOnce)
{
    PrinterProfile old = named(QStringLiteral("Old"));
    old.slipLeft = QStringLiteral("22");
    old.markSize = 9;
    QByteArray bytes = SerialiseProfile(old);
    // The old layout: slip and pitch fields move up by 16 bytes, no value line fields.
    QByteArray legacy = bytes.left(218) + bytes.mid(234, 38) + bytes.mid(280, 2) + QByteArray(2, '\0');
    ASSERT_EQ(legacy.size(), kOldProfileSize);
    writeProfile(QStringLiteral("Old.tpr"), legacy);
    writeProfile(QStringLiteral("Broken.tpr"), QByteArray(100, '\0'));

    dlg->EdtAksiaX->setText(QStringLiteral("8"));
    dlg->CmbMXar->setCurrentIndex(4);
    dlg->setSlipPositionIndex(1);
    dlg->ComboBox2->addItem(QStringLiteral("Old"));
    dlg->ComboBox2->addItem(QStringLiteral("Broken"));
    choose(QStringLiteral("Old"));
    EXPECT_EQ(dlg->Edit9->text(), QStringLiteral("Old"));
    EXPECT_EQ(dlg->Edit2->text(), QStringLiteral("22"));
    EXPECT_EQ(dlg->ComboBox1->currentText(), QStringLiteral("9"));
    EXPECT_EQ(dlg->EdtAksiaX->text(), QStringLiteral("8"));
    EXPECT_EQ(dlg->CmbMXar->currentText(), QStringLiteral("10"));
    EXPECT_EQ(dlg->slipPositionIndex(), 1);

    prompts.expectMessage(QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο."), QStringLiteral("Σφάλμα"));
    choose(QStringLiteral("Broken"));
    EXPECT_TRUE(prompts.done());
}

TEST_F(PrnFrmTest, SlipPositionSwitchesPictureAndLabels)
{
    const QString top = QStringLiteral("Απόσταση Δελτίου από ΑΡΧΗ (σε χιλιοστά)");
    const QString side = QStringLiteral("Απόσταση Δελτίου από το ΠΛΑΙ (σε χιλιοστά)");
    const QString across = QStringLiteral("Οριζόντια Μετατόπιση (σε χιλιοστά)");
    const QString down = QStringLiteral("Κάθετη Μετατόπιση (σε χιλιοστά)");
    struct Expect { QRadioButton *button; QStringList labels; };
    for (const Expect &e : {Expect{dlg->RadioGroup1Landscape, {top, side, down, across, "ΠΛΑΙ", "ΑΡΧΗ"}},
                            Expect{dlg->RadioGroup1Portrait, {side, top, across, down, "ΑΡΧΗ", "ΠΛΑΙ"}}}) {
        QTest::mouseClick(e.button, Qt::LeftButton, {}, QPoint(5, e.button->height() / 2));
        EXPECT_EQ((QStringList{dlg->LblEdit2->text(), dlg->LblEdit3->text(), dlg->LblEdit5->text(), dlg->LblEdit6->text(),
                               dlg->LblHeadTop->text(), dlg->LblHeadSide->text()}),
                  e.labels);
        ASSERT_FALSE(dlg->Image1->pixmap().isNull()) << "the shipped picture was not found";
    }
}

TEST_F(PrnFrmTest, KeyFilterOfTheDistanceFields)
{
    for (QChar pass : {QChar(u'0'), QChar(u'9'), QChar(u'.'), QChar(u'\b'), QChar(u'\t')})
        EXPECT_TRUE(dlg->Edit8KeyPress(pass)) << int(pass.unicode());
    for (QChar refuse : {QChar(u','), QChar(u'a'), QChar(u'-'), QChar(u' '), QChar(u'\r'), QChar(u'Α')})
        EXPECT_FALSE(dlg->Edit8KeyPress(refuse)) << int(refuse.unicode());

    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    EXPECT_TRUE(dlg->Edit8KeyPress(QChar(u',')));
    EXPECT_FALSE(dlg->Edit8KeyPress(QChar(u'.')));
    QLocale::setDefault(QLocale::c());

    for (QLineEdit *field : {dlg->Edit7, dlg->Edit8, dlg->EdtAksiaX, dlg->EdtAksiaY, dlg->Edit2, dlg->Edit3, dlg->Edit5,
                             dlg->Edit6}) {
        field->clear();
        QTest::keyClicks(field, QStringLiteral("1a2,.5x"));
        EXPECT_EQ(field->text(), QStringLiteral("12.5")) << field->objectName().toStdString();
    }
    dlg->Edit1->clear();
    QTest::keyClicks(dlg->Edit1, QStringLiteral("a,b"));
    EXPECT_EQ(dlg->Edit1->text(), QStringLiteral("a,b")); // the message is free text
}

TEST_F(PrnFrmTest, SavingWritesTheProfileAndTheDefault)
{
    dlg->Edit9->setText(QStringLiteral("  Epson LX  "));
    dlg->Edit2->setText(QStringLiteral("19.5"));
    dlg->Chkdefault->setChecked(true);
    dlg->setSlipPositionIndex(1);
    prompts.expectAsk(QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση"), QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Ok)
        .expectMessage(QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία."), QStringLiteral("Ενημέρωση"));
    dlg->BBtnSaveClick();
    EXPECT_EQ(prompts.lastButtons, (QList<Button>{Button::Ok, Button::Cancel}));
    const QByteArray saved = readAll(printers() + QStringLiteral("/Epson LX.tpr"));
    ASSERT_EQ(saved.size(), kProfileSize);
    EXPECT_EQ(readAll(printers() + QStringLiteral("/default.tpr")), saved);
    const auto p = ParseProfile(saved);
    EXPECT_EQ(p->printerName, QStringLiteral("  Epson LX  ")); // the stored name keeps its blanks
    EXPECT_EQ(p->slipLeft, QStringLiteral("19.5"));
    EXPECT_EQ(p->slipPosition, kSlipLandscape);
    EXPECT_TRUE(p->isDefault);
    EXPECT_EQ(saved.at(283), 0);
}

TEST_F(PrnFrmTest, SavingCancelledOrFailingLeavesNoFile)
{
    dlg->Edit9->setText(QStringLiteral("Laser"));
    prompts.expectAsk(QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση"), QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Cancel);
    dlg->BBtnSaveClick();
    EXPECT_FALSE(QFile::exists(printers() + QStringLiteral("/Laser.tpr")));

    dlg->ComboBox1->setCurrentIndex(-1); // a size list with nothing selected
    prompts.expectAsk(QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση"), QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Ok)
        .expectMessage(QStringLiteral("Παρουσίαστηκε σφάλμα κατά την αποθήκευση.Βεβαιωθείτε ότι έχετε συμπληρώσει όλα "
                                      "τα αριθμητικά πεδία."),
                       QStringLiteral("Σφάλμα"));
    dlg->BBtnSaveClick();
    EXPECT_FALSE(QFile::exists(printers() + QStringLiteral("/Laser.tpr")));
    EXPECT_EQ(dlg->Edit9->text(), QStringLiteral("Laser")); // the values stay
}

TEST_F(PrnFrmTest, HelpOpensTheDialogsTopic)
{
    dlg->glBBtnhELP->click();
    EXPECT_EQ(helpTopics, QStringList{"TARU.chm::/HELP.htm"});
}

TEST_F(PrnFrmTest, ABlankNameHasItsOwnMessageAndTheDefaultIsWrittenAnyway)
{
    const QString ask = QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση");
    dlg->Edit9->setText(QStringLiteral("   "));
    prompts.expectAsk(ask, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Ok).expectMessage(ui::kProfileNeedsName, QStringLiteral("Σφάλμα"));
    dlg->BBtnSaveClick();
    EXPECT_TRUE(QDir(printers()).entryList(QDir::Files).isEmpty());

    // A first-time user with "default" ticked gets default.tpr.
    dlg->Chkdefault->setChecked(true);
    prompts.expectAsk(ask, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Ok)
        .expectMessage(QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία."), QStringLiteral("Ενημέρωση"));
    dlg->BBtnSaveClick();
    EXPECT_EQ(QDir(printers()).entryList(QDir::Files), QStringList{QStringLiteral("default.tpr")});
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
}

TEST_F(PrnFrmTest, ASlipPositionTheDialogDoesNotOfferIsSavedBackAsItWas)
{
    PrinterProfile other = named(QStringLiteral("Other"));
    other.slipPosition = 2;
    writeProfile(QStringLiteral("Other.tpr"), SerialiseProfile(other));
    dlg->ComboBox2->addItem(QStringLiteral("Other"));
    choose(QStringLiteral("Other"));
    EXPECT_EQ(dlg->slipPositionIndex(), -1);
    EXPECT_EQ(dlg->profileFromControls().slipPosition, 2);
    // Choosing an item replaces it.
    dlg->RadioGroup1Landscape->click();
    EXPECT_EQ(dlg->profileFromControls().slipPosition, kSlipLandscape);
}
