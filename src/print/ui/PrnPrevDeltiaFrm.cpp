#include "print/ui/PrnPrevDeltiaFrm.h"

#include "base/AppPaths.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "game/Checking.h"
#include "print/CouponSlips.h"
#include "print/ui/CouponFileActions.h"
#include "print/ui/InfoDialDlg.h"
#include "print/ui/NikDlg.h"
#include "print/ui/PrnPrevGenFrm.h"
#include "print/ui/ViewNikDlg.h"
#include "print/ui/WinningRow.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace taru::ui {

TPrnPrevDeltiaFrm::TPrnPrevDeltiaFrm(AppContext &context, QWidget *parent)
    : MultiCouponPreview(context, parent)
{
    setObjectName(QStringLiteral("PrnPrevDeltiaFrm"));
    setWindowTitle(kCouponSetPreviewCaption);

    LblNikTitle = new QLabel(kWinningColumnTitle, this);
    LblNikTitle->setObjectName(QStringLiteral("LblNikTitle"));
    LblNikTitle->setGeometry(kColumnX, 212, kColumnWidth, 18);
    LblNikTitle->setAlignment(Qt::AlignCenter);
    QFont bold = LblNikTitle->font();
    bold.setBold(true);
    LblNikTitle->setFont(bold);

    Header1 = new WinningRow(context_.state.winningColumn, 0, this);
    Header1->setObjectName(QStringLiteral("Header1"));
    Header1->move(kColumnX, 232);
    Header2 = new WinningRow(context_.state.winningColumn, WinningRow::kCells, this);
    Header2->setObjectName(QStringLiteral("Header2"));
    Header2->move(kColumnX, 232 + WinningRow::kCellHeight + 2);

    const int half = (kColumnWidth - 8) / 2;
    sBtnNik = BoldButton(this, "sBtnNik", QStringLiteral("ΝΙΚ.ΣΤ."), QRect(kColumnX, 292, half, 32));
    sBtnNik->setToolTip(QStringLiteral("ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ"));
    BtnSort = BoldButton(this, "BtnSort", QStringLiteral("&ΔΙΑΛΟΓΗ"), QRect(kColumnX + kColumnWidth - half, 292, half, 32));
    glBBtnhELP = BoldButton(this, "glBBtnhELP", QStringLiteral("&ΒΟΗΘΕΙΑ"), QRect(kColumnX, BtnBack->y(), half, 32));
    BtnBack->setGeometry(kColumnX + kColumnWidth - half, BtnBack->y(), half, 32);
    BBtnReport = BoldButton(this, "BBtnReport", QStringLiteral("&ΑΝΑΦΟΡΑ"), QRect(kColumnX, 330, half, 26));
    BBtnReport->hide();
    Actions = new CouponFileActions(
        context_, [this]() -> const data::CouponFileData & { return file_; }, [this] { return fileName_; },
        kColumnWidth, this);
    Actions->move(kColumnX, 330);

    connect(Header1, &WinningRow::placeClicked, this,
            [this](int place) { runGuarded(context_.prompts, this, [this, place] { HeaderSectionClick(place); }); });
    connect(Header2, &WinningRow::placeClicked, this,
            [this](int place) { runGuarded(context_.prompts, this, [this, place] { HeaderSectionClick(place); }); });
    connectGuarded(sBtnNik, &QPushButton::clicked, this, context_.prompts, [this] { sBtnNikClick(); });
    connectGuarded(BtnSort, &QPushButton::clicked, this, context_.prompts, [this] { BtnSortClick(); });
    connectGuarded(glBBtnhELP, &QPushButton::clicked, this, context_.prompts, [this] { glBBtnhELPClick(); });
}

bool TPrnPrevDeltiaFrm::loadCouponFile(const QString &path)
{
    data::CouponFileData read = data::ReadCouponFile(path);
    if (!read.valid) {
        file_ = data::CouponFileData{};
        value_ = 0.0;
        context_.prompts.info(this, read.error);
        return false;
    }
    const double value = data::CouponFileValue(read, context_.state.columnPrice);
    file_ = std::move(read);
    fileName_ = QFileInfo(path).fileName();
    value_ = value;
    return true;
}

