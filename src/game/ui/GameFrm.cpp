#include "game/ui/GameFrm.h"

#include "base/AppPaths.h"
#include "base/OwnerSettings.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "data/GameFile.h"
#include "game/CouponBoxes.h"
#include "game/Pricing.h"
#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/GameHeading.h"
#include "game/ui/NumberBoard.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace taru::ui {

namespace {

const QString kFixedTitle = QStringLiteral("ΠΑΙΧΝΙΔΙ");
const QString kLoadedCaption = QStringLiteral("ΠΑΙΧΝΙΔΙ  TARU   ");
const QString kGameFilter = QStringLiteral("Αρχεία Παιχνιδιού|*.gak");
const QString kGameExtension = QStringLiteral("gak");
const QString kHelpTopic = QStringLiteral("TARU.chm::/GAME0.htm");

const QString kMsgTwelve = QStringLiteral("Εχετε συμπληρώσει τους 12 αριθμούς που επιτρέπονται!");
const QString kMsgNoNumbers = QStringLiteral("Παρακαλώ επιλέξτε ακριβως τους αριθμούς του παιχνιδιου.");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");
const QString kAskClearWinning = QStringLiteral("Να γίνει καθαρισμός της Nικήτριας Στήλης;");

const QString kColumnsLabel = QStringLiteral("ΣΤΗΛΕΣ : ");
const QString kCostLabel = QStringLiteral("ΚΟΣΤΟΣ : ");
const QString kCostLabelEmpty = QStringLiteral("ΚΟΣΤΟΣ :");

} // namespace

TGameFrm::TGameFrm(AppContext &context, CouponPreviewOpener openPreview, QWidget *parent)
    : CentredDialog(context.prompts, parent)
    , context_(context)
    , state_(context.state)
    , openPreview_(std::move(openPreview))
{
    setObjectName(QStringLiteral("GameFrm"));
    setWindowTitle(kFixedTitle);
    setFixedSize(758, 481);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    buildControls();
    connectHandlers();
}

