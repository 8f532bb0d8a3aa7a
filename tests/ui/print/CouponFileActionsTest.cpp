#include "PreviewFixture.h"
#include "TestValues.h"

#include "data/CouponFile.h"
#include "draws/DrawsFile.h"
#include "print/ui/BacktestDlg.h"
#include "print/ui/CouponFileActions.h"
#include "print/ui/GuaranteeCheckDlg.h"
#include "print/ui/HolesDlg.h"
#include "print/ui/PrnPrevDeltiaFrm.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"
#include "systems/Odds.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

using namespace taru;
using namespace taru::test;

namespace {

const QString kFileName = QStringLiteral("ΧΕΙΡΟΠΟΙΗΤΟ.tru");
const QString kProgram = QStringLiteral("TARU");

// Every G-subset of the pool in lexicographic order; the holes are those sharing fewer than T
// numbers with every coupon.
struct Brute {
    std::int64_t total = 0;
    QStringList holes;
};
Brute bruteForce(const std::vector<std::vector<int>> &coupons, const std::vector<int> &pool, int game, int threshold)
{
    Brute out;
    std::vector<int> subset;
    std::function<void(std::size_t)> walk = [&](std::size_t from) {
        if (static_cast<int>(subset.size()) == game) {
            ++out.total;
            const bool covered = std::any_of(coupons.begin(), coupons.end(), [&](const std::vector<int> &coupon) {
                return std::count_if(subset.begin(), subset.end(), [&](int n) {
                           return std::find(coupon.begin(), coupon.end(), n) != coupon.end();
                       }) >= threshold;
            });
            if (!covered) {
                QStringList numbers;
                for (const int n : subset)
                    numbers << QString::number(n);
                out.holes << numbers.join(QLatin1Char(' '));
            }
            return;
        }
        for (std::size_t i = from; i < pool.size(); ++i) {
            subset.push_back(pool[i]);
            walk(i + 1);
            subset.pop_back();
        }
    };
    walk(0);
    return out;
}

// {1..5} hits 5 in every draw; {5,21,22,60,80} hits 1, 3 and 2.
const std::vector<std::vector<int>> kTwoCoupons{{1, 2, 3, 4, 5}, {5, 21, 22, 60, 80}};

class CouponFileActionsTest : public PreviewTest {
protected:
    CouponFileActionsTest()
        : preview(ui::FeatureWindows::as<ui::TPrnPrevDeltiaFrm>(windows.PrnPrevDeltiaFrm))
        , actions(preview->Actions)
    {
    }

    void load(const std::vector<std::vector<int>> &coupons, int announced = -1)
    {
        std::vector<QStringList> lines;
        for (const auto &coupon : coupons) {
            QStringList items;
            for (const int n : coupon)
                items << QString::number(n);
            lines.push_back(items);
        }
        const int count = announced < 0 ? static_cast<int>(lines.size()) : announced;
        const QString path = deltia(kFileName);
        ASSERT_TRUE(writeAll(path, data::CouponFileBytes(count, 5, QString(), 0, 0, lines)));
        ASSERT_TRUE(preview->loadCouponFile(path));
        preview->show();
    }
    void writeDraws(const QByteArray &bytes)
    {
        ASSERT_TRUE(writeAll(data.path() + QStringLiteral("/Nikitries.nik"), bytes));
    }
    void writeThreeDraws()
    {
        const std::vector<std::vector<int>> numbers{
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20},
            {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25, 31, 32, 33, 34, 35},
            {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 71, 72, 73, 74, 75, 76, 77, 78, 79, 80}};
        std::vector<draws::DrawEntry> entries;
        for (std::size_t d = 0; d < numbers.size(); ++d) {
            draws::DrawEntry entry;
            entry.sequence = QString::number(d + 1);
            entry.drawNumber = QString::number(1001 + d);
            entry.date = QStringLiteral("0%1/01/2026").arg(5 + d);
            for (std::size_t i = 0; i < numbers[d].size(); ++i)
                entry.numbers[i] = QString::number(numbers[d][i]);
            entries.push_back(entry);
        }
        writeDraws(draws::DrawsFileBytes(entries));
    }
    // Runs work inside the next modal dialog of type Dialog, then closes it.
    template <typename Dialog>
    void whileShown(QPushButton *button, std::function<void(Dialog &)> work)
    {
        bool shown = false;
        QTimer::singleShot(0, preview, [&] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            ASSERT_TRUE(dialog);
            shown = true;
            work(*dialog);
            dialog->accept();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_TRUE(shown);
    }
    QString cell(const QTableWidget *table, int row, int column) const
    {
        const QTableWidgetItem *item = table->item(row, column);
        return item ? item->text() : QString();
    }

    ui::TPrnPrevDeltiaFrm *preview;
    ui::CouponFileActions *actions;
};

} // namespace

