#include "print/PrintJob.h"

#include "game/Pricing.h"


namespace taru {

ProfileLoad LoadProfileForJob(const QString &profilePath, PrintCanvas &canvas, const QLocale &locale)
{
    const int ppiX = canvas.ppiX();
    const int ppiY = canvas.ppiY();
    const std::optional<QByteArray> read = ReadProfileBytes(profilePath);
    if (!read)
        return LoadForPrinting(profilePath, ppiX, ppiY, 0, locale); // reports why it cannot be read
    const QByteArray &bytes = *read;
    // The page height depends on the orientation the profile asks for.
    if (const auto profile = ParseProfile(bytes))
        canvas.setOrientation(OrientationOf(profile->slipPosition));
    ProfileLoad load = LoadForPrinting(bytes, ppiX, ppiY, canvas.pageHeight(), locale);
    if (load.ok() && load.geometry->bold)
        canvas.setFontStyle(FontStyle{true, false});
    return load;
}

SlipJobSource SlipJobSource::of(const QList<SlipJob> &jobs)
{
    return SlipJobSource{static_cast<int>(jobs.size()), [jobs](int index) { return jobs.at(index); }};
}

std::optional<SlipItem> FirstItemOutsidePage(const SlipLayout &layout, int pageWidth, int pageHeight)
{
    for (const SlipItem &item : layout.items) {
        if (item.x < 0 || item.y < 0 || item.x >= pageWidth || item.y >= pageHeight)
            return item;
    }
    return std::nullopt;
}

namespace {

QString itemName(const SlipItem &item)
{
    switch (item.block) {
    case SlipBlock::Message:
        return QStringLiteral("το μήνυμα «%1»").arg(item.text);
    case SlipBlock::ValueLine:
        return QStringLiteral("η γραμμή της αξίας");
    case SlipBlock::GameBoxes:
        return QStringLiteral("το κουτί του παιχνιδιού %1").arg(gameOfBox(item.index));
    case SlipBlock::Numbers:
        return QStringLiteral("ο αριθμός %1").arg(item.index);
    case SlipBlock::Draws: {
        const int column = item.index / 10;
        const int row = item.index % 10;
        if (column >= 1 && column <= kDrawColumns && row >= 0 && row < kDrawRows)
            return QStringLiteral("το κουτί των %1 διαδοχικών κληρώσεων")
                .arg(kDrawValues[static_cast<std::size_t>(column - 1)][static_cast<std::size_t>(row)]);
        return QStringLiteral("το κουτί των διαδοχικών κληρώσεων");
    }
    case SlipBlock::Multipliers:
        if (item.index >= 1 && item.index <= kMultiplierBoxCount)
            return QStringLiteral("το κουτί του πολλαπλασιαστή x%1").arg(kMultiplierValues[static_cast<std::size_t>(item.index - 1)]);
        return QStringLiteral("ένα κουτί πολλαπλασιαστή");
    }
    return QString();
}

} // namespace

QString OutsidePageQuestion(const ItemOutsidePage &found)
{
    return QStringLiteral("Στο δελτίο %1, %2 πέφτει έξω από τη σελίδα του εκτυπωτή (θέση %3, %4 σε σελίδα %5 x %6).\n"
                          "Να συνεχίσω την εκτύπωση;")
        .arg(found.slip)
        .arg(itemName(found.item))
        .arg(found.item.x)
        .arg(found.item.y)
        .arg(found.pageWidth)
        .arg(found.pageHeight);
}

PrintResult PrintSlips(PrintCanvas &canvas, const SlipJobSource &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings, const SlipPrintHooks &hooks)
{
    for (int i = 0; i < jobs.count; ++i)
        ParseSlipMarks(jobs.job(i).marks);

    const ProfileLoad load = LoadProfileForJob(settings.profilePath, canvas, settings.locale);
    if (!load.ok())
        return PrintResult{PrintOutcome::ProfileFailed, load.error};

    const auto layout = [&](const SlipJob &job) {
        const QString valueText = ValueLineText(job.valueLine, settings.siteLabel, settings.locale);
        return LayoutSlip(ParseSlipMarks(job.marks), *load.geometry, variant, valueText);
    };
    if (hooks.outsidePage) {
        const int width = canvas.pageWidth();
        const int height = canvas.pageHeight();
        for (int i = 0; i < jobs.count; ++i) {
            const SlipJob job = jobs.job(i);
            if (const std::optional<SlipItem> item = FirstItemOutsidePage(layout(job), width, height)) {
                const int slip = job.valueLine.kind == ValueLine::Kind::CouponNumber ? job.valueLine.couponNumber : i + 1;
                if (!hooks.outsidePage(ItemOutsidePage{slip, *item, width, height}))
                    return PrintResult{PrintOutcome::Cancelled, QString()};
                break;
            }
        }
    }

    bool started = false;
    try {
        canvas.beginDocument();
        started = true;
        for (int i = 0; i < jobs.count; ++i) {
            if (i > 0)
                canvas.newPage();
            RenderSlip(canvas, layout(jobs.job(i)));
            if (hooks.afterPage && !hooks.afterPage(i))
                break;
        }
        canvas.endDocument();
    } catch (const std::exception &e) {
        if (started)
            canvas.abortDocument();
        return PrintResult{PrintOutcome::PrinterFailed, QString::fromStdString(e.what())};
    }
    return PrintResult{};
}

PrintResult PrintSlips(PrintCanvas &canvas, const QList<SlipJob> &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings, const SlipPrintHooks &hooks)
{
    return PrintSlips(canvas, SlipJobSource::of(jobs), variant, settings, hooks);
}

} // namespace taru
