#pragma once

#include "window/AppContext.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taru::ui {

// The owner's details: title, address, a third line and the banner's promotional text, kept in
// the per-user settings and printed on reports and lists.
class TKatoxosDlg : public QDialog {
    Q_OBJECT
public:
    explicit TKatoxosDlg(AppContext &context, QWidget *parent = nullptr);

    QLineEdit *Edit1;
    QLineEdit *Edit2;
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QPushButton *BBtnSave;
    QPushButton *BtnBack;
    QPushButton *glBBtnhELP;

    void FormShow();
    void BBtnSaveClick();
    void BtnBackClick();
    void glBBtnhELPClick();
    // Enter moves to the next control, Esc to the previous one; the key itself is dropped.
    // True when the key was one of the two.
    bool DBEdit1KeyPress(QLineEdit *edit, int key);

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &context_;
};

} // namespace taru::ui