// A hand-made file: the result and the holes of each choice are those a brute force finds.
TEST_F(CouponFileActionsTest, TheGuaranteeCheckOfAHandMadeFile)
{
    const std::vector<std::vector<int>> coupons{{1, 2, 3, 4, 5}, {4, 5, 6, 7, 8}, {1, 2, 6, 7, 8}};
    load(coupons, 5); // two empty coupons announced past the lines
    const struct {
        int game, threshold;
        QString pool;
        std::vector<int> numbers;
    } cases[] = {
        {5, 4, QStringLiteral("1-8"), {1, 2, 3, 4, 5, 6, 7, 8}},
        {5, 3, QStringLiteral("1-8"), {1, 2, 3, 4, 5, 6, 7, 8}},
        {4, 3, QStringLiteral("1-9, 12"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 12}},
        {3, 3, QStringLiteral("2 4 6 8 10"), {2, 4, 6, 8, 10}},
    };
    whileShown<ui::TGuaranteeCheckDlg>(actions->BtnGuarantee, [&](ui::TGuaranteeCheckDlg &dialog) {
        // Preset to the file's game, one below it and the numbers the file uses.
        EXPECT_EQ(dialog.SpnGame->value(), 5);
        EXPECT_EQ(dialog.SpnThreshold->value(), 4);
        EXPECT_EQ(dialog.EdtPool->text(), QStringLiteral("1-8"));
        EXPECT_EQ(dialog.LblPromise->text(), QStringLiteral("Αν έρθουν 5 από τους 8 αριθμούς, μια στήλη έχει τουλάχιστον 4"));
        for (const auto &c : cases) {
            dialog.SpnGame->setValue(c.game);
            dialog.SpnThreshold->setValue(c.threshold);
            dialog.EdtPool->setText(c.pool);
            QTest::mouseClick(dialog.BtnCheck, Qt::LeftButton);
            QTRY_VERIFY(!dialog.checking());
            const Brute expected = bruteForce(coupons, c.numbers, c.game, c.threshold);
            const GuaranteeCheckResult &result = dialog.result();
            EXPECT_EQ(result.total, expected.total) << c.pool.toStdString();
            EXPECT_EQ(result.holeCount(), expected.holes.size()) << c.pool.toStdString();
            EXPECT_EQ(dialog.Holes->lines(), expected.holes) << c.pool.toStdString();
            EXPECT_EQ(dialog.LblResult->text(), GuaranteeCheckText(result));
            const int n = static_cast<int>(c.numbers.size());
            EXPECT_EQ(dialog.LblOdds->text(), OddsText(n, c.game, OddsOfGame(n, c.game)));
            EXPECT_TRUE(dialog.BtnCheck->isEnabled());
        }
    });
}

TEST_F(CouponFileActionsTest, ChoicesThatCannotBeCheckedAreNamed)
{
    load({{1, 2, 3, 4, 5}});
    const struct {
        int game, threshold;
        QString pool;
        QString message;
    } cases[] = {
        // A pool that does not read, and one too small for the game (each kind is listed in the core tests).
        {5, 4, QStringLiteral("1-x"), QStringLiteral("Μη έγκυρος αριθμός: «1-x»")},
        {5, 4, QStringLiteral("1-4"), QStringLiteral("Χρειάζονται τουλάχιστον 5 αριθμοί για παιχνίδι 5 (δόθηκαν 4)")},
    };
    whileShown<ui::TGuaranteeCheckDlg>(actions->BtnGuarantee, [&](ui::TGuaranteeCheckDlg &dialog) {
        for (const auto &c : cases) {
            dialog.SpnGame->setValue(c.game);
            dialog.SpnThreshold->setValue(c.threshold);
            dialog.EdtPool->setText(c.pool);
            prompts.expectMessage(c.message, kProgram);
            QTest::mouseClick(dialog.BtnCheck, Qt::LeftButton);
            EXPECT_FALSE(dialog.checking());
            EXPECT_TRUE(dialog.LblResult->text().isEmpty());
        }
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
    });
    // The threshold never goes above the game.
    whileShown<ui::TGuaranteeCheckDlg>(actions->BtnGuarantee, [&](ui::TGuaranteeCheckDlg &dialog) {
        dialog.SpnThreshold->setValue(5);
        dialog.SpnGame->setValue(3);
        EXPECT_EQ(dialog.SpnThreshold->value(), 3);
    });
}

