#pragma once

#include "window/AppContext.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace taru::ui {

// Which lines of a list to print: all of them, or from one line to another. The calling list
// window fills the two edits before showing it and reads the three values afterwards.
class TPrintRangeDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPrintRangeDlg(AppContext &context, QWidget *parent = nullptr);

    QCheckBox *ChkAll;
    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QPushButton *BtnOK;

    // Only Backspace, Tab, Enter and the digits pass; true when the key may pass.
    static bool Edit1KeyPress(int key, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &context_;
};

} // namespace taru::ui
