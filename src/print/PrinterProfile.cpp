#include "print/PrinterProfile.h"

#include "base/AppPaths.h"
#include "base/Errors.h"
#include "base/TextFile.h"


#include <algorithm>
#include <cmath>
#include <cstring>

namespace taru {

namespace {

// Field offsets of the current layout.
constexpr int kMessage = 0;
constexpr int kPrinterName = 101;
constexpr int kMessageX = 202;
constexpr int kMessageY = 210;
constexpr int kValueX = 218;
constexpr int kValueY = 226;
constexpr int kSlipLeft = 234;
constexpr int kSlipTop = 242;
constexpr int kPitchX = 250;
constexpr int kPitchY = 258;
constexpr int kMarkChar = 266;
constexpr int kMarkSize = 268;
constexpr int kMessageSize = 272;
constexpr int kValueSize = 276;
constexpr int kIsDefault = 280;
constexpr int kBold = 281;
constexpr int kSlipPosition = 282;

// And of the old one (no value line, no text sizes, no slip position).
constexpr int kOldSlipLeft = 218;
constexpr int kOldSlipTop = 226;
constexpr int kOldPitchX = 234;
constexpr int kOldPitchY = 242;
constexpr int kOldMarkChar = 250;
constexpr int kOldMarkSize = 252;
constexpr int kOldIsDefault = 256;
constexpr int kOldBold = 257;

constexpr int kLongText = 100;
constexpr int kDistance = 7;
constexpr int kChar = 1;

void putString(QByteArray &record, int offset, int maxLength, const QString &text)
{
    const QByteArray bytes = textfile::encode(text).left(maxLength);
    record[offset] = static_cast<char>(bytes.size());
    std::memcpy(record.data() + offset + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString getString(const QByteArray &record, int offset, int maxLength)
{
    // A length byte beyond the field (a damaged file) reads what the field can hold.
    const int length = std::min(static_cast<int>(static_cast<std::uint8_t>(record.at(offset))), maxLength);
    return textfile::decode(record.mid(offset + 1, length));
}

void putInt32(QByteArray &record, int offset, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        record[offset + i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
}

std::int32_t getInt32(const QByteArray &record, int offset)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(record.at(offset + i))) << (8 * i);
    return static_cast<std::int32_t>(u);
}

bool getBool(const QByteArray &record, int offset)
{
    return record.at(offset) != 0;
}

} // namespace

QByteArray SerialiseProfile(const PrinterProfile &p)
{
    QByteArray record(kProfileSize, '\0');
    putString(record, kMessage, kLongText, p.message);
    putString(record, kPrinterName, kLongText, p.printerName);
    putString(record, kMessageX, kDistance, p.messageX);
    putString(record, kMessageY, kDistance, p.messageY);
    putString(record, kValueX, kDistance, p.valueX);
    putString(record, kValueY, kDistance, p.valueY);
    putString(record, kSlipLeft, kDistance, p.slipLeft);
    putString(record, kSlipTop, kDistance, p.slipTop);
    putString(record, kPitchX, kDistance, p.pitchX);
    putString(record, kPitchY, kDistance, p.pitchY);
    putString(record, kMarkChar, kChar, p.markChar);
    putInt32(record, kMarkSize, p.markSize);
    putInt32(record, kMessageSize, p.messageSize);
    putInt32(record, kValueSize, p.valueSize);
    record[kIsDefault] = p.isDefault ? 1 : 0;
    record[kBold] = p.bold ? 1 : 0;
    record[kSlipPosition] = static_cast<char>(p.slipPosition);
    return record;
}

std::optional<PrinterProfile> ParseProfile(const QByteArray &bytes)
{
    if (bytes.size() < kProfileSize)
        return std::nullopt;
    PrinterProfile p;
    p.message = getString(bytes, kMessage, kLongText);
    p.printerName = getString(bytes, kPrinterName, kLongText);
    p.messageX = getString(bytes, kMessageX, kDistance);
    p.messageY = getString(bytes, kMessageY, kDistance);
    p.valueX = getString(bytes, kValueX, kDistance);
    p.valueY = getString(bytes, kValueY, kDistance);
    p.slipLeft = getString(bytes, kSlipLeft, kDistance);
    p.slipTop = getString(bytes, kSlipTop, kDistance);
    p.pitchX = getString(bytes, kPitchX, kDistance);
    p.pitchY = getString(bytes, kPitchY, kDistance);
    p.markChar = getString(bytes, kMarkChar, kChar);
    p.markSize = getInt32(bytes, kMarkSize);
    p.messageSize = getInt32(bytes, kMessageSize);
    p.valueSize = getInt32(bytes, kValueSize);
    p.isDefault = getBool(bytes, kIsDefault);
    p.bold = getBool(bytes, kBold);
    p.slipPosition = static_cast<std::uint8_t>(bytes.at(kSlipPosition));
    return p;
}

bool ParseOldProfile(const QByteArray &bytes, PrinterProfile &p)
{
    if (bytes.size() < kOldProfileSize)
        return false;
    p.message = getString(bytes, kMessage, kLongText);
    p.printerName = getString(bytes, kPrinterName, kLongText);
    p.messageX = getString(bytes, kMessageX, kDistance);
    p.messageY = getString(bytes, kMessageY, kDistance);
    p.slipLeft = getString(bytes, kOldSlipLeft, kDistance);
    p.slipTop = getString(bytes, kOldSlipTop, kDistance);
    p.pitchX = getString(bytes, kOldPitchX, kDistance);
    p.pitchY = getString(bytes, kOldPitchY, kDistance);
    p.markChar = getString(bytes, kOldMarkChar, kChar);
    p.markSize = getInt32(bytes, kOldMarkSize);
    p.isDefault = getBool(bytes, kOldIsDefault);
    p.bold = getBool(bytes, kOldBold);
    return true;
}

ProfileSave SaveProfile(const QString &printersFolder, const PrinterProfile &profile)
{
    const QString name = profile.printerName.trimmed();
    if (name.isEmpty() && !profile.isDefault)
        return ProfileSave::NoName;
    const QByteArray bytes = SerialiseProfile(profile);
    const auto target = [&printersFolder](const QString &fileName) {
        const QString existing = AppPaths::findEntry(printersFolder, fileName, false);
        return existing.isEmpty() ? printersFolder + QLatin1Char('/') + fileName : existing;
    };
    if (!name.isEmpty())
        textfile::writeBytes(target(name + QLatin1Char('.') + kProfileExtension), bytes);
    if (profile.isDefault)
        textfile::writeBytes(target(kDefaultProfileFile), bytes);
    return ProfileSave::Saved;
}

std::optional<QByteArray> ReadProfileBytes(const QString &path)
{
    return textfile::readBytes(path, kProfileSize);
}

std::optional<int> ProfileSizeIndex(int size)
{
    const auto it = std::find(kProfileCharSizes.begin(), kProfileCharSizes.end(), size);
    if (it == kProfileCharSizes.end())
        return std::nullopt;
    return static_cast<int>(it - kProfileCharSizes.begin());
}

PageOrientation OrientationOf(std::uint8_t slipPosition)
{
    switch (slipPosition) {
    case kSlipPortrait:
        return PageOrientation::Portrait;
    case kSlipLandscape:
        return PageOrientation::Landscape;
    default:
        return PageOrientation::Unchanged;
    }
}

double ProfileDistance(const QString &text, const QLocale &locale)
{
    QString normalised = text;
    normalised.replace(QLatin1Char(','), locale.decimalPoint());
    const double value = toDouble(normalised, locale);
    // "inf", "nan" or "1e300" read as numbers: none of them is a place on a page.
    if (!std::isfinite(value) || std::fabs(value) > kMaxProfileDistance)
        throw RangeError(QStringLiteral("'%1' is not a distance from -%2 to %2 mm").arg(text).arg(kMaxProfileDistance));
    return value;
}

namespace {
ProfileLoad failed(const AppError &e)
{
    ProfileLoad load;
    load.error = kProfileLoadError + e.message() + e.kind();
    return load;
}
} // namespace

ProfileLoad LoadForPrinting(const QByteArray &bytes, double ppiX, double ppiY, double pageHeight,
                            const QLocale &locale)
{
    try {
        const std::optional<PrinterProfile> p = ParseProfile(bytes);
        if (!p)
            throw FileError(QStringLiteral("Read beyond end of file"));
        const double toX = ppiX * kMillimetreFactor;
        const double toY = ppiY * kMillimetreFactor;
        SlipGeometry g;
        g.message = p->message;
        g.messageX = ProfileDistance(p->messageX, locale) * toX;
        g.messageY = ProfileDistance(p->messageY, locale) * toY;
        g.valueX = ProfileDistance(p->valueX, locale) * toX;
        g.valueY = ProfileDistance(p->valueY, locale) * toY;
        g.slipLeft = ProfileDistance(p->slipLeft, locale) * toX;
        g.slipTop = ProfileDistance(p->slipTop, locale) * toY;
        g.pitchX = ProfileDistance(p->pitchX, locale) * toX;
        g.pitchY = ProfileDistance(p->pitchY, locale) * toY;
        for (const std::int32_t size : {p->markSize, p->messageSize, p->valueSize}) {
            if (size < 1 || size > kMaxProfileCharSize)
                throw RangeError(QStringLiteral("Character size %1 is outside 1..%2").arg(size).arg(kMaxProfileCharSize));
        }
        g.markChar = p->markChar;
        g.markSize = p->markSize;
        g.messageSize = p->messageSize;
        g.valueSize = p->valueSize;
        g.bold = p->bold;
        ProfileLoad load;
        load.orientation = OrientationOf(p->slipPosition);
        if (load.orientation == PageOrientation::Landscape) {
            // The slip lies across the page: these are measured from the bottom edge.
            g.messageY = pageHeight - g.messageY;
            g.valueY = pageHeight - g.valueY;
            g.slipTop = pageHeight - g.slipTop;
        }
        load.geometry = g;
        return load;
    } catch (const AppError &e) {
        return failed(e);
    }
}

ProfileLoad LoadForPrinting(const QString &path, double ppiX, double ppiY, double pageHeight, const QLocale &locale)
{
    QString why;
    const std::optional<QByteArray> bytes = textfile::readBytes(path, kProfileSize, &why);
    if (!bytes)
        return failed(FileError(why));
    return LoadForPrinting(*bytes, ppiX, ppiY, pageHeight, locale);
}

} // namespace taru
