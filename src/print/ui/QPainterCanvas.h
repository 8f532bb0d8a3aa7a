#pragma once

#include "print/PrintCanvas.h"

#include <QFont>
#include <QPainter>

class QPrinter;

namespace taru::ui {

// Sets printer up to write a PDF file: A4, no margins (device (0, 0) is the paper's corner), at
// dpi device units per inch.
void ConfigurePdfPrinter(QPrinter &printer, const QString &path, int dpi);

// The print canvas on a real printer or a PDF file: device units are the printer's pixels at
// its resolution, fonts are sized in points at that resolution, and (0, 0) is the top-left of
// the printable area. A printer error aborts the document and raises PrinterError.
class QPainterCanvas : public PrintCanvas {
public:
    explicit QPainterCanvas(QPrinter &printer);
    ~QPainterCanvas() override;

    int ppiX() const override;
    int ppiY() const override;
    int pageWidth() const override;
    int pageHeight() const override;
    void setOrientation(PageOrientation orientation) override;
    void setFontSize(int points) override;
    void setFontStyle(FontStyle style) override;
    FontStyle fontStyle() const override;
    int textHeight(const QString &text) const override;
    void textOut(int x, int y, const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void beginDocument() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

private:
    void ensureActive(const char *operation);
    void checkPrinter(const char *operation);

    QPrinter &printer_;
    QPainter painter_;
    QFont font_;
};

} // namespace taru::ui
