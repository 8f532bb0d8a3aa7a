#include "systems/ui/LoadBiblioListFrm.h"

#include "Version.h"
#include "base/AppPaths.h"
#include "base/Errors.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "game/Pricing.h"
#include "print/ReportLayout.h"
#include "print/ui/PrintRangeDlg.h"
#include "print/ui/ProgramPrinter.h"
#include "systems/Library.h"
#include "systems/ui/BiblioFrm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>

namespace taru::ui {

namespace {

const QString kCaption = QStringLiteral("BI" "ΒΛΙΟΘΗΚΗ TARU");
const QString kHelpTopic = QStringLiteral("TARU.chm::/BIBLIO.htm");
// Column widths on screen, in the order shown (ΟΝΟΜΑ ... ΟΡΟΣ, A/A).
constexpr int kWidths[data::kSystemListColumnCount] = {92, 44, 72, 88, 60, 62, 56, 86, 70, 64, 40};

// Restores the cursor however the command ends.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace

TLoadBiblioListFrm::TLoadBiblioListFrm(AppContext &context, QWidget *parent)
    : CentredDialog(context.prompts, parent)
    , context_(context)
{
    setObjectName(QStringLiteral("LoadBiblioListFrm"));
    setWindowTitle(kCaption);
    setFixedSize(790, 520);
    buildControls();
}

void TLoadBiblioListFrm::buildControls()
{
    SGrd = new QTableWidget(0, data::kSystemListColumnCount, this);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    SGrd->setGeometry(10, 10, 770, 400);
    SGrd->verticalHeader()->hide();
    SGrd->verticalHeader()->setDefaultSectionSize(22);
    SGrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SGrd->setSelectionBehavior(QAbstractItemView::SelectRows);
    SGrd->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headings;
    for (int column : kLibraryDisplayOrder)
        headings << data::kSystemListHeadings[static_cast<std::size_t>(column)];
    SGrd->setHorizontalHeaderLabels(headings);
    QFont headingFont = SGrd->horizontalHeader()->font();
    headingFont.setBold(true);
    SGrd->horizontalHeader()->setFont(headingFont);
    SGrd->horizontalHeader()->setToolTip(kLibraryHeadingHint);
    SGrd->horizontalHeader()->setSectionsClickable(true);
    for (int c = 0; c < data::kSystemListColumnCount; ++c)
        SGrd->setColumnWidth(c, kWidths[c]);

    LblHint = new QLabel(kLibraryHeadingHint, this);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setGeometry(10, 414, 770, 40);
    LblHint->setWordWrap(true);

    const int row = 470;
    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("Ε&ΚΤΥΠΩΣΗ"), QRect(10, row, 150, 36));
    glBitBtn1 = BoldButton(this, "glBitBtn1", QStringLiteral("&ΕΥΡΕΣΗ ΣΥΣΤΗΜΑΤΟΣ"), QRect(170, row, 200, 36));
    const HelpRow helpRow = MakeHelpRow(this, context_, kHelpTopic, QRect(380, row, 150, 36), QRect(630, row, 150, 36));
    glBBtnhELP = helpRow.help;
    BtnBack = helpRow.back;

    Prompts &prompts = context_.prompts;
    connect(SGrd->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this, &prompts](int column) { runGuarded(prompts, this, [&] { SGrdHeadingClick(column); }); });
    connect(SGrd, &QTableWidget::cellDoubleClicked, this,
            [this, &prompts](int r, int) { runGuarded(prompts, this, [&] { SGrdDblClick(r); }); });
    connectGuarded(BtnPrint, &QPushButton::clicked, this, prompts, [this] { BtnPrintClick(); });
    // "&ΕΥΡΕΣΗ ΣΥΣΤΗΜΑΤΟΣ" has no action.
}

QString TLoadBiblioListFrm::folder() const
{
    return context_.paths.existingFolder(kBiblioFolder);
}

void TLoadBiblioListFrm::FormShow()
{
    data::SystemListing listing;
    {
        BusyCursor busy;
        listing = LibraryList(folder(), context_.state.columnPrice, context_.randomSeed());
    }
    rows_ = std::move(listing.rows);
    fillGrid();
    if (!listing.error.isEmpty())
        context_.prompts.message(this, listing.error, kCaptionProgram, Icon::Warning);
}

