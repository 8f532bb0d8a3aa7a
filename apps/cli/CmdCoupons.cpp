#include "Commands.h"

#include "data/CouponFile.h"

namespace taru::cli {

int runCoupons(const QStringList &args)
{
    if (args.size() != 1)
        throw UsageError{QStringLiteral("expects one coupon file (FILE.tru)")};
    const data::CouponFileData file = data::ReadCouponFile(args.first());
    if (!file.valid) {
        err() << file.error << '\n';
        return 1;
    }
    for (int i = 0; i < file.count; ++i) {
        const data::CouponLine &coupon = file.coupon(i);
        for (std::size_t j = 0; j < coupon.numbers.size(); ++j) {
            if (j > 0)
                out() << ' ';
            out() << int(coupon.numbers[j]);
        }
        out() << '\n';
    }
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("coupons"), 20, CommandNeeds::Core, runCoupons,
                                        R"(  coupons FILE.tru
        The coupons of a coupon file, one line each: its numbers in file order.
)"};
} // namespace

} // namespace taru::cli
