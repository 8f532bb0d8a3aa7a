#include "draws/ui/DrawsListFrm.h"

#include "base/Errors.h"
#include "draws/DrawsTableModel.h"
#include "draws/ui/DrawsPrinting.h"
#include "draws/ui/DrawsTexts.h"
#include "print/ui/PrintRangeDlg.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

namespace taru::ui {

DrawsListFrm::DrawsListFrm(AppContext &context, const QString &caption, const QString &hint, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setWindowTitle(caption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(1290, 620);

    auto *band = new QWidget(this);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    band->setPalette(palette);
    auto *bandLayout = new QVBoxLayout(band);
    bandLayout->setContentsMargins(10, 2, 10, 2);
    bandLayout->setSpacing(0);
    LblInfo = new QLabel(QStringLiteral("Πληροφορία "), band);
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    QFont bold = LblInfo->font();
    bold.setBold(true);
    LblInfo->setFont(bold);
    LblHint = new QLabel(hint, band);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setContentsMargins(14, 0, 0, 0);
    bandLayout->addWidget(LblInfo);
    bandLayout->addWidget(LblHint);

    SGrd = new DrawsGrid(draws::kDrawListColumns, this);

    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    BtnPrint = addButton("BtnPrint", kPrintButton);
    glBBtnhELP = addButton("glBBtnhELP", kHelpButton);
    BtnBack = addButton("BtnBack", kBackButton);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->addWidget(band);
    layout->addWidget(SGrd, 1);
    layout->addLayout(buttons_);

    connectGuarded(BtnPrint, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrintClick(); });
    connectGuarded(glBBtnhELP, &QPushButton::clicked, this, context_.prompts, [this] { glBBtnhELPClick(); });
    connectGuarded(BtnBack, &QPushButton::clicked, this, context_.prompts, [this] { reject(); });
}

QPushButton *DrawsListFrm::addButton(const char *name, const QString &text)
{
    QPushButton *button = BoldButton(this, name, text, QRect());
    button->setMinimumSize(150, 32);
    // A window's own buttons go before the print, help and back buttons.
    if (BtnBack)
        buttons_->insertWidget(buttons_->indexOf(BtnPrint), button);
    else
        buttons_->addWidget(button);
    return button;
}

QString DrawsListFrm::drawsPath() const
{
    return context_.paths.file(kDrawsFileName);
}

void DrawsListFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void DrawsListFrm::FormShow()
{
    SGrd->writeHeadings();
    SGrd->model().setDraws({});
    readFailed_ = false;
    const QString path = drawsPath();
    if (QFile::exists(path))
        LoadDraws(path);
    SGrd->selectLastRow();
}

void DrawsListFrm::LoadDraws(const QString &path)
{
    draws::DrawsFileData data = draws::ReadDrawsFile(path);
    SGrd->model().setDraws(std::move(data.draws));
    readFailed_ = !data.valid;
    if (!data.valid)
        context_.prompts.error(this, data.message(), draws::kDrawsErrorCaption);
}

void DrawsListFrm::BtnPrintClick()
{
    auto *range = context_.window<TPrintRangeDlg>(WindowId::PrintRangeDlg);
    if (!range)
        return;
    range->Edit1->setText(QStringLiteral("1"));
    range->Edit2->setText(QString::number(SGrd->rowCount() + 1)); // the grid's rows, heading included
    range->ChkAll->setChecked(false);
    if (range->exec() != QDialog::Accepted)
        return;
    PrintRange rows;
    if (!range->ChkAll->isChecked()) {
        rows.from = toInt(range->Edit1->text());
        rows.to = toInt(range->Edit2->text());
    }
    if (!ConfirmDrawsPrinter(context_, this))
        return;
    RunDrawsPrintJob(this, [&](PrintCanvas &canvas) {
        PrintDraws(canvas, SGrd->model().draws(), DrawsListHeader(windowTitle()), rows,
                   [] { QApplication::processEvents(); });
    });
}

void DrawsListFrm::glBBtnhELPClick()
{
    context_.help(QStringLiteral("TARU.chm::/") + kHelpTopic);
}

void DrawsListFrm::prepareSnapshot()
{
    draws::DrawList list;
    std::uint32_t seed = 7;
    for (int d = 1; d <= 40; ++d) {
        std::array<bool, 81> taken{};
        std::array<int, draws::kDrawNumbers> numbers{};
        for (int k = 0; k < draws::kDrawNumbers;) {
            seed = seed * 1664525u + 1013904223u;
            const int n = static_cast<int>(seed >> 8) % 80 + 1;
            if (!taken[static_cast<std::size_t>(n)]) {
                taken[static_cast<std::size_t>(n)] = true;
                numbers[static_cast<std::size_t>(k++)] = n;
            }
        }
        std::sort(numbers.begin(), numbers.end()); // as the entry board gives them
        draws::DrawEntry entry;
        entry.sequence = QString::number(d);
        entry.drawNumber = QString::number(1128400 + d);
        entry.date = QStringLiteral("%1/11/2026").arg(1 + d / 12, 2, 10, QLatin1Char('0'));
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(numbers[static_cast<std::size_t>(i)]);
        list.append(entry, draws::ComputeRowFigures(numbers));
    }
    SGrd->model().setDraws(std::move(list));
    SGrd->selectLastRow();
}

} // namespace taru::ui
