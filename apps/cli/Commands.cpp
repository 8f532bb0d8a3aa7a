#include "Commands.h"

#include "game/Pricing.h"

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

QString multiplierBoxList(const QString &option, const QString &text)
{
    std::array<bool, kMultiplierBoxCount> boxes{};
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const int box = wholeNumber(option, item);
        if (box < 1 || box > kMultiplierBoxCount)
            throw UsageError{QStringLiteral("multiplier box %1 is outside 1..9").arg(box)};
        boxes[static_cast<std::size_t>(box - 1)] = true;
    }
    QStringList marked;
    for (int box = 1; box <= kMultiplierBoxCount; ++box) {
        if (boxes[static_cast<std::size_t>(box - 1)])
            marked << QString::number(box);
    }
    return marked.join(QLatin1Char(','));
}

DrawsBox drawsBoxOf(const QString &option, const QString &text)
{
    const int wanted = wholeNumber(option, text);
    for (int c = 0; c < kDrawColumns; ++c) {
        for (int r = 0; r < kDrawRows; ++r) {
            if (kDrawValues[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)] == wanted)
                return DrawsBox{c + 1, r};
        }
    }
    throw UsageError{QStringLiteral("%1 must be one of 2,3,4,5,6,10,20,50,100,200, not %2").arg(option).arg(wanted)};
}

} // namespace taru::cli