void TLoadBiblioListFrm::fillGrid()
{
    SGrd->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        const QStringList cells = LibraryListCells(rows_[static_cast<std::size_t>(r)]);
        for (int c = 0; c < cells.size(); ++c) {
            QTableWidgetItem *item = SGrd->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                SGrd->setItem(r, c, item);
            }
            item->setText(cells.at(c));
        }
    }
}

void TLoadBiblioListFrm::SGrdHeadingClick(int column)
{
    if (column < 0 || column >= data::kSystemListColumnCount)
        return;
    BusyCursor busy;
    SortSystemRows(rows_, kLibraryDisplayOrder[static_cast<std::size_t>(column)], context_.randomSeed());
    fillGrid();
}

void TLoadBiblioListFrm::SGrdDblClick(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    const data::SystemListRow &listed = rows_[static_cast<std::size_t>(row)];
    const QString dir = folder();
    const std::optional<QString> file = FindSystemFile(data::ListFiles(dir, data::kSystemFileExtension),
                                                       listed.cells[data::kColName]);
    const std::optional<LibrarySystem> system =
        file ? LibrarySystemOf(dir, *file, listed.numbers) : std::optional<LibrarySystem>();
    if (!system || !QFileInfo(system->path).isFile()) {
        context_.prompts.message(this, kLibraryNoColumnFile, kCaptionProgram, Icon::Warning);
        return;
    }
    auto *library = context_.window<TBiblioFrm>(WindowId::BiblioFrm);
    if (!library)
        return;
    library->setSystem(*system);
    library->exec();
}

ListPrintout TLoadBiblioListFrm::printout(int first, int last) const
{
    const ReportOwner owner = ReadReportOwner();
    ListPrintout list;
    list.headerLines = {owner.title, owner.address, owner.misc,
                        QStringLiteral("TARU %1").arg(QString::fromLatin1(kVersionText)), kLibraryListTitle};
    for (int c = 0; c < data::kSystemListColumnCount; ++c) {
        list.headings << SGrd->horizontalHeaderItem(c)->text();
        list.columnWidths << SGrd->columnWidth(c);
    }
    list.screenDpi = logicalDpiX();
    for (int r = std::max(first, 1); r <= std::min(last, static_cast<int>(rows_.size())); ++r)
        list.rows.append(LibraryListCells(rows_[static_cast<std::size_t>(r - 1)]));
    return list;
}

void TLoadBiblioListFrm::BtnPrintClick()
{
    auto *range = context_.window<TPrintRangeDlg>(WindowId::PrintRangeDlg);
    if (!range)
        return;
    const int count = static_cast<int>(rows_.size());
    range->Edit1->setText(QStringLiteral("1"));
    range->Edit2->setText(QString::number(count));
    if (range->exec() != QDialog::Accepted)
        return;
    int first = 1;
    int last = count;
    if (!range->ChkAll->isChecked()) {
        first = toInt(range->Edit1->text());
        last = toInt(range->Edit2->text());
    }
    const ListPrintout list = printout(first, last);
    // The one place the list goes to the printer: the print dialog first, then the job.
    QPrinter &target = printer ? *printer : ProgramPrinter();
    if (!ChoosePrinter(context_, this, target)) // the program's printer is remembered
        return;
    setEnabled(false);
    const auto enable = qScopeGuard([this] { setEnabled(true); });
    PrintListJob(context_, this, target, list);
}

void TLoadBiblioListFrm::prepareSnapshot()
{
    if (rows_.empty()) {
        // No library beside the program: a few rows of the shipped library and a system with a condition.
        for (const char *name : {"A10455_10_4_5_22_1100_22_873_5.tbi", "A12566_12_5_6_68_3400_68_736_6.tbi",
                                 "Z1045512_10_4_5_22_1100_22_873_5_1$2.tbi", "A8344_8_3_4_14_700_14_2000_4.tbi",
                                 "A20455_20_4_5_552_27600_552_356_5.tbi", "A15677_15_6_7_435_21750_435_676_7.tbi"}) {
            if (auto row = data::ParseSystemFileName(QString::fromUtf8(name)))
                rows_.push_back(*row);
        }
        SortSystemRows(rows_, data::kColNumbers, 1);
        for (auto &row : rows_)
            row.cells[data::kColEuro] = FormatMoney(static_cast<double>(row.columns) * context_.state.columnPrice);
        fillGrid();
    }
}

} // namespace taru::ui
