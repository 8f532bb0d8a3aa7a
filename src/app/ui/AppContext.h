#pragma once

#include "app/AppPaths.h"
#include "app/Season.h"
#include "app/ui/Prompts.h"
#include "game/SharedState.h"

#include <functional>

namespace taru::ui {

// What every window is given: where the data lives, how to talk to the user, the shared
// coupon state, the clock, and the help and calculator services (replaceable in tests).
struct AppContext {
    AppContext(AppPaths paths, Prompts &prompts);

    AppPaths paths;
    Prompts &prompts;
    SharedState state;
    Clock clock = systemClock();
    // Opens a help topic, "TARU.chm" or "TARU.chm::/PAGE.htm".
    std::function<void(const QString &topic)> showHelp;
    // Starts the desktop's calculator.
    std::function<void()> startCalculator;
    // The windows' help and calculator buttons: nothing happens where a test left the service unset.
    void help(const QString &topic) const;
    void calculator() const;

    // The file last picked in the main window's coupon-file chooser (OpenDialog1); the window
    // that the menu opens on it reads it from here.
    QString openDialogFileName;
    // The import window's mode as the main menu sets it: 0 typing, 1 program files, 2 text file,
    // 3 CSV file.
    int importMode = 0;
};

} // namespace taru::ui
