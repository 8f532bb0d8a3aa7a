#pragma once

#include <QApplication>

#include <functional>

namespace taru::ui {

class Prompts;

// Delivers one event. An exception escaping the delivery is shown in the standard error box and
// the event counts as not handled, so the program goes on.
bool DeliverGuarded(Prompts *prompts, const std::function<bool()> &deliver);

// The application object: any exception that escapes an event handler ends up in the standard
// error box instead of terminating the program.
class TaruApplication : public QApplication {
    Q_OBJECT
public:
    TaruApplication(int &argc, char **argv);
    void setPrompts(Prompts *prompts) { prompts_ = prompts; }
    bool notify(QObject *receiver, QEvent *event) override;

private:
    Prompts *prompts_ = nullptr;
};

} // namespace taru::ui
