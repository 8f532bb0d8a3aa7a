#include "systems/Generator.h"

#include "base/Errors.h"
#include "base/Random.h"
#include "base/TextFile.h"

#include <QIODevice>

#include <algorithm>
#include <array>
#include <bitset>

namespace taru {

namespace {

constexpr int kDecades = 8;
constexpr int kPerDecade = 10;

// The decade group (0-based) a number is written in; a value the board does not hold still
// gets a place, so a damaged set shows as written rather than failing here.
int groupOf(std::uint8_t number)
{
    return number == 0 ? 0 : (number - 1) / kPerDecade;
}

void appendNumber(QByteArray &out, std::uint8_t number)
{
    if (number >= 100)
        out += static_cast<char>('0' + number / 100);
    if (number >= 10)
        out += static_cast<char>('0' + number / 10 % 10);
    out += static_cast<char>('0' + number % 10);
}

void appendLine(QByteArray &out, std::span<const std::uint8_t> numbers)
{
    // Groups are visited in decade order; the handful of numbers is scanned once per group.
    std::array<bool, 26> present{};
    int lastGroup = 0;
    for (std::uint8_t n : numbers) {
        present[static_cast<std::size_t>(groupOf(n))] = true;
        lastGroup = std::max(lastGroup, groupOf(n));
    }
    bool first = true;
    for (int group = 0; group <= lastGroup; ++group) {
        if (!present[static_cast<std::size_t>(group)])
            continue;
        for (int a = 0; a < group; ++a) {
            if (!first)
                out += ',';
            out += 'A';
            first = false;
        }
        for (std::uint8_t n : numbers) {
            if (groupOf(n) != group)
                continue;
            if (!first)
                out += ',';
            appendNumber(out, n);
            first = false;
        }
    }
}

} // namespace

void SetDecadeParity(BoardMarks &mould, int decade, bool even, bool down)
{
    if (decade < 0 || decade >= kDecades)
        throw RangeError(QStringLiteral("Decade %1 is out of range 0..7").arg(decade));
    for (int column = 0; column < kPerDecade; ++column) {
        const int number = decade * kPerDecade + column + 1;
        if ((number % 2 == 0) == even)
            mould[static_cast<std::size_t>(number - 1)] = down;
    }
}

std::vector<std::uint8_t> AllowedNumbers(const BoardMarks &mould)
{
    std::vector<std::uint8_t> allowed;
    for (int column = 0; column < kPerDecade; ++column) {
        for (int decade = 0; decade < kDecades; ++decade) {
            const int number = decade * kPerDecade + column + 1;
            if (mould[static_cast<std::size_t>(number - 1)])
                allowed.push_back(static_cast<std::uint8_t>(number));
        }
    }
    return allowed;
}

int GameForProduction(std::optional<int> chosenGame, int mouldCount)
{
    if (chosenGame)
        return *chosenGame;
    return mouldCount <= kMaxGame ? mouldCount : kMaxGame;
}

QString GeneratorRefusal(int mouldCount, int game)
{
    if (mouldCount == 0)
        return kGeneratorNoMould;
    if (mouldCount < game)
        return kGeneratorTooFewNumbers;
    return {};
}

CouponCountInput ParseCouponCount(const QString &text)
{
    const QString trimmed = text.trimmed();
    bool ok = false;
    const qlonglong count = trimmed.toLongLong(&ok);
    if (!ok) {
        // A run of digits too long for any integer is still a number: too many coupons.
        const bool digits = !trimmed.isEmpty() &&
                            std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
        return {std::nullopt, digits ? kGeneratorTooManyCoupons : kGeneratorNoCount};
    }
    if (count > kMaxGeneratedCoupons)
        return {std::nullopt, kGeneratorTooManyCoupons};
    return {static_cast<int>(std::max<qlonglong>(count, -1)), QString()};
}

GeneratedCoupons::GeneratedCoupons(int game, const SlipMarks &options)
    : game_(game)
    , options_(options)
{
    if (game < 1 || game > kMaxGame)
        throw RangeError(QStringLiteral("Game %1 is out of range 1..12").arg(game));
    options_.numbers.clear();
}

std::span<const std::uint8_t> GeneratedCoupons::numbers(std::size_t i) const
{
    const auto width = static_cast<std::size_t>(game_);
    return {numbers_.data() + i * width, width};
}

void GeneratedCoupons::append(std::span<const std::uint8_t> numbers)
{
    if (static_cast<int>(numbers.size()) != game_)
        throw RangeError(QStringLiteral("A coupon of game %1 holds %1 numbers, not %2").arg(game_).arg(numbers.size()));
    numbers_.insert(numbers_.end(), numbers.begin(), numbers.end());
}

QByteArray GeneratedCoupons::line(std::size_t i) const
{
    QByteArray out;
    out.reserve(64);
    appendLine(out, numbers(i));
    return out;
}

SlipMarks GeneratedCoupons::marks(std::size_t i) const
{
    SlipMarks marks = options_;
    marks.numbers = QString::fromLatin1(line(i));
    return marks;
}

void GeneratedCoupons::writeCouponFile(QIODevice &out) const
{
    QByteArray block = textfile::encode(QString::number(size()) + QStringLiteral("\r\n") + QString::number(game_) +
                                        QStringLiteral("\r\n") + options_.multipliers + QStringLiteral("\r\n") +
                                        QString::number(options_.drawColumn) + QStringLiteral("\r\n") +
                                        QString::number(options_.drawRow) + QStringLiteral("\r\n"));
    constexpr qsizetype kBlockBytes = qsizetype{1} << 20;
    block.reserve(kBlockBytes + 256);
    const auto flush = [&] {
        if (out.write(block) != block.size())
            throw FileError(QStringLiteral("Cannot write the coupon file. %1").arg(out.errorString()));
        block.clear();
    };
    for (std::size_t i = 0; i < size(); ++i) {
        appendLine(block, numbers(i));
        block += "\r\n";
        if (block.size() >= kBlockBytes)
            flush();
    }
    flush();
}

GeneratedCoupons GenerateCoupons(int count, int game, std::span<const std::uint8_t> allowed, const SlipMarks &options,
                                 std::uint64_t seed)
{
    GeneratedCoupons coupons(game, options);
    std::bitset<256> distinct;
    for (std::uint8_t number : allowed)
        distinct.set(number);
    // Fewer distinct numbers than the game would never fill a coupon.
    if (distinct.count() < static_cast<std::size_t>(game))
        throw RangeError(QStringLiteral("%1 allowed numbers cannot make coupons of game %2").arg(distinct.count()).arg(game));
    if (count <= 0)
        return coupons;
    coupons.reserve(static_cast<std::size_t>(count));
    Random random(seed);
    const auto length = static_cast<std::uint32_t>(allowed.size());
    std::array<std::uint8_t, kMaxGame> coupon{};
    const std::span<const std::uint8_t> drawn(coupon.data(), static_cast<std::size_t>(game));
    for (int c = 0; c < count; ++c) {
        std::uint64_t taken[4] = {0, 0, 0, 0}; // one bit per value 0..255
        for (int placed = 0; placed < game;) {
            const std::uint8_t number = allowed[random.below(length)];
            std::uint64_t &word = taken[number >> 6];
            const std::uint64_t bit = std::uint64_t{1} << (number & 63);
            if (word & bit)
                continue; // already on this coupon: draw again
            word |= bit;
            coupon[static_cast<std::size_t>(placed++)] = number;
        }
        coupons.append(drawn);
    }
    return coupons;
}

void WriteCouponFile(const QString &path, const GeneratedCoupons &coupons)
{
    textfile::writeAtomically(path, [&](QIODevice &out) { coupons.writeCouponFile(out); });
}

} // namespace taru
