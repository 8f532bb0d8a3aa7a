#pragma once

#include "print/PrintCanvas.h"
#include "print/PrinterProfile.h"
#include "print/SlipLayout.h"

#include <QList>
#include <QLocale>
#include <QString>

namespace taru {

// Loads the default profile for a job on this canvas: reads the canvas's resolution, sets the
// orientation the profile asks for (before the page height is read) and, when the profile asks
// for it, the bold style. On failure the canvas is left as it was, except possibly its
// orientation, and the error text is returned for the error box.
ProfileLoad LoadProfileForJob(const QString &profilePath, PrintCanvas &canvas, const QLocale &locale);

// One coupon to print.
struct SlipJob {
    SlipMarks marks;
    ValueLine valueLine;
};

enum class PrintOutcome {
    Printed,
    ProfileFailed, // nothing printed; error holds the text of the error box
    PrinterFailed, // the document was aborted; nothing is reported to the user
};

struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Printed;
    QString error;
    bool printed() const { return outcome == PrintOutcome::Printed; }
};

struct SlipPrintSettings {
    QString profilePath; // Printers\default.tpr
    QString siteLabel;
    QLocale locale;
};

// Prints the coupons in one document, one page each (a single coupon is one job of one page).
// The lists of every coupon are read first: a bad entry raises before anything is printed.
PrintResult PrintSlips(PrintCanvas &canvas, const QList<SlipJob> &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings);

} // namespace taru
