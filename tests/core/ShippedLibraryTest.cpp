// The systems shipped in BIBLIO, each checked against everything its name promises.
#include "base/TextFile.h"
#include "data/SystemFile.h"
#include "systems/Constructor.h"
#include "systems/Library.h"

#include "TestValues.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <bit>
#include <bitset>
#include <set>
#include <tuple>

using namespace taru;

namespace {

const QString kLibrary = QStringLiteral(TARU_SHIPPED_LIBRARY);

// Every g-subset of 1..n (as bit masks) meets some column in at least t positions.
// Returns the first subset that no column covers, or 0.
std::uint32_t firstUncovered(const std::vector<std::uint32_t> &columns, int n, int g, int t)
{
    std::uint32_t subset = (std::uint32_t{1} << g) - 1;
    const std::uint32_t end = std::uint32_t{1} << n;
    std::size_t last = 0; // the column that covered the previous subset often covers the next
    while (subset < end) {
        bool covered = std::popcount(subset & columns[last]) >= t;
        for (std::size_t c = 0; !covered && c < columns.size(); ++c) {
            if (std::popcount(subset & columns[c]) >= t) {
                covered = true;
                last = c;
            }
        }
        if (!covered)
            return subset;
        // The next subset of the same size (Gosper).
        const std::uint32_t low = subset & -subset;
        const std::uint32_t ripple = subset + low;
        subset = (((ripple ^ subset) >> 2) / low) | ripple;
    }
    return 0;
}

struct Shipped { QString name; data::SystemListRow row; int guarantee = 0; int game = 0; };

std::vector<Shipped> shippedSystems()
{
    std::vector<Shipped> systems;
    for (const QString &name : data::ListFiles(kLibrary, data::kSystemFileExtension)) {
        Shipped s;
        s.name = name;
        const auto row = data::ParseSystemFileName(name, QLocale::c());
        if (row)
            s.row = *row;
        s.guarantee = s.row.cells[data::kColGuarantee].toInt();
        s.game = s.row.cells[data::kColGame].toInt();
        systems.push_back(s);
    }
    return systems;
}

} // namespace

TEST(ShippedLibrary, EveryFileKeepsItsGuaranteeForEverySubsetOfItsNumbers)
{
    const std::vector<Shipped> systems = shippedSystems();
    ASSERT_FALSE(systems.empty()) << "no library in " << kLibrary.toStdString();
    for (const Shipped &s : systems) {
        SCOPED_TRACE(s.name.toStdString());
        ASSERT_TRUE(data::ParseSystemFileName(s.name, QLocale::c()).has_value());
        const int n = s.row.numbers;
        const int k = s.row.columnSize.value_or(0);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 31);
        ASSERT_EQ(k, s.game) << "the columns are as large as the game";
        ASSERT_LT(s.guarantee, s.game) << "the full system is not shipped";
        ASSERT_GE(s.guarantee, 1);

        const QString path = QDir(kLibrary).filePath(s.name);
        const data::SystemColumnsResult loaded = data::LoadSystemColumns(path, n, k);
        ASSERT_TRUE(loaded.valid()) << loaded.error.toStdString();
        const SystemColumns &columns = loaded.columns;
        ASSERT_FALSE(columns.empty());

        // Written exactly as the library format says, named exactly as the constructor names it.
        EXPECT_EQ(textfile::readBytes(path).value_or(QByteArray()), data::SystemFileBytes(columns));
        data::SystemNameFields fields;
        fields.numbers = n;
        fields.guarantee = s.guarantee;
        fields.game = fields.columnSize = k;
        fields.columns = fields.coupons = static_cast<std::int64_t>(columns.size()); // columns as large as the game
        EXPECT_EQ(data::SystemFileName(fields), s.name);

        std::vector<std::uint32_t> masks;
        std::set<std::uint32_t> distinct;
        for (const SystemColumns::Row column : columns) {
            std::uint32_t mask = 0;
            int previous = 0;
            for (std::uint8_t position : column) {
                ASSERT_GT(position, previous) << "positions ascend within a column";
                ASSERT_LE(position, n);
                previous = position;
                mask |= std::uint32_t{1} << (position - 1);
            }
            ASSERT_TRUE(distinct.insert(mask).second) << "a column is repeated";
            masks.push_back(mask);
        }
        // Checked by bit masks, independently of the program's own check.
        const std::uint32_t uncovered = firstUncovered(masks, n, s.game, s.guarantee);
        EXPECT_EQ(uncovered, 0u) << "positions " << std::bitset<32>(uncovered).to_string() << " are not covered";
    }
}

TEST(ShippedLibrary, HoldsEveryGuaranteeOfTheCommonGamesAndOpensEachSystemByItsName)
{
    const std::vector<Shipped> systems = shippedSystems();
    std::set<std::tuple<int, int, int>> present; // game, N, guarantee
    qint64 bytes = 0;
    const QStringList files = data::ListFiles(kLibrary, data::kSystemFileExtension);
    for (const Shipped &s : systems) {
        present.emplace(s.game, s.row.numbers, s.guarantee);
        bytes += QFileInfo(QDir(kLibrary).filePath(s.name)).size();
        // The list opens the first file whose name holds the row's name: it must be this one.
        EXPECT_EQ(FindSystemFile(files, s.row.cells[data::kColName]), s.name);
    }
    for (int game = 2; game <= 8; ++game) {
        const int largest = game <= 6 ? 20 : 16;
        for (int n = game <= 6 ? 6 : game + 1; n <= largest; ++n) {
            for (int index = 1; index < GuaranteeItems(game).size(); ++index) {
                const int threshold = GuaranteeThreshold(game, index);
                EXPECT_TRUE(present.count({game, n, threshold}))
                    << "game " << game << ", " << n << " numbers, guarantee " << threshold << " is missing";
            }
        }
    }
    EXPECT_LT(bytes, 20 * 1000 * 1000);
}
