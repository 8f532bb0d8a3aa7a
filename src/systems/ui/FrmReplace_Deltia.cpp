#include "systems/ui/FrmReplace_Deltia.h"

#include "base/AppPaths.h"
#include "base/Errors.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "window/CellGrid.h"
#include "game/CouponBoxes.h"
#include "game/Pricing.h"
#include "game/ui/NumberBoard.h"
#include "systems/ui/GuaranteePanel.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace taru::ui {

namespace {

const QString kCaption = QStringLiteral("ANTIKATA" "ΣΤΑΣΗ ΔΕΛΤΙΩΝ");
const QString kHeaderPrefix = QStringLiteral("ΣΥΣΤΗΜΑ - ");
const QString kComment = QStringLiteral("Αντικαταστησεται τους παλιους αριθμους με νεους ..");
const QString kSaveFilter = QStringLiteral("ΔΕΛΤΙΑ TARU|*.tru");
const QString kCouponExtension = QStringLiteral("tru");

} // namespace

TFrmReplace_Deltia::TFrmReplace_Deltia(AppContext &context, QWidget *parent)
    : TBiblioFrm(context, parent)
{
    setObjectName(QStringLiteral("FrmReplace_Deltia"));
    setWindowTitle(kCaption);
    SGrd->setColumnCount(3);
    SGrd->setHeadings({QStringLiteral("A/A"), QStringLiteral("ΠΑΛ.ΑΡ."), QStringLiteral("ΝΕΟΣ ΑΡ.")});
    SGrd->setEditableColumns({2});
    SGrd->setColumnWidth(0, 50);
    SGrd->setColumnWidth(1, 64);
    SGrd->setColumnWidth(2, 95);
    SGrd->setLiveTyping(true);
    // Only digits, Backspace, Tab, Enter and Escape reach a cell.
    SGrd->acceptKey = [](QChar typed) {
        return typed == QLatin1Char('\r') || typed == QLatin1Char('\b') || typed == QLatin1Char('\t') ||
               (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'));
    };
    // Replacing numbers builds no system: no printing, no report and no guarantee to check.
    BtnPrint->hide();
    BBtnReport->hide();
    Verify->hide();
    BBtnSave->move(BtnPrint->pos());
}

void TFrmReplace_Deltia::FormShow()
{
    prepareOptions();
    loadedFile_ = context_.openDialogFileName;
    LblHeader->setText(kHeaderPrefix + QFileInfo(loadedFile_).fileName());
    LblComment->setText(kComment);
    setDistinctNumbers({});
    const std::optional<QByteArray> bytes = textfile::readBytes(loadedFile_);
    if (!bytes)
        throw FileError(QStringLiteral("Δεν είναι δυνατή η ανάγνωση του αρχείου %1").arg(QDir::toNativeSeparators(loadedFile_)));
    const DistinctNumbers found = ReadDistinctNumbers(*bytes);
    setDistinctNumbers(found.numbers);
    if (!found.error.isEmpty())
        throw ConversionError(found.error); // the list keeps the numbers read before it
}

void TFrmReplace_Deltia::setDistinctNumbers(const std::vector<int> &numbers)
{
    distinct_ = numbers;
    SGrd->finishTyping();
    SGrd->setRowCount(static_cast<int>(numbers.size()));
    for (int row = 0; row < static_cast<int>(numbers.size()); ++row) {
        SGrd->setText(row, 0, QString::number(row + 1));
        SGrd->setText(row, 1, QString::number(numbers[static_cast<std::size_t>(row)]));
        SGrd->setText(row, 2, QString::number(numbers[static_cast<std::size_t>(row)]));
    }
    if (!numbers.empty())
        SGrd->setCurrentCell(0, 2);
    refreshBoard();
}

QStringList TFrmReplace_Deltia::newNumbers() const
{
    QStringList texts;
    for (int row = 0; row < SGrd->rowCount(); ++row)
        texts << SGrd->text(row, 2);
    return texts;
}

bool TFrmReplace_Deltia::boardMark(int number) const
{
    for (int row = 0; row < SGrd->rowCount(); ++row) {
        bool ok = false;
        if (SGrd->text(row, 2).trimmed().toInt(&ok) == number && ok)
            return true;
    }
    return false;
}

void TFrmReplace_Deltia::numberTyped(int)
{
    refreshBoard();
}

void TFrmReplace_Deltia::SGrdKeyPress(QChar key)
{
    if (key == QLatin1Char('\r')) {
        const int row = SGrd->currentRow();
        if (row + 1 < SGrd->rowCount())
            SGrd->setCurrentCell(row + 1, 2);
    }
    refreshBoard();
}

void TFrmReplace_Deltia::BBtnDiceClick()
{
    SGrd->finishTyping();
    const int rows = SGrd->rowCount();
    if (rows > kNumbers) {
        context_.prompts.info(this,
                              QStringLiteral("Το αρχείο έχει %1 διαφορετικούς αριθμούς: δεν γίνεται να πάρουν όλοι "
                                             "διαφορετικό αριθμό από το 1 έως το 80.")
                                  .arg(rows),
                              kCaptionProgram);
        return;
    }
    Random random(context_.randomSeed());
    BoardMarks drawn{};
    for (int row = 0; row < rows; ++row) {
        int number = 0;
        do {
            number = static_cast<int>(random.below(kNumbers)) + 1;
        } while (drawn[static_cast<std::size_t>(number - 1)]);
        drawn[static_cast<std::size_t>(number - 1)] = true;
        SGrd->setText(row, 2, QString::number(number));
    }
    refreshBoard();
}

void TFrmReplace_Deltia::BBtnSaveClick()
{
    SGrd->finishTyping();
    const QStringList texts = newNumbers();
    if (const int wrong = FirstWrongNewNumber(texts); wrong >= 0) {
        SGrd->setCurrentCell(wrong, 2);
        context_.prompts.info(this, kWrongValue, kCaptionProgram);
        SGrd->setFocus();
        return;
    }
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const std::optional<QString> path = context_.prompts.saveFile(this, folder, kSaveFilter, kCouponExtension);
    if (!path)
        return;
    const ReplacementTable table = MakeReplacementTable(distinct_, texts);
    const SlipMarks options = chosenOptions();
    ReplaceInCouponFile(loadedFile_, *path, table, options.multipliers, options.drawColumn, options.drawRow);
}

void TFrmReplace_Deltia::prepareSnapshot()
{
    prepareOptions();
    LblHeader->setText(kHeaderPrefix + QStringLiteral("ΚΥΡΙΑΚΗ.tru"));
    LblComment->setText(kComment);
    setDistinctNumbers({3, 17, 25, 60, 77, 1, 2, 4, 5, 41, 52});
    SGrd->setText(2, 2, QStringLiteral("26"));
    SGrd->setText(5, 2, QStringLiteral("80"));
    refreshBoard();
    Header1SectionClick(0);
}

} // namespace taru::ui
