#pragma once

#include "paint/PainterCanvas.h"

class QPrinter;

namespace taru::ui {

// Sets printer up to write a PDF file: A4, no margins (device (0, 0) is the paper's corner), at
// dpi device units per inch.
void ConfigurePdfPrinter(QPrinter &printer, const QString &path, int dpi);

// The print canvas on a real printer (or the printer's own PDF output): a printer in its error
// state fails the job, and an aborted PDF is deleted rather than left half-written.
class QPainterCanvas : public PainterCanvas {
public:
    explicit QPainterCanvas(QPrinter &printer);

protected:
    bool deviceFailed() const override;
    bool abortOnDevice() override;
    void discardOutput() override;

private:
    QPrinter &printer_;
};

} // namespace taru::ui
