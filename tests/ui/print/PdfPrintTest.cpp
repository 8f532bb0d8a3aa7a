#include "print/PrintJob.h"
#include "print/ui/QPainterCanvas.h"

#include "TempDir.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace taru;

namespace {

struct Word {
    int page;
    double x, y; // top-left in points
    QString text;
};

// The words of a PDF with their boxes, as poppler's pdftotext sees them.
QList<Word> pdfWords(const QString &pdf, int *pages)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    QList<Word> words;
    int page = 0;
    static const QRegularExpression tag(
        QStringLiteral(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QLatin1String("<page"))) {
            ++page;
            continue;
        }
        words.append(Word{page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
    }
    *pages = page;
    return words;
}

} // namespace

class PdfPrinting : public ::testing::TestWithParam<std::uint8_t> {};

TEST_P(PdfPrinting, OnePagePerSlipWithTheMarksWhereTheLayoutPutThem)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString profilePath = dir.filePath(QStringLiteral("default.tpr"));
    const PrinterProfile profile{.message = "TARU-TEST", .slipTop = "45,5", .markChar = "X", .markSize = 10, .slipPosition = GetParam()};
    ASSERT_TRUE(test::writeAll(profilePath, SerialiseProfile(profile)));

    SlipMarks first;
    first.numbers = QStringLiteral("1,45,80");
    first.games = QStringLiteral("8");
    SlipMarks second;
    second.numbers = QStringLiteral("10,71");
    second.multipliers = QStringLiteral("9");
    const QList<SlipJob> jobs{SlipJob{first, ValueLine{ValueLine::Kind::CouponNumber, {}, 1, 0.5}},
                              SlipJob{second, ValueLine{ValueLine::Kind::CouponNumber, {}, 2, 0.5}}};
    const SlipPrintSettings settings{profilePath, QStringLiteral("SITE"), QLocale::c()};

    const int dpi = 600;
    const QString pdf = dir.filePath(QStringLiteral("slips.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    ui::ConfigurePdfPrinter(printer, pdf, dpi);
    ui::QPainterCanvas canvas(printer);
    ASSERT_EQ(canvas.ppiX(), dpi);
    const PrintResult result = PrintSlips(canvas, jobs, SlipVariant::BFromFile, settings);
    ASSERT_TRUE(result.printed()) << result.error.toStdString();
    EXPECT_EQ(canvas.pageHeight() < canvas.pageWidth(), GetParam() == kSlipLandscape);

    // The layout the same job computes, to compare against.
    const SlipGeometry geometry = *LoadForPrinting(profilePath, dpi, dpi, canvas.pageHeight(), QLocale::c()).geometry;
    int pages = 0;
    const QList<Word> words = pdfWords(pdf, &pages);
    ASSERT_EQ(pages, 2);
    const double toPoints = 72.0 / dpi;
    for (int page = 1; page <= 2; ++page) {
        const SlipLayout layout = LayoutSlip(ParseSlipMarks(jobs[page - 1].marks), geometry, SlipVariant::BFromFile, {});
        const QList<SlipItem> marks = layout.marks();
        const auto onPage = [&](auto &&matches) {
            return std::count_if(words.begin(), words.end(), [&](const Word &w) { return w.page == page && matches(w); });
        };
        EXPECT_EQ(onPage([](const Word &w) { return w.text == QLatin1String("X"); }), marks.size()) << "page " << page;
        for (const SlipItem &mark : marks) {
            // Within half a millimetre: the glyph's side bearing and the font's ascent.
            EXPECT_EQ(onPage([&](const Word &w) {
                          return w.text == QLatin1String("X") && std::abs(w.x - mark.x * toPoints) < 1.5 &&
                                 std::abs(w.y - mark.y * toPoints) < 1.5;
                      }),
                      1)
                << "page " << page << " mark " << mark.index << " at " << mark.x * toPoints << "," << mark.y * toPoints;
        }
        EXPECT_GE(onPage([&](const Word &w) { return w.text == QString::number(page); }), 1) << page; // "Δελ. n"
    }
}

INSTANTIATE_TEST_SUITE_P(SlipPositions, PdfPrinting, ::testing::Values(kSlipPortrait, kSlipLandscape),
                         [](const ::testing::TestParamInfo<std::uint8_t> &info) {
                             return std::string(info.param == kSlipLandscape ? "Landscape" : "Portrait");
                         });

TEST(PdfPrintingProfile, AbortedDocumentLeavesNoFile)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("aborted.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    ui::ConfigurePdfPrinter(printer, pdf, 300);
    ui::QPainterCanvas canvas(printer);
    canvas.beginDocument();
    canvas.textOut(100, 100, QStringLiteral("X"));
    canvas.abortDocument();
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_THROW(canvas.textOut(1, 1, QStringLiteral("X")), PrinterError); // no document any more
}
