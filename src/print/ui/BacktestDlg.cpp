#include "print/ui/BacktestDlg.h"

#include "print/ReportLayout.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/QPainterCanvas.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>

#include <memory>
#include <optional>

namespace taru::ui {

namespace {
constexpr int kBarSteps = 1000;

// As the other list printouts: the print dialog on the program's printer, whose orientation is
// put back afterwards.
PrintResult printOnProgramPrinter(AppContext &context, QWidget *parent, const BacktestSheet &sheet)
{
    QPrinter &printer = ProgramPrinter();
    if (!context.prompts.printDialog(parent, printer))
        return PrintResult{PrintOutcome::PrinterFailed, QString()};
    if (!ProgramPrinterReady(printer)) {
        context.prompts.error(parent, kNoPrinter);
        return PrintResult{PrintOutcome::PrinterFailed, kNoPrinter};
    }
    const QPageLayout::Orientation orientation = printer.pageLayout().orientation();
    const ReportOwner owner = ReadReportOwner();
    ListHeader header;
    header.ownerLines = {owner.title, owner.address, owner.misc};
    PrintResult result;
    {
        QPainterCanvas canvas(printer);
        result = PrintBacktest(canvas, sheet, header);
    }
    printer.setPageOrientation(orientation);
    return result;
}

} // namespace

TBacktestDlg::TBacktestDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("BacktestDlg"));
    setWindowTitle(QStringLiteral("ΙΣΤΟΡΙΚΟ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(600, 560);
    printSheet = [this](QWidget *parentWidget, const BacktestSheet &sheet) {
        return printOnProgramPrinter(context_, parentWidget, sheet);
    };

    LblFile = CaptionLabel(this, QString(), QRect(12, 10, 576, 22));
    LblFile->setObjectName(QStringLiteral("LblFile"));
    LblSummary = new QLabel(this);
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    LblSummary->setGeometry(12, 34, 576, 20);
    LblRange = new QLabel(this);
    LblRange->setObjectName(QStringLiteral("LblRange"));
    LblRange->setGeometry(12, 56, 576, 20);

    const QStringList headings = BacktestHeadings();
    TblHits = new QTableWidget(0, static_cast<int>(headings.size()), this);
    TblHits->setObjectName(QStringLiteral("TblHits"));
    TblHits->setGeometry(12, 84, 576, 360);
    TblHits->setHorizontalHeaderLabels(headings);
    TblHits->verticalHeader()->hide();
    TblHits->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TblHits->setSelectionMode(QAbstractItemView::NoSelection);
    TblHits->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    LblBest = CaptionLabel(this, QString(), QRect(12, 450, 576, 22));
    LblBest->setObjectName(QStringLiteral("LblBest"));
    PrgRun = new QProgressBar(this);
    PrgRun->setObjectName(QStringLiteral("PrgRun"));
    PrgRun->setGeometry(12, 478, 576, 14);
    PrgRun->setTextVisible(false);
    PrgRun->setRange(0, kBarSteps);
    PrgRun->setValue(0);

    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("Ε&ΚΤΥΠΩΣΗ"), QRect(12, 510, 150, 36));
    BtnStop = BoldButton(this, "BtnStop", QStringLiteral("ΔΙΑΚΟ&ΠΗ"), QRect(172, 510, 150, 36));
    BtnBack = BoldButton(this, "BtnBack", QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), QRect(438, 510, 150, 36));
    BtnPrint->setEnabled(false);
    BtnStop->setEnabled(false);

    connectGuarded(BtnPrint, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrintClick(); });
    connect(BtnStop, &QPushButton::clicked, this, [this] { BtnStopClick(); });
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::accept);
}

void TBacktestDlg::run(const data::CouponFileData &coupons, draws::DrawList draws,
                       const QString &fileName)
{
    job_.cancel();
    draws_ = std::move(draws);
    sheet_ = BacktestSheet{};
    sheet_.fileName = fileName;
    sheet_.drawRange = BacktestDrawRange(draws_);
    LblFile->setText(BacktestCaption(fileName));
    LblSummary->clear();
    LblRange->setText(sheet_.drawRange);
    LblBest->clear();
    TblHits->setRowCount(0);
    PrgRun->setValue(0);
    BtnPrint->setEnabled(false);
    BtnStop->setEnabled(true);

    auto result = std::make_shared<std::optional<draws::BacktestResult>>();
    job_.start(
        [this, &coupons, result](const std::atomic<bool> &stop) {
            *result = draws::RunBacktest(coupons, draws_, &stop, [this](std::int64_t done, std::int64_t total) {
                const int value = static_cast<int>(done * kBarSteps / std::max<std::int64_t>(1, total));
                job_.post([this, value] { PrgRun->setValue(value); });
            });
        },
        [this, result](std::exception_ptr error) {
            BtnStop->setEnabled(false);
            if (error) {
                runGuarded(context_.prompts, this, [error] { std::rethrow_exception(error); });
                return;
            }
            if (!*result) {
                LblSummary->setText(QStringLiteral("Ο έλεγχος διακόπηκε"));
                return;
            }
            PrgRun->setValue(kBarSteps);
            showResult(**result);
        });
}

void TBacktestDlg::showResult(const draws::BacktestResult &result)
{
    sheet_.summary = BacktestSummary(result);
    sheet_.rows = BacktestTable(result);
    sheet_.best = draws::BestDrawText(result, draws_);
    LblSummary->setText(sheet_.summary);
    LblBest->setText(sheet_.best);
    TblHits->setRowCount(static_cast<int>(sheet_.rows.size()));
    for (int r = 0; r < static_cast<int>(sheet_.rows.size()); ++r) {
        const BacktestTableRow &row = sheet_.rows[static_cast<std::size_t>(r)];
        const QStringList cells{row.hits, row.count, row.share, row.best};
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells.at(c));
            item->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
            TblHits->setItem(r, c, item);
        }
    }
    BtnPrint->setEnabled(true);
}

void TBacktestDlg::BtnPrintClick()
{
    if (running() || sheet_.rows.empty() || !printSheet)
        return;
    printSheet(this, sheet_);
}

void TBacktestDlg::BtnStopClick()
{
    job_.stop();
}

void TBacktestDlg::done(int r)
{
    job_.cancel();
    BtnStop->setEnabled(false);
    QDialog::done(r);
}

} // namespace taru::ui
