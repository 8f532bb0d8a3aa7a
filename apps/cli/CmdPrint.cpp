#include "Commands.h"

#include "base/AppPaths.h"
#include "base/Errors.h"
#include "data/CouponFile.h"
#include "game/Pricing.h"
#include "print/CouponSlips.h"
#include "print/PrintJob.h"
#include "print/SiteLabel.h"
#include "paint/PainterCanvas.h"


namespace taru::cli {

int runPrint(const QStringList &argsIn)
{
    QStringList args = argsIn;
    const AppPaths paths = AppPaths::fromEnvironment(args);
    QString couponPath;
    QString pdfPath;
    bool positions = false;
    int dpi = 600;
    for (int i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("--pdf") || arg == QLatin1String("--dpi")) {
            const QString value = optionValue(args, i);
            if (arg == QLatin1String("--pdf")) {
                pdfPath = value;
            } else {
                bool ok = false;
                dpi = value.toInt(&ok);
                if (!ok || dpi < 72 || dpi > 4800)
                    throw UsageError{QStringLiteral("--dpi expects a whole number from 72 to 4800, not '%1'").arg(value)};
            }
        } else if (arg == QLatin1String("--positions")) {
            positions = true;
        } else {
            takeCouponFile(arg, couponPath);
        }
    }
    if (couponPath.isEmpty())
        throw UsageError{QStringLiteral("which coupon file? print FILE.tru --pdf OUT.pdf [--dpi 600]")};
    if (pdfPath.isEmpty() == !positions)
        throw UsageError{QStringLiteral("give either --pdf OUT.pdf or --positions")};

    const data::CouponFileData file = ReadCouponFileOrReport(couponPath);
    if (!file.valid)
        return 1;
    if (file.count <= 0) {
        err() << "the coupon file holds no coupons\n";
        return 1;
    }
    // Every coupon of a file carries the same value: one column at the file's boxes.
    const double value = data::CouponFileValue(file, LoadColumnPrice());
    const SlipJobSource jobs = CouponFileSlipSource(file, value, 1, file.count);

    const QString printers = paths.existingFolder(kPrintersFolder);
    const QString found = printers.isEmpty() ? QString() : AppPaths::findEntry(printers, kDefaultProfileFile, false);
    const QString profile =
        found.isEmpty() ? paths.root() + QLatin1Char('/') + kPrintersFolder + QLatin1Char('/') + kDefaultProfileFile : found;

    const SlipPrintSettings settings{profile, siteLabel(), QLocale()};
    PrintResult result;
    if (positions) {
        // page, x, y, font size, text: what went where, in device units at the resolution,
        // written as the pages are made (a file may announce millions of coupons).
        RecordingCanvas recording(dpi, dpi, qRound(210.0 / 25.4 * dpi), qRound(297.0 / 25.4 * dpi)); // A4
        int page = 1;
        recording.streamTo([&page](const RecordingCanvas::Call &call) {
            if (call.op == RecordingCanvas::Op::NewPage)
                ++page;
            if (call.op == RecordingCanvas::Op::Text)
                out() << page << '\t' << call.x << '\t' << call.y << '\t' << call.fontSize << '\t' << call.text << '\n';
        });
        result = PrintSlips(recording, jobs, SlipVariant::BFromFile, settings);
    } else {
        PdfCanvas canvas(pdfPath, dpi);
        result = PrintSlips(canvas, jobs, SlipVariant::BFromFile, settings);
    }
    if (result.outcome == PrintOutcome::ProfileFailed) {
        err() << result.error << '\n';
        return 1;
    }
    if (result.outcome == PrintOutcome::PrinterFailed) {
        err() << "printing failed: " << result.error << '\n';
        return 1;
    }
    if (!positions)
        out() << jobs.count << (jobs.count == 1 ? " slip" : " slips") << " -> " << pdfPath << '\n';
    return 0;
}

namespace {
const CommandRegistration registration{QStringLiteral("print"), 60, CommandNeeds::Fonts, runPrint,
                                        R"(  print FILE.tru (--pdf OUT.pdf | --positions) [--dpi 600]
        Every coupon of the file on its own slip, as batch printing prints coupons from a
        file, with Printers/default.tpr of the data folder: one PDF page per slip at the
        given resolution, or (--positions) the texts with their device positions
        (page, x, y, font size, text; tab separated) without printing.
)"};
} // namespace

} // namespace taru::cli
