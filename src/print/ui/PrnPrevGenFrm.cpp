#include "print/ui/PrnPrevGenFrm.h"

#include "base/AppPaths.h"
#include "window/ErrorGuard.h"

#include <QPushButton>

namespace taru::ui {

namespace {
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");
const QString kCouponExtension = QStringLiteral("tru");
} // namespace

TPrnPrevGenFrm::TPrnPrevGenFrm(AppContext &context, QWidget *parent)
    : MultiCouponPreview(context, parent)
{
    setObjectName(QStringLiteral("PrnPrevGenFrm"));
    setWindowTitle(kCouponSetPreviewCaption);
    BBtnSave = new QPushButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), this);
    BBtnSave->setObjectName(QStringLiteral("BBtnSave"));
    BBtnSave->setGeometry(kColumnX, 210, kColumnWidth, 32);
    BBtnSave->setAutoDefault(false);
    QFont font = BBtnSave->font();
    font.setBold(true);
    BBtnSave->setFont(font);
    connectGuarded(BBtnSave, &QPushButton::clicked, this, context_.prompts, [this] { BBtnSaveClick(); });
}

void TPrnPrevGenFrm::setCoupons(GeneratedCoupons coupons, double couponValue)
{
    coupons_ = std::move(coupons);
    value_ = couponValue;
}

void TPrnPrevGenFrm::BBtnSaveClick()
{
    if (coupons_.empty())
        return;
    const std::optional<QString> path =
        context_.prompts.saveFile(this, context_.paths.folder(kDeltiaFolder), kCouponFilter, kCouponExtension);
    if (!path)
        return;
    WriteCouponFile(*path, coupons_);
}

void TPrnPrevGenFrm::prepareSnapshot()
{
    BoardMarks mould{};
    mould.fill(true);
    const std::vector<std::uint8_t> allowed = AllowedNumbers(mould);
    setCoupons(GenerateCoupons(100, 5, allowed, SlipMarks{QStringLiteral("8"), QStringLiteral("2"), false, QString(), 0, 0}, 2026),
               1.5);
    FormShow();
    SBtnNextClick();
}

} // namespace taru::ui
