#pragma once

#include "window/AppContext.h"
#include "shell/Snapshot.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace taru::ui {

class FlyingText;

// About the program: the product name flying in, the version and who makes it.
class TAboutDlgS : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    // Takes the context as every feature window does; the about box needs nothing from it.
    explicit TAboutDlgS(AppContext &context, QWidget *parent = nullptr);

    FlyingText *ProductName;
    QLabel *LblVersion;
    QLabel *LblMaker;
    QLabel *LblContact;
    QLabel *LblCopyright;
    QPushButton *BtnOk;

    void FormShow();
    void FormClose();

    void prepareSnapshot() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    void paintEvent(QPaintEvent *event) override;
};

} // namespace taru::ui
