#pragma once

#include <QDateTime>

#include <functional>

namespace taru {

// The current date and time; injected where a result depends on it.
using Clock = std::function<QDateTime()>;
inline Clock systemClock() { return [] { return QDateTime::currentDateTime(); }; }

// The seasonal picture is shown when now lies less than 12 days from 25 December 00:00 of
// now's year: from just after midnight on 13 December to the end of the year.
bool IsSeasonalPictureShown(const QDateTime &now);

} // namespace taru
