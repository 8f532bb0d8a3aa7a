#include "Commands.h"

#include "base/AppPaths.h"
#include "data/CouponFile.h"
#include "draws/Backtest.h"
#include "draws/DrawsFile.h"

#include <QFileInfo>

namespace taru::cli {

int runBacktest(const QStringList &args)
{
    QString couponPath;
    QString drawsPath;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--draws"))
            drawsPath = optionValue(args, i);
        else
            takeCouponFile(arg, couponPath);
    }
    if (couponPath.isEmpty())
        throw UsageError{QStringLiteral("which coupon file? backtest FILE.tru [--draws FILE.nik]")};
    if (drawsPath.isEmpty()) {
        QStringList none;
        drawsPath = AppPaths::fromEnvironment(none).file(kDrawsFileName);
    }

    const data::CouponFileData coupons = data::ReadCouponFile(couponPath);
    if (!coupons.valid) {
        err() << coupons.error << '\n';
        return 1;
    }
    if (!QFileInfo::exists(drawsPath)) {
        err() << draws::kDrawsReadError << ": " << drawsPath << '\n';
        return 1;
    }
    const draws::DrawsFileData file = draws::ReadDrawsFile(drawsPath);
    if (!file.valid) {
        err() << file.message() << '\n';
        return 1;
    }
    const draws::BacktestResult result = draws::Backtest(coupons, file.draws);
    for (const draws::BacktestCategory &category : result.categories)
        out() << category.hits << '\t' << category.count << '\n';
    if (const QString best = draws::BestDrawText(result, file.draws); !best.isEmpty())
        err() << best << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("backtest"), 55, CommandNeeds::Core, runBacktest,
                                        R"(  backtest FILE.tru [--draws FILE.nik]
        Every coupon against every draw (default: Nikitries.nik of the data folder): one
        line per number of hits, from the game down to 0, "HITS<TAB>COUNT" of (draw, column)
        pairs; the best draw on standard error.
)"};
} // namespace

} // namespace taru::cli
