// Comma text: never crashes, and plain items joined by "," split back into the same items.
#include "base/CommaText.h"

#include <cstdint>
#include <cstdlib>

using namespace taru::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QStringList items = SplitCommaText(text);
    if (items.size() > text.size() + 1)
        std::abort();
    QStringList plain;
    for (const QString &item : items) {
        if (item.isEmpty() || item.contains(QLatin1Char(',')) || item.contains(QLatin1Char('"')))
            continue;
        bool blank = false;
        for (QChar c : item)
            blank = blank || c.unicode() <= 0x20;
        if (!blank)
            plain.append(item);
    }
    if (SplitCommaText(plain.join(QLatin1Char(','))) != plain)
        std::abort();
    return 0;
}
