// Coupon file reader: never crashes, and what it accepts survives being written and read again.
#include "base/Errors.h"
#include "data/CouponFile.h"

#include <cstdint>
#include <cstdlib>

using namespace taru::data;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CouponFileData file = ParseCouponFile(bytes, QStringLiteral("fuzz.tru"));
    if (file.valid != file.error.isEmpty())
        std::abort();
    if (!file.valid)
        return 0;
    if (static_cast<qsizetype>(file.lines.size()) > file.count)
        std::abort();
    std::vector<QStringList> coupons;
    for (const CouponLine &line : file.lines) {
        if (static_cast<int>(line.numbers.size()) > file.game)
            std::abort();
        QStringList items;
        for (std::uint8_t n : line.numbers)
            items.append(QString::number(n));
        coupons.push_back(items);
    }
    try {
        (void)CouponFileValue(file, 0.5);
    } catch (const taru::AppError &) {
    }
    const CouponFileData again = ParseCouponFile(
        CouponFileBytes(file.count, file.game, file.multipliers, file.drawsColumn, file.drawsRow, coupons),
        QStringLiteral("again.tru"));
    if (!again.valid || again.count != file.count || again.lines.size() != file.lines.size())
        std::abort();
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        if (again.lines[i].numbers != file.lines[i].numbers || again.lines[i].groups() != file.lines[i].groups())
            std::abort();
    }
    return 0;
}