void TGameFrm::buildControls()
{
    Heading = new GameHeading(this);
    Heading->setGeometry(0, 0, 758, 56);

    const Qt::Alignment bottomLeft = Qt::AlignLeft | Qt::AlignBottom;

    LblNumbers = SmallCaption(this, QStringLiteral("ΕΠΙΛΟΓΗ ΑΡΙΘΜΩΝ"), QRect(14, 64, 291, 28), bottomLeft);
    Sgrd = new NumberBoard(this);
    Sgrd->setObjectName(QStringLiteral("Sgrd"));
    Sgrd->move(14, 96);
    Sgrd->setMarkModel([this](int i) { return state_.board[i]; });

    LblDraws = SmallCaption(this, QStringLiteral("ΣΥΝΕΧ/ΝΕΣ\nΚΛΗΡΩΣΕΙΣ"), QRect(308, 62, 88, 32),
                       Qt::AlignHCenter | Qt::AlignBottom);
    SgrdDK = new DrawBoxesGrid(this);
    SgrdDK->setObjectName(QStringLiteral("SgrdDK"));
    SgrdDK->move(322, 96);
    SgrdDK->setMarkModel([this](int i) { return state_.drawBoxes[SgrdDK->columnOf(i)][SgrdDK->rowOf(i)]; });

    const int right = 404;
    LblGame = SmallCaption(this, QStringLiteral("ΕΠΙΛΟΓΗ ΠΑΙΧΝΙΔΙΟΥ"), QRect(right, 64, 340, 28), bottomLeft);
    Header3 = BoxHeader::gameBoxes(this);
    Header3->setObjectName(QStringLiteral("Header3"));
    Header3->move(right, 96);
    Header3->setMarkModel([this](int i) { return state_.gameBoxes[i]; });

    LblMultiplier = SmallCaption(this, QStringLiteral("ΠΟΛΛΑΠΛΑΣΙΑΣΤΗΣ"), QRect(right, 128, 340, 20), bottomLeft);
    Header1 = BoxHeader::multiplierBoxes(this);
    Header1->setObjectName(QStringLiteral("Header1"));
    Header1->move(right, 150);
    Header1->setMarkModel([this](int i) { return state_.multiplierBoxes[i]; });

    LblRandom = SmallCaption(this, QStringLiteral("ΤΥΧΑΙΑ ΕΠΙΛΟΓΗ"), QRect(right, 182, 130, 20), bottomLeft);
    Header6 = BoxHeader::randomBox(this);
    Header6->setObjectName(QStringLiteral("Header6"));
    Header6->move(right, 204);
    Header6->setMarkModel([this](int) { return state_.randomBox; });

    GrpValue = new QGroupBox(QStringLiteral("ΑΞΙΑ ΔΕΛΤΙΟΥ"), this);
    GrpValue->setObjectName(QStringLiteral("GrpValue"));
    GrpValue->setGeometry(544, 180, 201, 76);
    QFont valueFont = GrpValue->font();
    valueFont.setBold(true);
    GrpValue->setFont(valueFont);
    LblSthles = new QLabel(GrpValue);
    LblSthles->setObjectName(QStringLiteral("LblSthles"));
    LblSthles->setGeometry(12, 24, 180, 20);
    LblKostos = new QLabel(GrpValue);
    LblKostos->setObjectName(QStringLiteral("LblKostos"));
    LblKostos->setGeometry(12, 46, 180, 20);
    QPalette valuePalette = LblKostos->palette();
    valuePalette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    LblKostos->setPalette(valuePalette);

    // Checking against a winning column is done from the coupon-file preview; here the
    // commands are shown but never available.
    LblWinning = SmallCaption(this, QStringLiteral("Ν Ι Κ Η Τ Ρ Ι Α   Σ Τ Η Λ Η"), QRect(right, 268, 341, 20),
                         Qt::AlignLeft | Qt::AlignVCenter);
    sBtnNik = BoldButton(this, "sBtnNik", QStringLiteral("ΝΙΚ.ΣΤ."), QRect(right, 292, 110, 30));
    sBtnNik->setToolTip(QStringLiteral("ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ"));
    sBtnNik->setEnabled(false);
    BtnSort = BoldButton(this, "BtnSort", QStringLiteral("&ΔΙΑΛΟΓΗ"), QRect(right + 120, 292, 110, 30));
    BtnSort->setEnabled(false);

    const int row1 = 362;
    const int row2 = 414;
    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("&ΔΕΛΤΙΟ"), QRect(14, row1, 140, 36));
    BtnClear = BoldButton(this, "BtnClear", QStringLiteral("&ΚΑΘΑΡΙΣΜΟΣ"), QRect(164, row1, 141, 36));
    BBtnSave = BoldButton(this, "BBtnSave", QStringLiteral("&ΣΩΣΙΜΟ ΠΑΙΧΝΙΔΙΟΥ"), QRect(right, row1, 165, 36));
    BBtnOpen = BoldButton(this, "BBtnOpen", QStringLiteral("&ΦΟΡΤΩΜΑ ΠΑΙΧΝΙΔΙΟΥ"), QRect(right + 176, row1, 165, 36));
    const HelpRow helpRow = MakeHelpRow(this, context_, kHelpTopic, QRect(14, row2, 140, 36),
                                        QRect(right + 176, row2, 165, 36), QRect(164, row2, 40, 36), "BBtnCalculator");
    glBBtnhELP = helpRow.help;
    BBtnCalculator = helpRow.calculator;
    BtnBack = helpRow.back;
}

void TGameFrm::connectHandlers()
{
    Prompts &prompts = context_.prompts;
    // Box clicks carry the box's index, so they are guarded here rather than through
    // connectGuarded, which forwards no arguments.
    auto guardedIndex = [this, &prompts](BoxGrid *grid, void (TGameFrm::*handler)(int)) {
        connect(grid, &BoxGrid::boxClicked, this,
                [this, &prompts, handler](int index) { runGuarded(prompts, this, [&] { (this->*handler)(index); }); });
    };
    guardedIndex(Sgrd, &TGameFrm::SgrdMouseUp);
    guardedIndex(Header1, &TGameFrm::Header1SectionClick);
    guardedIndex(Header6, &TGameFrm::Header6SectionClick);
    guardedIndex(SgrdDK, &TGameFrm::SgrdDKMouseUp);

    connectGuarded(BtnPrint, &QPushButton::clicked, this, prompts, [this] { BtnPrintClick(); });
    connectGuarded(BtnClear, &QPushButton::clicked, this, prompts, [this] { BtnClearClick(); });
    connectGuarded(BBtnSave, &QPushButton::clicked, this, prompts, [this] { BBtnSaveClick(); });
    connectGuarded(BBtnOpen, &QPushButton::clicked, this, prompts, [this] { BBtnOpenClick(); });
}

void TGameFrm::FormShow()
{
    setWindowTitle(owner::windowCaption(kFixedTitle));
    ResetCoupon(true);
}

void TGameFrm::ResetCoupon(bool clearWinningColumn)
{
    state_.board.fill(false);
    state_.gameBoxes.fill(false);
    state_.multiplierBoxes.fill(false);
    for (auto &column : state_.drawBoxes)
        column.fill(false);
    state_.randomBox = false;
    if (clearWinningColumn)
        state_.clearWinningColumn();
    refreshBoxes();
    LblSthles->setText(kColumnsLabel);
    LblKostos->setText(kCostLabelEmpty);
}

