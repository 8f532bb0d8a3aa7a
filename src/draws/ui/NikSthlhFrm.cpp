#include "draws/ui/NikSthlhFrm.h"

#include "draws/DrawsFile.h"
#include "draws/ui/DrawsTexts.h"
#include "game/ui/NumberBoard.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace taru::ui {

TNikSthlhFrm::TNikSthlhFrm(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("NikSthlhFrm"));
    setWindowTitle(kBoardCaption);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(330, 430);

    Label1 = CaptionLabel(this, QString(), QRect(16, 8, 300, 20));
    Label2 = CaptionLabel(this, QString(), QRect(16, 30, 300, 20));
    Label3 = CaptionLabel(this, QStringLiteral(" "), QRect(16, 52, 300, 20));
    LblPrompt = CaptionLabel(this, kBoardPrompt, QRect(16, 80, 300, 20));
    LblPrompt->setAlignment(Qt::AlignCenter);

    SgrdA = new NumberBoard(this);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move((width() - SgrdA->sizeHint().width()) / 2, 108);
    SgrdA->resize(SgrdA->sizeHint());
    SgrdA->setMarkModel([this](int index) { return context_.state.board[static_cast<std::size_t>(index)]; });
    connect(SgrdA, &BoxGrid::boxClicked, this,
            [this](int index) { runGuarded(context_.prompts, this, [this, index] { SgrdAMouseUp(index); }); });

    const int buttonsTop = 108 + SgrdA->sizeHint().height() + 20;
    BBtnOK = BoldButton(this, "BBtnOK", kOkButton, QRect(40, buttonsTop, 110, 32));
    BtnCancel = BoldButton(this, "BtnCancel", kCancelButton, QRect(180, buttonsTop, 110, 32));
    setFixedSize(330, buttonsTop + 48);
    connectGuarded(BBtnOK, &QPushButton::clicked, this, context_.prompts, [this] { BBtnOKClick(); });
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TNikSthlhFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TNikSthlhFrm::FormShow()
{
    context_.state.board.fill(false);
    PickedNumbers.clear();
    for (int n = 1; n <= draws::kHighestNumber; ++n)
        SgrdA->setText(n - 1, QString::number(n));
    SgrdA->refresh();
}

void TNikSthlhFrm::SgrdAMouseUp(int index)
{
    if (index < 0 || index >= draws::kHighestNumber)
        return;
    bool &mark = context_.state.board[static_cast<std::size_t>(index)];
    mark = !mark;
    SgrdA->refresh();
    if (context_.state.countMarked() >= draws::kDrawNumbers)
        context_.prompts.info(this, kBoardFull);
}

void TNikSthlhFrm::BBtnOKClick()
{
    QStringList marked;
    for (int n = 1; n <= draws::kHighestNumber; ++n) {
        if (context_.state.board[static_cast<std::size_t>(n - 1)])
            marked << QString::number(n);
    }
    PickedNumbers = marked.join(QLatin1Char(','));
    if (marked.size() < draws::kDrawNumbers) {
        context_.prompts.info(this, kBoardCountHead + QString::number(marked.size()) + kBoardCountTail);
        return;
    }
    accept();
}

void TNikSthlhFrm::prepareSnapshot()
{
    Label1->setText(kBoardLine1 + QStringLiteral("1128441"));
    Label2->setText(kBoardLine2 + QStringLiteral("05/11/2026"));
    for (int n : {3, 7, 11, 14, 19, 22, 25, 31, 36, 40, 44, 47, 52, 58, 61, 66, 70, 73, 77})
        context_.state.board[static_cast<std::size_t>(n - 1)] = true;
    SgrdA->refresh();
}

} // namespace taru::ui
