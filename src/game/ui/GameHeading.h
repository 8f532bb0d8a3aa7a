#pragma once

#include <QWidget>

namespace taru::ui {

// The picture across the top of the game screen: the program's name over a row of drawn balls.
class GameHeading : public QWidget {
    Q_OBJECT
public:
    explicit GameHeading(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace taru::ui
