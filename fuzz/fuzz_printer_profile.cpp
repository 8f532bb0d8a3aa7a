// Printer profile reader: never crashes, what it reads survives being written and read again, and
// a profile accepted for printing places every mark of every variant at a whole device position.
#include "base/Errors.h"
#include "print/PrinterProfile.h"
#include "print/SlipLayout.h"

#include <cstdint>
#include <cstdlib>

using namespace taru;

namespace {

SlipFlags everythingMarked()
{
    SlipFlags flags;
    for (auto &row : flags.numbers)
        row.fill(true);
    flags.games.fill(true);
    flags.multipliers.fill(true);
    flags.drawColumn = 2;
    flags.drawRow = 4;
    return flags;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    PrinterProfile old;
    if (ParseOldProfile(bytes, old) != (bytes.size() >= kOldProfileSize))
        std::abort();

    const std::optional<PrinterProfile> profile = ParseProfile(bytes);
    if (profile.has_value() != (bytes.size() >= kProfileSize))
        std::abort();
    if (profile) {
        const std::optional<PrinterProfile> again = ParseProfile(SerialiseProfile(*profile));
        if (!again || !(*again == *profile))
            std::abort();
    }

    const ProfileLoad load = LoadForPrinting(bytes, 600, 600, 7015, QLocale::c());
    if (load.ok() != load.error.isEmpty())
        std::abort();
    if (!load.ok())
        return 0;
    for (const SlipVariant variant : {SlipVariant::A, SlipVariant::BProducedSystem, SlipVariant::BFromFile, SlipVariant::L}) {
        try {
            (void)LayoutSlip(everythingMarked(), *load.geometry, variant, QStringLiteral("Δελ. 1"));
        } catch (const AppError &) {
            // A position off any page is refused, never converted.
        }
    }
    return 0;
}
