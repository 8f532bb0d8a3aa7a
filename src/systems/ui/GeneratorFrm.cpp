#include "systems/ui/GeneratorFrm.h"

#include "base/OwnerSettings.h"
#include "window/DigitKeys.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "game/CouponBoxes.h"
#include "game/Pricing.h"
#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/PrnPrevGenFrm.h"
#include "systems/Generator.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace taru::ui {

namespace {

const QString kFixedTitle = QStringLiteral("ΓΕΝΝΗΤΡΙΑ ΔΕΛΤΙΩΝ");
const QString kHelpTopic = QStringLiteral("TARU.chm::/gennhtria.htm");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");

const QString kColumns = QStringLiteral("Αριθμός Στηλών :  ");
const QString kColumnsCleared = QStringLiteral("Αριθμός Στηλών : ");
const QString kValue = QStringLiteral("Αξία Δελτίου : ");
const QString kValueCleared = QStringLiteral("Αξία Δελτίου :");
const QString kTotal = QStringLiteral("Συνολική Αξία Δελτίου : ");
const QString kTotalCleared = QStringLiteral("Συνολική Αξία Δελτίου :");
const QString kDefaultCount = QStringLiteral("100");
constexpr int kDefaultGameIndex = kMaxGame - 1; // "12"

} // namespace

TGeneratorFrm::TGeneratorFrm(AppContext &context, QWidget *parent)
    : CentredDialog(context.prompts, parent)
    , context_(context)
{
    setObjectName(QStringLiteral("GeneratorFrm"));
    setWindowTitle(kFixedTitle);
    setFixedSize(760, 380);
    buildControls();
    connectHandlers();
}

