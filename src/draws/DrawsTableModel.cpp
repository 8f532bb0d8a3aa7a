#include "draws/DrawsTableModel.h"

namespace taru::draws {

DrawsTableModel::DrawsTableModel(int columns, QObject *parent)
    : QAbstractTableModel(parent)
    , columns_(columns)
{
}

void DrawsTableModel::setDraws(DrawList draws)
{
    beginResetModel();
    draws_ = std::move(draws);
    endResetModel();
}

void DrawsTableModel::appendDraw(const DrawEntry &entry)
{
    const int row = rowCount();
    beginInsertRows(QModelIndex(), row, row);
    draws_.append(entry);
    endInsertRows();
}

void DrawsTableModel::replaceDraw(int row, const DrawEntry &entry)
{
    draws_.replace(static_cast<std::size_t>(row), entry);
    Q_EMIT dataChanged(index(row, 0), index(row, columns_ - 1));
}

void DrawsTableModel::setHeadings(const QStringList &headings)
{
    headings_ = headings;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
}

int DrawsTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(draws_.size());
}

int DrawsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QString DrawsTableModel::cell(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column < 0 || column >= columns_)
        return {};
    const auto r = static_cast<std::size_t>(row);
    if (column < kDrawFields)
        return draws_.field(r, column);
    const std::optional<DrawFigures> figures = draws_.figures(r);
    return figures ? FigureTexts(*figures).at(column - kDrawFields) : QString();
}

QVariant DrawsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

QVariant DrawsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return headings_.value(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

} // namespace taru::draws
