#pragma once

#include <QString>
#include <QStringList>

namespace taru::ui {

// The desktop calculators tried, in order, on platforms without a system calculator of their own.
QStringList CalculatorCandidates();

// Starts the system calculator (Windows) or the first desktop calculator installed; does nothing
// when there is none. The program is started directly, never through a shell.
// Returns the program started, or an empty string.
QString StartCalculator();

} // namespace taru::ui
