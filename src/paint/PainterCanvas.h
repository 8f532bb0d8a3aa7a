#pragma once

#include "print/PrintCanvas.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>

class QPagedPaintDevice;

namespace taru {

// The print canvas on a paged paint device (a printer, a PDF file): device units are the
// device's pixels at its resolution, fonts are sized in points at that resolution, and (0, 0) is
// the top-left of the printable area. A device error aborts the document and raises
// PrinterError.
class PainterCanvas : public PrintCanvas {
public:
    explicit PainterCanvas(QPagedPaintDevice &device);
    ~PainterCanvas() override;

    int ppiX() const override;
    int ppiY() const override;
    int pageWidth() const override;
    int pageHeight() const override;
    void setOrientation(PageOrientation orientation) override;
    void setFontSize(int points) override;
    void setFontStyle(FontStyle style) override;
    FontStyle fontStyle() const override;
    int textHeight(const QString &text) const override;
    int textWidth(const QString &text) const override;
    void textOut(int x, int y, const QString &text) override;
    void textClipped(int x, int y, const QRect &clip, const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void beginDocument() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

protected:
    // Whether the device reports a failure (a printer's error state).
    virtual bool deviceFailed() const { return false; }
    // Drops the job on the device; false when the device cannot abort one in flight.
    virtual bool abortOnDevice() { return false; }
    // What is left of a job that could not be aborted on the device (a half-written file).
    virtual void discardOutput() {}

private:
    void ensureActive(const char *operation);
    void checkDevice(const char *operation);

    QPagedPaintDevice &device_;
    QPainter painter_;
    QFont font_;
};

// A PDF file on A4 paper without margins (device (0, 0) is the paper's corner) at dpi device
// units per inch. An aborted document leaves no file behind.
struct PdfFile {
    PdfFile(const QString &path, int dpi);
    QString path;
    QPdfWriter writer;
};

// The writer is a base listed first, so it exists before the canvas that draws on it.
class PdfCanvas : private PdfFile, public PainterCanvas {
public:
    PdfCanvas(const QString &path, int dpi);

protected:
    void discardOutput() override;
};

} // namespace taru
