#include "base/Errors.h"
#include "base/OwnerSettings.h"
#include "shell/FeatureWindows.h"
#include "shell/MainFrm.h"
#include "shell/ScrollText.h"
#include "shell/SeasonalStrip.h"
#include "shell/TaruApplication.h"

#include "ShellFixture.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kInfo = QStringLiteral("Ενημέρωση");
const QString kChooseFile = QStringLiteral("Επιλέξτε αρχείο συστήματος ή δελτίων για Εκτύπωση, Διαλογή Επιτυχιών");
const QString kReplaceInfo = QStringLiteral("Eχετε τη δυνατότητα να αντικαταστησετε  \nτα Δελτια σας με νεους αριθμους..");
const QString kLeadIn = QStringLiteral("Καλώς ήρθατε στο TARU  -  συστήματα, δελτία και νικήτριες στήλες  ");

class MainFrm : public ShellTest {
protected:
    MainFrm()
        : windows(context)
    {
        windows.createLate();
        // The windows the menu opens are replaced by recorders.
        for (auto *slot : {&windows.GameFrm, &windows.GeneratorFrm, &windows.FrmReplace_Deltia, &windows.PrnPrevDeltiaFrm,
                           &windows.FrmInsertDeltia, &windows.NewNikFrm, &windows.LoadBiblioListFrm, &windows.KataskeuhFrm,
                           &windows.PrnFrm, &windows.DelFilesDlg}) {
            auto recorder = std::make_unique<RecordingDlg>();
            recorders.append(recorder.get());
            *slot = std::move(recorder);
        }
        main = std::make_unique<ui::TMainFrm>(context, windows);
    }

    RecordingDlg *recorder(const std::unique_ptr<QDialog> &slot) { return static_cast<RecordingDlg *>(slot.get()); }
    int totalExecs() const
    {
        int n = 0;
        for (const RecordingDlg *r : recorders)
            n += r->execs;
        return n;
    }
    void trigger(const char *name)
    {
        QAction *item = main->menuItem(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }

    ui::FeatureWindows windows;
    QList<RecordingDlg *> recorders;
    std::unique_ptr<ui::TMainFrm> main;
};

} // namespace

