#pragma once

#include "print/ListPrint.h"
#include "window/AppContext.h"

#include <functional>

class QPrinter;
class QWidget;

namespace taru::ui {

// The print dialog of the draws windows, in one place: the program's printer, confirmed by the
// user; with no printer to go to, the program's message and false.
bool ConfirmDrawsPrinter(AppContext &context, QWidget *parent);

// The page header of the draws printouts: the owner's lines, then the caption and the banner.
ListHeader DrawsListHeader(const QString &caption);

// Runs a job on the program's printer with the window disabled (pending events let through as
// the job calls back), the printer's orientation put back afterwards.
void RunDrawsPrintJob(QWidget *window, const std::function<void(PrintCanvas &canvas)> &job);

} // namespace taru::ui
