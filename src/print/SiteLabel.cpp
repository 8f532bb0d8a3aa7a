#include "print/SiteLabel.h"

#include "base/OwnerSettings.h"

#include <QSettings>

namespace taru {

QString siteLabel()
{
    return owner::readValue(kSiteLabelKey, owner::title());
}

void setSiteLabel(const QString &label)
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"), QStringLiteral("Info"));
    store.setValue(QStringLiteral("Options/") + kSiteLabelKey, label);
    store.sync();
}

} // namespace taru
