#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

class QTimer;

namespace taru::ui {

// The product name as a "flying" text: its letters fly in one after another from the right and
// settle in place, then the word keeps a gentle wave until the animation is stopped.
class FlyingText : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 40;
    static constexpr int kFramesPerLetter = 6;  // delay between two letters setting off
    static constexpr int kFlightFrames = 18;    // time one letter takes to land

    explicit FlyingText(const QString &text, int pixelSize, QWidget *parent = nullptr);

    const QString &text() const { return text_; }
    void setColors(QColor fill, QColor shadow);

    // Starts from the beginning: every letter off to the right.
    void start();
    void stop();
    bool isRunning() const;
    // Lands every letter at once (for a still picture).
    void finish();
    bool hasLanded() const;
    int frame() const { return frame_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    QColor fill_{255, 210, 0};
    QColor shadow_{120, 20, 20};
    int frame_ = 0;
    QTimer *timer_;
};

} // namespace taru::ui
