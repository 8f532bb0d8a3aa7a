#pragma once

#include "window/AppContext.h"
#include "window/SnapshotContent.h"
#include "game/Checking.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace taru::ui {

// The results of checking a coupon file against the winning column: one row per number of hits,
// from the game down to 0, with the count of columns and their numbers.
class TInfoDialDlg : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TInfoDialDlg(AppContext &context, QWidget *parent = nullptr);

    QLabel *Image1;    // the dialog's icon
    QLabel *Label1;    // a free line, empty for checking
    QLabel *Label2;    // "Νικήτρια :"
    QLabel *Label3;    // the winning column
    QPushButton *BtnOK;
    QTableWidget *sgrd;

    // Headings and widths, one row per category k..0 with a zero count, and the caption.
    void PrepareResults(int k);
    // The counts and coupon lists of a check, and the winning column line.
    void showResults(const CheckResult &result);

    void prepareSnapshot() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setCell(int row, int column, const QString &text);

    AppContext &context_;
};

} // namespace taru::ui
