#include "print/ui/PrnFrm.h"

#include "base/AppPaths.h"

#include "../ShellFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kResources = QStringLiteral(TARU_TEST_DATA "/../../resources");

// The shipped slip pictures come from the resources folder.
class PrnFrmTest : public ShellTest {
protected:
    PrnFrmTest()
    {
        context.paths = AppPaths(data.path(), kResources);
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

    std::unique_ptr<ui::TPrnFrm> dlg;
};

const QString kAskSave = QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση");
const QString kSaved = QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία.");

} // namespace

TEST_F(PrnFrmTest, ListsDefaultFirstThenNamesFromTheFiles)
{
    // A size the list does not offer selects nothing.
    const PrinterProfile def{.message = "ΑΠΟ ΤΟ DEFAULT", .printerName = "Epson LX", .markSize = 13, .isDefault = true};
    writeProfile(QStringLiteral("default.tpr"), SerialiseProfile(def));
    writeProfile(QStringLiteral("Epson LX.tpr"), SerialiseProfile(def));
    writeProfile(QStringLiteral("zeta.TPR"), SerialiseProfile({.printerName = "  Zeta  "}));
    writeProfile(QStringLiteral("alpha.tpr"), SerialiseProfile({.printerName = "Alpha"}));
    writeProfile(QStringLiteral("old.tpr"), SerialiseProfile({.printerName = "Old"}).left(kOldProfileSize));
    writeProfile(QStringLiteral("notes.txt"), SerialiseProfile({.printerName = "Notes"}));

    dlg->FormShow();
    EXPECT_EQ(entries(), (QStringList{"default", "Alpha", "Epson LX", "Zeta"}));
    EXPECT_EQ(dlg->ComboBox2->currentText(), QStringLiteral("default"));
    EXPECT_EQ(dlg->Edit1->text(), QStringLiteral("ΑΠΟ ΤΟ DEFAULT"));
    EXPECT_EQ(dlg->ComboBox1->currentIndex(), -1);
    EXPECT_TRUE(dlg->Chkdefault->isChecked());
}

// Opened the first time: the dialog's defaults; without default.tpr nothing is loaded.
TEST_F(PrnFrmTest, StartsWithTheDialogDefaultsAndWithoutDefaultLoadsNothing)
{
    EXPECT_EQ(dlg->profileFromControls(), PrinterProfile{});
    dlg->glBBtnhELP->click();
    EXPECT_EQ(helpTopics, QStringList{"TARU.chm::/HELP.htm"});
    writeProfile(QStringLiteral("a.tpr"), SerialiseProfile({.printerName = "A"}));
    dlg->CmbAXar->setCurrentIndex(0);
    dlg->FormShow();
    EXPECT_EQ(entries(), QStringList{"A"});
    EXPECT_EQ(dlg->CmbAXar->currentText(), QStringLiteral("7")); // every show starts at size 7
    EXPECT_EQ(dlg->Edit9->text(), QString());
}

// A slip position the dialog does not offer selects no item and is saved back as it was, until an
// item is chosen.
TEST_F(PrnFrmTest, LoadingFillsEveryControlWithTheLocaleSeparatorAndKeepsAnUnknownSlipPosition)
{
    writeProfile(QStringLiteral("Laser.tpr"),
                 SerialiseProfile({.printerName = "Laser", .valueY = "13,25", .slipLeft = "19,5", .messageSize = 24,
                                   .valueSize = 6, .bold = true, .slipPosition = kSlipLandscape}));
    writeProfile(QStringLiteral("Other.tpr"), SerialiseProfile({.printerName = "Other", .slipPosition = 2}));
    dlg->FormShow();
    choose(QStringLiteral("Laser"));
    EXPECT_EQ(dlg->Edit2->text(), QStringLiteral("19.5")); // the tests' locale uses the point
    EXPECT_EQ(dlg->EdtAksiaY->text(), QStringLiteral("13.25"));
    EXPECT_EQ(dlg->CmbMXar->currentText(), QStringLiteral("24"));
    EXPECT_EQ(dlg->CmbAXar->currentText(), QStringLiteral("6"));
    EXPECT_TRUE(dlg->ChkBold->isChecked());
    EXPECT_EQ(dlg->slipPositionIndex(), 1);

    choose(QStringLiteral("Other"));
    EXPECT_EQ(dlg->slipPositionIndex(), -1);
    EXPECT_EQ(dlg->profileFromControls().slipPosition, 2);
    dlg->RadioGroup1Landscape->click();
    EXPECT_EQ(dlg->profileFromControls().slipPosition, kSlipLandscape);
}