// Two coupons against three draws, counted by hand, and printed on the program's printer.
TEST_F(CouponFileActionsTest, TheHistoryOfTwoCouponsOverThreeDraws)
{
    load(kTwoCoupons);
    writeThreeDraws();
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("history.pdf"));
    ui::ConfigurePdfPrinter(ui::ProgramPrinter(), pdf, 150);

    whileShown<ui::TBacktestDlg>(actions->BtnHistory, [&](ui::TBacktestDlg &dialog) {
        QTRY_VERIFY(!dialog.running());
        const QTableWidget *table = dialog.TblHits;
        ASSERT_EQ(table->rowCount(), 6);
        const struct {
            const char *hits, *count, *best;
        } rows[] = {{"5 επιτυχίες", "3", "1"}, {"4 επιτυχίες", "0", "0"}, {"3 επιτυχίες", "1", "1"},
                    {"2 επιτυχίες", "1", "0"}, {"1 επιτυχία", "1", "0"},  {"0 επιτυχίες", "0", "0"}};
        for (int r = 0; r < 6; ++r) {
            EXPECT_EQ(cell(table, r, 0), QString::fromUtf8(rows[r].hits)) << r;
            EXPECT_EQ(cell(table, r, 1), QString::fromUtf8(rows[r].count)) << r;
            EXPECT_EQ(cell(table, r, 3), QString::fromUtf8(rows[r].best)) << r;
        }
        EXPECT_EQ(dialog.LblBest->text(), QStringLiteral("Καλύτερη κλήρωση: 1002 της 06/01/2026 (1 στήλη με 5 επιτυχίες)"));
        EXPECT_EQ(dialog.LblSummary->text(),
                  QStringLiteral("2 στήλες των 5 αριθμών σε 3 κληρώσεις: 6 έλεγχοι στήλης με κλήρωση"));
        EXPECT_EQ(dialog.LblRange->text(), QStringLiteral("Κληρώσεις 1001 (05/01/2026) έως 1003 (07/01/2026)"));
        EXPECT_EQ(dialog.LblFile->text(), QStringLiteral("ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: ") + kFileName);
        ASSERT_TRUE(dialog.BtnPrint->isEnabled());
        prompts.expectPrintDialog(false); // cancelled: nothing printed
        QTest::mouseClick(dialog.BtnPrint, Qt::LeftButton);
        EXPECT_FALSE(QFileInfo::exists(pdf));
        prompts.expectPrintDialog(true);
        QTest::mouseClick(dialog.BtnPrint, Qt::LeftButton);
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
    });

    ASSERT_TRUE(QFileInfo::exists(pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished());
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    for (const QString &expected : {QStringLiteral("ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: ") + kFileName, QStringLiteral("5 επιτυχίες"),
                                    QStringLiteral("Καλύτερη κλήρωση: 1002")})
        EXPECT_TRUE(printed.contains(expected)) << expected.toStdString() << "\n" << printed.toStdString();
}

// What stops the history before it starts, each with its message; the file is left as it was.
TEST_F(CouponFileActionsTest, TheHistoryNeedsCouponsAndAReadableDrawsFile)
{
    const struct {
        std::vector<std::vector<int>> coupons;
        std::optional<QByteArray> draws; // no file at all when empty
        QString message;
        QString caption;
    } cases[] = {
        {kTwoCoupons, std::nullopt, QStringLiteral("Δεν βρέθηκε το αρχείο των Νικητριών (Nikitries.nik)"), kProgram},
        {kTwoCoupons, QByteArray(), QStringLiteral("Το αρχείο των Νικητριών δεν έχει κληρώσεις"), kProgram},
        // The reader's own message (it names the file and the line).
        {kTwoCoupons, QByteArray("1,1001,05/01/2026,1,2,x,4\r\n"), QString(), draws::kDrawsErrorCaption},
        {{}, QByteArray(), QStringLiteral("Το αρχείο δεν έχει δελτία για έλεγχο"), kProgram},
    };
    const QString path = data.path() + QStringLiteral("/Nikitries.nik");
    for (const auto &c : cases) {
        load(c.coupons, 3);
        QFile::remove(path);
        if (c.draws)
            writeDraws(*c.draws);
        const QString message = c.message.isEmpty() ? draws::ReadDrawsFile(path).message() : c.message;
        EXPECT_TRUE(!c.message.isEmpty() || message.startsWith(draws::kDrawsReadError + QLatin1Char('\n')));
        prompts.expectMessage(message, c.caption);
        QTest::mouseClick(actions->BtnHistory, Qt::LeftButton);
        EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
        EXPECT_FALSE(actions->HistoryDlg->isVisible());
        if (c.draws) {
            EXPECT_EQ(readAll(path), *c.draws);
        }
    }
    // No coupons: the guarantee check says the same.
    prompts.expectMessage(QStringLiteral("Το αρχείο δεν έχει δελτία για έλεγχο"), kProgram);
    QTest::mouseClick(actions->BtnGuarantee, Qt::LeftButton);
}
