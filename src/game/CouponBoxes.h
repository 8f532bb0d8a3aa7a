#pragma once

#include "game/Pricing.h"
#include "game/SlipMarks.h"

#include <array>
#include <optional>

namespace taru {

using BoardMarks = std::array<bool, kNumbers>; // [n - 1]: number n is marked

// What a click on a number did to the board.
enum class NumberClick { Marked, Unmarked, Refused };

// Toggles number index (0-based) on the board. A mark is refused when `limit` numbers are
// already marked; unmarking is always allowed.
NumberClick ToggleNumber(BoardMarks &board, int index, int limit);

int CountMarked(const BoardMarks &board);

// Keeps exactly one game box for 1..12 marked numbers (box 13 - count) and none otherwise.
void SetGameBoxForCount(GameBoxes &boxes, int count);

// A click on the consecutive-draws box (column, row): a marked box is unmarked; an unmarked box
// is marked only while no other box is marked. Returns true when a mark changed.
bool ToggleDrawBox(DrawBoxes &boxes, int column, int row);

// The box that counts for the price and the slip: the last marked in scan order (column 0 top
// to bottom, then column 1), as CouponDraws reads it.
struct DrawBoxPos {
    int column = 0;
    int row = 0;
};
std::optional<DrawBoxPos> MarkedDrawBox(const DrawBoxes &boxes);

// The slip of one coupon: marked game boxes (1..12) and multiplier boxes (1..9) as "," lists,
// the random flag, the marked numbers ascending, the consecutive-draws column 1..2 and row 0..4
// (0 and 0 when none).
SlipMarks MakeSlipMarks(const BoardMarks &board, const GameBoxes &games, const MultiplierBoxes &multipliers,
                        const DrawBoxes &draws, bool random);

} // namespace taru
