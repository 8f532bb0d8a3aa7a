#include "print/ui/SlipPreview.h"

#include "base/Errors.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "game/Pricing.h"
#include "print/ui/ProgramPrinter.h"
#include "print/ui/SlipPicture.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>

#include <exception>

namespace taru::ui {

SlipPreviewWindow::SlipPreviewWindow(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , slip_(SlipPicture())
    , working_(slip_)
{
    setFixedSize(kColumnX + kColumnWidth + 12, kSlipPictureHeight + 20 + kPrinterBarHeight);
    printSlips = [this](QWidget *owner, const SlipJobSource &jobs, SlipVariant variant, const SlipPrintHooks &hooks) {
        return PrintSlipJobs(context_, owner, ProgramPrinter(), jobs, variant, hooks);
    };
    printTarget = [this](QWidget *owner) {
        const PrintTarget target = EnsurePrinter(context_, owner, ProgramPrinter());
        refreshPrinter(); // it may have just been chosen
        return target;
    };

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(10, 10, kSlipPictureWidth, kSlipPictureHeight);
    Image1->setPixmap(QPixmap::fromImage(working_));

    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("Ε&ΚΤΥΠΩΣΗ"), QRect(kColumnX, 96, kColumnWidth, 32));
    BtnPrnSettings = BoldButton(this, "BtnPrnSettings", QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ"),
                                  QRect(kColumnX, 172, kColumnWidth, 32));
    BtnBack = BoldButton(this, "BtnBack", QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"),
                           QRect(kColumnX, kSlipPictureHeight - 22, kColumnWidth, 32));

    // Under the slip and the buttons: the printer in use, and the way to choose another.
    const int barY = kSlipPictureHeight + 20;
    LblPrinter = new QLabel(this);
    LblPrinter->setObjectName(QStringLiteral("LblPrinter"));
    LblPrinter->setGeometry(10, barY, kColumnX - 20, 32);
    BtnChoosePrinter = BoldButton(this, "BtnChoosePrinter", kChoosePrinterCaption, QRect(kColumnX, barY, kColumnWidth, 32));
    BtnChoosePrinter->setToolTip(QStringLiteral("Εκτυπωτής ή αρχείο PDF για τις εκτυπώσεις του προγράμματος"));

    connectGuarded(BtnPrint, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrintClick(); });
    connectGuarded(BtnPrnSettings, &QPushButton::clicked, this, context_.prompts, [this] { BtnPrnSettingsClick(); });
    connectGuarded(BtnBack, &QPushButton::clicked, this, context_.prompts, [this] { BtnBackClick(); });
    connectGuarded(BtnChoosePrinter, &QPushButton::clicked, this, context_.prompts, [this] { BtnChoosePrinterClick(); });
}

void SlipPreviewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    refreshPrinter();
}

void SlipPreviewWindow::refreshPrinter()
{
    // The full line in the tip; on the label its brief form, fitted or cut in the middle.
    LblPrinter->setToolTip(PrinterText(ProgramPrinter()));
    const QString text = PrinterText(ProgramPrinter(), true);
    SetFittedText(LblPrinter, text);
    LblPrinter->setText(LblPrinter->fontMetrics().elidedText(text, Qt::ElideMiddle, LblPrinter->contentsRect().width()));
}

void SlipPreviewWindow::BtnChoosePrinterClick()
{
    ChoosePrinter(context_, this, ProgramPrinter());
    refreshPrinter();
}

void SlipPreviewWindow::BtnPrnSettingsClick()
{
    if (QDialog *settings = context_.window(WindowId::PrnFrm))
        settings->exec();
    refreshPrinter(); // the settings dialog can choose the printer too
}

void SlipPreviewWindow::BtnBackClick()
{
    reject();
}

void SlipPreviewWindow::showMarks(const SlipMarks &marks, bool onlyExistingBoxes)
{
    // Raises before the old marks are discarded.
    const SlipFlags flags = onlyExistingBoxes ? ParseShownSlipMarks(marks) : ParseSlipMarks(marks);
    working_ = slip_;
    shownMarks_ = DrawScreenMarks(working_, flags);
    Image1->setPixmap(QPixmap::fromImage(working_));
}

void SlipPreviewWindow::clearMarks()
{
    working_ = slip_;
    shownMarks_.clear();
    Image1->setPixmap(QPixmap::fromImage(working_));
}

