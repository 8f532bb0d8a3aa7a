#include "print/ReportLayout.h"

#include "base/OwnerSettings.h"
#include "game/Pricing.h"
#include "print/PrintJob.h"
#include "print/SiteLabel.h"

namespace taru {

namespace {

class LineSheet {
public:
    LineSheet(const SlipGeometry &g) : g_(g) {}

    // A line that keeps the style in force (the profile's, before the first change).
    void keep(double x, double y, int size, const QString &text) { add(x, y, size, std::nullopt, text); }
    void plain(double x, double y, int size, const QString &text) { add(x, y, size, FontStyle{}, text); }
    void styled(double x, double y, int size, FontStyle style, const QString &text) { add(x, y, size, style, text); }

    QList<ReportLine> lines;

private:
    void add(double x, double y, int size, std::optional<FontStyle> style, const QString &text)
    {
        ReportLine line;
        line.gx = x;
        line.gy = y;
        line.x = RoundHalfEven(g_.slipLeft + x * g_.pitchX);
        line.y = RoundHalfEven(g_.slipTop + y * g_.pitchY);
        line.fontSize = size;
        line.style = style;
        line.text = text;
        lines.append(line);
    }

    const SlipGeometry &g_;
};

QString systemValue(double value, const QLocale &locale)
{
    return QStringLiteral("Αξία Συστήματος : ") + FormatMoney(value, locale) + QStringLiteral(" € Ευρώ");
}

const QString kNumbersHeading = QStringLiteral("Οι Αριθμοί που παίζουμε στο Σύστημα ");
const QString kTitlePrefix = QStringLiteral("Αναφορά Συστήματος : ");
const QString kGamePrefix = QStringLiteral("Παιχνίδι : ");

// A condition's name and bounds, or an empty line when it is switched off.
void conditionLine(LineSheet &sheet, double y, const ReportCondition &c)
{
    if (!c.active)
        return;
    sheet.plain(12.5, y, 9, FormatConditionName(c.name));
    sheet.plain(24, y, 9, FormatBounds(c.from, c.to));
}

bool hasCondition(const QString &systemName)
{
    // Library system names mark a system with a condition by a (Latin) Z.
    return systemName.contains(QLatin1Char('Z'));
}

} // namespace

ReportOwner ReadReportOwner()
{
    return ReportOwner{owner::readValue(QStringLiteral("Title"), owner::kTitleDefault),
                       owner::readValue(QStringLiteral("Address"), owner::kAddressDefault),
                       owner::readValue(QStringLiteral("Misc"), owner::kMiscDefault), siteLabel()};
}

QString FormatBounds(const QString &from, const QString &to)
{
    return QStringLiteral("%1-%2").arg(from, 3).arg(to, 3);
}

QString FormatConditionName(const QString &name)
{
    return name.trimmed().leftJustified(33, QLatin1Char(' '));
}

QList<ReportLine> LayoutConstructorReport(const ConstructorReport &r, const ReportOwner &owner,
                                          const SlipGeometry &geometry, const QLocale &locale)
{
    LineSheet sheet(geometry);
    const int n = static_cast<int>(r.numberLines.size());
    const int rows = static_cast<int>(r.conditionRows.size()) + 1; // R counts the heading row

    sheet.keep(13, -12, 12, kTitlePrefix + r.systemName);
    sheet.keep(13, -11, 12, kGamePrefix + r.game);
    sheet.keep(13, -10, 12, QStringLiteral("Παίζουν : ") + r.count + QStringLiteral(" Αριθμοί   ") + r.numbersCaption);
    sheet.keep(13, -9, 12, systemValue(r.value, locale));
    sheet.styled(14, -8, 10, FontStyle{true, true}, QStringLiteral("Σύστημα Με Όρους"));
    sheet.plain(-5, -8, 9, owner.siteLabel + QStringLiteral("     ") + kReportSlogan);
    sheet.plain(13, -7, 9, QStringLiteral("Αν πιάσουμε τους ") + r.game + QStringLiteral(" αριθμούς και τους όρους έχουμε"));
    sheet.plain(13, -6, 9, r.guaranteeText);
    sheet.styled(13, -5, 10, FontStyle{false, true}, kNumbersHeading);
    for (int k = 0; k < n; ++k)
        sheet.plain(12.5, k - 4, 9, r.numberLines.at(k));
    for (int j = 1; j < rows; ++j)
        conditionLine(sheet, n + j - 4, r.conditionRows.at(j - 1));
    for (int g = 0; g < 4; ++g)
        conditionLine(sheet, n + rows - 4 + g, r.groups.at(static_cast<size_t>(g)));
    // The check takes the row under the conditions and moves the owner's lines one row down.
    int foot = n + rows;
    if (!r.verificationText.isEmpty())
        sheet.plain(13, foot++, 9, r.verificationText);
    sheet.plain(13, foot, 10, owner.title);
    sheet.plain(13, foot + 1, 8, owner.address);
    return sheet.lines;
}

QList<ReportLine> LayoutLibraryReport(const LibraryReport &r, const ReportOwner &owner, const SlipGeometry &geometry,
                                      const QLocale &locale)
{
    LineSheet sheet(geometry);
    const int n = static_cast<int>(r.numberLines.size());
    const bool withCondition = hasCondition(r.systemName);

    QString conditionText;
    if (withCondition) {
        // "3 ..." : the condition uses the first 3 fixed numbers of the system.
        const int m = toInt(r.conditionText.trimmed().section(QLatin1Char(' '), 0, 0));
        conditionText = QStringLiteral("Όρος : ") + QStringList(r.fixedNumbers.mid(0, m)).join(QLatin1Char(',')) +
                        QStringLiteral("   ") + r.conditionText;
    }

    sheet.keep(13, -11, 12, kTitlePrefix + r.systemName);
    sheet.keep(13, -9.5, 12, kGamePrefix + r.game);
    sheet.keep(13, -8, 12, QStringLiteral("Παίζουν : ") + r.count + QStringLiteral(" αριθμοί"));
    sheet.keep(13, -6.5, 12, systemValue(r.value, locale));
    sheet.keep(13, -5, 12, QStringLiteral("Δελτία : ") + QString::number(r.coupons));
    sheet.styled(14, -3.5, 10, FontStyle{true, true},
                 withCondition ? QStringLiteral("Σύστημα Με Όρο") : QStringLiteral("Σύστημα Χωρίς Όρους"));
    sheet.plain(13, -1.5, 9,
                withCondition ? QStringLiteral("Αν πιάσουμε ") + r.game + QStringLiteral(" αριθμούς και τα Στανταρ έχουμε")
                              : QStringLiteral("Αν πιάσουμε ") + r.game + QStringLiteral(" αριθμούς έχουμε τουλαχιστον"));
    sheet.plain(13, -0.5, 9, r.target + QStringLiteral(" αρι(α) στόχος μας το ") + r.game);
    sheet.styled(13, 1, 10, FontStyle{false, true}, kNumbersHeading);
    for (int k = 0; k < n; ++k)
        sheet.plain(13, k + 2, 9, r.numberLines.at(k));
    if (withCondition)
        sheet.plain(13, n + 3, 9, conditionText);
    sheet.plain(13, n + 4, 10, owner.title);
    sheet.plain(13, n + 5, 8, owner.address);
    sheet.plain(13, n + 6, 8, owner.misc);
    sheet.plain(13, n + 7, 10, owner.siteLabel);
    sheet.plain(13, n + 8, 8, kReportFooterSlogan);
    return sheet.lines;
}

void RenderReportLines(PrintCanvas &canvas, const QList<ReportLine> &lines)
{
    for (const ReportLine &line : lines) {
        canvas.setFontSize(line.fontSize);
        if (line.style)
            canvas.setFontStyle(*line.style);
        canvas.textOut(line.x, line.y, line.text);
    }
}

namespace {
template <typename Draw>
ReportPrintResult printReport(PrintCanvas &canvas, const QString &profilePath, const QLocale &locale, Draw draw)
{
    ReportPrintResult result;
    const ProfileLoad load = LoadProfileForJob(profilePath, canvas, locale);
    if (!load.ok()) {
        result.profileError = load.error;
        return result;
    }
    bool started = false;
    try {
        canvas.beginDocument();
        started = true;
        draw(*load.geometry);
        canvas.endDocument();
        result.printed = true;
    } catch (const std::exception &) {
        if (started)
            canvas.abortDocument();
    }
    return result;
}
} // namespace

ReportPrintResult PrintConstructorReport(PrintCanvas &canvas, const ConstructorReport &report, const ReportOwner &owner,
                                         const QString &profilePath, const QLocale &locale)
{
    return printReport(canvas, profilePath, locale, [&](const SlipGeometry &g) {
        RenderReportLines(canvas, LayoutConstructorReport(report, owner, g, locale));
    });
}

ReportPrintResult PrintLibraryReport(PrintCanvas &canvas, const LibraryReport &report, const ReportOwner &owner,
                                     const QString &profilePath, const QLocale &locale)
{
    // The player's lists and the condition text are read before anything is printed.
    const SlipFlags flags = ParseSlipMarks(report.playerSlip);
    LayoutLibraryReport(report, owner, SlipGeometry{}, locale);
    return printReport(canvas, profilePath, locale, [&](const SlipGeometry &g) {
        RenderSlip(canvas, LayoutSlip(flags, g, SlipVariant::L, QString()));
        RenderReportLines(canvas, LayoutLibraryReport(report, owner, g, locale));
    });
}

} // namespace taru
