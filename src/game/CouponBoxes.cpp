#include "game/CouponBoxes.h"

#include <QStringList>

namespace taru {

NumberClick ToggleNumber(BoardMarks &board, int index, int limit)
{
    bool &mark = board.at(static_cast<std::size_t>(index));
    if (mark) {
        mark = false;
        return NumberClick::Unmarked;
    }
    if (CountMarked(board) >= limit)
        return NumberClick::Refused;
    mark = true;
    return NumberClick::Marked;
}

int CountMarked(const BoardMarks &board)
{
    int count = 0;
    for (bool marked : board)
        count += marked ? 1 : 0;
    return count;
}

void SetGameBoxForCount(GameBoxes &boxes, int count)
{
    boxes.fill(false);
    if (count >= 1 && count <= kMaxGame)
        boxes[static_cast<std::size_t>(gameBoxOf(count) - 1)] = true;
}

bool ToggleDrawBox(DrawBoxes &boxes, int column, int row)
{
    bool &mark = boxes.at(static_cast<std::size_t>(column)).at(static_cast<std::size_t>(row));
    if (mark) {
        mark = false;
        return true;
    }
    if (MarkedDrawBox(boxes))
        return false;
    mark = true;
    return true;
}

std::optional<DrawBoxPos> MarkedDrawBox(const DrawBoxes &boxes)
{
    std::optional<DrawBoxPos> found;
    for (int c = 0; c < kDrawColumns; ++c) {
        for (int r = 0; r < kDrawRows; ++r) {
            if (boxes[c][r])
                found = DrawBoxPos{c, r};
        }
    }
    return found;
}

namespace {
template <std::size_t N>
QString markedIndices(const std::array<bool, N> &marks)
{
    QStringList items;
    for (std::size_t i = 0; i < N; ++i) {
        if (marks[i])
            items << QString::number(i + 1);
    }
    return items.join(QLatin1Char(','));
}
} // namespace

SlipMarks MakeSlipMarks(const BoardMarks &board, const GameBoxes &games, const MultiplierBoxes &multipliers,
                        const DrawBoxes &draws, bool random)
{
    SlipMarks slip;
    slip.games = markedIndices(games);
    slip.multipliers = markedIndices(multipliers);
    slip.random = random;
    slip.numbers = markedIndices(board); // index + 1 is the number itself
    if (const auto box = MarkedDrawBox(draws)) {
        slip.drawColumn = box->column + 1;
        slip.drawRow = box->row;
    }
    return slip;
}

} // namespace taru
