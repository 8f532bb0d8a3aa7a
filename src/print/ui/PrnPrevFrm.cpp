#include "print/ui/PrnPrevFrm.h"

#include "window/ErrorGuard.h"
#include "game/Pricing.h"

#include <QPushButton>

namespace taru::ui {

TPrnPrevFrm::TPrnPrevFrm(AppContext &context, QWidget *parent)
    : SlipPreviewWindow(context, parent)
{
    setObjectName(QStringLiteral("PrnPrevFrm"));
    setWindowTitle(kPrnPrevFrmCaption);
    // One coupon: no navigation, so the two buttons go to the top of the column.
    BtnPrint->move(kColumnX, 10);
    BtnPrnSettings->move(kColumnX, 48);
}

void TPrnPrevFrm::setGame(const QString &gameLabel, double couponValue)
{
    marks_ = context_.state.slipMarks;
    label_ = gameLabel;
    value_ = couponValue;
    showGame();
}

void TPrnPrevFrm::showGame()
{
    const QString amount = FormatMoney(value_) + QStringLiteral(" E");
    if (!label_.trimmed().isEmpty())
        setWindowTitle(kPrnPrevFrmCaption + QStringLiteral(" ΠΑΙΧΝΙΔΙ :") + label_ + QStringLiteral(" ΑΞΙΑ : ") + amount);
    else
        setWindowTitle(kPrnPrevFrmCaption + QStringLiteral("  ΑΞΙΑ : ") + amount);
    showMarks(marks_);
}

void TPrnPrevFrm::BtnPrintClick()
{
    SlipJob job;
    job.marks = marks_;
    job.valueLine.kind = ValueLine::Kind::GameLabel;
    job.valueLine.gameLabel = label_;
    job.valueLine.value = value_;
    if (printTarget(this) != PrintTarget::None)
        printSlips(this, SlipJobSource::of({job}), SlipVariant::A, {});
}

void TPrnPrevFrm::prepareSnapshot()
{
    marks_ = SlipMarks{QStringLiteral("5"), QStringLiteral("1,3"), false,
                       QStringLiteral("3,14,27,35,42,58,66,80"), 2, 0};
    label_ = QStringLiteral("ΚΥΡΙΑΚΗ");
    value_ = 60.0;
    showGame();
}

} // namespace taru::ui
