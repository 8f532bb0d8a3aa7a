#pragma once

#include "shell/Snapshot.h"

#include <QDialog>

class QLabel;
class QTimer;

namespace taru::ui {

class FlyingText;

// The start-up window: borderless, 492 x 274, centred. It agrees to close once its 6-second
// timer has fired, or the user has clicked it or pressed Enter.
class TSplash : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    static constexpr int kTimerMs = 6000;

    explicit TSplash(QWidget *parent = nullptr);

    // The close query: true once the splash may close.
    bool FormCloseQuery() const { return mayClose_; }
    void Timer1Timer();

    QLabel *LblTitle;
    QLabel *LblSubtitle;
    FlyingText *ProductName;
    QLabel *LblVersion;
    QTimer *Timer1;

    void prepareSnapshot() override;

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool mayClose_ = false;
    bool started_ = false;
};

// Shows the splash and lets the window system's messages through until it agrees to close,
// then hides it.
void RunSplash(TSplash &splash);

// "1.0.0.0": the program's version.
QString VersionText();

} // namespace taru::ui
