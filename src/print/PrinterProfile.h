#pragma once

#include "base/AppPaths.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace taru {

// A printer profile: where the marks land on the pre-printed slip for one printer. Kept as one
// fixed-size little-endian record per printer in Printers\<name>.tpr; the default one is also
// copied to Printers\default.tpr, the only file print jobs read.
inline constexpr int kProfileSize = 284;
inline constexpr int kOldProfileSize = 260; // older layout, still read by the profile dialog
inline const QString kDefaultProfileEntry = QStringLiteral("default");
inline const QString kProfileExtension = QStringLiteral("tpr");

// The character sizes the dialog offers, in points.
inline constexpr std::array<int, 13> kProfileCharSizes{6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24};

// Slip position byte: how the slip lies on the page.
inline constexpr std::uint8_t kSlipPortrait = 0;  // "ΟΡΙΖΟΝΤΙΑ 1"
inline constexpr std::uint8_t kSlipLandscape = 1; // "ΚΑΘΕΤΗ 1"

struct PrinterProfile {
    QString message = QStringLiteral("Extra5");
    QString printerName;
    // Distances in millimetres, kept as the text the user typed.
    QString messageX = QStringLiteral("1");
    QString messageY = QStringLiteral("0");
    QString valueX = QStringLiteral("1");
    QString valueY = QStringLiteral("12");
    QString slipLeft = QStringLiteral("19");
    QString slipTop = QStringLiteral("30");
    QString pitchX = QStringLiteral("4");
    QString pitchY = QStringLiteral("4");
    QString markChar = QStringLiteral("X");
    std::int32_t markSize = 7;
    std::int32_t messageSize = 7;
    std::int32_t valueSize = 7;
    bool isDefault = false;
    bool bold = false;
    std::uint8_t slipPosition = kSlipPortrait;

    bool operator==(const PrinterProfile &) const = default;
};

// The 284-byte record. Strings are cut to their field length (single-byte Greek); the unused
// rest of each field and the padding byte are zero.
QByteArray SerialiseProfile(const PrinterProfile &profile);

// Reads the first 284 bytes in the current layout; nothing when there are fewer.
std::optional<PrinterProfile> ParseProfile(const QByteArray &bytes);

// Reads the first 260 bytes in the old layout into profile, leaving the fields that layout lacks
// (value line position, the two text sizes, slip position) as they were. False when there are
// fewer bytes; profile is then untouched.
bool ParseOldProfile(const QByteArray &bytes, PrinterProfile &profile);

// Saving a profile into the Printers folder: Printers\<trimmed printer name>.tpr, and the same
// record as default.tpr when it is the default profile (files found whatever their letter
// case). A blank name has no file of its own: a default profile is then written as default.tpr
// only, any other is not saved (NoName, nothing written). FileError when a file cannot be
// written; each is written whole, so a failure leaves the previous file as it was.
enum class ProfileSave { Saved, NoName };
ProfileSave SaveProfile(const QString &printersFolder, const PrinterProfile &profile);

// The first 284 bytes of a profile file (fewer when the file is shorter), or nothing when it
// cannot be read or is not a regular file.
std::optional<QByteArray> ReadProfileBytes(const QString &path);

// Index in kProfileCharSizes of a stored size, or nothing when the list does not offer it.
std::optional<int> ProfileSizeIndex(int size);

// The profile converted for one print job, in printer device units.
struct SlipGeometry {
    QString message; // message text printed on every slip
    double messageX = 0, messageY = 0;
    double valueX = 0, valueY = 0;
    double slipLeft = 0, slipTop = 0;
    double pitchX = 0, pitchY = 0;
    QString markChar;
    int markSize = 7, messageSize = 7, valueSize = 7;
    bool bold = false;
};

enum class PageOrientation { Portrait, Landscape, Unchanged };

// Millimetres to device units. Slips were calibrated with this factor, not 1/25.4: keep it.
inline constexpr double kMillimetreFactor = 0.03939;

inline const QString kProfileLoadError = QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο. ");

// The orientation a stored slip position asks for.
PageOrientation OrientationOf(std::uint8_t slipPosition);

// Outcome of loading the default profile for a print job: the geometry and the page orientation
// to set, or the text of the error box.
struct ProfileLoad {
    std::optional<SlipGeometry> geometry;
    PageOrientation orientation = PageOrientation::Unchanged;
    QString error;
    bool ok() const { return geometry.has_value(); }
};

// Converts a record (current layout only) for a print job. pageHeight is the page height in
// device units in the orientation the profile asks for; in landscape the message, value line
// and slip top are measured from the bottom edge. A record shorter than 284 bytes, a distance
// that is not a number (or not finite, or beyond kMaxProfileDistance) or a character size
// outside 1..kMaxProfileCharSize gives the error text.
ProfileLoad LoadForPrinting(const QByteArray &bytes, double ppiX, double ppiY, double pageHeight,
                            const QLocale &locale);
// Same from a file; a missing or unreadable file gives the error text.
ProfileLoad LoadForPrinting(const QString &path, double ppiX, double ppiY, double pageHeight, const QLocale &locale);

// The largest character size a profile may ask of a print job, in points.
inline constexpr int kMaxProfileCharSize = 200;

// The largest distance a profile may hold, in millimetres: more than any paper is long.
inline constexpr int kMaxProfileDistance = 2000;

// The stored distance text as a number in millimetres: every "," becomes the locale's decimal
// separator first. ConversionError when it is not a number, RangeError when it is not finite or
// beyond kMaxProfileDistance either way.
double ProfileDistance(const QString &text, const QLocale &locale);

} // namespace taru
