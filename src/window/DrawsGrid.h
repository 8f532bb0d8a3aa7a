#pragma once

#include <QTableView>

namespace taru::draws {
class DrawsTableModel;
}

namespace taru::ui {

// The grid of draws shared by the draws list, the per-draw statistics and the draws picker: a
// view over a DrawsTableModel with the list's headings and screen widths, whole rows selected,
// no typing, text centred, rows of one height (so a list of any length scrolls at once).
class DrawsGrid : public QTableView {
    Q_OBJECT
public:
    // columns: 23 (the fields) or 31 (with the figures).
    DrawsGrid(int columns, QWidget *parent = nullptr);

    draws::DrawsTableModel &model() const { return *model_; }
    // Writes the headings and widths (the windows' show handlers do it each time). The sequence
    // and draw number columns widen beyond their widths when the last draw's numbers need it.
    void writeHeadings();
    void selectLastRow();
    void selectRow(int row);
    // The selected row, -1 when none.
    int currentRow() const;
    int rowCount() const;
    int columnCount() const;
    QString cell(int row, int column) const;

Q_SIGNALS:
    // A double click on a row, or Enter in the grid.
    void rowChosen();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fitDrawNumbers();

    draws::DrawsTableModel *model_;
};

} // namespace taru::ui
