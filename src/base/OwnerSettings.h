#pragma once

#include <QString>

namespace taru {

// The owner's four texts, kept per user in the native settings store: the registry key
// Software\TARU\Info on Windows, an INI file elsewhere; section "Options".
// Every reader opens the store, reads what it needs with its own default and closes it again;
// nothing is cached between uses.
struct OwnerDetails {
    QString title;
    QString address;
    QString misc;
    QString trailer;
};

namespace owner {

inline const QString kTitleDefault = QStringLiteral("ORMENA DATA");
inline const QString kAddressDefault = QStringLiteral("Λεωφ. Συγγρού 112, 117 41 Αθήνα");
inline const QString kMiscDefault = QStringLiteral("ΠΡΟΓΡΑΜΜΑΤΑ ΥΠΟΛΟΓΙΣΤΩΝ");
inline const QString kTrailerDefault = QStringLiteral("Παίξτε έξυπνα με συστήματα TARU - καλή επιτυχία σε κάθε κλήρωση!");

// One value of section Options, or defaultValue when it is missing.
QString readValue(const QString &name, const QString &defaultValue);

// The dialog's and the captions' view: every value with the table defaults.
OwnerDetails read();
QString title();

// Writes all four values.
void write(const OwnerDetails &details);

// "ΠΑΙΧΝΙΔΙ" -> "ΠΑΙΧΝΙΔΙ  TARU   ORMENA DATA": a window's caption with the owner's title.
QString windowCaption(const QString &fixedTitle);

} // namespace owner
} // namespace taru
