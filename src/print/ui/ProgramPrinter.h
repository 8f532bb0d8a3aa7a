#pragma once

#include "window/AppContext.h"
#include "print/ListPrint.h"
#include "print/PrintJob.h"
#include "print/ReportLayout.h"

#include <QString>

class QPrinter;
class QWidget;

namespace taru::ui {

inline const QString kNoPrinter =
    QStringLiteral("Δεν βρέθηκε εκτυπωτής. Επιλέξτε εκτυπωτή (ή εκτύπωση σε αρχείο PDF) από ένα παράθυρο εκτύπωσης.");

// The printer every job of the program goes to: the one last chosen in a print dialog of the
// program, else the system's default printer. Created on first use, kept for the whole run.
QPrinter &ProgramPrinter();

// True when jobs can go somewhere: a printer is installed, or output was set to a file.
bool ProgramPrinterReady(const QPrinter &printer);

// Printers\default.tpr of the program folder (found whatever its letter case).
QString DefaultProfilePath(const AppPaths &paths);

// Prints coupons as one job on printer: with no printer, the message above; when the profile
// cannot be loaded, its error box; a printer failure ends the job quietly. The lists of the
// coupons are read first and their errors passed on to the caller.
PrintResult PrintSlipJobs(AppContext &context, QWidget *parent, QPrinter &printer, const QList<SlipJob> &jobs,
                          SlipVariant variant);

// The two system reports, on the same terms.
bool PrintConstructorReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const ConstructorReport &report);
bool PrintLibraryReportJob(AppContext &context, QWidget *parent, QPrinter &printer, const LibraryReport &report);

// A list window's printout on the same terms (no profile needed); false when nothing was printed.
bool PrintListJob(AppContext &context, QWidget *parent, QPrinter &printer, const ListPrintout &list);

} // namespace taru::ui
