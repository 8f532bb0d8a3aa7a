// Printing a user can reach: the program's printer chosen with the print dialog (a PDF file
// included) and remembered, a batch to a file as one document, the question about an item off
// the page, and coupon files that name boxes the slip does not have.
#include "PreviewFixture.h"

#include "data/CouponFile.h"
#include "print/PrinterProfile.h"
#include "print/ui/InfoDialDlg.h"
#include "print/ui/PrnFrm.h"
#include "print/ui/PrnPrevDeltiaFrm.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"

#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kFile = QStringLiteral("ΣΥΣΤΗΜΑ 7.tru");

// The coupon-file preview printing for real on the program's printer, with the default profile.
class RealPrinting : public PreviewTest {
protected:
    RealPrinting()
        : preview(ui::FeatureWindows::as<ui::TPrnPrevDeltiaFrm>(windows.PrnPrevDeltiaFrm))
        , pdf(data.path() + QStringLiteral("/slips.pdf"))
    {
        writeProfile({.markChar = "X"});
    }
    ~RealPrinting() override
    {
        // Back to the system's printer for the other tests.
        QPrinter &printer = ui::ProgramPrinter();
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
    }
    void writeProfile(const PrinterProfile &profile) const
    {
        EXPECT_TRUE(writeAll(data.path() + QStringLiteral("/Printers/default.tpr"), SerialiseProfile(profile)));
    }
    void open(const QByteArray &bytes)
    {
        const QString path = deltia(kFile);
        ASSERT_TRUE(writeAll(path, bytes));
        ASSERT_TRUE(preview->loadCouponFile(path));
        preview->hide(); // opened afresh, as the menu opens it
        preview->show();
    }
    void printToPdf() const { ui::ConfigurePdfPrinter(ui::ProgramPrinter(), pdf, 150); }
    // The PDF's text, pages separated by form feeds; empty when pdftotext is missing.
    QString pdfText() const
    {
        QProcess process;
        process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        if (!process.waitForFinished(30000))
            return QString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    static bool canReadPdf() { return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty(); }

    ui::TPrnPrevDeltiaFrm *preview;
    QString pdf;
};

QByteArray threeCoupons()
{
    return data::CouponFileBytes(3, 2, QString(), 0, 0, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
}

} // namespace

TEST_F(RealPrinting, ABatchToAPdfFileIsOneDocumentWithAPagePerSlip)
{
    if (!canReadPdf())
        GTEST_SKIP() << "pdftotext is not installed";
    open(data::CouponFileBytes(4, 2, QString(), 0, 0, {{"1", "2"}, {"3", "4"}, {"5", "6"}, {"7", "8"}}));
    printToPdf();
    preview->SBtnNextClick();
    prompts.expectAsk(ui::kAskBatchFromCurrent, QStringLiteral("Επιβεβαίωση"), Button::Yes); // from the current one
    preview->BBtnPrintAllClick();
    const QString text = pdfText();
    EXPECT_EQ(text.count(QLatin1Char('\f')), 3) << text.toStdString();
    for (const char *slip : {"Δελ. 2", "Δελ. 3", "Δελ. 4"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(slip))) << slip;
    EXPECT_FALSE(text.contains(QStringLiteral("Δελ. 1")));
    EXPECT_EQ(preview->current(), 4);
}

TEST_F(RealPrinting, WithoutAPrinterThePrintDialogIsOfferedAndItsChoiceKept)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "a system printer is installed: nothing to choose before printing";
    if (!canReadPdf())
        GTEST_SKIP() << "pdftotext is not installed";
    open(threeCoupons());
    EXPECT_EQ(preview->LblPrinter->toolTip(), QStringLiteral("Εκτυπωτής: κανένας (επιλέξτε εκτυπωτή ή αρχείο PDF)"));

    // Cancelled: nothing printed, and a message that names the way to choose.
    prompts.expectPrintDialog(false).expectMessage(ui::kNoPrinter, QStringLiteral("Σφάλμα"));
    preview->BtnPrintClick();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(preview->current(), 1);

