#include "Commands.h"

#include "data/CouponFile.h"

namespace taru::cli {

int runCoupons(const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects one coupon file (FILE.tru)")};
    const data::CouponFileData file = ReadCouponFileOrReport(args.first());
    if (!file.valid)
        return 1;
    for (const data::CouponLine &coupon : file.lines) {
        for (std::size_t j = 0; j < coupon.numbers.size(); ++j) {
            if (j > 0)
                out() << ' ';
            out() << int(coupon.numbers[j]);
        }
        out() << '\n';
    }
    // The coupons announced past the file's lines are empty: a few are written as empty lines,
    // many are only counted, so a file cannot make the output grow past its own size.
    const int tail = file.emptyTail();
    if (tail > kListedCoupons) {
        const int first = static_cast<int>(file.lines.size()) + 1;
        err() << QStringLiteral("coupons %1-%2 are empty (%3 announced past the file's lines)")
                     .arg(first)
                     .arg(file.count)
                     .arg(tail)
              << '\n';
    } else {
        for (int i = 0; i < tail; ++i)
            out() << '\n';
    }
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("coupons"), 20, CommandNeeds::Core, runCoupons,
                                        R"(  coupons FILE.tru
        The coupons of a coupon file, one line each: its numbers in file order. Coupons the
        file announces past its lines are empty lines, or, above 300 of them, one note on
        standard error.
)"};
} // namespace

} // namespace taru::cli
