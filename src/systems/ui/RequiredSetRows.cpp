#include "systems/ui/RequiredSetRows.h"

#include "base/Errors.h"
#include "systems/ui/StandardFrm.h"
#include "window/WindowParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace taru::ui {

namespace {

constexpr int kLabelX = 36;
constexpr int kFromX = 230;
constexpr int kToX = 288;
constexpr int kEditWidth = 50;
constexpr int kRowHeight = 26;

QLineEdit *limitEdit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *e = new QLineEdit(QStringLiteral("0"), parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->setAlignment(Qt::AlignRight);
    return e;
}

} // namespace

RequiredSetRows::RequiredSetRows(const std::array<Names, kRequiredSetCount> &names, QWidget *parent)
    : QWidget(parent)
{
    CaptionLabel(this, QStringLiteral("Από"), QRect(kFromX, 0, kEditWidth, 20))->setObjectName(QStringLiteral("LblSetApo"));
    CaptionLabel(this, QStringLiteral("Έως"), QRect(kToX, 0, kEditWidth, 20))->setObjectName(QStringLiteral("LblSetEos"));
    for (int i = 0; i < kRequiredSetCount; ++i) {
        const Names &name = names[static_cast<std::size_t>(i)];
        const int y = kHeadingHeight + i * kRowPitch;
        Row &r = rows_[static_cast<std::size_t>(i)];
        r.button = new QToolButton(this);
        r.button->setObjectName(QLatin1String(name.button));
        r.button->setText(QStringLiteral("Α"));
        r.button->setToolTip(QStringLiteral("ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ"));
        r.button->setGeometry(0, y, 30, kRowHeight);
        QFont font = r.button->font();
        font.setBold(true);
        r.button->setFont(font);
        r.label = new QLabel(this);
        r.label->setObjectName(QLatin1String(name.label));
        r.label->setFrameShape(QFrame::StyledPanel);
        r.label->setFrameShadow(QFrame::Sunken);
        r.label->setAutoFillBackground(true);
        QPalette white = r.label->palette();
        white.setColor(QPalette::Window, Qt::white);
        r.label->setPalette(white);
        r.label->setGeometry(kLabelX, y, 186, kRowHeight);
        r.from = limitEdit(this, name.from, QRect(kFromX, y, kEditWidth, kRowHeight));
        r.to = limitEdit(this, name.to, QRect(kToX, y, kEditWidth, kRowHeight));
    }
    resize(kToX + kEditWidth, kHeadingHeight + kRequiredSetCount * kRowPitch);
}

RequiredSetRows::Row RequiredSetRows::row(int set) const
{
    if (set < 0 || set >= kRequiredSetCount)
        throw RangeError(QStringLiteral("Required-number set %1 is outside 0..3").arg(set));
    return rows_[static_cast<std::size_t>(set)];
}

RequiredNumberSet RequiredSetRows::values(int set) const
{
    const Row r = row(set);
    return {r.label->text(), r.from->text(), r.to->text()};
}

void RequiredSetRows::setValues(int set, const RequiredNumberSet &values)
{
    const Row r = row(set);
    r.label->setText(values.label);
    r.from->setText(values.from);
    r.to->setText(values.to);
}

void RequiredSetRows::reset()
{
    for (int set = 0; set < kRequiredSetCount; ++set)
        setValues(set, {QString(), QStringLiteral("0"), QStringLiteral("0")});
}

void RequiredSetRows::edit(int set, TStandardFrm &dialog)
{
    RequiredNumberSet answer = values(set);
    if (dialog.EditRequiredSet(answer))
        setValues(set, answer);
}

} // namespace taru::ui
