#include "print/ui/ProgramPrinter.h"

#include "print/SiteLabel.h"
#include "print/ui/QPainterCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace taru::ui {

namespace {

// The owner's settings store, where the program keeps what it remembers per user.
std::unique_ptr<QSettings> printerSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"),
                                       QStringLiteral("Info"));
}

const QString kOutputKey = QStringLiteral("Printer/Output");
const QString kNameKey = QStringLiteral("Printer/Name");
const QString kFileKey = QStringLiteral("Printer/File");
const QString kToFile = QStringLiteral("file");
const QString kToPrinter = QStringLiteral("printer");

} // namespace

QPrinter &ProgramPrinter()
{
    static QPrinter *printer = [] {
        auto *p = new QPrinter(QPrinter::HighResolution);
        RestorePrinterChoice(*p);
        return p;
    }();
    return *printer;
}

PrintTarget PrinterTarget(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return printer.outputFileName().isEmpty() ? PrintTarget::None : PrintTarget::File;
    return QPrinterInfo::availablePrinterNames().isEmpty() ? PrintTarget::None : PrintTarget::Printer;
}

bool ProgramPrinterReady(const QPrinter &printer)
{
    return PrinterTarget(printer) != PrintTarget::None;
}

QString PrinterText(const QPrinter &printer, bool brief)
{
    switch (PrinterTarget(printer)) {
    case PrintTarget::File:
        return QStringLiteral("Εκτυπωτής: αρχείο PDF ") +
               (brief ? QFileInfo(printer.outputFileName()).fileName() : QDir::toNativeSeparators(printer.outputFileName()));
    case PrintTarget::Printer: {
        const QString name = printer.printerName().isEmpty() ? QPrinterInfo::defaultPrinterName() : printer.printerName();
        return QStringLiteral("Εκτυπωτής: ") + name;
    }
    case PrintTarget::None:
        break;
    }
    return brief ? QStringLiteral("Εκτυπωτής: κανένας") : QStringLiteral("Εκτυπωτής: κανένας (επιλέξτε εκτυπωτή ή αρχείο PDF)");
}

void RememberPrinterChoice(const QPrinter &printer)
{
    const std::unique_ptr<QSettings> store = printerSettings();
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    store->setValue(kOutputKey, toFile ? kToFile : kToPrinter);
    store->setValue(kNameKey, toFile ? QString() : printer.printerName());
    store->setValue(kFileKey, toFile ? printer.outputFileName() : QString());
    store->sync();
}

void RestorePrinterChoice(QPrinter &printer)
{
    const std::unique_ptr<QSettings> store = printerSettings();
    const QString output = store->value(kOutputKey).toString();
    if (output == kToFile) {
        const QString file = store->value(kFileKey).toString();
        if (!file.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
        }
        return;
    }
    // A printer removed since is forgotten: the system's default stands in.
    const QString name = store->value(kNameKey).toString();
    if (output == kToPrinter && !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name))
        printer.setPrinterName(name);
}

bool ChoosePrinter(AppContext &context, QWidget *parent, QPrinter &printer)
{
    if (!context.prompts.printDialog(parent, printer))
        return false;
    if (&printer == &ProgramPrinter())
        RememberPrinterChoice(printer);
    return true;
}

PrintTarget EnsurePrinter(AppContext &context, QWidget *parent, QPrinter &printer)
{
    PrintTarget target = PrinterTarget(printer);
    if (target == PrintTarget::None && ChoosePrinter(context, parent, printer))
        target = PrinterTarget(printer);
    if (target == PrintTarget::None)
        context.prompts.error(parent, kNoPrinter);
    return target;
}

QString DefaultProfilePath(const AppPaths &paths)
{
    const QString folder = paths.folder(kPrintersFolder);
    const QString found = AppPaths::findEntry(folder, kDefaultProfileFile, false);
    return found.isEmpty() ? folder + QLatin1Char('/') + kDefaultProfileFile : found;
}

PrintResult PrintSlipJobs(AppContext &context, QWidget *parent, QPrinter &printer, const SlipJobSource &jobs,
                          SlipVariant variant, SlipPrintHooks hooks)
{
    for (int i = 0; i < jobs.count; ++i)
        ParseSlipMarks(jobs.job(i).marks); // a bad list stops the job before anything else
    if (EnsurePrinter(context, parent, printer) == PrintTarget::None)
        return PrintResult{PrintOutcome::PrinterFailed, kNoPrinter};
    if (!hooks.outsidePage) {
        hooks.outsidePage = [&context, parent](const ItemOutsidePage &found) {
            return context.prompts.confirm(parent, OutsidePageQuestion(found));
        };
    }
    QPainterCanvas canvas(printer);
    const PrintResult result = PrintSlips(canvas, jobs, variant,
                                          SlipPrintSettings{DefaultProfilePath(context.paths), siteLabel(), QLocale()}, hooks);
    if (result.outcome == PrintOutcome::ProfileFailed)
        context.prompts.error(parent, result.error);
    return result;
}

namespace {
template <typename Print>
bool reportJob(AppContext &context, QWidget *parent, QPrinter &printer, Print print)
{
    if (EnsurePrinter(context, parent, printer) == PrintTarget::None)
        return false;
    QPainterCanvas canvas(printer);
    const ReportPrintResult result = print(canvas, DefaultProfilePath(context.paths));
    if (!result.profileError.isEmpty())
        context.prompts.error(parent, result.profileError);
    return result.printed;
}
} // namespace

bool PrintConstructorReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const ConstructorReport &report)
{
    return reportJob(context, parent, printer, [&](PrintCanvas &canvas, const QString &profile) {
        return PrintConstructorReport(canvas, report, ReadReportOwner(), profile, QLocale());
    });
}

bool PrintLibraryReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const LibraryReport &report)
{
    return reportJob(context, parent, printer, [&](PrintCanvas &canvas, const QString &profile) {
        return PrintLibraryReport(canvas, report, ReadReportOwner(), profile, QLocale());
    });
}

bool PrintListJob(AppContext &context, QWidget *parent, QPrinter &printer, const ListPrintout &list)
{
    if (!ProgramPrinterReady(printer)) {
        context.prompts.error(parent, kNoPrinter);
        return false;
    }
    QPainterCanvas canvas(printer);
    return PrintList(canvas, list);
}

} // namespace taru::ui
