#include "window/WindowParts.h"

#include "window/AppContext.h"
#include "window/ErrorGuard.h"

#include <QColor>
#include <QDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolButton>
#include <QVariant>

#include <algorithm>

namespace taru::ui {

namespace {
const QColor kCaptionColour(0, 51, 128);
} // namespace

QPushButton *BoldButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    QFont font = b->font();
    font.setBold(true);
    b->setFont(font);
    return b;
}

QLabel *CaptionLabel(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kCaptionColour);
    label->setPalette(palette);
    label->setGeometry(geometry);
    return label;
}

QLabel *CaptionLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    QLabel *label = CaptionLabel(parent, text, geometry);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel *SmallCaption(QWidget *parent, const QString &text, const QRect &geometry, Qt::Alignment alignment)
{
    QLabel *label = CaptionLabel(parent, text, geometry);
    QFont font = label->font();
    font.setPixelSize(12);
    label->setFont(font);
    label->setAlignment(alignment);
    return label;
}

QFont FittedFont(QFont font, const QString &text, int width, int minPixelSize)
{
    // Work in pixels: a point size may round to the same pixels and never shrink.
    if (font.pixelSize() <= 0)
        font.setPixelSize(std::max(minPixelSize, QFontInfo(font).pixelSize()));
    while (font.pixelSize() > minPixelSize && QFontMetrics(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void SetFittedText(QLabel *label, const QString &text)
{
    // The label's own font is kept aside the first time, so a shorter text gets it back.
    const char *kOwnFont = "taruOwnFont";
    if (!label->property(kOwnFont).isValid())
        label->setProperty(kOwnFont, label->font());
    const QFont own = label->property(kOwnFont).value<QFont>();
    const int width = label->contentsRect().width() - label->margin() * 2;
    label->setFont(QFontMetrics(own).horizontalAdvance(text) <= width ? own : FittedFont(own, text, width));
    label->setText(text);
}

QIcon CalculatorIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(70, 80, 95));
    p.drawRoundedRect(QRectF(3.5, 1.5, 17, 21), 2, 2);
    p.setBrush(QColor(190, 230, 190));
    p.drawRect(QRectF(6.5, 4.5, 11, 4));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.setBrush(row == 2 && column == 2 ? QColor(230, 90, 40) : QColor(235, 235, 235));
            p.drawRect(QRectF(6.5 + column * 4, 11 + row * 3.6, 2.6, 2.4));
        }
    }
    return QIcon(pixmap);
}

HelpRow MakeHelpRow(QDialog *dialog, AppContext &context, const QString &helpTopic, const QRect &help,
                    const QRect &back, const QRect &calculator, const char *calculatorName)
{
    HelpRow row;
    row.help = BoldButton(dialog, "glBBtnhELP", QStringLiteral("&ΒΟΗΘΕΙΑ"), help);
    connectGuarded(row.help, &QPushButton::clicked, dialog, context.prompts, [&context, helpTopic] { context.help(helpTopic); });
    if (!calculator.isNull()) {
        row.calculator = new QToolButton(dialog);
        row.calculator->setObjectName(QLatin1String(calculatorName));
        row.calculator->setToolTip(QStringLiteral("ΑΡΙΘΜΟΜΗΧΑΝΗ"));
        row.calculator->setIcon(CalculatorIcon());
        row.calculator->setIconSize(QSize(24, 24));
        row.calculator->setGeometry(calculator);
        connectGuarded(row.calculator, &QToolButton::clicked, dialog, context.prompts, [&context] { context.calculator(); });
    }
    row.back = BoldButton(dialog, "BtnBack", QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), back);
    QObject::connect(row.back, &QPushButton::clicked, dialog, &QDialog::accept);
    return row;
}

} // namespace taru::ui