QString TPrnPrevDeltiaFrm::captionPrefix() const
{
    return fileName_ + QStringLiteral(",  ΔΕΛΤΙΟ ");
}

SlipMarks TPrnPrevDeltiaFrm::couponMarks(int n) const
{
    // The same marks as every printing of a coupon file: a game or a box the slip does not have
    // is shown without it and refused when printed.
    return CouponFileSlipMarks(file_, n - 1);
}

void TPrnPrevDeltiaFrm::repaintWinning()
{
    Header1->update();
    Header2->update();
}

void TPrnPrevDeltiaFrm::HeaderSectionClick(int place)
{
    auto *picker = context_.window<TNikDlg>(WindowId::NikDlg);
    if (!picker || place < 0 || place >= kWinningSize)
        return;
    WinningPlaces &winning = context_.state.winningColumn;
    picker->selectText(winning[static_cast<std::size_t>(place)]);
    if (picker->exec() == QDialog::Accepted) {
        const QString picked = picker->chosenText().trimmed();
        if (!picked.isEmpty() && IsDuplicatePlace(winning, picked))
            context_.prompts.message(this, kDuplicatePlace, QString(), Icon::Warning);
        else
            SetWinningPlace(winning, place, picked);
    }
    repaintWinning();
}

void TPrnPrevDeltiaFrm::sBtnNikClick()
{
    const QString path = context_.paths.file(kDrawsFileName);
    if (!QFile::exists(path))
        return;
    auto *picker = context_.window<TViewNikDlg>(WindowId::ViewNikDlg);
    if (!picker || !picker->LoadDrawsGrid(path))
        return;
    if (picker->exec() != QDialog::Accepted)
        return;
    const QStringList fields = picker->selectedFields();
    if (fields.size() < draws::kDrawFields)
        return;
    WinningPlaces &winning = context_.state.winningColumn;
    for (int place = 0; place < kWinningSize; ++place)
        winning[static_cast<std::size_t>(place)] = fields.at(3 + place).trimmed().left(2);
    repaintWinning();
}

void TPrnPrevDeltiaFrm::BtnSortClick()
{
    const WinningPlaces &winning = context_.state.winningColumn;
    if (const std::optional<CheckRefusal> refusal = CheckingRefusal(couponCount(), winning)) {
        context_.prompts.message(this, refusal->text, refusal->caption,
                                 refusal->caption == kCaptionError ? Icon::Error : Icon::Information);
        return;
    }
    const CheckResult result = data::CheckCouponFile(file_, winning);
    auto *results = context_.window<TInfoDialDlg>(WindowId::InfoDialDlg);
    if (!results)
        return;
    results->Label1->clear();
    results->PrepareResults(file_.game);
    results->showResults(result);
    results->exec();
}

void TPrnPrevDeltiaFrm::glBBtnhELPClick()
{
    context_.help(kDeltiaHelpTopic);
}

void TPrnPrevDeltiaFrm::prepareSnapshot()
{
    const QByteArray sample = data::CouponFileBytes(
        4, 5, QStringLiteral("1,3"), 2, 0,
        {QStringList{QStringLiteral("3"), QStringLiteral("14"), QStringLiteral("27"), QStringLiteral("52"), QStringLiteral("80")},
         QStringList{QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("33"), QStringLiteral("61"), QStringLiteral("79")},
         QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("40"), QStringLiteral("41"), QStringLiteral("70")},
         QStringList{QStringLiteral("9"), QStringLiteral("19"), QStringLiteral("29"), QStringLiteral("39"), QStringLiteral("49")}});
    file_ = data::ParseCouponFile(sample, QStringLiteral("ΣΥΣΤΗΜΑ 1.tru"));
    fileName_ = QStringLiteral("ΣΥΣΤΗΜΑ 1.tru");
    value_ = data::CouponFileValue(file_, context_.state.columnPrice);
    // Half a winning column typed in, the rest still to pick.
    WinningPlaces &winning = context_.state.winningColumn;
    const int drawn[] = {3, 7, 11, 14, 18, 22, 27, 31, 36, 40, 44, 47};
    for (std::size_t i = 0; i < std::size(drawn); ++i)
        winning[i] = QString::number(drawn[i]);
    repaintWinning();
    FormShow();
}

} // namespace taru::ui
