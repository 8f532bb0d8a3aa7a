#pragma once

#include "data/SystemColumns.h"
#include "game/Pricing.h"
#include "game/SlipMarks.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace taru {

inline const QString kEmptyPlace = QStringLiteral("-");

// The program-wide state that several windows share. Owned by the application for the whole
// run and handed by reference to the windows that use it.
struct SharedState {
    std::array<bool, kNumbers> board{}; // board[n - 1]: number n is marked
    GameBoxes gameBoxes{};
    MultiplierBoxes multiplierBoxes{};
    DrawBoxes drawBoxes{};
    bool randomBox = false;
    std::array<QString, kWinningSize> winningColumn = emptyWinningColumn();
    SlipMarks slipMarks;
    double couponValue = 0.0;
    SystemColumns systemColumns; // its size is the system column count
    double columnPrice = 0.5;

    static std::array<QString, kWinningSize> emptyWinningColumn()
    {
        std::array<QString, kWinningSize> places;
        places.fill(kEmptyPlace);
        return places;
    }
    void clearWinningColumn() { winningColumn = emptyWinningColumn(); }

    int countMarked() const
    {
        int count = 0;
        for (bool marked : board)
            count += marked ? 1 : 0;
        return count;
    }
};

} // namespace taru
