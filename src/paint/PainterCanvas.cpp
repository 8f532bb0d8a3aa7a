#include "paint/PainterCanvas.h"

#include <QFile>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

namespace taru {

PainterCanvas::PainterCanvas(QPagedPaintDevice &device)
    : device_(device)
{
    // A plain sans face with Greek letters; the size is set by every job.
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSize(10);
}

PainterCanvas::~PainterCanvas()
{
    if (painter_.isActive())
        painter_.end();
}

int PainterCanvas::ppiX() const
{
    return device_.logicalDpiX();
}

int PainterCanvas::ppiY() const
{
    return device_.logicalDpiY();
}

int PainterCanvas::pageWidth() const
{
    return device_.width();
}

int PainterCanvas::pageHeight() const
{
    return device_.height();
}

void PainterCanvas::setOrientation(PageOrientation orientation)
{
    if (orientation == PageOrientation::Portrait)
        device_.setPageOrientation(QPageLayout::Portrait);
    else if (orientation == PageOrientation::Landscape)
        device_.setPageOrientation(QPageLayout::Landscape);
}

void PainterCanvas::setFontSize(int points)
{
    font_.setPointSize(points > 0 ? points : 1);
    if (painter_.isActive())
        painter_.setFont(font_);
}

void PainterCanvas::setFontStyle(FontStyle style)
{
    font_.setBold(style.bold);
    font_.setUnderline(style.underline);
    if (painter_.isActive())
        painter_.setFont(font_);
}

FontStyle PainterCanvas::fontStyle() const
{
    return FontStyle{font_.bold(), font_.underline()};
}

int PainterCanvas::textHeight(const QString &text) const
{
    const QFontMetrics metrics(font_, &device_);
    return text.isEmpty() ? metrics.height() : metrics.boundingRect(text).height();
}

int PainterCanvas::textWidth(const QString &text) const
{
    return QFontMetrics(font_, &device_).horizontalAdvance(text);
}

void PainterCanvas::textClipped(int x, int y, const QRect &clip, const QString &text)
{
    ensureActive("text output");
    painter_.save();
    painter_.setClipRect(clip);
    const QFontMetrics metrics(painter_.font(), &device_);
    painter_.drawText(x, y + metrics.ascent(), text);
    painter_.restore();
    checkDevice("text output");
}

void PainterCanvas::ensureActive(const char *operation)
{
    if (!painter_.isActive())
        throw PrinterError(QStringLiteral("No document has been started (%1)").arg(QLatin1String(operation)));
}

void PainterCanvas::checkDevice(const char *operation)
{
    if (deviceFailed())
        throw PrinterError(QStringLiteral("Printer error during %1").arg(QLatin1String(operation)));
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    ensureActive("text output");
    // The position is the top-left of the text cell, as on the slip calibration; Qt draws
    // from the baseline.
    const QFontMetrics metrics(painter_.font(), &device_);
    painter_.drawText(x, y + metrics.ascent(), text);
    checkDevice("text output");
}

void PainterCanvas::line(int x1, int y1, int x2, int y2)
{
    ensureActive("line");
    painter_.drawLine(x1, y1, x2, y2);
    checkDevice("line");
}

void PainterCanvas::beginDocument()
{
    if (!painter_.begin(&device_))
        throw PrinterError(QStringLiteral("The printer could not start the document"));
    painter_.setFont(font_);
    painter_.setPen(Qt::black);
}

void PainterCanvas::newPage()
{
    ensureActive("new page");
    if (!device_.newPage())
        throw PrinterError(QStringLiteral("The printer could not start a new page"));
}

void PainterCanvas::endDocument()
{
    ensureActive("end of document");
    if (!painter_.end())
        throw PrinterError(QStringLiteral("The printer could not finish the document"));
    checkDevice("end of document");
}

void PainterCanvas::abortDocument()
{
    const bool aborted = abortOnDevice();
    if (painter_.isActive())
        painter_.end();
    if (!aborted)
        discardOutput();
}

PdfFile::PdfFile(const QString &path, int dpi)
    : path(path)
    , writer(path)
{
    writer.setResolution(dpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setCreator(QStringLiteral("TARU"));
}

PdfCanvas::PdfCanvas(const QString &path, int dpi)
    : PdfFile(path, dpi)
    , PainterCanvas(writer)
{
}

void PdfCanvas::discardOutput()
{
    // A PDF cannot be aborted in flight: drop the half-written file instead.
    QFile::remove(path);
}

} // namespace taru
