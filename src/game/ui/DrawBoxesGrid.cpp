#include "game/ui/DrawBoxesGrid.h"

#include "game/Pricing.h"

namespace taru::ui {

namespace {
QStringList drawTexts()
{
    QStringList texts;
    for (const auto &column : kDrawValues) {
        for (int value : column)
            texts << QString::number(value);
    }
    return texts;
}
} // namespace

DrawBoxesGrid::DrawBoxesGrid(QWidget *parent)
    : BoxGrid(kDrawColumns, kDrawRows, QSize(kBox, kBox), Order::ColumnMajor, drawTexts(), parent)
{
}

} // namespace taru::ui