MultiCouponPreview::MultiCouponPreview(AppContext &context, QWidget *parent)
    : SlipPreviewWindow(context, parent)
{
    const int half = (kColumnWidth - 8) / 2;
    SBtnPrev = BoldButton(this, "SBtnPrev", QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ"), QRect(kColumnX, 10, half, 32));
    SBtnPrev->setToolTip(QStringLiteral("ΠΡΟΗΓΟΥΜΕΝΟ ΔΕΛΤΙΟ"));
    SBtnNext = BoldButton(this, "SBtnNext", QStringLiteral("ΕΠΟΜΕΝΟ"),
                            QRect(kColumnX + kColumnWidth - half, 10, half, 32));
    SBtnNext->setToolTip(QStringLiteral("ΕΠΟΜΕΝΟ ΔΕΛΤΙΟ"));
    SpeedButton3 = BoldButton(this, "SpeedButton3", QStringLiteral("ΕΥΡΕΣΗ ΔΕΛΤΙΟΥ"),
                                QRect(kColumnX, 48, kColumnWidth, 32));
    SpeedButton3->setToolTip(QStringLiteral("ΜΕΤΑΚΙΝΗΣΗ ΣΕ ΔΕΛΤΙΟ"));
    BBtnPrintAll = BoldButton(this, "BBtnPrintAll", QStringLiteral("ΕΚΤΥΠΩΣΗ &ΟΛΩΝ"),
                                QRect(kColumnX, 134, kColumnWidth, 32));
    BBtnPrintAll->setToolTip(QStringLiteral("ΕΚΤΥΠΩΣΗ ΟΛΩΝ ΤΩΝ ΔΕΛΤΙΩΝ"));

    connectGuarded(SBtnPrev, &QPushButton::clicked, this, context_.prompts, [this] { SBtnPrevClick(); });
    connectGuarded(SBtnNext, &QPushButton::clicked, this, context_.prompts, [this] { SBtnNextClick(); });
    connectGuarded(SpeedButton3, &QPushButton::clicked, this, context_.prompts, [this] { SpeedButton3Click(); });
    connectGuarded(BBtnPrintAll, &QPushButton::clicked, this, context_.prompts, [this] { BBtnPrintAllClick(); });
}

void MultiCouponPreview::showEvent(QShowEvent *event)
{
    SlipPreviewWindow::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void MultiCouponPreview::FormShow()
{
    current_ = 0;
    clearMarks();
    if (couponCount() > 0)
        showCoupon(1);
}

QString MultiCouponPreview::captionPrefix() const
{
    return QStringLiteral("ΔΕΛΤΙΟ ");
}

void MultiCouponPreview::showCoupon(int n)
{
    showMarks(couponMarks(n), showsOnlyExistingBoxes());
    current_ = n;
    setWindowTitle(captionPrefix() + QString::number(n) + QStringLiteral(" ΑΠΟ ") + QString::number(couponCount()) +
                   QStringLiteral(" ΚΟΣΤΟΣ :") + FormatMoney(value_));
}

void MultiCouponPreview::SBtnPrevClick()
{
    if (current_ > 1)
        showCoupon(current_ - 1);
}

void MultiCouponPreview::SBtnNextClick()
{
    if (current_ < couponCount())
        showCoupon(current_ + 1);
}

void MultiCouponPreview::SpeedButton3Click()
{
    const std::optional<QString> answer = context_.prompts.input(this, kGoToCaption, kGoToPrompt, QString());
    if (!answer)
        return;
    // A blank answer is coupon 0, which does not exist; a non-number is reported as any
    // conversion failure is.
    const int n = answer->trimmed().isEmpty() ? 0 : toInt(*answer);
    if (n >= 1 && n <= couponCount())
        showCoupon(n);
}

SlipJob MultiCouponPreview::couponJob(int n) const
{
    SlipJob job;
    job.marks = couponMarks(n);
    job.valueLine.kind = ValueLine::Kind::CouponNumber;
    job.valueLine.couponNumber = n;
    job.valueLine.value = value_;
    return job;
}

PrintResult MultiCouponPreview::printCoupon(int n, const SlipPrintHooks &hooks)
{
    return printSlips(this, SlipJobSource::of({couponJob(n)}), variant(), hooks);
}

void MultiCouponPreview::BtnPrintClick()
{
    if (current_ < 1 || printTarget(this) == PrintTarget::None)
        return;
    // Stopped at the question about an item off the page: nothing printed, the coupon stays.
    if (printCoupon(current_).outcome == PrintOutcome::Cancelled)
        return;
    if (current_ == couponCount())
        context_.prompts.info(this, kLastCouponPrinted);
    SBtnNextClick();
}

bool MultiCouponPreview::printBatchToFile(int start)
{
    const SlipJobSource source{couponCount() - start + 1, [this, start](int index) { return couponJob(start + index); }};
    SlipPrintHooks hooks;
    // The window repaints between pages and follows them; closing it ends the document there.
    hooks.afterPage = [this](int) {
        QApplication::processEvents();
        SBtnNextClick();
        return isVisible();
    };
    const PrintResult result = printSlips(this, source, variant(), hooks);
    return result.printed() || result.outcome == PrintOutcome::Cancelled;
}

bool MultiCouponPreview::printBatchByCoupon(int start)
{
    // An item off the page is asked about once for the whole batch.
    bool asked = false;
    bool goOn = true;
    SlipPrintHooks hooks;
    hooks.outsidePage = [&](const ItemOutsidePage &found) {
        if (!asked) {
            asked = true;
            goOn = context_.prompts.confirm(this, OutsidePageQuestion(found));
        }
        return goOn;
    };
    for (int n = start; n <= couponCount(); ++n) {
        // Each coupon is its own job; the window repaints between pages.
        const PrintResult result = printCoupon(n, hooks);
        if (result.outcome == PrintOutcome::Cancelled)
            return true;
        if (!result.printed())
            return false;
        QApplication::processEvents();
        SBtnNextClick();
        if (!isVisible())
            break; // closed: the batch ends here
    }
    return true;
}

void MultiCouponPreview::BBtnPrintAllClick()
{
    if (couponCount() < 1)
        return;
    const Button answer = context_.prompts.ask(this, kAskBatchFromCurrent, kCaptionConfirm,
                                               {Button::Yes, Button::No, Button::Cancel}, Button::Cancel,
                                               Icon::Question);
    if (answer == Button::Cancel)
        return;
    const int start = answer == Button::Yes && current_ >= 1 ? current_ : 1;
    const PrintTarget target = printTarget(this);
    if (target == PrintTarget::None)
        return;
    bool failed = false;
    try {
        showCoupon(start);
        // To a file, every job would rewrite the same file: the batch is one document there.
        failed = !(target == PrintTarget::File ? printBatchToFile(start) : printBatchByCoupon(start));
    } catch (const std::exception &) {
        failed = true;
    }
    if (failed)
        context_.prompts.error(this, kBatchFailed);
}

} // namespace taru::ui
