#include "draws/ui/NewNikFrm.h"

#include "draws/DrawsImport.h"
#include "draws/DrawsTableModel.h"
#include "draws/ui/DrawsTexts.h"
#include "draws/ui/NikToolDlg.h"
#include "window/ErrorGuard.h"

#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QPushButton>

namespace taru::ui {

TNewNikFrm::TNewNikFrm(AppContext &context, QWidget *parent)
    : DrawsListFrm(context, kNewNikCaption, kNewNikHint, parent)
{
    setObjectName(QStringLiteral("NewNikFrm"));
    BBtnNew = addButton("BBtnNew", kNewDrawButton);
    BtnImport = addButton("BtnImport", kImportButton);
    BtnImport->setMinimumWidth(200);
    connectGuarded(BBtnNew, &QPushButton::clicked, this, context_.prompts, [this] { BitBtn1Click(); });
    connectGuarded(BtnImport, &QPushButton::clicked, this, context_.prompts, [this] { BtnImportClick(); });
    connect(SGrd, &DrawsGrid::rowChosen, this, [this] { runGuarded(context_.prompts, this, [this] { SGrdDblClick(); }); });
}

bool TNewNikFrm::refusedAfterFailedRead()
{
    if (!readFailed())
        return false;
    context_.prompts.error(this, kPartialListRefused, draws::kDrawsErrorCaption);
    return true;
}

bool TNewNikFrm::SaveDraws(const QString &path)
{
    const QString error = draws::WriteDrawsFile(path, SGrd->model().draws());
    if (error.isEmpty())
        return true;
    context_.prompts.error(this, error, draws::kDrawsErrorCaption);
    return false;
}

void TNewNikFrm::BitBtn1Click()
{
    if (refusedAfterFailedRead())
        return;
    auto *dialog = context_.window<TNewNikToolDlg>(WindowId::NewNikToolDlg);
    if (!dialog)
        return;
    const int rows = SGrd->rowCount();
    dialog->Edit1->setText(QString::number(rows + 1));
    // The day after the last draw; today for the first one.
    QDate date = context_.clock().date();
    if (rows > 0) {
        const QDate last = ReadDrawDate(SGrd->cell(rows - 1, 2));
        if (last.isValid())
            date = last.addDays(1);
    }
    dialog->DatePick->setDate(date);
    if (dialog->exec() == QDialog::Rejected)
        return;
    draws::DrawEntry entry;
    entry.sequence = QString::number(rows + 1);
    entry.drawNumber = dialog->DrawValues[0];
    entry.date = dialog->DrawValues[1];
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        entry.numbers[static_cast<std::size_t>(i)] = dialog->DrawValues[static_cast<std::size_t>(2 + i)];
    SGrd->model().appendDraw(entry);
    SGrd->selectLastRow();
    SaveDraws(drawsPath());
}

void TNewNikFrm::SGrdDblClick()
{
    const int row = SGrd->currentRow();
    if (row < 0 || refusedAfterFailedRead())
        return;
    auto *dialog = context_.window<TEditNikToolDlg>(WindowId::EditNikToolDlg);
    if (!dialog)
        return;
    for (int i = 0; i < 22; ++i)
        dialog->DrawValues[static_cast<std::size_t>(i)] = SGrd->cell(row, 1 + i);
    if (dialog->exec() == QDialog::Rejected)
        return;
    draws::DrawEntry entry = SGrd->model().draws().entry(static_cast<std::size_t>(row));
    entry.drawNumber = dialog->DrawValues[0];
    entry.date = dialog->DrawValues[1];
    for (int i = 0; i < draws::kDrawNumbers; ++i)
        entry.numbers[static_cast<std::size_t>(i)] = dialog->DrawValues[static_cast<std::size_t>(2 + i)];
    SGrd->model().replaceDraw(row, entry);
    SaveDraws(drawsPath());
}

void TNewNikFrm::BtnImportClick()
{
    if (refusedAfterFailedRead())
        return;
    const std::optional<QString> source = context_.prompts.openFile(this, context_.paths.root(), kImportFilter);
    if (!source)
        return;
    const draws::ImportOutcome outcome = draws::ImportDraws(*source, drawsPath());
    if (!outcome.ok) {
        context_.prompts.error(this, outcome.error, draws::kDrawsErrorCaption);
        return;
    }
    if (outcome.added > 0)
        FormShow();
    QString report = QStringLiteral("Προστέθηκαν: %1\nΥπήρχαν ήδη: %2\nΑπορρίφθηκαν: %3")
                         .arg(outcome.added)
                         .arg(outcome.present)
                         .arg(outcome.refused.size());
    constexpr int kShown = 20;
    for (int i = 0; i < outcome.refused.size() && i < kShown; ++i)
        report += QStringLiteral("\nΓραμμή %1: %2").arg(outcome.refused.at(i).line).arg(outcome.refused.at(i).reason);
    if (outcome.refused.size() > kShown)
        report += QStringLiteral("\n… και %1 ακόμη").arg(outcome.refused.size() - kShown);
    context_.prompts.info(this, report);
}

} // namespace taru::ui
