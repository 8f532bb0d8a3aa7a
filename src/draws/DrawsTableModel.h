#pragma once

#include "draws/DrawsFile.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace taru::draws {

// The draws as a table for the list windows and the draws picker: one row per draw in file
// order, the 23 fields and (with 31 columns) the 8 figures. Cells are made when they are
// shown, so a list of any length opens at once.
class DrawsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DrawsTableModel(int columns = kDrawListColumns, QObject *parent = nullptr);

    void setDraws(DrawList draws);
    const DrawList &draws() const { return draws_; }
    void appendDraw(const DrawEntry &entry);
    // Keeps the row's place and figures.
    void replaceDraw(int row, const DrawEntry &entry);
    void setHeadings(const QStringList &headings);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The text of a cell (as shown).
    QString cell(int row, int column) const;

private:
    int columns_;
    DrawList draws_;
    QStringList headings_;
};

} // namespace taru::draws
