#include "Commands.h"

namespace taru::cli {

QString optionValue(const QStringList &args, int &i)
{
    if (i + 1 >= args.size())
        throw UsageError{QStringLiteral("%1 needs a value").arg(args.at(i))};
    return args.at(++i);
}

int wholeNumber(const QString &option, const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw UsageError{QStringLiteral("%1 expects a whole number, not '%2'").arg(option, text)};
    return value;
}

void takeCouponFile(const QString &arg, QString &couponPath)
{
    if (arg.startsWith(QLatin1String("--")))
        throw UsageError{QStringLiteral("unknown option '%1'").arg(arg)};
    if (!couponPath.isEmpty())
        throw UsageError{QStringLiteral("only one coupon file, not also '%1'").arg(arg)};
    couponPath = arg;
}

data::CouponFileData ReadCouponFileOrReport(const QString &path)
{
    data::CouponFileData file = data::ReadCouponFile(path);
    if (!file.valid) {
        err() << file.error << '\n';
        if (!file.reason.isEmpty())
            err() << file.reason << '\n';
    }
    return file;
}

} // namespace taru::cli
