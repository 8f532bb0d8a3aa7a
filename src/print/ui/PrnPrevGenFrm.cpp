#include "print/ui/PrnPrevGenFrm.h"

#include "base/AppPaths.h"
#include "window/ErrorGuard.h"
#include "data/CouponFile.h"

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

void TPrnPrevGenFrm::setCoupons(int game, const QList<SlipMarks> &coupons, double couponValue)
{
    game_ = game;
    coupons_ = coupons;
    value_ = couponValue;
}

void TPrnPrevGenFrm::BBtnSaveClick()
{
    if (coupons_.isEmpty())
        return;
    const std::optional<QString> path =
        context_.prompts.saveFile(this, context_.paths.folder(kDeltiaFolder), kCouponFilter, kCouponExtension);
    if (!path)
        return;
    // The options are shared by the set: the first coupon carries them.
    const SlipMarks &first = coupons_.front();
    std::vector<QStringList> lines;
    lines.reserve(static_cast<std::size_t>(coupons_.size()));
    for (const SlipMarks &coupon : coupons_)
        lines.push_back(coupon.numbers.split(QLatin1Char(',')));
    data::WriteCouponFile(*path, static_cast<int>(coupons_.size()), game_, first.multipliers, first.drawColumn,
                          first.drawRow, lines);
}

void TPrnPrevGenFrm::prepareSnapshot()
{
    setCoupons(5,
               {SlipMarks{QStringLiteral("8"), QStringLiteral("2"), false, QStringLiteral("7,A,15,12,A,A,44,A,A,A,79"), 0, 0},
                SlipMarks{QStringLiteral("8"), QStringLiteral("2"), false, QStringLiteral("3,A,A,29,A,A,61,A,77"), 0, 0},
                SlipMarks{QStringLiteral("8"), QStringLiteral("2"), false, QStringLiteral("A,18,A,33,A,50,A,A,70"), 0, 0}},
               1.5);
    FormShow();
    SBtnNextClick();
}

} // namespace taru::ui
