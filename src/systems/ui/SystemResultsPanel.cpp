#include "systems/ui/SystemResultsPanel.h"

#include "game/Pricing.h"
#include "window/WindowParts.h"

#include <QGroupBox>
#include <QLabel>

namespace taru::ui {

namespace {

const QString kColumnsEmpty = QStringLiteral("Στήλες :");
const QString kColumns = QStringLiteral("Στήλες : ");
const QString kCostEmpty = QStringLiteral("Κόστος :");
const QString kCost = QStringLiteral("Κόστος : ");
const QString kEpityxia = QStringLiteral("ΕΠΙΤΥΧΙΑ");
const QString kSe = QStringLiteral("ΣΕ");
const QString kDeltia = QStringLiteral("Δελτία : ");
const QString kPrevious = QStringLiteral("Προηγούμενο μέτρημα : ");

} // namespace

SystemResultsPanel::SystemResultsPanel(QWidget *parent)
    : QWidget(parent)
{
    const auto group = [this](const char *name, const QString &title, int y, QLabel *&columns, QLabel *&cost,
                              const char *columnsName, const char *costName) {
        auto *box = new QGroupBox(title, this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(0, y, kWidth, 72);
        QFont font = box->font();
        font.setBold(true);
        box->setFont(font);
        columns = new QLabel(kColumnsEmpty, box);
        columns->setObjectName(QLatin1String(columnsName));
        columns->setGeometry(12, 22, kWidth - 20, 20);
        cost = new QLabel(kCostEmpty, box);
        cost->setObjectName(QLatin1String(costName));
        cost->setGeometry(12, 44, kWidth - 20, 20);
        QPalette red = cost->palette();
        red.setColor(QPalette::WindowText, QColor(160, 0, 0));
        cost->setPalette(red);
        return box;
    };
    GrpFull = group("GrpFull", QStringLiteral("ΠΛΗΡΕΣ ΣΥΣΤΗΜΑ"), 0, LblFullColumns, LblFullCost, "LblFullColumns",
                    "LblFullCost");
    GrpBuilt = group("GrpBuilt", QStringLiteral("ΕΓΓΥΗΜΕΝΗ"), 78, LblBuiltColumns, LblBuiltCost, "LblBuiltColumns",
                     "LblBuiltCost");
    LblEpityxia = CaptionLabel(this, "LblEpityxia", kEpityxia, QRect(0, 160, kWidth, 22));
    LblSe = CaptionLabel(this, "LblSe", kSe, QRect(0, 184, kWidth, 22));
    LblDeltia = CaptionLabel(this, "LblDeltia", kDeltia, QRect(0, 216, kWidth, 22));
    LblPrevious = CaptionLabel(this, "LblPrevious", kPrevious, QRect(0, 240, kWidth, 22));
    LblPercent = CaptionLabel(this, "LblPercent", QString(), QRect(0, 264, kWidth, 22));
    resize(kWidth, 290);
}

void SystemResultsPanel::reset()
{
    LblFullColumns->setText(kColumnsEmpty);
    LblFullCost->setText(kCostEmpty);
    LblBuiltColumns->setText(kColumnsEmpty);
    LblBuiltCost->setText(kCostEmpty);
    SetFittedText(LblEpityxia, kEpityxia);
    SetFittedText(LblSe, kSe);
    LblDeltia->setText(kDeltia);
    LblPrevious->setText(kPrevious);
    LblPercent->clear();
}

void SystemResultsPanel::showGuarantee(const QString &guaranteeText, const QString &expansionText)
{
    // "100%  12 ή 11 ή 10 ή 9 ή 8 ή 7 ή 6αρι(α)" is long: it is fitted to the label, never cut.
    SetFittedText(LblEpityxia, guaranteeText);
    SetFittedText(LblSe, kSe + QLatin1Char(' ') + expansionText);
}

void SystemResultsPanel::showCounts(const ConstructionSummary &counts)
{
    LblFullColumns->setText(kColumns + QString::number(counts.fullColumns));
    LblFullCost->setText(kCost + FormatMoney(counts.fullCost));
    LblBuiltColumns->setText(kColumns + QString::number(counts.builtColumns));
    LblBuiltCost->setText(kCost + FormatMoney(counts.builtCost));
}

void SystemResultsPanel::showPrevious(std::int64_t count)
{
    LblPrevious->setText(kPrevious + QString::number(count));
}

void SystemResultsPanel::showBuilt(std::int64_t coupons, const QString &percentText)
{
    LblDeltia->setText(CouponCountText(coupons));
    LblPercent->setText(percentText);
}

} // namespace taru::ui
