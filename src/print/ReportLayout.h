#pragma once

#include "print/PrintCanvas.h"
#include "print/PrinterProfile.h"
#include "print/SlipLayout.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace taru {

// One line of a system report, in slip grid units (x along the box columns, y along the rows;
// negative y lies above the number board) and where it lands in device units.
struct ReportLine {
    double gx = 0, gy = 0;
    int x = 0, y = 0;
    int fontSize = 0;
    // The style this line sets; lines before the first style change keep the profile's style.
    std::optional<FontStyle> style;
    QString text;
};

// The owner's lines and the site label as printed at the foot of a report.
struct ReportOwner {
    QString title;
    QString address;
    QString misc;
    QString siteLabel;
};
// Read from the settings store, each with its own default.
ReportOwner ReadReportOwner();

// One condition of the constructor, or one of its four number groups.
struct ReportCondition {
    QString name; // the condition's name, or the group's caption
    QString from;
    QString to;
    bool active = false;
};

// What the constructor hands over for its report (from its result summary and conditions).
struct ConstructorReport {
    QString systemName;
    QString game;           // game size as text
    QString count;          // how many numbers are played
    double value = 0.0;
    QString guaranteeText;  // the constructor's guarantee result line
    QString verificationText; // the check of the built system; when given, printed under the conditions
    QString numbersCaption; // printed after the count
    QStringList numberLines;
    QList<ReportCondition> conditionRows;  // the conditions table without its heading row
    std::array<ReportCondition, 4> groups; // the four number-group conditions
};

// What the systems library hands over; the player's game is drawn on the same page (slip L).
struct LibraryReport {
    QString systemName;    // a "Z" in the name marks a system with a condition
    QString game;
    QString count;
    double value = 0.0;
    int coupons = 0;
    QString target;        // the guaranteed hits
    QStringList numberLines;
    QString conditionText; // begins with the number m of fixed numbers it uses, then a blank
    QStringList fixedNumbers;
    SlipMarks playerSlip;
};

// "%3s-%3s" and "%-33s" as the report writes bounds and names.
QString FormatBounds(const QString &from, const QString &to);
QString FormatConditionName(const QString &name);

inline const QString kReportSlogan = QStringLiteral("Συστήματα που δουλεύουν για εσάς");
inline const QString kReportFooterSlogan = QStringLiteral("Παίξτε με σύστημα, κερδίστε με σιγουριά!");

// Every line of the report, in writing order, placed on the profile's slip grid: device
// position = slip left + x × pitch X, slip top + y × pitch Y, rounded to the nearest integer.
QList<ReportLine> LayoutConstructorReport(const ConstructorReport &report, const ReportOwner &owner,
                                          const SlipGeometry &geometry, const QLocale &locale);
// ConversionError when the condition text of a system with a condition does not begin with a
// number.
QList<ReportLine> LayoutLibraryReport(const LibraryReport &report, const ReportOwner &owner,
                                      const SlipGeometry &geometry, const QLocale &locale);

// Writes the lines: size, style where the line sets one, text.
void RenderReportLines(PrintCanvas &canvas, const QList<ReportLine> &lines);

// The whole print job of each report: profile, document, (library: the player's slip L), lines.
// Nothing is printed when the profile cannot be loaded (the error text is returned); a printer
// failure aborts the document without a message.
struct ReportPrintResult {
    bool printed = false;
    QString profileError; // the error box text when the profile could not be loaded
};
ReportPrintResult PrintConstructorReport(PrintCanvas &canvas, const ConstructorReport &report, const ReportOwner &owner,
                                         const QString &profilePath, const QLocale &locale);
ReportPrintResult PrintLibraryReport(PrintCanvas &canvas, const LibraryReport &report, const ReportOwner &owner,
                                     const QString &profilePath, const QLocale &locale);

} // namespace taru