    // Chosen: a PDF file, printed at once, shown on the preview and kept for the next start.
    prompts.expectPrintDialog(true, pdf);
    preview->BtnPrintClick();
    EXPECT_EQ(pdfText().count(QLatin1Char('\f')), 1);
    EXPECT_EQ(preview->LblPrinter->toolTip(), QStringLiteral("Εκτυπωτής: αρχείο PDF ") + QDir::toNativeSeparators(pdf));
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"), QStringLiteral("Info"));
    EXPECT_EQ(store.value(QStringLiteral("Printer/File")).toString(), pdf);
    QPrinter restored(QPrinter::HighResolution);
    ui::RestorePrinterChoice(restored);
    EXPECT_EQ(restored.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(restored.outputFileName(), pdf);
}

TEST_F(RealPrinting, EveryPreviewAndTheProfileDialogChooseThePrinterAndOpenTheProfiles)
{
    const QString other = data.path() + QStringLiteral("/other.pdf");
    auto *profiles = ui::FeatureWindows::as<ui::TPrnFrm>(windows.PrnFrm);
    prompts.expectPrintDialog(true, other);
    profiles->BtnChoosePrinter->click();
    EXPECT_EQ(profiles->LblPrinter->text(), QStringLiteral("Εκτυπωτής: αρχείο PDF ") + QDir::toNativeSeparators(other));
    ui::ProgramPrinter().setOutputFormat(QPrinter::NativeFormat);

    auto recorder = std::make_unique<RecordingDlg>();
    RecordingDlg *settingsDlg = recorder.get();
    windows.PrnFrm = std::move(recorder);
    for (const auto *slot : {&windows.PrnPrevFrm, &windows.PrnPrevGenFrm, &windows.PrnPrevEGGYFrm, &windows.PrnPrevDeltiaFrm}) {
        auto *window = qobject_cast<ui::SlipPreviewWindow *>(slot->get());
        ASSERT_NE(window, nullptr);
        prompts.expectPrintDialog(true, other);
        window->BtnChoosePrinter->click();
        EXPECT_EQ(window->LblPrinter->toolTip(), QStringLiteral("Εκτυπωτής: αρχείο PDF ") + QDir::toNativeSeparators(other));
        EXPECT_EQ(window->LblPrinter->text(), QStringLiteral("Εκτυπωτής: αρχείο PDF other.pdf"));
        ui::ProgramPrinter().setOutputFormat(QPrinter::NativeFormat);
        QTest::mouseClick(window->BtnPrnSettings, Qt::LeftButton);
    }
    EXPECT_EQ(settingsDlg->execs, 4);
}

TEST_F(RealPrinting, AnItemOffThePageIsAskedAboutBeforeTheJob)
{
    writeProfile({.slipPosition = kSlipLandscape}); // the message, 0 mm from the bottom edge, lies under the page
    open(threeCoupons());
    printToPdf();
    const QString question = QStringLiteral("Στο δελτίο 1, το μήνυμα «Extra5» πέφτει έξω από τη σελίδα του εκτυπωτή "
                                            "(θέση 5, 1240 σε σελίδα 1754 x 1240).\nΝα συνεχίσω την εκτύπωση;");
    prompts.expectAsk(question, QStringLiteral("Επιβεβαίωση"), Button::No);
    preview->BtnPrintClick();
    EXPECT_FALSE(QFile::exists(pdf));

    // Going on prints it as it is.
    prompts.expectAsk(question, QStringLiteral("Επιβεβαίωση"), Button::Yes);
    preview->BtnPrintClick();
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(RealPrinting, BoxesTheSlipDoesNotHaveAreShownWithoutThemAndRefusedOnPrinting)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *caption;
        const char *refusal;
    };
    const Case cases[] = {
        {"game 13", "1\r\n13\r\n\r\n0\r\n0\r\n1,2,3\r\n", ",  ΔΕΛΤΙΟ 1 ΑΠΟ 1 ΚΟΣΤΟΣ :0.50", "Game box 0 is out of range 1..12"},
        {"game 0", "1\r\n0\r\n\r\n0\r\n0\r\n\r\n", ",  ΔΕΛΤΙΟ 1 ΑΠΟ 1 ΚΟΣΤΟΣ :0.50", "Game box 13 is out of range 1..12"},
        {"multiplier 0", "1\r\n2\r\n0,3\r\n0\r\n0\r\n1,2\r\n", ",  ΔΕΛΤΙΟ 1 ΑΠΟ 1 ΚΟΣΤΟΣ :2.00",
         "Multiplier box 0 is out of range 1..9"},
        {"draws box 2,5", "1\r\n2\r\n\r\n2\r\n5\r\n1,2\r\n", ",  ΔΕΛΤΙΟ 1 ΑΠΟ 1 ΚΟΣΤΟΣ :0.50",
         "Consecutive-draws row 5 is out of range 0..4"},
    };
    printToPdf();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        open(c.bytes);
        EXPECT_EQ(preview->windowTitle(), kFile + QString::fromUtf8(c.caption));
        EXPECT_EQ(preview->current(), 1);
        prompts.expectMessage(QString::fromUtf8(c.refusal), QStringLiteral("TARU"));
        QTest::mouseClick(preview->BtnPrint, Qt::LeftButton);
        EXPECT_FALSE(QFile::exists(pdf));
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
    }
    // The numbers of the file are shown whatever its boxes.
    open("1\r\n13\r\n0\r\n2\r\n5\r\n1,2,3\r\n");
    EXPECT_EQ(preview->shownMarks().size(), 3);
}

TEST_F(RealPrinting, TwentyMillionAnnouncedCouponsAreCheckedAndShownCompactly)
{
    open("20000000\r\n2\r\n\r\n0\r\n0\r\n1,2\r\n");
    EXPECT_EQ(preview->windowTitle(), kFile + QStringLiteral(",  ΔΕΛΤΙΟ 1 ΑΠΟ 20000000 ΚΟΣΤΟΣ :0.50"));
    for (int i = 0; i < kWinningSize; ++i)
        context.state.winningColumn[static_cast<std::size_t>(i)] = QString::number(i + 1);
    auto *results = ui::FeatureWindows::as<ui::TInfoDialDlg>(windows.InfoDialDlg);
    QStringList shown;
    QTimer::singleShot(0, results, [&] {
        for (int row = 0; row < results->sgrd->rowCount(); ++row)
            shown << results->sgrd->item(row, 1)->text() + QLatin1Char('|') + results->sgrd->item(row, 4)->text();
        results->accept();
    });
    preview->BtnSortClick();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("1|1"), QStringLiteral("0|"), QStringLiteral("19999999|2-20000000")}));
}
