#pragma once

#include "base/Errors.h"
#include "print/PrinterProfile.h"

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

namespace taru {

// A failure of the printer itself once a document has started.
class PrinterError : public AppError {
public:
    explicit PrinterError(const QString &message) : AppError(QStringLiteral("PrinterError"), message) {}
};

struct FontStyle {
    bool bold = false;
    bool underline = false;
    bool operator==(const FontStyle &) const = default;
};

// What slips, reports and list printouts draw on: a page in device units with the top-left of
// the printable area at (0, 0). The real one paints on a printer or a PDF file; tests record.
// Operations on a document that has started throw PrinterError when the printer fails.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // Pixels per inch of the device, and the printable page in device units for the current
    // orientation.
    virtual int ppiX() const = 0;
    virtual int ppiY() const = 0;
    virtual int pageWidth() const = 0;
    virtual int pageHeight() const = 0;
    // Takes effect for the next document; Unchanged leaves it as it is.
    virtual void setOrientation(PageOrientation orientation) = 0;

    // Font size in points; style bold/underline. Both stay in force until changed.
    virtual void setFontSize(int points) = 0;
    virtual void setFontStyle(FontStyle style) = 0;
    virtual FontStyle fontStyle() const = 0;
    // Height of text in the current font, in device units.
    virtual int textHeight(const QString &text) const = 0;
    // Width of text in the current font, in device units.
    virtual int textWidth(const QString &text) const = 0;

    // Text with the top-left of its cell at (x, y).
    virtual void textOut(int x, int y, const QString &text) = 0;
    // The same, with nothing drawn outside clip (a table cell).
    virtual void textClipped(int x, int y, const QRect &clip, const QString &text) = 0;
    virtual void line(int x1, int y1, int x2, int y2) = 0;

    virtual void beginDocument() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;
    // Drops the document started; never throws.
    virtual void abortDocument() = 0;
};

// Records every call, for tests and for checking positions from the command line. The page
// turns with the orientation, as a real printer's does.
class RecordingCanvas : public PrintCanvas {
public:
    enum class Op { Orientation, FontSize, FontStyle, Text, Line, Begin, NewPage, End, Abort };
    struct Call {
        Op op = Op::Text;
        int x = 0, y = 0, x2 = 0, y2 = 0;
        QString text;
        int fontSize = 0;     // the font size in force (Text) or set (FontSize)
        FontStyle style;      // the style in force (Text) or set (FontStyle)
        PageOrientation orientation = PageOrientation::Unchanged;
        QRect clip;           // the clip of a clipped text, else null
    };

    // A portrait page; landscape swaps width and height.
    RecordingCanvas(int ppiX = 600, int ppiY = 600, int portraitWidth = 4960, int portraitHeight = 7015);

    int ppiX() const override { return ppiX_; }
    int ppiY() const override { return ppiY_; }
    int pageWidth() const override;
    int pageHeight() const override;
    void setOrientation(PageOrientation orientation) override;
    void setFontSize(int points) override;
    void setFontStyle(FontStyle style) override;
    FontStyle fontStyle() const override { return style_; }
    int textHeight(const QString &text) const override;
    // Every character as wide as 0.6 of the font size.
    int textWidth(const QString &text) const override;
    void textOut(int x, int y, const QString &text) override;
    void textClipped(int x, int y, const QRect &clip, const QString &text) override;
    void line(int x1, int y1, int x2, int y2) override;
    void beginDocument() override;
    void newPage() override;
    void endDocument() override;
    void abortDocument() override;

    // Makes the n-th text written (0-based, counted from construction) fail as a printer would.
    void failOnText(int n) { failOnText_ = n; }
    // Hands every call to sink as it is made instead of keeping it (a job of many pages).
    void streamTo(std::function<void(const Call &)> sink) { sink_ = std::move(sink); }

    QList<Call> calls;
    PageOrientation orientation = PageOrientation::Portrait;

    // Only the text calls, in order.
    QList<Call> texts() const;

private:
    int ppiX_, ppiY_, width_, height_;
    int fontSize_ = 10;
    FontStyle style_;
    int textCount_ = 0;
    int failOnText_ = -1;
    std::function<void(const Call &)> sink_;

    void record(const Call &call);
};

} // namespace taru
