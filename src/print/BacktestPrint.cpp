#include "print/BacktestPrint.h"

#include "game/Pricing.h"

#include <QtMath>

#include <array>

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

namespace {

class Pages {
public:
    Pages(PrintCanvas &canvas, const BacktestSheet &sheet)
        : canvas_(canvas), sheet_(sheet)
    {
        left_ = mmX(20);
        top_ = mmY(20);
        footerY_ = canvas.pageHeight() - mmY(15);
        canvas.setFontSize(kBodySize);
        lineHeight_ = canvas.textHeight(sheet.fileName) * 13 / 10;
        bottom_ = footerY_ - lineHeight_;
        const std::array<int, 4> columnsMm{0, 45, 95, 130};
        for (std::size_t i = 0; i < columnsMm.size(); ++i)
            columns_[i] = left_ + mmX(columnsMm[i]);
        right_ = left_ + mmX(170);
    }

    void print()
    {
        canvas_.beginDocument();
        startPage();
        text(left_, kTitleSize, true, kBacktestTitle);
        y_ += lineHeight_ * 2;
        text(left_, kBodySize, false, QStringLiteral("Αρχείο δελτίων: ") + sheet_.fileName);
        y_ += lineHeight_;
        text(left_, kBodySize, false, sheet_.summary);
        y_ += lineHeight_;
        if (!sheet_.drawRange.isEmpty()) {
            text(left_, kBodySize, false, sheet_.drawRange);
            y_ += lineHeight_;
        }
        y_ += lineHeight_ / 2;
        heading();
        for (const BacktestTableRow &row : sheet_.rows) {
            if (y_ + lineHeight_ > bottom_) {
                nextPage();
                heading();
            }
            const std::array<const QString *, 4> cells{&row.hits, &row.count, &row.share, &row.best};
            for (std::size_t i = 0; i < cells.size(); ++i)
                text(columns_[i], kBodySize, false, *cells[i]);
            y_ += lineHeight_;
        }
        canvas_.line(left_, y_, right_, y_);
        y_ += lineHeight_ / 2;
        if (!sheet_.best.isEmpty()) {
            if (y_ + lineHeight_ > bottom_)
                nextPage();
            text(left_, kBodySize, true, sheet_.best);
        }
        canvas_.endDocument();
    }

private:
    static constexpr int kTitleSize = 14;
    static constexpr int kBodySize = 10;
    static constexpr int kFooterSize = 8;

    int mmX(int mm) const { return qRound(mm * canvas_.ppiX() / 25.4); }
    int mmY(int mm) const { return qRound(mm * canvas_.ppiY() / 25.4); }

    void text(int x, int size, bool bold, const QString &value)
    {
        canvas_.setFontSize(size);
        canvas_.setFontStyle(FontStyle{bold, false});
        canvas_.textOut(x, y_, value);
    }

    void heading()
    {
        const QStringList headings = BacktestHeadings();
        for (int i = 0; i < headings.size(); ++i)
            text(columns_[static_cast<std::size_t>(i)], kBodySize, true, headings.at(i));
        y_ += lineHeight_;
        canvas_.line(left_, y_ - lineHeight_ / 8, right_, y_ - lineHeight_ / 8);
        y_ += lineHeight_ / 4;
    }

    void startPage()
    {
        ++page_;
        y_ = top_;
        const int saved = y_;
        y_ = footerY_;
        text(left_, kFooterSize, false, sheet_.footer + QStringLiteral("   Σελίδα ") + QString::number(page_));
        y_ = saved;
    }

    void nextPage()
    {
        canvas_.newPage();
        startPage();
    }

    PrintCanvas &canvas_;
    const BacktestSheet &sheet_;
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0, footerY_ = 0, lineHeight_ = 0;
    std::array<int, 4> columns_{};
    int y_ = 0;
    int page_ = 0;
};

} // namespace

PrintResult PrintBacktest(PrintCanvas &canvas, const BacktestSheet &sheet)
{
    canvas.setOrientation(PageOrientation::Portrait);
    bool started = false;
    try {
        Pages pages(canvas, sheet);
        started = true; // the document begins first thing in print()
        pages.print();
    } catch (const std::exception &e) {
        if (started)
            canvas.abortDocument();
        return PrintResult{PrintOutcome::PrinterFailed, QString::fromStdString(e.what())};
    }
    return PrintResult{};
}

} // namespace taru
