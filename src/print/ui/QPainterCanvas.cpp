#include "print/ui/QPainterCanvas.h"

#include <QFontMetrics>
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
    : printer_(printer)
{
    // A plain sans face with Greek letters; the size is set by every job.
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSize(10);
}

QPainterCanvas::~QPainterCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

int QPainterCanvas::ppiX() const
{
    return printer_.logicalDpiX();
}

int QPainterCanvas::ppiY() const
{
    return printer_.logicalDpiY();
}

int QPainterCanvas::pageWidth() const
{
    return printer_.width();
}

int QPainterCanvas::pageHeight() const
{
    return printer_.height();
}

void QPainterCanvas::setOrientation(PageOrientation orientation)
{
    if (orientation == PageOrientation::Portrait)
        printer_.setPageOrientation(QPageLayout::Portrait);
    else if (orientation == PageOrientation::Landscape)
        printer_.setPageOrientation(QPageLayout::Landscape);
}

void QPainterCanvas::setFontSize(int points)
{
    font_.setPointSize(points > 0 ? points : 1);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void QPainterCanvas::setFontStyle(FontStyle style)
{
    font_.setBold(style.bold);
    font_.setUnderline(style.underline);
    if (painter_.isActive())
        painter_.setFont(font_);
}

FontStyle QPainterCanvas::fontStyle() const
{
    return FontStyle{font_.bold(), font_.underline()};
}

int QPainterCanvas::textHeight(const QString &text) const
{
    const QFontMetrics metrics(font_, &printer_);
    return text.isEmpty() ? metrics.height() : metrics.boundingRect(text).height();
}

void QPainterCanvas::ensureActive(const char *operation)
{
    if (!painter_.isActive())
        throw PrinterError(QStringLiteral("No document has been started (%1)").arg(QLatin1String(operation)));
}

void QPainterCanvas::checkPrinter(const char *operation)
{
    if (printer_.printerState() == QPrinter::Error)
        throw PrinterError(QStringLiteral("Printer error during %1").arg(QLatin1String(operation)));
}

void QPainterCanvas::textOut(int x, int y, const QString &text)
{
    ensureActive("text output");
    // The position is the top-left of the text cell, as on the slip calibration; Qt draws
    // from the baseline.
    const QFontMetrics metrics(painter_.font(), &printer_);
    painter_.drawText(x, y + metrics.ascent(), text);
    checkPrinter("text output");
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2)
{
    ensureActive("line");
    painter_.drawLine(x1, y1, x2, y2);
    checkPrinter("line");
}

void QPainterCanvas::beginDocument()
{
    if (!painter_.begin(&printer_))
        throw PrinterError(QStringLiteral("The printer could not start the document"));
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
}

void QPainterCanvas::newPage()
{
    ensureActive("new page");
    if (!printer_.newPage())
        throw PrinterError(QStringLiteral("The printer could not start a new page"));
}

void QPainterCanvas::endDocument()
{
    ensureActive("end of document");
    if (!painter_.end())
        throw PrinterError(QStringLiteral("The printer could not finish the document"));
    checkPrinter("end of document");
}

void QPainterCanvas::abortDocument()
{
    printer_.abort();
    if (painter_.isActive())
        painter_.end();
}

} // namespace taru::ui
