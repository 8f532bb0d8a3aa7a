#pragma once

#include <QString>

namespace taru {

// The site label printed at the start of every slip's value line and on system reports.
// Kept in the owner's settings store (section Options, value "SiteLabel"); when it was never
// set, the owner's title stands in, so a fresh installation prints the shop's own name.
inline const QString kSiteLabelKey = QStringLiteral("SiteLabel");

QString siteLabel();
void setSiteLabel(const QString &label);

} // namespace taru
