#include "TempDir.h"
#include "TestValues.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "systems/Conditions.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;
using taru::test::col;

namespace {

ColumnConditions withRow(int row, const QString &from, const QString &to)
{
    ConditionEntries entries;
    entries.row(row) = {from, to};
    return ColumnConditions::fromEntries(entries);
}

bool passes(const ColumnConditions &conditions, const std::vector<std::uint8_t> &column)
{
    bool stop = false;
    const bool result = ColumnPassesConditions(conditions, column, stop);
    EXPECT_FALSE(stop);
    return result;
}

} // namespace

// The neutral ranges and clamps show in the conditions file and in the clamping cases below.
TEST(ConditionTable, TheSumIsSpelledWithALatinAAndRowsOutsideTheTableAreRefused)
{
    EXPECT_EQ(ConditionTable()[0].name, "AΘΡΟΙΣΜΑ");
    EXPECT_EQ(ConditionTable()[0].name.at(0), QChar(u'A')); // Latin, not Greek capital alpha
    EXPECT_THROW(ConditionOf(0), RangeError);
    EXPECT_THROW(ConditionOf(9), RangeError);
    EXPECT_TRUE(ColumnConditions::fromEntries(ConditionEntries()).testsNothing());
}

TEST(LoadConditionLimits, GridCellsMustBeIntegersSetEditsTurnOff)
{
    ConditionEntries entries;
    entries.row(kOddRow) = {"2", " 5 "};
    entries.sets[0] = {"1,2,3", "1", "2"};
    entries.sets[1] = {"4,5", "x", "2"};
    entries.sets[2] = {"6", "1", ""};
    const ConditionLimits limits = LoadConditionLimits(entries);
    // The sum as reset, the odd row as typed; a set with a bad edit or an empty one is off.
    for (const auto &[index, from, to] : {std::tuple{0, 1, 894}, {1, 2, 5}, {8, 1, 2}, {9, 0, 0}, {10, 0, 0}})
        EXPECT_EQ(std::pair(limits.from[index], limits.to[index]), std::pair(from, to)) << index;

    for (const QString bad : {"", "abc", "1.5", "7-"}) {
        ConditionEntries broken;
        broken.row(kRangeRow).to = bad;
        EXPECT_THROW(LoadConditionLimits(broken), ConversionError) << bad.toStdString();
    }
}

TEST(ColumnPassesConditions, EachMeasure)
{
    struct Case { int row; QString from, to; std::vector<std::uint8_t> column; bool expected; };
    const Case cases[] = {
        // Sum: 1..893 rejects exactly a sum of 894 (the twelve largest numbers).
        {kSumRow, "1", "893", col({69, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}), false},
        {kSumRow, "1", "893", col({68, 70, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}), true},
        {kSumRow, "10", "15", col({1, 2, 6}), false},
        {kSumRow, "10", "15", col({1, 2, 7}), true},
        {kOddRow, "2", "2", col({1, 3, 4}), true},
        {kOddRow, "2", "2", col({1, 3, 5}), false},
        {kEvenRow, "0", "0", col({1, 3, 5}), true},
        {kEvenRow, "1", "12", col({1, 3, 5}), false},
        // 10, 20, 30: one final digit ("0"), three right numbers, no left one.
        {kFinalDigitsRow, "1", "1", col({10, 20, 30}), true},
        {kFinalDigitsRow, "2", "12", col({10, 20, 30}), false},
        {kRightRow, "3", "3", col({10, 20, 30}), true},
        {kLeftRow, "1", "12", col({10, 20, 30}), false},
        {kLeftRow, "2", "2", col({5, 6, 15}), true},
        {kRightRow, "2", "12", col({5, 6, 15}), false},
        // Decades 1-10, 11-20, ...: 10 and 11 are in different decades, 11 and 20 in the same one.
        {kDecadesRow, "2", "2", col({10, 11, 20}), true},
        {kDecadesRow, "3", "8", col({10, 11, 20}), false},
        {kDecadesRow, "8", "8", col({1, 11, 21, 31, 41, 51, 61, 71}), true},
        {kRangeRow, "0", "78", col({1, 80}), false},
        {kRangeRow, "79", "79", col({1, 80}), true},
        {kRangeRow, "0", "0", col({42}), true},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(passes(withRow(c.row, c.from, c.to), c.column), c.expected)
            << "row " << c.row << " " << c.from.toStdString() << ".." << c.to.toStdString();
    }
    // The neutral range is not a test at all: 1..894 lets everything through.
    EXPECT_TRUE(withRow(kSumRow, "1", "894").testsNothing());
}

