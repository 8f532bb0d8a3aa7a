#pragma once

#include "print/PrintCanvas.h"
#include "print/PrinterProfile.h"
#include "game/SlipMarks.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <array>

namespace taru {

// Which window prints the slip; each puts a few blocks elsewhere on the slip.
enum class SlipVariant {
    A,               // the single game and generated coupons
    BProducedSystem, // coupons of a produced system (constructor, library): multipliers corrected
    BFromFile,       // coupons read from a coupon file: multipliers not corrected
    L,               // the player's game inside the library's system report
};

// The marks of one slip as flags.
struct SlipFlags {
    std::array<std::array<bool, 10>, 8> numbers{}; // [row 0..7][column 1..10 - 1]
    std::array<bool, 12> games{};                  // [box 1..12 - 1]
    std::array<bool, 9> multipliers{};             // [box 1..9 - 1]
    int drawColumn = 0;                            // 0 = none, else 1 or 2
    int drawRow = 0;                               // 0..4
};

// Applies the lists of a SlipMarks. An entry that is not a number (an "A" or a blank entry
// marks nothing) raises ConversionError, one outside its range RangeError, before anything
// is drawn.
SlipFlags ParseSlipMarks(const SlipMarks &marks);

// The marks a preview can show: entries that are not numbers, or not boxes of the slip, are
// left out without a word (a coupon file may name them; printing refuses them).
SlipFlags ParseShownSlipMarks(const SlipMarks &marks);

// The value line: the site label, then a game label or the coupon's number in its set, then the
// coupon's value.
struct ValueLine {
    enum class Kind { GameLabel, CouponNumber };
    Kind kind = Kind::CouponNumber;
    QString gameLabel;    // GameLabel: the game's file name, may be blank
    int couponNumber = 1; // CouponNumber: 1 for the first coupon of the set
    double value = 0.0;
};

// "1,50 €" with the locale's decimal separator.
QString FormatSlipAmount(double value, const QLocale &locale);
QString ValueLineText(const ValueLine &line, const QString &siteLabel, const QLocale &locale);

enum class SlipBlock { Message, ValueLine, GameBoxes, Numbers, Draws, Multipliers };

// One thing written on the slip. Marks carry the box they fill: index is the game box, the
// number or the multiplier box (for the draws box, column × 10 + row); k and r are its column
// and row indices on the slip grid.
struct SlipItem {
    SlipBlock block = SlipBlock::Message;
    int index = 0;
    double k = 0, r = 0;
    double exactX = 0, exactY = 0; // before rounding
    int x = 0, y = 0;              // where the text is written
    int fontSize = 0;
    QString text;
};

struct SlipLayout {
    SlipVariant variant = SlipVariant::A;
    QList<SlipItem> items; // in drawing order

    QList<SlipItem> marks() const;
};

// The exact texts and device positions of one slip: message, value line (not in L), then the
// marks in the variant's block order. valueText is ignored in variant L.
SlipLayout LayoutSlip(const SlipFlags &flags, const SlipGeometry &geometry, SlipVariant variant,
                      const QString &valueText);

// Draws the layout on the canvas (no document start or end: the caller owns the document).
void RenderSlip(PrintCanvas &canvas, const SlipLayout &layout);

// Device positions are whole numbers well inside the int range; anything beyond (or not a number)
// raises RangeError instead of being converted.
inline constexpr double kMaxDevicePosition = 1e8;
int DevicePosition(double value);

// Rounding of mark positions: to the nearest integer, halves to the even neighbour; RangeError
// as DevicePosition.
int RoundHalfEven(double value);

// The slip picture of the preview windows, in screen pixels: marks only ("@", 8 points bold),
// numbers, then game boxes, then multipliers in the single-game places.
inline constexpr double kScreenLeft = 3.9;
inline constexpr double kScreenTop = 6.1 * 23.2; // 141.52
inline constexpr double kScreenPitchX = 22.0;
inline constexpr double kScreenPitchY = 23.2;
inline constexpr int kScreenMarkSize = 8;
inline const QString kScreenMark = QStringLiteral("@");

QList<SlipItem> LayoutScreenSlip(const SlipFlags &flags);

} // namespace taru