TEST_F(MainFrm, MenuTreeHasEveryItemInDisplayOrder)
{
    // Each item as "name caption", separators as "-".
    const auto items = [](const QList<QAction *> &actions) {
        QStringList out;
        for (QAction *a : actions)
            out << a->objectName() + QLatin1Char(' ') + (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    };
    EXPECT_EQ(items(main->menuBar()->actions()),
              (QStringList{"N1 &ΠΑΙΧΝΙΔΙ", "N7 &ΓΕΝΝΗΤΡΙΑ ΔΕΛΤΙΩΝ", "N22 &ΔΕΛΤΙΑ", "EI1 EIΣΑΓΩΓΗ ΔΕΛΤΙΩΝ",
                           "N8 &ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ", "N29 Β&ΙΒΛΙΟΘΗΚΗ", "N30 ΚΑΤΑ&ΣΚΕΥΑΣΤΙΚΟ", "DELVANE1 &DELVANE",
                           "N3 &ΒΟΗΘΗΤΙΚΑ", "N2 &ΕΞΟΔΟΣ"}));

    const QMap<QString, QStringList> menus{
        {"N7", {"N12 ΤΥΧΑΙΑ ΠΑΡΑΓΩΓΗ", "N13 -", "MEANTIKATA1 ME ANTIKATAΣΤΑΣΗ", "N17 -", "N14 ΣΤΑΤΙΣΤΙΚΗ ΠΑΡΑΓΩΓΗ"}},
        {"N22", {"N15 ΔΕΛΤΙΑ", "MEANTIKATA2 ME ANTIKATAΣΤΑΣΗ"}},
        {"EI1",
         {"N18 ΜΕ ΠΛΗΚΤΡΟΛΟΓΗΣΗ", "N19 -", "N33 ΑΡΧΕΙΑ ΠΡΟΓΡΑΜΜΑΤΟΣ", "txt1 ΑΠΟ ΑΡΧΕΙΟ ΚΕΙΜΕΝΟΥ (.txt)",
          "a1 ΑΠΟ ΑΡΧΕΙΟ EXCEL (CSV)"}},
        {"N8", {"N9 ΕΙΣΑΓΩΓΗ", "N11 -", "N10 ΣΤΑΤΙΣΤΙΚΑ"}},
        {"N3",
         {"N32 ΒΟΗΘΕΙΑ", "N31 -", "N6 ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΣΗΣ", "NPrinter ΕΠΙΛΟΓΗ ΕΚΤΥΠΩΤΗ", "N20 -", "N21 ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ", "N24 -",
          "N26 ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ", "N25 -", "N23 ΑΡΙΘΜΟΜΗΧΑΝΗ", "N5 -", "N4 ΓΕΝΙΚΑ"}},
    };
    for (QAction *a : main->menuBar()->actions())
        EXPECT_EQ(a->menu() ? items(a->menu()->actions()) : QStringList(), menus.value(a->objectName()))
            << a->objectName().toStdString();
}

TEST_F(MainFrm, ExitQuestionNoKeepsTheWindowYesClosesIt)
{
    main->show();
    QSignalSpy closed(main.get(), &ui::TMainFrm::closed);
    prompts.expectAsk(QStringLiteral("Έξοδος από την εφαρμογή;"), QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::No);
    EXPECT_FALSE(main->close());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(prompts.lastButtons, QList<Button>({Button::Yes, Button::No}));

    // The menu's exit item asks the same question.
    prompts.expectAsk(QStringLiteral("Έξοδος από την εφαρμογή;"), QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ"), Button::Yes);
    trigger("N2");
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(closed.count(), 1);
}

TEST_F(MainFrm, ShowFillsBannerSeasonalPictureDateAndPrice)
{
    OwnerDetails details = owner::read();
    details.trailer = QStringLiteral("ΠΡΟΣΦΟΡΑ ΤΗΣ ΕΒΔΟΜΑΔΑΣ");
    owner::write(details);
    context.state.columnPrice = 0;
    now = QDateTime(QDate(2026, 12, 14), QTime(12, 0));
    main->show();
    EXPECT_EQ(main->ScrollTxt->text(), kLeadIn + QStringLiteral("ΠΡΟΣΦΟΡΑ ΤΗΣ ΕΒΔΟΜΑΔΑΣ"));
    EXPECT_TRUE(main->ScrollTxt->isRunning());
    EXPECT_TRUE(main->RxGIFAnimator1->isVisible());
    EXPECT_EQ(main->StatusPanel2->text(), QStringLiteral("Monday 14/12/2026"));
    EXPECT_DOUBLE_EQ(context.state.columnPrice, 0.5);
    // One step moves the text a fiftieth of the banner's width to the left.
    main->ScrollTxt->setTextLeft(500);
    main->ScrollTxt->step();
    EXPECT_EQ(main->ScrollTxt->textLeft(), 500 - main->ScrollTxt->width() / 50);

    // The picture follows the clock; the weekday the locale; day and month have no leading zeros.
    main->hide();
    now = QDateTime(QDate(2027, 1, 4), QTime(9, 0));
    QLocale::setDefault(QLocale(QLocale::Greek, QLocale::Greece));
    main->show();
    QLocale::setDefault(QLocale::c());
    EXPECT_FALSE(main->RxGIFAnimator1->isVisible());
    EXPECT_EQ(main->StatusPanel2->text(), QStringLiteral("Δευτέρα 4/1/2027"));
}

TEST_F(MainFrm, PriceConversionFailureShowsTheErrorBoxAndSkipsTheRest)
{
    main->columnPriceLoader = []() -> double { throw ConversionError(QStringLiteral("'0,50' is not a valid floating point value")); };
    prompts.expectMessage(QStringLiteral("'0,50' is not a valid floating point value"), QStringLiteral("TARU"));
    main->show();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->ScrollTxt->text(), kLeadIn); // the steps before it ran
    EXPECT_DOUBLE_EQ(context.state.columnPrice, 0.5);
    EXPECT_EQ(main->StatusPanel2->text(), QString()); // the date step did not
}

TEST_F(MainFrm, AFailingMenuCommandEndsInTheErrorBoxAndTheProgramGoesOn)
{
    // A file where the DELTIA folder should be: the folder cannot be made.
    ASSERT_TRUE(writeAll(data.filePath(QStringLiteral("DELTIA")), "x"));
    prompts.expectMessage(kChooseFile, QStringLiteral("TARU"));
    prompts.expectMessage(QStringLiteral("Cannot create folder \"%1\"").arg(QDir(data.path()).filePath(QStringLiteral("DELTIA"))),
                          QStringLiteral("TARU"));
    trigger("N15");
    EXPECT_EQ(totalExecs(), 0);
    // The next command works as usual.
    prompts.expectMessage(QStringLiteral("Με τη DELVANE εχετε τη δυνατότητα τα συστήματα σας\nνα τα επικυρωστε στην μηχανη του "
                                         "πρακτορειου\nχωρις να τυπωστε δελτια\n"),
                          kInfo);
    trigger("DELVANE1");
}

TEST_F(MainFrm, AnExceptionEscapingAnEventHandlerReachesTheErrorBox)
{
    prompts.expectMessage(QStringLiteral("'x' is not a valid integer value"), QStringLiteral("TARU"));
    const bool handled = ui::DeliverGuarded(&prompts, []() -> bool {
        toInt(QStringLiteral("x"));
        return true;
    });
    EXPECT_FALSE(handled);
    EXPECT_TRUE(ui::DeliverGuarded(&prompts, [] { return true; }));
}

TEST_F(MainFrm, ConstructorItemShowsItsInformationThenOpensTheConstructor)
{
    prompts.expectMessage(
        QStringLiteral(
            "Με το Κατασκευαστικό εχετε τη δυνατότητα να κατασκευάσετε συστήματα\nγια 100% 12άρι, 100% 12άρι ή 11άρι(α), "
            "100% 12άρι ή 11άρι ή 10άρι(α)\nγια 100% 5άρι, 100% 5άρι ή 4άρι(α), 100% 5άρι ή 4άρι ή 3άρι(α)\nχωρίς όρους ή "
            "κάποιους ή όλους τους όρους κατά επιλογίν\nΑΘΡΟΙΣΜΑ : είναι το Αθροισμα των πέντε αριθμών της Νικήτριας "
            "Στήλης\nΜΟΝΑ : είναι οι αριθμοί που είναι Μονοί\nΖΥΓΑ : είναι οι Ζυγοί αριθμοί\nΑΡΙΣΤΕΡΑ : είναι οι αριθμοί "
            "που έχουν λήγοντα 1,2,3,4,5\nΔΕΞΙΑ : είναι οι αριθμοί που έχουν λήγοντα 6,7,8,9,0\nΛΗΓΟΝΤΕΣ : είναι τα "
            "1,2,3,4,5,6,7,8,9,0 που λήγουν οι αριθμοί\nείναι οι 8 10άδες των 80 αριθμών , "
            "1-10,11-20,21-30,31-40,41-50,51-60,61-70,71-80\nΕΥΡΟΣ ΣΤΗΛΗΣ : είναι η Διαφορά του Μεγαλύτερου αριθμού "
            "μείον τον Μικρότερο\nΑ : είναι η επιλογή Στάνταρ ή Ζητούμενοι αριθμοί με εύρος"),
        kInfo);
    trigger("N30");
    EXPECT_EQ(recorder(windows.KataskeuhFrm)->execs, 1);
    EXPECT_EQ(totalExecs(), 1);
}

TEST_F(MainFrm, APickedCouponFileOpensThePreviewOnlyWhenItLoads)
{
    const QString filter = QStringLiteral("Αρχεία Δελτίων|*.tru");
    prompts.expectMessage(kChooseFile, QStringLiteral("TARU")).expectOpenFile(std::nullopt, filter);
    trigger("N15");
    // The chooser opened in DELTIA beside the program, made for it.
    EXPECT_EQ(prompts.lastFolder, QDir(data.path()).filePath(QStringLiteral("DELTIA")));
    EXPECT_TRUE(QDir(prompts.lastFolder).exists());
    prompts.expectMessage(kReplaceInfo, kInfo).expectOpenFile(std::nullopt, filter);
    trigger("MEANTIKATA2");
    EXPECT_EQ(totalExecs(), 0);

    const QString file = QDir(data.path()).filePath(QStringLiteral("DELTIA/ΣΥΣΤΗΜΑ 1.tru"));
    RecordingDlg *preview = recorder(windows.PrnPrevDeltiaFrm);
    prompts.expectMessage(kChooseFile, QStringLiteral("TARU")).expectOpenFile(file);
    trigger("N15");
    EXPECT_EQ(preview->loaded, QStringList({file}));
    EXPECT_EQ(preview->execs, 1);
    EXPECT_EQ(preview->titleAtExec, QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ  ΑΠΟ ΑΡΧΕΙΟ ΣΥΣΤΗΜΑ 1.tru"));
    EXPECT_EQ(main->OpenDialog1FileName(), file);

    preview->loadAnswer = false;
    prompts.expectMessage(kChooseFile, QStringLiteral("TARU")).expectOpenFile(file);
    trigger("N15");
    EXPECT_EQ(preview->execs, 1);

    prompts.expectMessage(kReplaceInfo, kInfo).expectOpenFile(file);
    trigger("MEANTIKATA1");
    EXPECT_EQ(recorder(windows.FrmReplace_Deltia)->execs, 1);
}

TEST_F(MainFrm, ItemsOpenTheirWindowsAndServices)
{
    trigger("N14"); // statistical production does nothing, and asks nothing
    EXPECT_EQ(totalExecs(), 0);
    for (const char *item : {"N1", "N12", "N9", "N29", "N6", "N26"})
        trigger(item);
    for (const auto *slot : {&windows.GameFrm, &windows.GeneratorFrm, &windows.NewNikFrm, &windows.LoadBiblioListFrm,
                             &windows.PrnFrm, &windows.DelFilesDlg})
        EXPECT_EQ(recorder(*slot)->execs, 1);
    trigger("N32");
    EXPECT_EQ(helpTopics, QStringList({QStringLiteral("TARU.chm")}));
    trigger("N23");
    EXPECT_EQ(calculatorStarts, 1);

    // The import items show their information, set the mode and open the import window.
    const QString importText = QStringLiteral("Eχετε τη δυνατότητα να εισαγετε  \nδικα σας συστηματα η Δελτια\nστηλες με Εισαγωγη , "
                                              "απο αρχεια .txt η απο αρχεια Excel \nκαλες επιτυχιες");
    int opened = 0;
    for (const auto &[item, mode] : {std::pair{"N18", 0}, {"N33", 1}, {"txt1", 2}, {"a1", 3}}) {
        context.importMode = -1;
        prompts.expectMessage(importText, kInfo);
        trigger(item);
        EXPECT_EQ(context.importMode, mode) << item;
        EXPECT_EQ(recorder(windows.FrmInsertDeltia)->execs, ++opened);
    }
    // The program's printer is chosen with the print dialog.
    prompts.expectPrintDialog(false);
    trigger("NPrinter");
}

TEST_F(MainFrm, DrawStatisticsWindowIsCreatedOnFirstUse)
{
    EXPECT_EQ(windows.StatNikFrm, nullptr);
    closeNextModal();
    trigger("N10");
    ASSERT_NE(windows.StatNikFrm, nullptr);
    QDialog *first = windows.StatNikFrm.get();
    closeNextModal();
    trigger("N10");
    EXPECT_EQ(windows.StatNikFrm.get(), first);
}

TEST_F(MainFrm, StatusPanelZeroIsDrawnGreyWithARedCredit)
{
    main->show();
    const QImage panel = main->StatusPanel0->grab().toImage();
    EXPECT_EQ(QColor(panel.pixel(0, 0)), QColor(188, 188, 188));
    EXPECT_EQ(QColor(panel.pixel(1, 1)), QColor(188, 188, 188)); // the text starts at (2, 2)
    int red = 0;
    for (int y = 0; y < panel.height(); ++y)
        for (int x = 0; x < panel.width(); ++x) {
            const QColor c(panel.pixel(x, y));
            red += (c.red() > 200 && c.green() < 80 && c.blue() < 80) ? 1 : 0;
        }
    EXPECT_GT(red, 20);
}
