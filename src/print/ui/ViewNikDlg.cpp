#include "print/ui/ViewNikDlg.h"

#include "draws/DrawsTableModel.h"
#include "window/ErrorGuard.h"

#include <QLabel>
#include <QShowEvent>

#include <algorithm>
#include <array>

namespace taru::ui {

TViewNikDlg::TViewNikDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("ViewNikDlg"));
    setWindowTitle(kViewNikCaption);
    resize(960, 420);

    auto *band = new QWidget(this);
    band->setGeometry(0, 0, 960, 40);
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(255, 255, 225));
    band->setPalette(palette);
    LblInfo = new QLabel(QStringLiteral("Πληροφορία "), band);
    LblInfo->setObjectName(QStringLiteral("LblInfo"));
    QFont bold = LblInfo->font();
    bold.setBold(true);
    LblInfo->setFont(bold);
    LblInfo->setGeometry(10, 2, 300, 18);
    LblHint = new QLabel(kViewNikHint, band);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setGeometry(24, 20, 880, 18);

    SGrd = new DrawsGrid(draws::kDrawFields, this);
    SGrd->setGeometry(6, 46, 948, 368);
    connect(SGrd, &DrawsGrid::rowChosen, this, [this] { runGuarded(context_.prompts, this, [this] { SGrdDblClick(); }); });
}

bool TViewNikDlg::LoadDrawsGrid(const QString &path)
{
    draws::DrawsFileData data = draws::ReadDrawsFile(path, draws::DrawsSplit::PlainCommas);
    SGrd->model().setDraws(std::move(data.draws));
    SGrd->selectLastRow();
    if (!data.valid) {
        context_.prompts.error(this, data.message(), draws::kDrawsErrorCaption);
        return false;
    }
    return true;
}

void TViewNikDlg::setDraws(const std::vector<draws::DrawEntry> &entries)
{
    draws::DrawList list;
    for (const draws::DrawEntry &entry : entries)
        list.append(entry);
    SGrd->model().setDraws(std::move(list));
    SGrd->selectLastRow();
}

void TViewNikDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TViewNikDlg::FormShow()
{
    SGrd->writeHeadings();
    SGrd->selectLastRow();
}

void TViewNikDlg::SGrdDblClick()
{
    accept();
}

bool TViewNikDlg::SGrdKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    SGrdDblClick();
    return true;
}

QStringList TViewNikDlg::selectedFields() const
{
    const int row = SGrd->currentRow();
    if (row < 0)
        return {};
    QStringList fields;
    for (int column = 0; column < SGrd->columnCount(); ++column)
        fields << SGrd->cell(row, column);
    return fields;
}

void TViewNikDlg::prepareSnapshot()
{
    std::vector<draws::DrawEntry> entries;
    for (int d = 1; d <= 14; ++d) {
        draws::DrawEntry entry;
        entry.sequence = QString::number(d);
        entry.drawNumber = QString::number(1020 + d);
        entry.date = QStringLiteral("%1/11/2026").arg(10 + d, 2, 10, QLatin1Char('0'));
        std::array<int, draws::kDrawNumbers> numbers{};
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            numbers[static_cast<std::size_t>(i)] = 1 + (i * 4 + d * 7) % 80;
        std::sort(numbers.begin(), numbers.end()); // as the entry board gives them
        for (int i = 0; i < draws::kDrawNumbers; ++i)
            entry.numbers[static_cast<std::size_t>(i)] = QString::number(numbers[static_cast<std::size_t>(i)]);
        entries.push_back(entry);
    }
    setDraws(entries);
    FormShow();
}

} // namespace taru::ui
