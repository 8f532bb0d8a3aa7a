#include "game/ui/NumberBoard.h"

namespace taru::ui {

namespace {
QStringList numberTexts()
{
    QStringList texts;
    for (int n = 1; n <= NumberBoard::kColumns * NumberBoard::kRows; ++n)
        texts << QString::number(n);
    return texts;
}
} // namespace

NumberBoard::NumberBoard(QWidget *parent)
    : BoxGrid(kColumns, kRows, QSize(kBox, kBox), Order::RowMajor, numberTexts(), parent)
{
}

QRect NumberBoard::rowRect(int row) const
{
    return cellRect(indexOf(0, row)).united(cellRect(indexOf(kColumns - 1, row)));
}

} // namespace taru::ui
