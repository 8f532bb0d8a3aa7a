#pragma once

#include <QString>
#include <QWidget>

class QTimer;

namespace taru::ui {

// The main window's banner: one line of text that scrolls from right to left, one step every
// 300 ms. A step is a fiftieth of the banner's width, so the text crosses it in 50 steps.
// Bold 19-pixel sans-serif, black with a yellow extruded shadow.
class ScrollText : public QWidget {
    Q_OBJECT
public:
    static constexpr int kStepMs = 300;
    static constexpr int kStepsAcross = 50;
    static constexpr int kHeight = 41;

    explicit ScrollText(QWidget *parent = nullptr);

    // Replaces the banner's lines by this one line and starts it again from the right edge.
    void setText(const QString &text);
    const QString &text() const { return text_; }

    void start();
    void stop();
    bool isRunning() const;

    // One scroll step (what the timer does); the text comes in again at the right edge once it
    // has left on the left.
    void step();
    // Where the text starts, in pixels from the banner's left edge.
    int textLeft() const { return left_; }
    void setTextLeft(int left);
    int stepPixels() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textWidth() const;

    QString text_;
    int left_ = 0;
    bool placed_ = false; // left_ is set only once the banner knows its width
    QTimer *timer_;
};

} // namespace taru::ui
