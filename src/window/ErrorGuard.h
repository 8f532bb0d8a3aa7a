#pragma once

#include "window/Prompts.h"

#include <QObject>
#include <QWidget>

#include <functional>

namespace taru::ui {

// The application's standard error box for a failure that ended a command.
void showStandardError(Prompts &prompts, QWidget *parent, const QString &message);

// Runs one command handler. A failure escaping it (a conversion, a file, an overflow...) is
// shown in the standard error box and abandons only that command. Returns false on failure.
bool runGuarded(Prompts &prompts, QWidget *parent, const std::function<void()> &handler);

// connect() whose slot runs through runGuarded, with context as the box's parent.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, QWidget *context, Prompts &prompts,
                                       Handler handler)
{
    return QObject::connect(sender, signal, context,
                            [&prompts, context, handler]() { runGuarded(prompts, context, handler); });
}

} // namespace taru::ui
