#include "print/BacktestPrint.h"

#include "game/Pricing.h"

namespace taru {

QStringList BacktestHeadings()
{
    return {QStringLiteral("ΕΠΙΤΥΧΙΕΣ"), QStringLiteral("ΣΤΗΛΕΣ × ΚΛΗΡΩΣΕΙΣ"), QStringLiteral("ΠΟΣΟΣΤΟ"),
            QStringLiteral("ΣΤΗΝ ΚΑΛΥΤΕΡΗ")};
}

std::vector<BacktestTableRow> BacktestTable(const draws::BacktestResult &result, const QLocale &locale)
{
    const std::int64_t pairs = result.columns * result.draws;
    std::vector<BacktestTableRow> rows;
    for (std::size_t i = 0; i < result.categories.size(); ++i) {
        const draws::BacktestCategory &category = result.categories[i];
        BacktestTableRow row;
        row.hits = QString::number(category.hits) +
                   (category.hits == 1 ? QStringLiteral(" επιτυχία") : QStringLiteral(" επιτυχίες"));
        row.count = QString::number(category.count);
        row.share = pairs == 0 ? QString()
                               : FormatMoney(100.0 * static_cast<double>(category.count) / static_cast<double>(pairs),
                                             locale) +
                                     QLatin1Char('%');
        row.best = i < result.bestCategories.size() ? QString::number(result.bestCategories[i].count) : QString();
        rows.push_back(row);
    }
    return rows;
}

QString BacktestSummary(const draws::BacktestResult &result)
{
    return QStringLiteral("%1 %2 των %3 αριθμών σε %4 %5: %6 έλεγχοι στήλης με κλήρωση")
        .arg(result.columns)
        .arg(result.columns == 1 ? QStringLiteral("στήλη") : QStringLiteral("στήλες"))
        .arg(result.game)
        .arg(result.draws)
        .arg(result.draws == 1 ? QStringLiteral("κλήρωση") : QStringLiteral("κληρώσεις"))
        .arg(result.columns * result.draws);
}

QString BacktestDrawRange(const draws::DrawList &draws)
{
    if (draws.empty())
        return QString();
    const auto name = [&draws](std::size_t row) {
        return draws.field(row, 1).trimmed() + QStringLiteral(" (") + draws.field(row, 2).trimmed() + QLatin1Char(')');
    };
    return QStringLiteral("Κληρώσεις ") + name(0) + QStringLiteral(" έως ") + name(draws.size() - 1);
}

QString BacktestCaption(const QString &fileName)
{
    return QStringLiteral("ΙΣΤΟΡΙΚΟ ΔΕΛΤΙΩΝ: ") + fileName;
}

PrintResult PrintBacktest(PrintCanvas &canvas, const BacktestSheet &sheet, const ListHeader &header)
{
    // Screen widths of the window's table columns, as the list printouts size theirs.
    static constexpr int kWidths[] = {110, 130, 90, 110};
    QList<ListColumn> columns;
    for (const int width : kWidths)
        columns << ListColumn{width, 0.104};
    ListHeader pages = header;
    pages.caption = BacktestCaption(sheet.fileName);
    ListPrinter printer(canvas, pages, columns, BacktestHeadings());
    try {
        printer.begin(PageOrientation::Portrait);
        for (const BacktestTableRow &row : sheet.rows)
            printer.row({row.hits, row.count, row.share, row.best});
        QStringList closing{sheet.summary};
        for (const QString &line : {sheet.drawRange, sheet.best}) {
            if (!line.isEmpty())
                closing << line;
        }
        printer.closingLines(closing);
        printer.end();
    } catch (const PrinterError &e) {
        canvas.abortDocument();
        return PrintResult{PrintOutcome::PrinterFailed, e.message()};
    }
    return PrintResult{};
}

} // namespace taru
