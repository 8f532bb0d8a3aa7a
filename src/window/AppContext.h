#pragma once

#include "base/AppPaths.h"
#include "base/Random.h"
#include "base/Season.h"
#include "window/Prompts.h"
#include "window/SharedState.h"
#include "window/WindowDirectory.h"

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
    // The seed of each random production (generated coupons, dice); fixed in tests.
    SeedSource randomSeed = FreshSeed;
    // Opens a help topic, "TARU.chm" or "TARU.chm::/PAGE.htm".
    std::function<void(const QString &topic)> showHelp;
    // Starts the desktop's calculator.
    std::function<void()> startCalculator;
    // The windows' help and calculator buttons: nothing happens where a test left the service unset.
    void help(const QString &topic) const;
    void calculator() const;

    // The other windows, for handing work on; set by whoever creates the windows.
    WindowDirectory *windows = nullptr;
    // The window with that name (nullptr when there is none), as QDialog or as its own class.
    QDialog *window(WindowId id) const { return windows ? windows->window(id) : nullptr; }
    template <typename Window>
    Window *window(WindowId id) const
    {
        return windows ? windows->as<Window>(id) : nullptr;
    }

    // The file last picked in the main window's coupon-file chooser (OpenDialog1); the window
    // that the menu opens on it reads it from here.
    QString openDialogFileName;
    // The import window's mode as the main menu sets it: 0 typing, 1 program files, 2 text file,
    // 3 CSV file.
    int importMode = 0;
};

} // namespace taru::ui
