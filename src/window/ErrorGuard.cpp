#include "window/ErrorGuard.h"

#include "base/Errors.h"

#include <QWidget>

namespace taru::ui {

void showStandardError(Prompts &prompts, QWidget *parent, const QString &message)
{
    prompts.message(parent, message, kCaptionProgram, Icon::Error);
}

bool runGuarded(Prompts &prompts, QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const AppError &e) {
        showStandardError(prompts, parent, e.message());
    } catch (const std::exception &e) {
        showStandardError(prompts, parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

} // namespace taru::ui
