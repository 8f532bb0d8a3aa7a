// System column files: the reader never crashes, keeps its limits, and what it accepts is
// written back to a file that reads the same.
#include "data/SystemFile.h"

#include <cstdint>
#include <cstdlib>

using namespace taru::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    // The first four bytes choose n and k (signed, so out-of-range values are tried too).
    const int n = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    const int k = static_cast<std::int16_t>(data[2] | (data[3] << 8));
    const QByteArray bytes(reinterpret_cast<const char *>(data + 4), static_cast<qsizetype>(size - 4));
    const SystemColumnsResult result = ParseSystemColumns(bytes, n, k);
    if (!result.valid())
        return 0;
    for (const auto &row : result.columns) {
        if (static_cast<int>(row.size()) != k)
            std::abort();
    }
    const SystemColumnsResult again = ParseSystemColumns(SystemFileBytes(result.columns), n, k);
    if (!again.valid() || again.columns != result.columns)
        std::abort();
    return 0;
}
