#include "print/PrintJob.h"


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

PrintResult PrintSlips(PrintCanvas &canvas, const QList<SlipJob> &jobs, SlipVariant variant,
                       const SlipPrintSettings &settings)
{
    QList<SlipFlags> flags;
    for (const SlipJob &job : jobs)
        flags.append(ParseSlipMarks(job.marks));

    const ProfileLoad load = LoadProfileForJob(settings.profilePath, canvas, settings.locale);
    if (!load.ok())
        return PrintResult{PrintOutcome::ProfileFailed, load.error};

    bool started = false;
    try {
        canvas.beginDocument();
        started = true;
        for (int i = 0; i < jobs.size(); ++i) {
            if (i > 0)
                canvas.newPage();
            const QString valueText = ValueLineText(jobs.at(i).valueLine, settings.siteLabel, settings.locale);
            RenderSlip(canvas, LayoutSlip(flags.at(i), *load.geometry, variant, valueText));
        }
        canvas.endDocument();
    } catch (const std::exception &e) {
        if (started)
            canvas.abortDocument();
        return PrintResult{PrintOutcome::PrinterFailed, QString::fromStdString(e.what())};
    }
    return PrintResult{};
}

} // namespace taru