int TGameFrm::CountMarked() const
{
    return taru::CountMarked(state_.board);
}

void TGameFrm::FillSlipMarks()
{
    state_.slipMarks = MakeSlipMarks(state_.board, state_.gameBoxes, state_.multiplierBoxes, state_.drawBoxes,
                                     state_.randomBox);
}

void TGameFrm::UpdateValue()
{
    FillSlipMarks();
    const int columns = 1;
    const double cost = CouponCost(columns, CouponDraws(state_.drawBoxes), CouponMultiplier(state_.multiplierBoxes),
                                   state_.columnPrice);
    state_.couponValue = cost;
    LblSthles->setText(kColumnsLabel + QString::number(columns));
    LblKostos->setText(kCostLabel + FormatMoney(cost));
}

void TGameFrm::SgrdMouseUp(int index)
{
    if (ToggleNumber(state_.board, index, kMaxGame) == NumberClick::Refused) {
        context_.prompts.info(this, kMsgTwelve, kCaptionProgram);
        return;
    }
    Sgrd->refresh();
    SetGameBoxForCount(state_.gameBoxes, CountMarked());
    Header3->refresh();
    UpdateValue();
}

void TGameFrm::Header1SectionClick(int index)
{
    bool &mark = state_.multiplierBoxes.at(static_cast<std::size_t>(index));
    mark = !mark;
    Header1->refresh();
    UpdateValue();
}

void TGameFrm::Header6SectionClick(int)
{
    state_.randomBox = !state_.randomBox;
    Header6->refresh();
    UpdateValue();
}

void TGameFrm::SgrdDKMouseUp(int index)
{
    ToggleDrawBox(state_.drawBoxes, SgrdDK->columnOf(index), SgrdDK->rowOf(index));
    SgrdDK->refresh();
    UpdateValue();
}

void TGameFrm::BtnPrintClick()
{
    if (CountMarked() == 0) {
        context_.prompts.info(this, kMsgNoNumbers, kCaptionProgram);
        return;
    }
    FillSlipMarks();
    if (openPreview_)
        openPreview_(gameLabel(), state_.couponValue);
}

void TGameFrm::BtnClearClick()
{
    if (!context_.prompts.confirm(this, kAskClear, kCaptionConfirm))
        return;
    const bool keepWinning = context_.prompts.ask(this, kAskClearWinning, kCaptionConfirm, {Button::Yes, Button::No},
                                                  Button::No, Icon::Question) == Button::No;
    ResetCoupon(!keepWinning);
}

void TGameFrm::BBtnSaveClick()
{
    const QString folder = context_.paths.folder(kDeltiaFolder);
    if (CountMarked() == 0) {
        context_.prompts.info(this, kMsgNoNumbers, kCaptionProgram);
        return;
    }
    const auto path = context_.prompts.saveFile(this, folder, kGameFilter, kGameExtension);
    if (!path)
        return;
    WriteGameFile(*path, state_.board, state_.multiplierBoxes, state_.drawBoxes);
}

void TGameFrm::BBtnOpenClick()
{
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const auto path = context_.prompts.openFile(this, folder, kGameFilter);
    if (!path)
        return;
    lastGameFile_ = *path;

    // Only the board is cleared: the options already on the coupon stay, the file's add to them.
    state_.board.fill(false);
    int count = 0;
    try {
        count = ReadGameFile(*path, {state_.board, state_.multiplierBoxes, state_.drawBoxes});
    } catch (...) {
        refreshBoxes(); // what was read before the failure stays, and is shown
        throw;
    }
    if (const auto box = GameBoxAfterLoad(count))
        state_.gameBoxes[static_cast<std::size_t>(*box - 1)] = true;

    setWindowTitle(kLoadedCaption + gameLabel());
    refreshBoxes();
    UpdateValue();
}

void TGameFrm::prepareSnapshot()
{
    ResetCoupon(true);
    for (int number : {3, 17, 25, 42, 58, 71, 80})
        SgrdMouseUp(number - 1);
    Header1SectionClick(0); // 2
    Header1SectionClick(6); // 10
    SgrdDKMouseUp(7);       // 50 draws
    Header6SectionClick(0);
}

QString TGameFrm::gameLabel() const
{
    if (lastGameFile_.isEmpty())
        return {};
    return QFileInfo(lastGameFile_).fileName().section(QLatin1Char('.'), 0, 0);
}

void TGameFrm::refreshBoxes()
{
    Sgrd->refresh();
    Header3->refresh();
    Header1->refresh();
    Header6->refresh();
    SgrdDK->refresh();
}

} // namespace taru::ui
