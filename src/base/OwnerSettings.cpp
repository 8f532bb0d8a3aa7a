#include "base/OwnerSettings.h"

#include <QSettings>

namespace taru::owner {

namespace {
// Organisation "TARU", application "Info": the native store maps it to Software\TARU\Info.
QSettings openStore()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"), QStringLiteral("Info"));
}
const QString kSection = QStringLiteral("Options/");
} // namespace

QString readValue(const QString &name, const QString &defaultValue)
{
    QSettings store = openStore();
    return store.value(kSection + name, defaultValue).toString();
}

OwnerDetails read()
{
    QSettings store = openStore();
    return OwnerDetails{store.value(kSection + QStringLiteral("Title"), kTitleDefault).toString(),
                        store.value(kSection + QStringLiteral("Address"), kAddressDefault).toString(),
                        store.value(kSection + QStringLiteral("Misc"), kMiscDefault).toString(),
                        store.value(kSection + QStringLiteral("Trailer"), kTrailerDefault).toString()};
}

QString title()
{
    return readValue(QStringLiteral("Title"), kTitleDefault);
}

void write(const OwnerDetails &details)
{
    QSettings store = openStore();
    store.setValue(kSection + QStringLiteral("Title"), details.title);
    store.setValue(kSection + QStringLiteral("Address"), details.address);
    store.setValue(kSection + QStringLiteral("Misc"), details.misc);
    store.setValue(kSection + QStringLiteral("Trailer"), details.trailer);
    store.sync();
}

QString windowCaption(const QString &fixedTitle)
{
    return fixedTitle + QStringLiteral("  TARU   ") + title();
}

} // namespace taru::owner
