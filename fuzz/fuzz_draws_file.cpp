// Draws file: the reader never crashes, every row has its 31 list cells, and plain rows survive
// being written and read again.
#include "draws/DrawsFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace taru::draws;

namespace {
// A field that the writer can store as it is: printable ASCII without separators or quotes.
bool plain(const QString &field)
{
    if (field.isEmpty())
        return false;
    for (QChar c : field) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f || c == QLatin1Char(',') || c == QLatin1Char('"'))
            return false;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DrawsFileData file = ParseDrawsFile(bytes);
    if (file.valid != file.error.isEmpty())
        std::abort();
    std::vector<DrawEntry> entries;
    for (const DrawRow &row : file.rows) {
        if (DrawListCells(row.entry, row.figures).size() != kDrawListColumns)
            std::abort();
        const QStringList fields = row.entry.fields();
        if (std::all_of(fields.begin(), fields.end(), plain))
            entries.push_back(row.entry);
    }
    const DrawsFileData again = ParseDrawsFile(DrawsFileBytes(entries));
    if (!again.valid || again.rows.size() != entries.size())
        std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!(again.rows[i].entry == entries[i]))
            std::abort();
    }
    return 0;
}
