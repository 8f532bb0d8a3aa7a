#pragma once

#include <QWidget>

class QTimer;

namespace taru::ui {

// The festive picture of the main window around Christmas: a painted, animated strip (garland,
// twinkling lights, falling snow and a greeting), drawn stretched to the widget's size.
class SeasonalStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kFrameMs = 150;
    static constexpr int kWidth = 713;
    static constexpr int kHeight = 40;

    explicit SeasonalStrip(QWidget *parent = nullptr);

    int frame() const { return frame_; }
    void setFrame(int frame);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void paintStrip(QPainter &p) const;

    int frame_ = 0;
    QTimer *timer_;
};

} // namespace taru::ui
