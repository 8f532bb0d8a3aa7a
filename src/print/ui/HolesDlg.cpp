#include "print/ui/HolesDlg.h"

#include "systems/GuaranteeQuery.h"
#include "window/WindowParts.h"

#include <QLabel>
#include <QPushButton>

namespace taru::ui {

namespace {
constexpr int kHeadingHeight = 22;
} // namespace

HolesList::HolesList(QWidget *parent)
    : QWidget(parent)
{
    LblHeading = CaptionLabel(this, QString(), QRect(0, 0, 100, kHeadingHeight));
    LblHeading->setObjectName(QStringLiteral("LblHeading"));
    LstHoles = new QListWidget(this);
    LstHoles->setObjectName(QStringLiteral("LstHoles"));
    LstHoles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LstHoles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LstHoles->setUniformItemSizes(true);
    QFont fixed = LstHoles->font();
    fixed.setFamily(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    LstHoles->setFont(fixed);
}

void HolesList::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LblHeading->setGeometry(0, 0, width(), kHeadingHeight);
    LstHoles->setGeometry(0, kHeadingHeight + 2, width(), height() - kHeadingHeight - 2);
}

void HolesList::showHoles(const GuaranteeCheckResult &result)
{
    LblHeading->setText(HolesHeading(result));
    LstHoles->clear();
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(result.holes.size()));
    for (const SystemColumns::Row hole : result.holes)
        lines << HoleText(hole);
    LstHoles->addItems(lines);
}

void HolesList::clear()
{
    LblHeading->clear();
    LstHoles->clear();
}

QStringList HolesList::lines() const
{
    QStringList out;
    for (int i = 0; i < LstHoles->count(); ++i)
        out << LstHoles->item(i)->text();
    return out;
}

THolesDlg::THolesDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("HolesDlg"));
    setWindowTitle(QStringLiteral("ΑΚΑΛΥΠΤΟΙ ΣΥΝΔΥΑΣΜΟΙ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(420, 480);
    LblCheck = CaptionLabel(this, QString(), QRect(12, 10, 396, 22));
    LblCheck->setObjectName(QStringLiteral("LblCheck"));
    Holes = new HolesList(this);
    Holes->setGeometry(12, 40, 396, 382);
    BtnBack = BoldButton(this, "BtnBack", QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), QRect(266, 434, 142, 34));
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::accept);
}

void THolesDlg::showHoles(const GuaranteeCheckResult &result)
{
    LblCheck->setText(GuaranteeCheckText(result));
    Holes->showHoles(result);
}

} // namespace taru::ui
