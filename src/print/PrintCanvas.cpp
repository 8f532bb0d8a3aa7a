#include "print/PrintCanvas.h"

namespace taru {

namespace {
RecordingCanvas::Call makeCall(RecordingCanvas::Op op, int x = 0, int y = 0, int x2 = 0, int y2 = 0)
{
    RecordingCanvas::Call call;
    call.op = op;
    call.x = x;
    call.y = y;
    call.x2 = x2;
    call.y2 = y2;
    return call;
}
} // namespace

RecordingCanvas::RecordingCanvas(int ppiX, int ppiY, int portraitWidth, int portraitHeight)
    : ppiX_(ppiX), ppiY_(ppiY), width_(portraitWidth), height_(portraitHeight)
{
}

void RecordingCanvas::record(const Call &call)
{
    if (sink_)
        sink_(call);
    else
        calls.append(call);
}

int RecordingCanvas::pageWidth() const
{
    return orientation == PageOrientation::Landscape ? height_ : width_;
}

int RecordingCanvas::pageHeight() const
{
    return orientation == PageOrientation::Landscape ? width_ : height_;
}

void RecordingCanvas::setOrientation(PageOrientation o)
{
    Call call = makeCall(Op::Orientation);
    call.orientation = o;
    record(call);
    if (o != PageOrientation::Unchanged)
        orientation = o;
}

void RecordingCanvas::setFontSize(int points)
{
    fontSize_ = points;
    Call call = makeCall(Op::FontSize);
    call.fontSize = points;
    record(call);
}

void RecordingCanvas::setFontStyle(FontStyle style)
{
    style_ = style;
    Call call = makeCall(Op::FontStyle);
    call.style = style;
    record(call);
}

int RecordingCanvas::textHeight(const QString &) const
{
    // A point is 1/72 inch; a line of text is about 1.2 times the font size.
    return fontSize_ * ppiY_ * 12 / 720;
}

int RecordingCanvas::textWidth(const QString &text) const
{
    return static_cast<int>(text.size()) * fontSize_ * ppiX_ * 6 / 720;
}

void RecordingCanvas::textClipped(int x, int y, const QRect &clip, const QString &text)
{
    textOut(x, y, text);
    calls.last().clip = clip;
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    if (textCount_++ == failOnText_)
        throw PrinterError(QStringLiteral("The printer stopped"));
    Call call = makeCall(Op::Text, x, y);
    call.text = text;
    call.fontSize = fontSize_;
    call.style = style_;
    record(call);
}

void RecordingCanvas::line(int x1, int y1, int x2, int y2)
{
    record(makeCall(Op::Line, x1, y1, x2, y2));
}

void RecordingCanvas::beginDocument()
{
    record(makeCall(Op::Begin));
}

void RecordingCanvas::newPage()
{
    record(makeCall(Op::NewPage));
}

void RecordingCanvas::endDocument()
{
    record(makeCall(Op::End));
}

void RecordingCanvas::abortDocument()
{
    record(makeCall(Op::Abort));
}

QList<RecordingCanvas::Call> RecordingCanvas::texts() const
{
    QList<Call> result;
    for (const Call &call : calls) {
        if (call.op == Op::Text)
            result.append(call);
    }
    return result;
}

} // namespace taru
