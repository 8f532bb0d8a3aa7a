#pragma once

#include <QString>

namespace taru {

// What one slip marks: the hand-off record a window fills before printing. The lists are
// comma-separated texts as the windows build them.
struct SlipMarks {
    QString games;       // game box indices 1..12, e.g. "8" for game 5
    QString multipliers; // multiplier box indices 1..9
    bool random = false; // carried along, not printed
    QString numbers;     // numbers 1..80; an entry "A" marks nothing
    int drawColumn = 0;  // 0 = no consecutive-draws box, else 1 or 2
    int drawRow = 0;     // 0..4

    bool operator==(const SlipMarks &) const = default;
};

} // namespace taru
