#pragma once

#include <QSet>
#include <QStringList>
#include <QTableWidget>

#include <functional>

namespace taru::ui {

// A string grid whose cells are typed into, as the windows' number grids are: only the columns
// made editable take typing; every typed character passes the window's key rule first (in the
// grid and in the cell's editor alike); Enter ends the typing of a cell and is reported; a
// finished cell is reported once its text is in the grid. With live typing the text goes into
// the grid at every key, so a window can repaint from it while the user types.
class CellGrid : public QTableWidget {
    Q_OBJECT
public:
    CellGrid(int rows, int columns, QWidget *parent = nullptr);

    void setHeadings(const QStringList &headings);
    void setEditableColumns(const QSet<int> &columns);
    void setLiveTyping(bool live) { live_ = live; }

    // The text of a cell ("" for a cell never written).
    QString text(int row, int column) const;
    // Writes a cell without reporting it as typed.
    void setText(int row, int column, const QString &text);
    // Closes an open editor, keeping what was typed.
    void finishTyping();

    // The character a key types ('\r' Enter, '\b' Backspace, '\t' Tab, a null character for keys
    // that type nothing such as arrows and Escape). A rule answering false drops the key; text
    // pasted or dropped into a cell is taken only when the rule accepts each of its characters.
    std::function<bool(QChar typed)> acceptKey;

Q_SIGNALS:
    // Enter in a cell, after its text is in the grid.
    void enterPressed(int row, int column);
    // A cell's text was changed by typing (at every key with live typing, else when the cell is
    // left or Enter is pressed).
    void cellTyped(int row, int column);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class CellGridDelegate;
    // The key rule for a key pressed in the grid or in an editor: true when it was consumed.
    bool filterKey(QKeyEvent *event, bool inEditor, QWidget *editor);

    QSet<int> editable_;
    bool live_ = false;
    bool writing_ = false; // setText is writing: not a typed change
};

} // namespace taru::ui
