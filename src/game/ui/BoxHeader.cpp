#include "game/ui/BoxHeader.h"

#include "game/Pricing.h"

namespace taru::ui {

namespace {
BoxGrid::Style headerStyle()
{
    BoxGrid::Style style;
    style.textOffset = QPoint(2, 2);
    style.look = BoxGrid::Look::Sections;
    style.fontPixelSize = 12;
    return style;
}
} // namespace

BoxHeader::BoxHeader(QStringList texts, int sectionWidth, QWidget *parent)
    : BoxGrid(static_cast<int>(texts.size()), 1, QSize(sectionWidth, kHeight), Order::RowMajor, texts, headerStyle(),
              parent)
{
}

BoxHeader *BoxHeader::gameBoxes(QWidget *parent)
{
    QStringList texts;
    for (int box = 1; box <= kGameBoxCount; ++box)
        texts << QString::number(gameOfBox(box));
    auto header = new BoxHeader(texts, 28, parent);
    header->setClickable(false);
    return header;
}

BoxHeader *BoxHeader::multiplierBoxes(QWidget *parent)
{
    QStringList texts;
    for (int value : kMultiplierValues)
        texts << QString::number(value);
    return new BoxHeader(texts, 37, parent);
}

BoxHeader *BoxHeader::randomBox(QWidget *parent)
{
    return new BoxHeader(QStringList{QString()}, 37, parent);
}

} // namespace taru::ui
