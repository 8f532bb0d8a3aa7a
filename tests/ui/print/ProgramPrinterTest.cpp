#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"

#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;
using namespace taru::test;

namespace {

class ProgramPrinterTest : public ::testing::Test {
protected:
    ProgramPrinterTest()
        : context(AppPaths(data.path()), prompts)
        , printer(QPrinter::HighResolution)
    {
        ui::ConfigurePdfPrinter(printer, data.filePath(QStringLiteral("out.pdf")), 300);
    }
    QString missingProfileMessage() const
    {
        return QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο. Cannot open file \"") + data.path() +
               QStringLiteral("/Printers/default.tpr\". No such file or directoryFileError");
    }
    QList<SlipJob> oneCoupon(const QString &numbers) const
    {
        SlipMarks marks;
        marks.numbers = numbers;
        return {SlipJob{marks, ValueLine{ValueLine::Kind::CouponNumber, {}, 1, 0.5}}};
    }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    ui::AppContext context;
    QPrinter printer;
};

} // namespace

TEST_F(ProgramPrinterTest, WithoutTheProfileSlipsAndReportsShowTheLoadErrorAndPrintNothing)
{
    prompts.expectMessage(missingProfileMessage(), QStringLiteral("Σφάλμα"));
    const PrintResult result = ui::PrintSlipJobs(context, nullptr, printer, SlipJobSource::of(oneCoupon(QStringLiteral("5"))), SlipVariant::A);
    EXPECT_EQ(result.outcome, PrintOutcome::ProfileFailed);
    prompts.expectMessage(missingProfileMessage(), QStringLiteral("Σφάλμα"));
    EXPECT_FALSE(ui::PrintConstructorReportJob(context, nullptr, printer, ConstructorReport{}));
    EXPECT_TRUE(prompts.done()) << prompts.pending().toStdString();
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("out.pdf"))));
}

TEST_F(ProgramPrinterTest, ABadListStopsBeforeAnyPromptOrPage)
{
    ASSERT_TRUE(writeAll(data.path() + QStringLiteral("/Printers/default.tpr"), SerialiseProfile(PrinterProfile{})));
    EXPECT_THROW(ui::PrintSlipJobs(context, nullptr, printer, SlipJobSource::of(oneCoupon(QStringLiteral("81"))), SlipVariant::A), RangeError);
    EXPECT_FALSE(QFile::exists(data.filePath(QStringLiteral("out.pdf"))));
}

TEST_F(ProgramPrinterTest, SlipsAndReportsPrintWithTheDefaultProfileFoundWhateverItsCase)
{
    ASSERT_TRUE(writeAll(data.path() + QStringLiteral("/printers/DEFAULT.TPR"), SerialiseProfile(PrinterProfile{})));
    const PrintResult result = ui::PrintSlipJobs(context, nullptr, printer, SlipJobSource::of(oneCoupon(QStringLiteral("5,80"))), SlipVariant::A);
    EXPECT_TRUE(result.printed()) << result.error.toStdString();
    EXPECT_GT(readAll(data.filePath(QStringLiteral("out.pdf"))).size(), 100);

    QFile::remove(data.filePath(QStringLiteral("out.pdf")));
    LibraryReport report;
    report.systemName = QStringLiteral("S");
    report.numberLines = {QStringLiteral("1 2 3")};
    report.playerSlip.numbers = QStringLiteral("1,2,3");
    EXPECT_TRUE(ui::PrintLibraryReportJob(context, nullptr, printer, report));
    EXPECT_GT(readAll(data.filePath(QStringLiteral("out.pdf"))).size(), 100);
}