void TGeneratorFrm::buildControls()
{
    SharedState &state = context_.state;
    LblMould = SmallCaption(this, QStringLiteral("Κ Α Λ Ο Υ Π Ι      Δ Ε Λ Τ Ι Ο Υ"), QRect(70, 8, 290, 24));
    Sgrd = new NumberBoard(this);
    Sgrd->setObjectName(QStringLiteral("Sgrd"));
    Sgrd->move(70, 36);
    Sgrd->setMarkModel([&state](int i) { return state.board[static_cast<std::size_t>(i)]; });
    for (int decade = 0; decade < NumberBoard::kRows; ++decade) {
        const QRect band = Sgrd->rowRect(decade).translated(Sgrd->pos());
        const auto makeButton = [&](const QString &text, int x, const QString &name) {
            auto *b = new QToolButton(this);
            b->setObjectName(name);
            b->setText(text);
            b->setCheckable(true);
            b->setProperty("tag", decade);
            b->setGeometry(x, band.top(), 26, band.height());
            QFont font = b->font();
            font.setBold(true);
            b->setFont(font);
            return b;
        };
        const auto d = static_cast<std::size_t>(decade);
        BtnOdd[d] = makeButton(QStringLiteral(" Μ "), 10, QStringLiteral("BtnOdd%1").arg(decade));
        BtnOdd[d]->setToolTip(QStringLiteral("ΜΟΝΑ"));
        BtnEven[d] = makeButton(QStringLiteral("Ζ"), 38, QStringLiteral("BtnEven%1").arg(decade));
        BtnEven[d]->setToolTip(QStringLiteral("ΖΥΓΑ"));
    }
    const int boardBottom = Sgrd->y() + Sgrd->sizeHint().height();

    const int right = 390;
    LblGame = SmallCaption(this, QStringLiteral("ΠΑΙΧΝΙΔΙ"), QRect(right, 8, 120, 24));
    Cmb1A = new QComboBox(this);
    Cmb1A->setObjectName(QStringLiteral("Cmb1A"));
    for (int g = 1; g <= kMaxGame; ++g)
        Cmb1A->addItem(QString::number(g));
    Cmb1A->setGeometry(right, 36, 90, 26);

    LblNumDeltia = SmallCaption(this, QStringLiteral("ΑΡΙΘΜΟΣ ΔΕΛΤΙΩΝ"), QRect(right + 130, 8, 200, 24));
    EdtNumDeltia = new QLineEdit(kDefaultCount, this);
    EdtNumDeltia->setObjectName(QStringLiteral("EdtNumDeltia"));
    EdtNumDeltia->setGeometry(right + 130, 36, 120, 26);
    EdtNumDeltia->setAlignment(Qt::AlignRight);
    EdtNumDeltia->installEventFilter(this);

    LblMultiplier = SmallCaption(this, QStringLiteral("ΠΟΛΛΑΠΛΑΣΙΑΣΤΗΣ"), QRect(right, 72, 300, 22));
    Header1 = BoxHeader::multiplierBoxes(this);
    Header1->setObjectName(QStringLiteral("Header1"));
    Header1->move(right, 96);
    Header1->setMarkModel([&state](int i) { return state.multiplierBoxes[static_cast<std::size_t>(i)]; });

    LblDraws = SmallCaption(this, QStringLiteral("ΣΥΝΕΧ/ΝΕΣ\nΚΛΗΡΩΣΕΙΣ"), QRect(right, 130, 100, 34));
    SgrdDK = new DrawBoxesGrid(this);
    SgrdDK->setObjectName(QStringLiteral("SgrdDK"));
    SgrdDK->move(right, 168);
    SgrdDK->setMarkModel(
        [this, &state](int i) { return state.drawBoxes[static_cast<std::size_t>(SgrdDK->columnOf(i))][static_cast<std::size_t>(SgrdDK->rowOf(i))]; });

    GrpValue = new QGroupBox(QStringLiteral("ΑΞΙΑ ΔΕΛΤΙΟΥ"), this);
    GrpValue->setObjectName(QStringLiteral("GrpValue"));
    GrpValue->setGeometry(right + 90, 140, 270, 104);
    QFont valueFont = GrpValue->font();
    valueFont.setBold(true);
    GrpValue->setFont(valueFont);
    const auto valueLabel = [this](const char *name, int y) {
        auto *label = new QLabel(GrpValue);
        label->setObjectName(QLatin1String(name));
        label->setGeometry(12, y, 250, 22);
        return label;
    };
    LblSthles = valueLabel("LblSthles", 24);
    LblKostos = valueLabel("LblKostos", 48);
    LblTotKostos = valueLabel("LblTotKostos", 72);
    QPalette valuePalette = LblTotKostos->palette();
    valuePalette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    LblTotKostos->setPalette(valuePalette);

    const int row1 = boardBottom + 20;
    const int row2 = row1 + 48;
    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("&ΔΕΛΤΙΑ"), QRect(10, row1, 170, 36));
    BtnClear = BoldButton(this, "BtnClear", QStringLiteral("&ΚΑΘΑΡΙΣΜΟΣ"), QRect(190, row1, 170, 36));
    const HelpRow helpRow = MakeHelpRow(this, context_, kHelpTopic, QRect(10, row2, 170, 36),
                                        QRect(right + 190, row2, 170, 36), QRect(190, row2, 40, 36));
    glBBtnhELP = helpRow.help;
    LMDShapeButton1 = helpRow.calculator;
    BtnBack = helpRow.back;
}

void TGeneratorFrm::connectHandlers()
{
    Prompts &prompts = context_.prompts;
    const auto guardedIndex = [this, &prompts](BoxGrid *grid, void (TGeneratorFrm::*handler)(int)) {
        connect(grid, &BoxGrid::boxClicked, this,
                [this, &prompts, handler](int index) { runGuarded(prompts, this, [&] { (this->*handler)(index); }); });
    };
    guardedIndex(Sgrd, &TGeneratorFrm::SgrdMouseUp);
    guardedIndex(Header1, &TGeneratorFrm::Header1SectionClick);
    guardedIndex(SgrdDK, &TGeneratorFrm::SgrdDKMouseUp);
    for (int decade = 0; decade < NumberBoard::kRows; ++decade) {
        const auto d = static_cast<std::size_t>(decade);
        connectGuarded(BtnOdd[d], &QToolButton::clicked, this, prompts, [this, decade] { decadeButton(decade, false); });
        connectGuarded(BtnEven[d], &QToolButton::clicked, this, prompts, [this, decade] { decadeButton(decade, true); });
    }
    connectGuarded(Cmb1A, &QComboBox::activated, this, prompts, [this] { Cmb1AChange(); });
    connectGuarded(BtnPrint, &QPushButton::clicked, this, prompts, [this] { BtnPrintClick(); });
    connectGuarded(BtnClear, &QPushButton::clicked, this, prompts, [this] { BtnClearClick(); });
}

