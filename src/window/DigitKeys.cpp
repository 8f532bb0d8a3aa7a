#include "window/DigitKeys.h"

#include <QKeyEvent>

namespace taru::ui {

DigitKey ClassifyDigitKey(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DigitKey::Enter;
    case Qt::Key_Backspace:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return DigitKey::Pass;
    default:
        break;
    }
    const QString text = event.text();
    if (text.isEmpty())
        return DigitKey::Pass; // a key that types nothing: navigation, modifiers
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return DigitKey::Discard;
    }
    return DigitKey::Pass;
}

QChar TypedCharacter(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QLatin1Char('\r');
    case Qt::Key_Backspace:
        return QLatin1Char('\b');
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QLatin1Char('\t');
    case Qt::Key_Escape:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    const QString text = event.text();
    return text.size() == 1 && text.at(0).isPrint() ? text.at(0) : QChar();
}

} // namespace taru::ui
