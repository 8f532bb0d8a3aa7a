#pragma once

#include "systems/Conditions.h"

#include <QTableWidget>

namespace taru::ui {

class Prompts;

// The constructor's conditions grid: row 0 holds the captions ("ΟΡΟΙ", "ΑΠΟ", "ΕΩΣ", "ON"),
// rows 1..8 one condition each. Only digits reach the from and to cells; Enter on a cell checks
// and clamps its row and marks it "ON" when it is not neutral.
class ConditionsGrid : public QTableWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = kGridConditionCount + 1;
    static constexpr int kRowHeight = 24;

    ConditionsGrid(Prompts &prompts, QWidget *parent);

    // Every condition back to its neutral range, column widths as they were.
    void reset();
    // The cell text (row 0..8, column 0..3).
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // The from and to texts of rows 1..8 into entries, and back.
    void readInto(ConditionEntries &entries) const;
    void show(const ConditionEntries &entries);

    // A typed character on the current cell (Enter checks its row).
    void keyPress(QChar key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void validateCurrentCell();

    Prompts &prompts_;
};

} // namespace taru::ui