bool TGeneratorFrm::eventFilter(QObject *watched, QEvent *event)
{
    // The number of coupons takes digits, Backspace, Tab and Enter; other characters are dropped.
    if (watched == EdtNumDeltia && event->type() == QEvent::KeyPress &&
        ClassifyDigitKey(*static_cast<QKeyEvent *>(event)) == DigitKey::Discard)
        return true;
    return QDialog::eventFilter(watched, event);
}

void TGeneratorFrm::FormShow()
{
    setWindowTitle(owner::windowCaption(kFixedTitle));
    SelectAllMould();
    Cmb1A->setCurrentIndex(kDefaultGameIndex);
    for (QToolButton *b : BtnOdd)
        b->setChecked(false);
    for (QToolButton *b : BtnEven)
        b->setChecked(false);
    EdtNumDeltia->setText(kDefaultCount);
    SelectAllMould();
    UpdateValue();
    context_.prompts.info(this, kGeneratorWelcome);
}

void TGeneratorFrm::SelectAllMould()
{
    SharedState &state = context_.state;
    state.board.fill(true);
    state.gameBoxes.fill(false);
    state.gameBoxes[static_cast<std::size_t>(gameBoxOf(kMaxGame) - 1)] = true;
    state.multiplierBoxes.fill(false);
    for (auto &column : state.drawBoxes)
        column.fill(false);
    state.randomBox = false;
    refreshBoxes();
}

int TGeneratorFrm::CountMarked() const
{
    return taru::CountMarked(context_.state.board);
}

void TGeneratorFrm::UpdateValue()
{
    const SharedState &state = context_.state;
    const int columns = 1;
    couponValue_ = CouponCost(columns, CouponDraws(state.drawBoxes), CouponMultiplier(state.multiplierBoxes),
                              state.columnPrice);
    LblSthles->setText(kColumns + QString::number(columns));
    LblKostos->setText(kValue + FormatMoney(couponValue_));
    LblTotKostos->setText(kTotal + FormatMoney(couponValue_));
}

void TGeneratorFrm::SgrdMouseUp(int index)
{
    bool &mark = context_.state.board.at(static_cast<std::size_t>(index));
    mark = !mark; // the mould has no upper limit
    Sgrd->refresh();
    UpdateValue();
}

void TGeneratorFrm::Header1SectionClick(int index)
{
    bool &mark = context_.state.multiplierBoxes.at(static_cast<std::size_t>(index));
    mark = !mark;
    Header1->refresh();
    UpdateValue();
}

void TGeneratorFrm::SgrdDKMouseUp(int index)
{
    ToggleDrawBox(context_.state.drawBoxes, SgrdDK->columnOf(index), SgrdDK->rowOf(index));
    SgrdDK->refresh();
    UpdateValue();
}

void TGeneratorFrm::Cmb1AChange()
{
    SharedState &state = context_.state;
    state.gameBoxes.fill(false);
    const int marked = CountMarked();
    const int game = Cmb1A->currentIndex() + 1; // 0 when nothing is chosen
    if (game > 0 && marked >= 1 && marked <= kMaxGame && game > marked) {
        Cmb1A->setCurrentIndex(-1);
    } else if (game > 0 && marked != 0) {
        state.gameBoxes[static_cast<std::size_t>(gameBoxOf(game) - 1)] = true;
    }
    UpdateValue();
}

void TGeneratorFrm::decadeButton(int decade, bool even)
{
    if (decade < 4)
        ToolButton1Click(decade, even);
    else
        ToolButton7Click(decade, even);
}

void TGeneratorFrm::ToolButton1Click(int decade, bool even)
{
    const auto d = static_cast<std::size_t>(decade);
    const bool down = (even ? BtnEven.at(d) : BtnOdd.at(d))->isChecked();
    SetDecadeParity(context_.state.board, decade, even, down);
    Sgrd->refresh();
}

