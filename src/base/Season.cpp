#include "base/Season.h"

#include <cmath>

namespace taru {

bool IsSeasonalPictureShown(const QDateTime &now)
{
    // Count in calendar days with the time of day as a fraction, so a change to or from
    // summer time does not shift the boundary.
    const QDate christmas(now.date().year(), 12, 25);
    const double days = christmas.daysTo(now.date()) + now.time().msecsSinceStartOfDay() / 86400000.0;
    return std::fabs(days) < 12.0;
}

} // namespace taru
