// Draws file: the reader never crashes, every row has its 31 list cells, and plain rows survive
// being written and read again.
#include "base/CommaText.h"
#include "base/TextFile.h"
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
    // The reader splits the bytes; the fields must be those of the decoded text split as text.
    const QStringList lines = taru::textfile::splitLines(taru::textfile::decode(bytes));
    if (file.draws.size() > static_cast<std::size_t>(lines.size()))
        std::abort();
    std::vector<DrawEntry> entries;
    for (std::size_t row = 0; row < file.draws.size(); ++row) {
        const DrawEntry entry = file.draws.entry(row);
        if (!(entry == DrawEntry::fromFields(taru::data::SplitCommaText(lines.at(static_cast<qsizetype>(row))))))
            std::abort();
        if (file.draws.cells(row).size() != kDrawListColumns || !file.draws.figures(row))
            std::abort();
        const QStringList fields = entry.fields();
        if (std::all_of(fields.begin(), fields.end(), plain))
            entries.push_back(entry);
    }
    const DrawsFileData again = ParseDrawsFile(DrawsFileBytes(entries));
    if (!again.valid || again.draws.size() != entries.size())
        std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!(again.draws.entry(i) == entries[i]))
            std::abort();
    }
    // Cut at commas without converting, every line is a row.
    if (!ParseDrawsFile(bytes, DrawsSplit::PlainCommas).valid)
        std::abort();
    return 0;
}
