#pragma once

#include "game/CouponBoxes.h"
#include "game/SlipMarks.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

class QIODevice;

namespace taru {

// The generator's refusals, as the window and the command line word them.
inline const QString kGeneratorNoMould =
    QStringLiteral("Δεν είναι δυνατή η παραγωγή δελτίων,παρακαλώ διορθώστε το καλούπι .");
inline const QString kGeneratorTooFewNumbers =
    QStringLiteral("Παρακαλώ επιλέξτε τουλάχιστον τόσους αριθμούς όσους και το επιλεγμένο σύστημα.");
inline const QString kGeneratorNoCount = QStringLiteral("Παρακαλώ συμπληρώστε τον αριθμό δελτίων που επιθυμείτε.");
// A production is held in memory and saved whole: ten million coupons of 12 numbers are 120 MB.
inline constexpr int kMaxGeneratedCoupons = 10'000'000;
inline const QString kGeneratorTooManyCoupons =
    QStringLiteral("Μπορούν να παραχθούν έως 10000000 δελτία με μία παραγωγή.");

// The odd (" Μ ") or even ("Ζ") button of a decade (board row 0..7): every odd, or every even,
// number of that row takes the button's new state; the other numbers keep theirs.
void SetDecadeParity(BoardMarks &mould, int decade, bool even, bool down);

// The mould's numbers in the order the generator draws from: column 0 of decades 1 to 8
// (1, 11, ..., 71), then column 1 (2, 12, ..., 72), ..., column 9.
std::vector<std::uint8_t> AllowedNumbers(const BoardMarks &mould);

// The game a production uses: the one chosen, else as many as the mould holds up to 12.
int GameForProduction(std::optional<int> chosenGame, int mouldCount);

// The refusal a production meets before it starts (an empty mould, or fewer numbers than the
// game), or an empty text when it may go on.
QString GeneratorRefusal(int mouldCount, int game);

// The number of coupons as typed: the count, or the message that refuses it. A count of 0 or
// less is valid and produces nothing.
struct CouponCountInput {
    std::optional<int> count;
    QString refusal;
};
CouponCountInput ParseCouponCount(const QString &text);

// The coupons of one production: every coupon holds `game` numbers in the order they were
// drawn, all in one flat buffer, so a million coupons of 12 numbers cost 12 MB. Their coupon-file
// line ("7,A,15,12": by decade in decade order, within a decade in drawing order, a decade d
// opened by d - 1 "A" placeholders) is made only when a coupon is shown, printed or saved.
class GeneratedCoupons {
public:
    GeneratedCoupons() = default;
    // options: the game boxes, multiplier boxes, random mark and consecutive-draws box shared by
    // every coupon (its numbers list is not used).
    GeneratedCoupons(int game, const SlipMarks &options);

    int game() const { return game_; }
    std::size_t size() const { return game_ == 0 ? 0 : numbers_.size() / static_cast<std::size_t>(game_); }
    bool empty() const { return size() == 0; }
    const SlipMarks &options() const { return options_; }

    // Coupon i (0-based) in drawing order.
    std::span<const std::uint8_t> numbers(std::size_t i) const;
    // Appends a coupon of exactly `game` numbers.
    void append(std::span<const std::uint8_t> numbers);
    void reserve(std::size_t coupons) { numbers_.reserve(coupons * static_cast<std::size_t>(game_)); }

    // The coupon-file line of coupon i.
    QByteArray line(std::size_t i) const;
    // What the slip of coupon i marks: the shared options with the line as its numbers.
    SlipMarks marks(std::size_t i) const;

    // The coupon file: N, k, the multiplier boxes, the consecutive-draws column and row, then
    // one line per coupon; written a block at a time.
    void writeCouponFile(QIODevice &out) const;

private:
    int game_ = 0;
    SlipMarks options_;
    std::vector<std::uint8_t> numbers_;
};

// Produces count coupons of `game` numbers drawn uniformly from `allowed` (in AllowedNumbers
// order), a number drawn again when the coupon already holds it. The generator is seeded once,
// with seed. RangeError when the game is outside 1..12 or allowed holds fewer numbers than it.
GeneratedCoupons GenerateCoupons(int count, int game, std::span<const std::uint8_t> allowed, const SlipMarks &options,
                                 std::uint64_t seed);

// Writes the coupon file whole and atomically (FileError on failure, the old file stays).
void WriteCouponFile(const QString &path, const GeneratedCoupons &coupons);

} // namespace taru