TEST(ColumnPassesConditions, RequiredSetsAreComparedAsTexts)
{
    ConditionEntries entries;
    entries.sets[0] = {"5,17, 23,023,40", "2", "3"}; // " 23" and "023" never match 23
    const ColumnConditions set = ColumnConditions::fromEntries(entries);
    EXPECT_TRUE(passes(set, col({5, 17, 23})));
    EXPECT_FALSE(passes(set, col({5, 23, 30})));
    EXPECT_TRUE(passes(set, col({5, 17, 40})));

    // From and to both 0: the set is off, there is no way to ask for none of its numbers.
    entries.sets[0] = {"5,17", "0", "0"};
    EXPECT_TRUE(ColumnConditions::fromEntries(entries).testsNothing());
    // An empty label is off whatever its range.
    entries.sets[0] = {"", "1", "3"};
    EXPECT_TRUE(ColumnConditions::fromEntries(entries).testsNothing());
    // From 0 with a to above it is a real test: at most one of them.
    entries.sets[3] = {"1,2,3", "0", "1"};
    const ColumnConditions atMostOne = ColumnConditions::fromEntries(entries);
    EXPECT_TRUE(passes(atMostOne, col({1, 9})));
    EXPECT_FALSE(passes(atMostOne, col({1, 3})));
}

TEST(ColumnPassesConditions, ImpossibleMinimumsRaiseTheStopWhereTheirTestStands)
{
    ConditionEntries oddEven;
    oddEven.row(kSumRow) = {"10", "894"};
    oddEven.row(kOddRow) = {"7", "12"};
    oddEven.row(kEvenRow) = {"6", "12"};
    ConditionEntries leftRight;
    leftRight.row(kEvenRow) = {"1", "12"};
    leftRight.row(kLeftRow) = {"6", "12"};
    leftRight.row(kRightRow) = {"7", "7"};
    // The first column fails an earlier test (the sum, the even count) and raises nothing.
    struct Case { ConditionEntries entries; std::vector<std::uint8_t> failsEarlier, reachesIt; };
    for (const Case &c : {Case{oddEven, col({1, 2, 3}), col({1, 2, 30})}, Case{leftRight, col({1, 3, 5}), col({1, 3, 6})}}) {
        const ColumnConditions conditions = ColumnConditions::fromEntries(c.entries);
        EXPECT_TRUE(conditions.impossibleMinimum());
        bool stop = false;
        EXPECT_FALSE(ColumnPassesConditions(conditions, c.failsEarlier, stop));
        EXPECT_FALSE(stop);
        EXPECT_FALSE(ColumnPassesConditions(conditions, c.reachesIt, stop));
        EXPECT_TRUE(stop);
    }
    // Exactly 12 is possible and raises nothing.
    ConditionEntries twelve;
    twelve.row(kOddRow) = {"6", "12"};
    twelve.row(kEvenRow) = {"6", "12"};
    EXPECT_FALSE(ColumnConditions::fromEntries(twelve).impossibleMinimum());
}

TEST(ValidateConditionRow, ClampsTheEditedCellThenRaisesTo)
{
    struct Case { int row, column; QString from, to; QString expectedFrom, expectedTo; bool active; };
    const Case cases[] = {
        {kSumRow, 2, "1", "950", "1", "900", true},
        {kSumRow, 1, "950", "894", "900", "900", true},
        {kOddRow, 2, "7", "3", "7", "7", true},
        {kOddRow, 1, "7", "3", "7", "7", true},
        {kOddRow, 2, "0", "13", "0", "12", false},
        {kDecadesRow, 1, "0", "8", "1", "8", false},
        {kFinalDigitsRow, 1, "0", "12", "1", "12", false},
        {kRangeRow, 2, "5", "99", "5", "79", true},
        // Only the edited cell is clamped: an out-of-range from stays when to is edited.
        {kDecadesRow, 2, "0", "5", "0", "5", true},
        // Invalid texts stay as typed and the comparison is skipped.
        {kSumRow, 2, "1", "", "1", "", true},
        {kSumRow, 1, "12a", "5", "12a", "5", true},
        {kSumRow, 2, "x", "1000", "x", "900", true},
    };
    for (const Case &c : cases) {
        QString from = c.from;
        QString to = c.to;
        ValidateConditionRow(c.row, c.column, from, to);
        EXPECT_EQ(QStringList({from, to}), QStringList({c.expectedFrom, c.expectedTo})) << c.row << " " << c.from.toStdString() << ".." << c.to.toStdString();
        EXPECT_EQ(IsConditionActive(c.row, from, to), c.active) << c.row;
    }
    EXPECT_FALSE(IsConditionActive(kSumRow, "1", "894"));
    EXPECT_TRUE(IsConditionActive(kSumRow, "1", "893"));
    EXPECT_FALSE(IsConditionActive(kRangeRow, "0", "79"));
}

namespace {

ConstructorSetup sampleSetup()
{
    ConstructorSetup setup;
    for (int n : {1, 5, 17, 23, 80})
        setup.board[n - 1] = true;
    setup.gameText = "5";
    setup.guaranteeText = "100%  5 ή 4αρι(α)";
    setup.expansionText = "5αδες";
    setup.conditions.sets[0] = {"5,17,23", "1", "2"};
    setup.conditions.sets[2] = {"80", "0", "1"};
    setup.conditions.row(kSumRow) = {"100", "250"};
    setup.conditions.row(kOddRow) = {"7", "7"};
    return setup;
}

} // namespace

