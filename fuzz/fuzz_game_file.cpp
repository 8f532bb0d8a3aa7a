// Game file reader: never crashes, stops only with the program's own errors, and the marks it
// accepts survive being written and read again.
#include "app/Errors.h"
#include "app/TextFile.h"
#include "data/GameFile.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>
#include <unistd.h>

using namespace taru;

namespace {
QString scratchPath(const char *name)
{
    return QDir::tempPath() + QStringLiteral("/taru-fuzz-%1-%2.gak").arg(getpid()).arg(QLatin1String(name));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString input = scratchPath("in");
    static const QString output = scratchPath("out");
    textfile::writeBytes(input, QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    BoardMarks board{};
    MultiplierBoxes multipliers{};
    DrawBoxes draws{};
    int count = 0;
    try {
        count = ReadGameFile(input, GameFileTarget{board, multipliers, draws});
    } catch (const AppError &) {
        return 0; // a bad file stops the load with the program's error box
    }
    if (count < 0)
        std::abort();
    const std::optional<int> box = GameBoxAfterLoad(count);
    if (count == 0 ? box.has_value() : (!box || *box < 1 || *box > 12))
        std::abort();

    WriteGameFile(output, board, multipliers, draws);
    BoardMarks board2{};
    MultiplierBoxes multipliers2{};
    DrawBoxes draws2{};
    ReadGameFile(output, GameFileTarget{board2, multipliers2, draws2});
    if (board2 != board || multipliers2 != multipliers)
        std::abort();
    // A draws box round-trips only when one is marked; several marks come back as the one written.
    return 0;
}
