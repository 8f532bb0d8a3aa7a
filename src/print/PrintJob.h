#pragma once

#include "print/PrintCanvas.h"
#include "print/PrinterProfile.h"
#include "print/SlipLayout.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

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

// The coupons of one job, made one at a time when they are printed: a set may announce millions,
// and none of them is held longer than its page.
struct SlipJobSource {
    int count = 0;
    std::function<SlipJob(int index)> job; // index 0..count - 1

    static SlipJobSource of(const QList<SlipJob> &jobs);
};

// An item of a slip that would be printed off the printable page.
struct ItemOutsidePage {
    int slip = 0; // the slip's number: its coupon number when it has one, else its place in the job
    SlipItem item;
    int pageWidth = 0;
    int pageHeight = 0;
};

// The first item of the layout, in drawing order, written at a position off the page (left of
// or above its corner, or at or past its width or height).
std::optional<SlipItem> FirstItemOutsidePage(const SlipLayout &layout, int pageWidth, int pageHeight);

// What the user is asked before such a job: the slip, the item and where it would land.
QString OutsidePageQuestion(const ItemOutsidePage &found);

// What a job asks of its caller.
struct SlipPrintHooks {
    // Asked once, before the document starts, with the first item off the page; false stops the
    // job there (nothing printed). Without it nothing is checked.
    std::function<bool(const ItemOutsidePage &)> outsidePage;
    // After each page (index as in the source); false ends the document after that page.
    std::function<bool(int index)> afterPage;
};

enum class PrintOutcome {
    Printed,
    ProfileFailed, // nothing printed; error holds the text of the error box
    PrinterFailed, // the document was aborted; nothing is reported to the user
    Cancelled,     // the user stopped before the document started (an item off the page)
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
// The lists of every coupon are read first: a bad entry raises before anything is printed. Then
// the profile is loaded, the pages are checked against the page when the hooks ask for it, and
// the pages are printed.
PrintResult PrintSlips(PrintCanvas &canvas, const SlipJobSource &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings, const SlipPrintHooks &hooks = {});
PrintResult PrintSlips(PrintCanvas &canvas, const QList<SlipJob> &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings, const SlipPrintHooks &hooks = {});

} // namespace taru
