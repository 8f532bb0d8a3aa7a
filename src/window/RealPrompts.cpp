#include "window/RealPrompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

namespace taru::ui {

QString withDefaultExtension(const QString &path, const QString &extension)
{
    if (path.isEmpty() || extension.isEmpty())
        return path;
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QLatin1Char('.') + extension;
}

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        out << QStringLiteral("%1 (%2)").arg(parts.at(i), QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' ')));
    return out.join(QStringLiteral(";;"));
}

namespace {
QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Error: return QMessageBox::Critical;
    case Icon::Question: return QMessageBox::Question;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QString buttonText(Button b)
{
    switch (b) {
    case Button::Ok: return QStringLiteral("OK");
    case Button::Cancel: return QStringLiteral("Άκυρο");
    case Button::Yes: return QStringLiteral("Ναι");
    case Button::No: return QStringLiteral("Όχι");
    }
    return QString();
}

QMessageBox::ButtonRole roleOf(Button b)
{
    switch (b) {
    case Button::Ok:
    case Button::Yes: return QMessageBox::YesRole;
    case Button::No: return QMessageBox::NoRole;
    case Button::Cancel: return QMessageBox::RejectRole;
    }
    return QMessageBox::NoRole;
}
} // namespace

void RealPrompts::message(QWidget *parent, const QString &text, const QString &caption, Icon icon)
{
    QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, parent);
    box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.exec();
}

Button RealPrompts::ask(QWidget *parent, const QString &text, const QString &caption, const QList<Button> &buttons,
                        Button defaultButton, Icon icon)
{
    QMessageBox box(toQt(icon), caption, text, QMessageBox::NoButton, parent);
    QList<QPair<QAbstractButton *, Button>> made;
    for (Button b : buttons) {
        QPushButton *pb = box.addButton(buttonText(b), roleOf(b));
        made.append({pb, b});
        if (b == defaultButton)
            box.setDefaultButton(pb);
        if (b == Button::Cancel)
            box.setEscapeButton(pb);
    }
    box.exec();
    for (const auto &[widget, b] : made) {
        if (box.clickedButton() == widget)
            return b;
    }
    return buttons.contains(Button::Cancel) ? Button::Cancel : Button::No;
}

std::optional<QString> RealPrompts::input(QWidget *parent, const QString &caption, const QString &prompt,
                                          const QString &preset)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, preset, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> RealPrompts::openFile(QWidget *parent, const QString &folder, const QString &filter,
                                             int selectedFilter)
{
    const QString qtFilter = toQtFilter(filter);
    QString selected = qtFilter.split(QStringLiteral(";;")).value(selectedFilter);
    const QString path = QFileDialog::getOpenFileName(parent, QString(), folder, qtFilter, &selected);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

std::optional<QString> RealPrompts::saveFile(QWidget *parent, const QString &folder, const QString &filter,
                                             const QString &defaultExtension)
{
    QFileDialog dialog(parent, QString(), folder, toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return withDefaultExtension(dialog.selectedFiles().constFirst(), defaultExtension);
}

bool RealPrompts::printDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace taru::ui
