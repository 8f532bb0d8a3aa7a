#pragma once

#include "game/CouponBoxes.h"
#include "game/Pricing.h"

#include <QString>
#include <QStringList>

namespace taru {

// One coupon of the game screen as a game file (*.gak), three lines:
//   DKL=<text of the marked consecutive-draws box, or nothing>
//   POLSTHS=<marked multiplier boxes as 0-based positions, ascending, "," separated>
//   <marked numbers, ascending, "," separated>
// Windows-1253 text, CR LF line ends.

// The marks a game file is read into. Reading only sets marks, it never clears one, so a game
// loads on top of the options already on the coupon.
struct GameFileTarget {
    BoardMarks &board;
    MultiplierBoxes &multiplierBoxes;
    DrawBoxes &drawBoxes;
};

// The file's bytes for the given coupon.
QByteArray GameFileBytes(const BoardMarks &board, const MultiplierBoxes &multiplierBoxes, const DrawBoxes &drawBoxes);

// Writes the game file whole and atomically. Throws FileError when it cannot be written.
void WriteGameFile(const QString &path, const BoardMarks &board, const MultiplierBoxes &multiplierBoxes,
                   const DrawBoxes &drawBoxes);

// Reads the game file into target and returns the number of items on its number line (numbers
// outside 1..80 are counted but not marked). Marks are applied as they are read: a FileError
// (missing or unreadable file) changes nothing, a ConversionError (an item that is not a
// number) leaves the marks read before it in place.
int ReadGameFile(const QString &path, GameFileTarget target);

// The same for the file's lines already read (what ReadGameFile does after opening the file).
int ParseGameFile(const QStringList &lines, GameFileTarget target);

// The game box (1..12) a load sets for the count of numbers read: 13 - count, box 12 when more
// than 12 were read, none for an empty number line.
std::optional<int> GameBoxAfterLoad(int count);

} // namespace taru
