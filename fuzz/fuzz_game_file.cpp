// Game file reader: never crashes, stops only with the program's own errors, and the marks it
// accepts survive being written and read again.
#include "base/Errors.h"
#include "base/TextFile.h"
#include "data/GameFile.h"

#include <cstdint>
#include <cstdlib>

using namespace taru;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList lines =
        textfile::splitLines(textfile::decode(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))));

    BoardMarks board{};
    MultiplierBoxes multipliers{};
    DrawBoxes draws{};
    int count = 0;
    try {
        count = ParseGameFile(lines, GameFileTarget{board, multipliers, draws});
    } catch (const AppError &) {
        return 0; // a bad file stops the load with the program's error box
    }
    if (count < 0)
        std::abort();
    const std::optional<int> box = GameBoxAfterLoad(count);
    if (count == 0 ? box.has_value() : (!box || *box < 1 || *box > 12))
        std::abort();

    const QStringList written = textfile::splitLines(textfile::decode(GameFileBytes(board, multipliers, draws)));
    BoardMarks board2{};
    MultiplierBoxes multipliers2{};
    DrawBoxes draws2{};
    ParseGameFile(written, GameFileTarget{board2, multipliers2, draws2});
    if (board2 != board || multipliers2 != multipliers)
        std::abort();
    // A draws box round-trips only when one is marked; several marks come back as the one written.
    return 0;
}
