#include "draws/ui/DrawsPrinting.h"

#include "print/ReportLayout.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"

#include <QPrinter>
#include <QWidget>

namespace taru::ui {

bool ConfirmDrawsPrinter(AppContext &context, QWidget *parent)
{
    if (!ChoosePrinter(context, parent, ProgramPrinter())) // remembered for the next start
        return false;
    if (!ProgramPrinterReady(ProgramPrinter())) {
        context.prompts.error(parent, kNoPrinter);
        return false;
    }
    return true;
}

ListHeader DrawsListHeader(const QString &caption)
{
    const ReportOwner owner = ReadReportOwner();
    ListHeader header;
    header.ownerLines = {owner.title, owner.address, owner.misc};
    header.caption = caption;
    return header;
}

void RunDrawsPrintJob(QWidget *window, const std::function<void(PrintCanvas &canvas)> &job)
{
    QPrinter &printer = ProgramPrinter();
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    window->setEnabled(false);
    const auto restore = [&] {
        printer.setPageOrientation(orientation);
        window->setEnabled(true);
    };
    try {
        QPainterCanvas canvas(printer);
        job(canvas);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace taru::ui