TEST(ConditionsFile, ExactBytesAndRoundTrip)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("system.dlv");
    SaveConditions(path, sampleSetup());
    const QByteArray expected = QByteArray("1,5,17,23,80\r\n5\r\n") +
                                // "100%  5 ή 4αρι(α)" in the Greek code page
                                "100%  5 \xde 4\xe1\xf1\xe9(\xe1)\r\n" + "5\xe1\xe4\xe5\xf2\r\n" +
                                "5,17,23\r\n1\r\n2\r\n\r\n0\r\n0\r\n80\r\n0\r\n1\r\n\r\n0\r\n0\r\n" +
                                "100,250\r\n7,7\r\n0,12\r\n0,12\r\n0,12\r\n1,12\r\n1,8\r\n0,79\r\n";
    EXPECT_EQ(test::readAll(path), expected);
    EXPECT_EQ(LoadConditions(path), sampleSetup());

    // A reset window saves and loads as itself.
    SaveConditions(path, ConstructorSetup());
    EXPECT_EQ(textfile::readLines(path).size(), 24);
    EXPECT_EQ(LoadConditions(path), ConstructorSetup());
    EXPECT_EQ(SystemNameOfConditionsFile(dir.filePath("My.system.dlv")), "My");
}

TEST(ConditionsFile, ShortFilesAndLooseGridLines)
{
    // Seven lines: the rest stays as after a reset.
    QStringList lines{"3,x,07,7,81", "6", "100% 6αρι", "6αδες", "1,2", "1", "1"};
    ConstructorSetup loaded = ConditionsFromLines(lines);
    ConstructorSetup expected;
    expected.board[2] = expected.board[6] = true; // "07" and "81" mark nothing
    expected.gameText = "6";
    expected.guaranteeText = "100% 6αρι";
    expected.expansionText = "6αδες";
    expected.conditions.sets[0] = {"1,2", "1", "1"};
    EXPECT_EQ(loaded, expected);

    // Grid lines: split at the first comma, the second part trimmed, nothing validated.
    lines = QStringList(16, QString());
    lines << " 20 , 300 " << "1,2,3" << "abc" << "" << "0,12" << "0,12" << "1,12" << "1,8" << "9,9";
    loaded = ConditionsFromLines(lines);
    EXPECT_EQ(loaded.conditions.row(kSumRow), (ConditionGridRow{" 20 ", "300"}));
    EXPECT_EQ(loaded.conditions.row(kOddRow), (ConditionGridRow{"1", "2,3"}));
    EXPECT_EQ(loaded.conditions.row(kEvenRow), (ConditionGridRow{"", "abc"}));
    EXPECT_EQ(loaded.conditions.row(kLeftRow), (ConditionGridRow{"", ""}));
    EXPECT_EQ(loaded.conditions.row(kRangeRow), (ConditionGridRow{"1", "8"})); // the ninth line has no row
    EXPECT_EQ(loaded.conditions.sets[0], (RequiredNumberSet{"", "", ""}));     // empty lines are kept as they are

    EXPECT_THROW(LoadConditions(QStringLiteral("/nonexistent/folder/x.dlv")), FileError);
}

// Game 13 with its message: cli.safety_construct_damaged_conditions.
TEST(ConditionsFile, AnUnknownGameOrGuaranteeIsADamagedFile)
{
    struct Case {
        const char *game;
        const char *guarantee;
        const char *reason; // nullptr: the file is sound
    };
    const Case cases[] = {
        {"", "", nullptr},                  // saved before a game was chosen
        {"12", "100%  12 ή 11αρι(α)", nullptr},
        {"0", "", "παιχνίδι \"0\" αντί για 1 έως 12"},
        {"05", "100%  5αρι", "παιχνίδι \"05\" αντί για 1 έως 12"},
        {"5", "", "εγγύηση \"\" που δεν υπάρχει στο παιχνίδι 5"},
        {"5", "100% 6αρι", "εγγύηση \"100% 6αρι\" που δεν υπάρχει στο παιχνίδι 5"},
        {"", "100%  5αρι", "εγγύηση \"100%  5αρι\" χωρίς παιχνίδι"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath("damaged.dlv");
    for (const Case &c : cases) {
        ConstructorSetup setup = sampleSetup();
        setup.gameText = QString::fromUtf8(c.game);
        setup.guaranteeText = QString::fromUtf8(c.guarantee);
        SaveConditions(path, setup);
        if (!c.reason) {
            EXPECT_EQ(LoadConditions(path), setup) << c.game;
            continue;
        }
        try {
            LoadConditions(path);
            ADD_FAILURE() << "loaded " << c.game << " / " << c.guarantee;
        } catch (const FileError &e) {
            EXPECT_EQ(e.message(), kDamagedConditionsFile + QDir::toNativeSeparators(path) + " (" +
                                       QString::fromUtf8(c.reason) + ")");
        }
    }
}