void TGeneratorFrm::ToolButton7Click(int decade, bool even)
{
    ToolButton1Click(decade, even);
}

void TGeneratorFrm::BtnPrintClick()
{
    SharedState &state = context_.state;
    const int marked = CountMarked();
    if (marked == 0) {
        context_.prompts.info(this, kGeneratorNoMould);
        return;
    }
    if (Cmb1A->currentIndex() < 0) {
        // The game follows the mould, and its box is marked as a choice in the combo would.
        const int game = GameForProduction(std::nullopt, marked);
        Cmb1A->setCurrentIndex(game - 1);
        state.gameBoxes.fill(false);
        state.gameBoxes[static_cast<std::size_t>(gameBoxOf(game) - 1)] = true;
    }
    const int game = Cmb1A->currentIndex() + 1;
    if (const QString refusal = GeneratorRefusal(marked, game); !refusal.isEmpty()) {
        context_.prompts.info(this, refusal, refusal == kGeneratorNoMould ? kCaptionInfo : kCaptionProgram);
        return;
    }
    const std::vector<std::uint8_t> allowed = AllowedNumbers(state.board);
    state.slipMarks = MakeSlipMarks(state.board, state.gameBoxes, state.multiplierBoxes, state.drawBoxes, state.randomBox);
    QStringList mould;
    for (int number = 1; number <= kNumbers; ++number)
        mould << (state.board[static_cast<std::size_t>(number - 1)] ? QString::number(number) : QStringLiteral("A"));
    state.slipMarks.numbers = mould.join(QLatin1Char(','));

    const CouponCountInput count = ParseCouponCount(EdtNumDeltia->text());
    if (!count.count) {
        context_.prompts.info(this, count.refusal, kCaptionProgram);
        return;
    }
    if (*count.count <= 0)
        return;
    UpdateValue();
    auto *preview = context_.window<TPrnPrevGenFrm>(WindowId::PrnPrevGenFrm);
    if (!preview)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    GeneratedCoupons coupons;
    try {
        coupons = GenerateCoupons(*count.count, game, allowed, state.slipMarks, context_.randomSeed());
    } catch (...) {
        QApplication::restoreOverrideCursor();
        throw;
    }
    QApplication::restoreOverrideCursor();
    preview->setCoupons(std::move(coupons), couponValue_);
    preview->exec();
}

void TGeneratorFrm::BtnClearClick()
{
    if (!context_.prompts.confirm(this, kAskClear, kCaptionConfirm))
        return;
    SharedState &state = context_.state;
    Cmb1A->setCurrentIndex(-1);
    for (auto &column : state.drawBoxes)
        column.fill(false);
    state.board.fill(false);
    state.gameBoxes.fill(false);
    state.multiplierBoxes.fill(false);
    state.randomBox = false;
    for (QToolButton *b : BtnOdd)
        b->setChecked(false);
    for (QToolButton *b : BtnEven)
        b->setChecked(false);
    refreshBoxes();
    LblSthles->setText(kColumnsCleared);
    LblKostos->setText(kValueCleared);
    LblTotKostos->setText(kTotalCleared);
}

void TGeneratorFrm::refreshBoxes()
{
    Sgrd->refresh();
    Header1->refresh();
    SgrdDK->refresh();
}

void TGeneratorFrm::prepareSnapshot()
{
    SharedState &state = context_.state;
    state.board.fill(false);
    for (int decade : {0, 2, 5}) {
        BtnOdd[static_cast<std::size_t>(decade)]->setChecked(true);
        decadeButton(decade, false);
    }
    BtnEven[7]->setChecked(true);
    decadeButton(7, true);
    for (int number : {14, 48, 50})
        SgrdMouseUp(number - 1);
    Cmb1A->setCurrentIndex(5);
    Cmb1AChange();
    Header1SectionClick(1); // 3
    SgrdDKMouseUp(6);       // 20 draws
    EdtNumDeltia->setText(QStringLiteral("250"));
}

} // namespace taru::ui
