#include "print/ui/QPainterCanvas.h"

#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace taru::ui {

void ConfigurePdfPrinter(QPrinter &printer, const QString &path, int dpi)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(dpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setFullPage(true);
}

QPainterCanvas::QPainterCanvas(QPrinter &printer)
    : PainterCanvas(printer)
    , printer_(printer)
{
}

bool QPainterCanvas::deviceFailed() const
{
    return printer_.printerState() == QPrinter::Error;
}

bool QPainterCanvas::abortOnDevice()
{
    return printer_.abort();
}

void QPainterCanvas::discardOutput()
{
    if (printer_.outputFormat() == QPrinter::PdfFormat && !printer_.outputFileName().isEmpty())
        QFile::remove(printer_.outputFileName());
}

} // namespace taru::ui
