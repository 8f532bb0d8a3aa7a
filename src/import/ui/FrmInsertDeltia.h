#pragma once

#include "import/CouponImport.h"
#include "window/AppContext.h"
#include "window/SnapshotContent.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace taru::ui {

class InsertGrid;
class InsertGridModel;

// Coupon import: columns typed into a grid or loaded from a coupon, text or CSV file, saved as a
// coupon file in DELTIA. The main menu's mode (typing, program files, text, CSV) only picks the
// file type the load dialog shows first.
//
// The grid: row r (from 0) is coupon r + 1, column 0 its number, columns 1..k its numbers; the
// last row is the spare row that typing fills next.
class TFrmInsertDeltia : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TFrmInsertDeltia(AppContext &context, QWidget *parent = nullptr);
    ~TFrmInsertDeltia() override;

    // Handlers, named after the form's events; tests call them too.
    void FormShow();
    void SpinEdit1Change();
    // The cell (row, column) being edited now holds text.
    void StringGrid1SetEditText(int row, int column, const QString &text);
    void StringGrid1EnterKey();     // Enter: the duplicate test, else on to the next cell
    void StringGrid1BackspaceKey(); // Backspace: in an empty cell, back to the previous column
    void StringGrid1DeleteRow();    // Ctrl+Delete
    // Leaving the grid for `next`: a value repeated within a row is shown and the focus returns,
    // unless `next` is "ΕΞΟΔΟΣ". True when the grid was left without complaint.
    bool StringGrid1Exit(QWidget *next);
    void Button1Click(); // ΦΟΡΤΩΜΑ
    void Button2Click(); // ΣΩΣΙΜΟ
    void Button3Click(); // ΕΞΟΔΟΣ
    void Button4Click(); // ΚΑΘΑΡΙΣΜΟΣ
    // Caption back to its plain text, every value emptied, one row left.
    void ClearImportGrid();

    // The grid's coupons as the save writes them (the spare row left out).
    imports::ImportGrid grid() const;
    // Puts the coupons into the grid (with the spare row after them).
    void setGrid(imports::ImportGrid grid);
    int mode() const { return mode_; }
    // What the grid shows: rows (the spare row included) and the text of a cell (column 0 is the
    // row number).
    int rowCount() const;
    QString cell(int row, int column) const;
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);

    void prepareSnapshot() override;

    QTableView *StringGrid1 = nullptr;
    QSpinBox *SpinEdit1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;
    QLabel *LblStatus = nullptr; // the rows read and the first refused line, under the grid

protected:
    void showEvent(QShowEvent *event) override;

private:
    friend class InsertGrid;
    int game() const;
    bool rowEmpty(int row) const;
    void setCell(int row, int column, const QString &text);
    void dropTrailingRows(int keep);
    // The first column of the row whose value repeats an earlier one, or -1. With onlyColumn:
    // that column when its value occurs elsewhere in the row, else -1.
    int repeatedColumn(int row, int onlyColumn = -1) const;
    void moveToNextCell(int row, int column);
    void focusChanged(QWidget *old, QWidget *now);

    AppContext &context_;
    InsertGrid *grid_ = nullptr;
    InsertGridModel *model_ = nullptr;
    int mode_ = 0;
    QString loadFolder_;
    bool checkingExit_ = false;
};

} // namespace taru::ui
