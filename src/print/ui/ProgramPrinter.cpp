#include "print/ui/ProgramPrinter.h"

#include "print/SiteLabel.h"
#include "print/ui/QPainterCanvas.h"

#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>

namespace taru::ui {

QPrinter &ProgramPrinter()
{
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

bool ProgramPrinterReady(const QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        return true;
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString DefaultProfilePath(const AppPaths &paths)
{
    const QString folder = paths.folder(kPrintersFolder);
    const QString found = AppPaths::findEntry(folder, kDefaultProfileFile, false);
    return found.isEmpty() ? folder + QLatin1Char('/') + kDefaultProfileFile : found;
}

PrintResult PrintSlipJobs(AppContext &context, QWidget *parent, QPrinter &printer, const QList<SlipJob> &jobs,
                          SlipVariant variant)
{
    for (const SlipJob &job : jobs)
        ParseSlipMarks(job.marks); // a bad list stops the job before anything else
    if (!ProgramPrinterReady(printer)) {
        context.prompts.error(parent, kNoPrinter);
        return PrintResult{PrintOutcome::PrinterFailed, kNoPrinter};
    }
    QPainterCanvas canvas(printer);
    const PrintResult result = PrintSlips(canvas, jobs, variant,
                                          SlipPrintSettings{DefaultProfilePath(context.paths), siteLabel(), QLocale()});
    if (result.outcome == PrintOutcome::ProfileFailed)
        context.prompts.error(parent, result.error);
    return result;
}

namespace {
template <typename Print>
bool reportJob(AppContext &context, QWidget *parent, QPrinter &printer, Print print)
{
    if (!ProgramPrinterReady(printer)) {
        context.prompts.error(parent, kNoPrinter);
        return false;
    }
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
