#pragma once

#include "window/AppContext.h"
#include "window/SnapshotContent.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace taru::ui {

class NumberBoard;

// The 20-number board of a new draw: the numbers are marked on the board shared with the game
// screen (cleared each time it opens); OK needs at least 20 marks and leaves PickedNumbers, the
// marked numbers in board order joined by ",".
class TNikSthlhFrm : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TNikSthlhFrm(AppContext &context, QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *LblPrompt;
    NumberBoard *SgrdA;
    QPushButton *BBtnOK;
    QPushButton *BtnCancel;

    QString PickedNumbers;

    void FormShow();
    void SgrdAMouseUp(int index);
    void BBtnOKClick();

    void prepareSnapshot() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppContext &context_;
};

} // namespace taru::ui
