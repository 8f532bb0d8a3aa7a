#include "draws/Backtest.h"

#include "game/Pricing.h"

#include <algorithm>
#include <array>
#include <bit>

namespace taru::draws {

namespace {

// Numbers 1..80 as bits 0..79 of two words.
struct Numbers80 {
    std::uint64_t low = 0;
    std::uint64_t high = 0;
    void add(int number)
    {
        if (number < 1 || number > kNumbers)
            return;
        const int bit = number - 1;
        if (bit < 64)
            low |= std::uint64_t{1} << bit;
        else
            high |= std::uint64_t{1} << (bit - 64);
    }
};

constexpr int kMaxHits = kWinningSize;

// The hits of every column in one draw, counted by number of hits. Four histograms side by side
// keep consecutive increments of the same counter from waiting on each other. Built twice: with the
// processor's popcount instruction where it has one, else the portable one.
__attribute__((target_clones("popcnt", "default"))) void countDraw(const std::uint64_t *low, const std::uint64_t *high,
                                                                     std::size_t columns, Numbers80 draw,
                                                                     std::array<std::int64_t, kMaxHits + 1> &histogram)
{
    std::array<std::array<std::int64_t, kMaxHits + 1>, 4> parts{};
    std::size_t i = 0;
    for (; i + 4 <= columns; i += 4) {
        for (int j = 0; j < 4; ++j)
            ++parts[j][std::popcount(low[i + j] & draw.low) + std::popcount(high[i + j] & draw.high)];
    }
    for (; i < columns; ++i)
        ++parts[0][std::popcount(low[i] & draw.low) + std::popcount(high[i] & draw.high)];
    for (int h = 0; h <= kMaxHits; ++h)
        histogram[h] = parts[0][h] + parts[1][h] + parts[2][h] + parts[3][h];
}

} // namespace

BacktestResult Backtest(const data::CouponFileData &coupons, const DrawList &draws)
{
    return *RunBacktest(coupons, draws);
}

std::optional<BacktestResult> RunBacktest(const data::CouponFileData &coupons, const DrawList &draws,
                                          const std::atomic<bool> *stop, const BacktestProgress &progress,
                                          std::int64_t pairsPerStep)
{
    BacktestResult result;
    const int game = std::max(0, coupons.game);
    result.game = game;
    result.columns = std::max(0, coupons.count);
    result.draws = static_cast<std::int64_t>(draws.size());

    std::vector<std::uint64_t> low;
    std::vector<std::uint64_t> high;
    const std::size_t lines = std::min<std::size_t>(coupons.lines.size(), static_cast<std::size_t>(result.columns));
    low.reserve(lines);
    high.reserve(lines);
    for (std::size_t i = 0; i < lines; ++i) {
        Numbers80 column;
        for (const std::uint8_t number : coupons.lines[i].numbers)
            column.add(number);
        low.push_back(column.low);
        high.push_back(column.high);
    }
    const std::int64_t emptyColumns = result.columns - static_cast<std::int64_t>(lines);
    // Draws between looks at the stop flag and reports of progress.
    const auto step = static_cast<std::size_t>(std::max<std::int64_t>(1, pairsPerStep / std::max<std::int64_t>(1, result.columns)));

    std::array<std::int64_t, kMaxHits + 1> total{};
    std::array<std::int64_t, kMaxHits + 1> best{};
    std::array<std::int64_t, kMaxHits + 1> histogram{};
    for (std::size_t d = 0; d < draws.size(); ++d) {
        if (d % step == 0 && d > 0) {
            if (progress)
                progress(static_cast<std::int64_t>(d), result.draws);
            if (stop && stop->load(std::memory_order_relaxed))
                return std::nullopt;
        }
        Numbers80 draw;
        if (const auto plain = draws.plainNumbers(d)) {
            for (const int number : *plain)
                draw.add(number);
        } else {
            for (int i = 0; i < kDrawNumbers; ++i) {
                bool ok = false;
                const int number = draws.field(d, 3 + i).trimmed().toInt(&ok);
                if (ok)
                    draw.add(number);
            }
        }
        countDraw(low.data(), high.data(), lines, draw, histogram);
        histogram[0] += emptyColumns;
        for (int h = 0; h <= kMaxHits; ++h)
            total[h] += histogram[h];
        // Compared from the most hits down: the first difference decides.
        const bool better = result.bestDraw < 0 ||
                            std::lexicographical_compare(best.rbegin(), best.rend(), histogram.rbegin(), histogram.rend());
        if (better) {
            best = histogram;
            result.bestDraw = static_cast<int>(d);
        }
    }

    const auto categoriesOf = [game](const std::array<std::int64_t, kMaxHits + 1> &counts) {
        std::vector<BacktestCategory> categories;
        for (int hits = game; hits >= 0; --hits) {
            std::int64_t count = hits <= kMaxHits ? counts[hits] : 0;
            if (hits == game) {
                for (int above = game + 1; above <= kMaxHits; ++above)
                    count += counts[above];
            }
            categories.push_back(BacktestCategory{hits, count});
        }
        return categories;
    };
    if (stop && stop->load(std::memory_order_relaxed))
        return std::nullopt;
    if (progress)
        progress(result.draws, result.draws);
    result.categories = categoriesOf(total);
    if (result.bestDraw >= 0)
        result.bestCategories = categoriesOf(best);
    return result;
}

QString BestDrawText(const BacktestResult &result, const DrawList &draws)
{
    if (result.bestDraw < 0 || result.bestDraw >= static_cast<int>(draws.size()))
        return QString();
    const DrawEntry entry = draws.entry(static_cast<std::size_t>(result.bestDraw));
    QString text = QStringLiteral("Καλύτερη κλήρωση: ") + entry.drawNumber.trimmed() + QStringLiteral(" της ") +
                   entry.date.trimmed();
    for (const BacktestCategory &category : result.bestCategories) {
        if (category.count > 0) {
            text += QStringLiteral(" (%1 %2 με %3 %4)")
                        .arg(category.count)
                        .arg(category.count == 1 ? QStringLiteral("στήλη") : QStringLiteral("στήλες"))
                        .arg(category.hits)
                        .arg(category.hits == 1 ? QStringLiteral("επιτυχία") : QStringLiteral("επιτυχίες"));
            break;
        }
    }
    return text;
}

} // namespace taru::draws
