#include "shell/TaruApplication.h"

#include "base/Errors.h"
#include "window/ErrorGuard.h"

#include <cstdio>

namespace taru::ui {

namespace {
void report(Prompts *prompts, const QString &message)
{
    if (prompts)
        showStandardError(*prompts, QApplication::activeWindow(), message);
    else
        std::fprintf(stderr, "TARU: %s\n", message.toLocal8Bit().constData());
}
} // namespace

bool DeliverGuarded(Prompts *prompts, const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (const AppError &e) {
        report(prompts, e.message());
    } catch (const std::exception &e) {
        report(prompts, QString::fromLocal8Bit(e.what()));
    }
    return false;
}

TaruApplication::TaruApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool TaruApplication::notify(QObject *receiver, QEvent *event)
{
    return DeliverGuarded(prompts_, [&] { return QApplication::notify(receiver, event); });
}

} // namespace taru::ui