TEST_F(PrnFrmTest, OldLayoutKeepsWhatItLacksAndBrokenFilesWarnOnce)
{
    const QByteArray bytes = SerialiseProfile({.printerName = "Old", .slipLeft = "22", .markSize = 9});
    // The old layout: slip and pitch fields move up by 16 bytes, no value line fields.
    QByteArray legacy = bytes.left(218) + bytes.mid(234, 38) + bytes.mid(280, 2) + QByteArray(2, '\0');
    ASSERT_EQ(legacy.size(), kOldProfileSize);
    writeProfile(QStringLiteral("Old.tpr"), legacy);
    writeProfile(QStringLiteral("Broken.tpr"), QByteArray(100, '\0'));

    dlg->EdtAksiaX->setText(QStringLiteral("8"));
    dlg->CmbMXar->setCurrentIndex(4);
    dlg->setSlipPositionIndex(1);
    dlg->ComboBox2->addItems({QStringLiteral("Old"), QStringLiteral("Broken")});
    choose(QStringLiteral("Old"));
    EXPECT_EQ((QStringList{dlg->Edit9->text(), dlg->Edit2->text(), dlg->ComboBox1->currentText(), dlg->EdtAksiaX->text(),
                           dlg->CmbMXar->currentText(), QString::number(dlg->slipPositionIndex())}),
              (QStringList{"Old", "22", "9", "8", "10", "1"}));

    prompts.expectMessage(QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο."), QStringLiteral("Σφάλμα"));
    choose(QStringLiteral("Broken"));
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

TEST_F(PrnFrmTest, SavingAsksThenWritesTheProfileAndTheDefaultOrSaysWhyNot)
{
    const QString numeric = QStringLiteral(
        "Παρουσίαστηκε σφάλμα κατά την αποθήκευση.Βεβαιωθείτε ότι έχετε συμπληρώσει όλα τα αριθμητικά πεδία.");
    struct Attempt {
        const char *what;
        QString name;
        bool isDefault;
        Button answer;
        QString message; // after the question; empty: none
        QStringList files;
    };
    const Attempt attempts[] = {
        {"cancelled", "Laser", false, Button::Cancel, {}, {}},
        {"no size selected", "Laser", false, Button::Ok, numeric, {}},
        {"blank name", "   ", false, Button::Ok, ui::kProfileNeedsName, {}},
        {"named, as the default", "  Epson LX  ", true, Button::Ok, kSaved, {"Epson LX.tpr", "default.tpr"}},
    };
    dlg->Edit2->setText(QStringLiteral("19.5"));
    dlg->setSlipPositionIndex(1);
    for (const Attempt &a : attempts) {
        SCOPED_TRACE(a.what);
        dlg->ComboBox1->setCurrentIndex(a.message == numeric ? -1 : 0);
        dlg->Edit9->setText(a.name);
        dlg->Chkdefault->setChecked(a.isDefault);
        prompts.expectAsk(kAskSave, QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), a.answer);
        if (!a.message.isEmpty())
            prompts.expectMessage(a.message, a.message == kSaved ? QStringLiteral("Ενημέρωση") : QStringLiteral("Σφάλμα"));
        dlg->BBtnSaveClick();
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
        EXPECT_EQ(QDir(printers()).entryList(QDir::Files, QDir::Name), a.files);
        EXPECT_EQ(dlg->Edit9->text(), a.name); // the values stay
    }
    EXPECT_EQ(prompts.lastButtons, (QList<Button>{Button::Ok, Button::Cancel}));
    const QByteArray saved = readAll(printers() + QStringLiteral("/Epson LX.tpr"));
    EXPECT_EQ(readAll(printers() + QStringLiteral("/default.tpr")), saved);
    // The stored name keeps its blanks.
    EXPECT_EQ(ParseProfile(saved), (PrinterProfile{.printerName = "  Epson LX  ", .slipLeft = "19.5", .markSize = 6,
                                                   .isDefault = true, .slipPosition = kSlipLandscape}));
}
