#include "window/CentredDialog.h"

#include "window/ErrorGuard.h"

#include <QScreen>
#include <QShowEvent>

namespace taru::ui {

CentredDialog::CentredDialog(Prompts &prompts, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
{
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void CentredDialog::showEvent(QShowEvent *event)
{
    // Only on opening: a window restored from minimised stays where the user left it.
    if (!event->spontaneous()) {
        if (const QScreen *screen = this->screen()) {
            QRect frame = frameGeometry(); // the client area until a frame is known
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(prompts_, this, [this] { FormShow(); });
}

} // namespace taru::ui
