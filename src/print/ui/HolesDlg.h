#pragma once

#include "systems/GuaranteeCheck.h"

#include <QDialog>
#include <QListWidget>

class QLabel;
class QPushButton;

namespace taru::ui {

// The holes of a guarantee check, one G-subset a line, read-only: a heading with how many there
// are and how many are listed, then the list.
class HolesList : public QWidget {
    Q_OBJECT
public:
    explicit HolesList(QWidget *parent);

    void showHoles(const GuaranteeCheckResult &result);
    void clear();
    QStringList lines() const;

    QLabel *LblHeading;
    QListWidget *LstHoles;

protected:
    void resizeEvent(QResizeEvent *event) override;
};

// The constructor's list of holes: the check line, then the holes.
class THolesDlg : public QDialog {
    Q_OBJECT
public:
    explicit THolesDlg(QWidget *parent = nullptr);

    void showHoles(const GuaranteeCheckResult &result);

    QLabel *LblCheck;
    HolesList *Holes;
    QPushButton *BtnBack;
};

} // namespace taru::ui
