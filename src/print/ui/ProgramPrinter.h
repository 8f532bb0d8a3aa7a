#pragma once

#include "window/AppContext.h"
#include "print/ListPrint.h"
#include "print/PrintJob.h"
#include "print/ReportLayout.h"

#include <QString>

class QPrinter;
class QWidget;

namespace taru::ui {

inline const QString kNoPrinter = QStringLiteral(
    "Δεν επιλέχθηκε εκτυπωτής και δεν τυπώθηκε τίποτα. Επιλέξτε εκτυπωτή ή εκτύπωση σε αρχείο PDF "
    "με το κουμπί «ΕΠΙΛΟΓΗ ΕΚΤΥΠΩΤΗ».");
inline const QString kChoosePrinterCaption = QStringLiteral("ΕΠΙΛΟΓΗ ΕΚΤΥΠΩΤΗ");

// The printer every job of the program goes to: the one last chosen in a print dialog of the
// program (remembered in the settings from one run to the next), else the system's default
// printer. Created on first use, kept for the whole run.
QPrinter &ProgramPrinter();

// Where a printer's jobs go: nowhere (no printer installed, no file chosen), a printer, a file.
enum class PrintTarget { None, Printer, File };
PrintTarget PrinterTarget(const QPrinter &printer);

// True when jobs can go somewhere: a printer is installed, or output was set to a file.
bool ProgramPrinterReady(const QPrinter &printer);

// The line the previews and the profile dialog show: which printer (or file) is current. Brief:
// a file by its name alone, no advice when there is none (for a narrow label).
QString PrinterText(const QPrinter &printer, bool brief = false);

// The print dialog for printer (PDF file output included). A confirmed choice is kept in the
// settings when printer is the program's. True when the user confirmed.
bool ChoosePrinter(AppContext &context, QWidget *parent, QPrinter &printer);

// Where printer's jobs go now; with nowhere to go, the print dialog is offered first, and when
// nothing is chosen there the message above is shown and None answered.
PrintTarget EnsurePrinter(AppContext &context, QWidget *parent, QPrinter &printer);

// Settings of the program's printer: what was chosen, put back at the next start.
void RememberPrinterChoice(const QPrinter &printer);
void RestorePrinterChoice(QPrinter &printer);

// Printers\default.tpr of the program folder (found whatever its letter case).
QString DefaultProfilePath(const AppPaths &paths);

// Every window's printing of slips goes through here: the coupons as one job (one document) on
// printer. The lists of the coupons are read first and their errors passed on to the caller;
// with no printer the print dialog is offered (EnsurePrinter); an item off the page is asked
// about once before the job (unless the hooks ask themselves); when the profile cannot be
// loaded, its error box; a printer failure ends the job quietly.
PrintResult PrintSlipJobs(AppContext &context, QWidget *parent, QPrinter &printer, const SlipJobSource &jobs,
                          SlipVariant variant, SlipPrintHooks hooks = {});

// The two system reports, on the same terms.
bool PrintConstructorReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const ConstructorReport &report);
bool PrintLibraryReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const LibraryReport &report);

// A list window's printout on the same terms (no profile needed); false when nothing was printed.
bool PrintListJob(AppContext &context, QWidget *parent, QPrinter &printer, const ListPrintout &list);

} // namespace taru::ui
