#include "print/ui/CouponFileActions.h"

#include "base/AppPaths.h"
#include "draws/DrawsFile.h"
#include "print/ui/BacktestDlg.h"
#include "print/ui/GuaranteeCheckDlg.h"
#include "systems/GuaranteeQuery.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QFileInfo>
#include <QPushButton>

namespace taru::ui {

namespace {
const QString kNoCoupons = QStringLiteral("Το αρχείο δεν έχει δελτία για έλεγχο");
const QString kNoDrawsFile = QStringLiteral("Δεν βρέθηκε το αρχείο των Νικητριών (Nikitries.nik)");
const QString kNoDraws = QStringLiteral("Το αρχείο των Νικητριών δεν έχει κληρώσεις");
} // namespace

CouponFileActions::CouponFileActions(AppContext &context, FileSource file, NameSource fileName, int width,
                                     QWidget *parent)
    : QWidget(parent)
    , context_(context)
    , file_(std::move(file))
    , fileName_(std::move(fileName))
{
    const int half = (width - 8) / 2;
    BtnGuarantee = BoldButton(this, "BtnGuarantee", QStringLiteral("ΕΛΕΓΧΟΣ Ε&ΓΓΥΗΣΗΣ"), QRect(0, 0, half, kHeight));
    BtnGuarantee->setToolTip(QStringLiteral("Κρατούν τα δελτία μια εγγύηση;"));
    BtnHistory = BoldButton(this, "BtnHistory", QStringLiteral("&ΙΣΤΟΡΙΚΟ"), QRect(width - half, 0, half, kHeight));
    BtnHistory->setToolTip(QStringLiteral("Τα δελτία σε όλες τις κληρώσεις του αρχείου των Νικητριών"));
    resize(width, kHeight);

    CheckDlg = new TGuaranteeCheckDlg(context_, this);
    HistoryDlg = new TBacktestDlg(context_, this);

    connectGuarded(BtnGuarantee, &QPushButton::clicked, this, context_.prompts, [this] { BtnGuaranteeClick(); });
    connectGuarded(BtnHistory, &QPushButton::clicked, this, context_.prompts, [this] { BtnHistoryClick(); });
}

bool CouponFileActions::haveCoupons()
{
    const data::CouponFileData &file = file_();
    for (const data::CouponLine &line : file.lines) {
        if (!line.numbers.empty())
            return true;
    }
    context_.prompts.info(this, kNoCoupons, kCaptionProgram);
    return false;
}

void CouponFileActions::BtnGuaranteeClick()
{
    if (!haveCoupons())
        return;
    const data::CouponFileData &file = file_();
    CheckDlg->setCoupons(CouponFileColumns(file), file.game);
    CheckDlg->setWindowTitle(QStringLiteral("ΕΛΕΓΧΟΣ ΕΓΓΥΗΣΗΣ: ") + fileName_());
    CheckDlg->exec();
}

void CouponFileActions::BtnHistoryClick()
{
    if (!haveCoupons())
        return;
    const QString path = context_.paths.file(kDrawsFileName);
    if (!QFileInfo::exists(path)) {
        context_.prompts.info(this, kNoDrawsFile, kCaptionProgram);
        return;
    }
    draws::DrawsFileData read = draws::ReadDrawsFile(path);
    if (!read.valid) {
        context_.prompts.error(this, read.message(), draws::kDrawsErrorCaption);
        return;
    }
    if (read.draws.empty()) {
        context_.prompts.info(this, kNoDraws, kCaptionProgram);
        return;
    }
    HistoryDlg->run(file_(), std::move(read.draws), fileName_());
    HistoryDlg->exec();
}

} // namespace taru::ui
