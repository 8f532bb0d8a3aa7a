#include "systems/ui/BiblioFrm.h"

#include "base/AppPaths.h"
#include "base/Errors.h"
#include "base/Random.h"
#include "window/CellGrid.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "game/CouponBoxes.h"
#include "game/Pricing.h"
#include "game/ui/BoxHeader.h"
#include "game/ui/DrawBoxesGrid.h"
#include "game/ui/NumberBoard.h"
#include "print/ReportLayout.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "print/ui/ProgramPrinter.h"
#include "systems/Constructor.h"
#include "systems/ui/GuaranteePanel.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace taru::ui {

namespace {

const QString kCaption = QStringLiteral("BIB" "ΛΙΟΘΗΚΗ ΑΝΤΙΚΑΤΑΣΤΑΣΗ ΑΡΙΘΜΩΝ");
const QString kHelpTopic = QStringLiteral("TARU.chm::/BIBLIO.htm");
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");
const QString kCouponExtension = QStringLiteral("tru");
const QString kDiceHint = QStringLiteral(
    "Παράγει τους Tυχερούς Aριθμούς για το Παιχνίδι σας στις θέσεις που θέλετε να αντικατασταθούν");
// The multiplier header reads from the left in the reverse of the coupon's order.
const QStringList kReversedMultipliers{QStringLiteral("20"), QStringLiteral("12"), QStringLiteral("10"),
                                       QStringLiteral("8"),  QStringLiteral("6"),  QStringLiteral("5"),
                                       QStringLiteral("4"),  QStringLiteral("3"),  QStringLiteral("2")};

// A whole number typed in a cell, or nothing.
std::optional<int> cellNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace

TBiblioFrm::TBiblioFrm(AppContext &context, QWidget *parent)
    : CentredDialog(context.prompts, parent)
    , context_(context)
{
    setObjectName(QStringLiteral("BiblioFrm"));
    setWindowTitle(kCaption);
    setFixedSize(820, 530);
    buildControls();
    connectHandlers();
}

void TBiblioFrm::buildControls()
{
    SharedState &state = context_.state;

    LblHeader = CaptionLabel(this, QString(), QRect(10, 6, 800, 26));
    LblHeader->setObjectName(QStringLiteral("LblHeader"));
    QFont headerFont = LblHeader->font();
    headerFont.setPixelSize(18);
    LblHeader->setFont(headerFont);
    LblComment = new QLabel(this);
    LblComment->setObjectName(QStringLiteral("LblComment"));
    LblComment->setGeometry(10, 32, 800, 20);

    SGrd = new CellGrid(0, 2, this);
    SGrd->setObjectName(QStringLiteral("SGrd"));
    SGrd->setHeadings({QStringLiteral("ΘΕΣΗ"), QStringLiteral("ΑΡΙΘΜΟΣ")});
    SGrd->setEditableColumns({1});
    SGrd->setColumnWidth(0, 70);
    SGrd->setColumnWidth(1, 100);
    SGrd->verticalHeader()->setDefaultSectionSize(24);
    SGrd->setGeometry(10, 60, 240, 340);

    SgrdA = new NumberBoard(this);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move(262, 60);
    SgrdA->setClickable(false);
    SgrdA->setMarkModel([this](int i) { return boardMark(i + 1); });
    const int boardBottom = SgrdA->y() + SgrdA->sizeHint().height();

    LblHint = new QLabel(kLibraryFillHint, this);
    LblHint->setObjectName(QStringLiteral("LblHint"));
    LblHint->setGeometry(262, boardBottom + 8, 290, 54);
    LblHint->setWordWrap(true);
    QPalette hintPalette = LblHint->palette();
    hintPalette.setColor(QPalette::WindowText, QColor(160, 0, 0));
    LblHint->setPalette(hintPalette);
    LblHint->hide();

    const int right = 560;
    LblMultiplier = SmallCaption(this, QStringLiteral("ΠΟΛΛΑΠΛΑΣΙΑΣΤΗΣ"), QRect(right, 36, 240, 22));
    Header1 = new BoxHeader(kReversedMultipliers, 27, this);
    Header1->setObjectName(QStringLiteral("Header1"));
    Header1->move(right, 60);
    Header1->setMarkModel([&state](int i) { return state.multiplierBoxes[static_cast<std::size_t>(i)]; });

    LblDraws = SmallCaption(this, QStringLiteral("ΣΥΝΕΧ/ΝΕΣ\nΚΛΗΡΩΣΕΙΣ"), QRect(right, 94, 110, 34));
    SgrdDK = new DrawBoxesGrid(this);
    SgrdDK->setObjectName(QStringLiteral("SgrdDK"));
    SgrdDK->move(right, 132);
    SgrdDK->setMarkModel([this, &state](int i) {
        return state.drawBoxes[static_cast<std::size_t>(SgrdDK->columnOf(i))][static_cast<std::size_t>(SgrdDK->rowOf(i))];
    });

    BBtnDice = new QToolButton(this);
    BBtnDice->setObjectName(QStringLiteral("BBtnDice"));
    BBtnDice->setToolTip(kDiceHint);
    BBtnDice->setText(QStringLiteral("⚄"));
    QFont diceFont = BBtnDice->font();
    diceFont.setPixelSize(34);
    BBtnDice->setFont(diceFont);
    BBtnDice->setGeometry(right + 100, 132, 56, 56);

    Verify = new GuaranteePanel(context_, 800, this);
    Verify->move(10, 408);

    const int row1 = 472;
    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("&ΔΕΛΤΙΑ"), QRect(10, row1, 120, 36));
    BBtnSave = BoldButton(this, "BBtnSave", QStringLiteral("&ΣΩΣΙΜΟ ΔΕΛΤΙΩΝ"), QRect(140, row1, 170, 36));
    BBtnReport = BoldButton(this, "BBtnReport", QStringLiteral("&ΑΝΑΦΟΡΑ"), QRect(320, row1, 120, 36));
    BBtnReport->setToolTip(QStringLiteral("ΕΚΤΥΠΩΣΗ ΑΝΑΦΟΡΑΣ"));
    const HelpRow helpRow = MakeHelpRow(this, context_, kHelpTopic, QRect(450, row1, 120, 36),
                                        QRect(650, row1, 160, 36), QRect(580, row1, 40, 36));
    glBBtnhELP = helpRow.help;
    LMDShapeButton1 = helpRow.calculator;
    BtnBack = helpRow.back;
}

void TBiblioFrm::connectHandlers()
{
    Prompts &prompts = context_.prompts;
    const auto guardedIndex = [this, &prompts](BoxGrid *grid, void (TBiblioFrm::*handler)(int)) {
        connect(grid, &BoxGrid::boxClicked, this,
                [this, &prompts, handler](int index) { runGuarded(prompts, this, [&] { (this->*handler)(index); }); });
    };
    guardedIndex(Header1, &TBiblioFrm::Header1SectionClick);
    guardedIndex(SgrdDK, &TBiblioFrm::SgrdDKMouseUp);
    connect(SGrd, &CellGrid::enterPressed, this,
            [this, &prompts] { runGuarded(prompts, this, [this] { SGrdKeyPress(QLatin1Char('\r')); }); });
    connect(SGrd, &CellGrid::cellTyped, this, [this, &prompts](int row, int column) {
        runGuarded(prompts, this, [&] {
            if (column == numberColumn())
                numberTyped(row);
        });
    });
    connectGuarded(BBtnDice, &QToolButton::clicked, this, prompts, [this] { BBtnDiceClick(); });
    connectGuarded(BtnPrint, &QPushButton::clicked, this, prompts, [this] { BtnPrintClick(); });
    connectGuarded(BBtnSave, &QPushButton::clicked, this, prompts, [this] { BBtnSaveClick(); });
    connectGuarded(BBtnReport, &QPushButton::clicked, this, prompts, [this] { BBtnReportClick(); });
}

void TBiblioFrm::setSystem(const LibrarySystem &system)
{
    system_ = system;
}

void TBiblioFrm::prepareOptions()
{
    SharedState &state = context_.state;
    state.multiplierBoxes.fill(false);
    for (auto &column : state.drawBoxes)
        column.fill(false);
    state.board.fill(false);
    LblHint->hide();
    Header1->refresh();
    SgrdDK->refresh();
}

void TBiblioFrm::FormShow()
{
    prepareOptions();
    LblHeader->setText(system_.name);
    LblComment->setText(QStringLiteral("ΑΡΙΘΜΟΙ : %1    ΠΑΙΧΝΙΔΙ : %2    ΕΓΓΥΗΣΗ : %3    ΟΡΟΣ : %4")
                            .arg(system_.numbers)
                            .arg(system_.gameText, system_.guarantee, system_.condition));
    const int n = std::max(system_.numbers, 0);
    SGrd->finishTyping();
    SGrd->setRowCount(n);
    numbers_.assign(static_cast<std::size_t>(n), 0);
    for (int row = 0; row < n; ++row) {
        SGrd->setText(row, 0, QString::number(row + 1));
        SGrd->setText(row, 1, QString());
    }
    if (n > 0)
        SGrd->setCurrentCell(0, 1);
    Verify->clear();
    refreshBoard();
    // A damaged column file is reported now; the coupon commands refuse it again.
    if (!system_.path.isEmpty()) {
        const data::SystemColumnsResult loaded = data::LoadSystemColumns(system_.path, system_.numbers, system_.game);
        if (!loaded.valid())
            context_.prompts.message(this, loaded.error, kCaptionProgram, Icon::Warning);
    }
}

bool TBiblioFrm::boardMark(int number) const
{
    return context_.state.board[static_cast<std::size_t>(number - 1)];
}

void TBiblioFrm::refreshBoard()
{
    SgrdA->refresh();
}

void TBiblioFrm::numberTyped(int row)
{
    if (validating_ || row < 0 || row >= static_cast<int>(numbers_.size()))
        return;
    validating_ = true;
    const QString text = SGrd->text(row, 1).trimmed();
    int accepted = 0;
    if (!text.isEmpty()) {
        const std::optional<int> number = cellNumber(text);
        if (!number) {
            QApplication::beep();
        } else if (*number >= 1 && *number <= kNumbers &&
                   std::find(numbers_.begin(), numbers_.end(), *number) == numbers_.end()) {
            accepted = *number;
        } else if (*number >= 1 && numbers_[static_cast<std::size_t>(row)] == *number) {
            accepted = *number; // the same number confirmed again
        }
    }
    numbers_[static_cast<std::size_t>(row)] = accepted;
    SGrd->setText(row, 1, accepted ? QString::number(accepted) : QString());
    SharedState &state = context_.state;
    state.board.fill(false);
    for (int number : numbers_) {
        if (number > 0)
            state.board[static_cast<std::size_t>(number - 1)] = true;
    }
    validating_ = false;
    refreshBoard();
}

void TBiblioFrm::SGrdKeyPress(QChar key)
{
    if (key != QLatin1Char('\r'))
        return;
    const int row = SGrd->currentRow();
    numberTyped(row);
    // An accepted number moves the cursor on; an emptied cell waits for another.
    const bool accepted = row >= 0 && row < static_cast<int>(numbers_.size()) && numbers_[static_cast<std::size_t>(row)] != 0;
    if (accepted && row + 1 < SGrd->rowCount())
        SGrd->setCurrentCell(row + 1, numberColumn());
}

void TBiblioFrm::Header1SectionClick(int section)
{
    bool &mark = context_.state.multiplierBoxes.at(static_cast<std::size_t>(section));
    mark = !mark;
    Header1->refresh();
}

void TBiblioFrm::SgrdDKMouseUp(int index)
{
    ToggleDrawBox(context_.state.drawBoxes, SgrdDK->columnOf(index), SgrdDK->rowOf(index));
    SgrdDK->refresh();
}

void TBiblioFrm::BBtnDiceClick()
{
    SGrd->finishTyping();
    Random random(context_.randomSeed());
    SharedState &state = context_.state;
    for (std::size_t row = 0; row < numbers_.size(); ++row) {
        if (numbers_[row] != 0)
            continue;
        if (taru::CountMarked(state.board) >= kNumbers)
            break; // every number is taken: the rest stay empty
        int number = 0;
        do {
            number = static_cast<int>(random.below(kNumbers)) + 1;
        } while (state.board[static_cast<std::size_t>(number - 1)]);
        numbers_[row] = number;
        state.board[static_cast<std::size_t>(number - 1)] = true;
        SGrd->setText(static_cast<int>(row), 1, QString::number(number));
    }
    refreshBoard();
}

SlipMarks TBiblioFrm::chosenOptions() const
{
    const SharedState &state = context_.state;
    SlipMarks options = MakeSlipMarks(BoardMarks{}, GameBoxes{}, state.multiplierBoxes, state.drawBoxes, false);
    options.numbers.clear();
    return options;
}

double TBiblioFrm::couponValue() const
{
    const SharedState &state = context_.state;
    return CouponCost(1, CouponDraws(state.drawBoxes), CouponMultiplier(state.multiplierBoxes), state.columnPrice);
}

std::optional<SystemColumns> TBiblioFrm::BuildCoupons()
{
    SGrd->finishTyping();
    const AppliedSystem applied = BuildLibraryCoupons(system_, numbers_);
    if (applied.built()) {
        LblHint->hide();
        checkCoupons(applied.columns);
        return applied.columns;
    }
    if (applied.refusal == kLibraryFillPositions) {
        context_.prompts.info(this, kLibraryFillPositions, kCaptionProgram);
        LblHint->show();
    } else if (applied.refusal == kNoColumnsForCoupons) {
        context_.prompts.info(this, kNoColumnsForCoupons, kCaptionInfo);
    } else {
        context_.prompts.message(this, applied.refusal, kCaptionProgram, Icon::Warning);
    }
    return std::nullopt;
}

void TBiblioFrm::BtnPrintClick()
{
    std::optional<SystemColumns> columns = BuildCoupons();
    if (!columns)
        return;
    auto *preview = context_.window<TPrnPrevEGGYFrm>(WindowId::PrnPrevEGGYFrm);
    if (!preview)
        return;
    SharedState &state = context_.state;
    const int count = static_cast<int>(columns->size());
    state.systemColumns = std::move(*columns);
    const SlipMarks options = chosenOptions();
    state.slipMarks.multipliers = options.multipliers;
    state.slipMarks.drawColumn = options.drawColumn;
    state.slipMarks.drawRow = options.drawRow;
    preview->setSystem(system_.game, count);
    preview->exec();
}

void TBiblioFrm::BBtnSaveClick()
{
    std::optional<SystemColumns> columns = BuildCoupons();
    if (!columns)
        return;
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const std::optional<QString> path = context_.prompts.saveFile(this, folder, kCouponFilter, kCouponExtension);
    if (!path)
        return;
    const SlipMarks options = chosenOptions();
    data::WriteCouponFile(*path, static_cast<int>(columns->size()), system_.game, options.multipliers,
                          options.drawColumn, options.drawRow, *columns);
}

void TBiblioFrm::BBtnReportClick()
{
    std::optional<SystemColumns> columns = BuildCoupons();
    if (!columns)
        return;
    std::vector<std::uint8_t> played;
    QStringList fixed;
    for (int number : numbers_) {
        if (number > 0) {
            played.push_back(static_cast<std::uint8_t>(number));
            fixed << QString::number(number);
        }
    }
    const SlipMarks options = chosenOptions();
    LibraryReport report;
    report.systemName = system_.name;
    report.game = system_.gameText;
    report.count = QString::number(system_.numbers);
    report.coupons = static_cast<int>(columns->size());
    report.value = static_cast<double>(report.coupons) * couponValue();
    report.target = system_.guarantee;
    report.numberLines = MarkedNumberLines(played);
    report.conditionText = system_.condition;
    report.fixedNumbers = fixed;
    report.playerSlip = SlipMarks{system_.gameText, options.multipliers, false, fixed.join(QLatin1Char(',')),
                                  options.drawColumn, options.drawRow};
    PrintLibraryReportJob(context_, this, printer ? *printer : ProgramPrinter(), report);
}

void TBiblioFrm::prepareSnapshot()
{
    LibrarySystem sample;
    sample.name = QStringLiteral("A12566");
    sample.numbers = 12;
    sample.gameText = QStringLiteral("6");
    sample.game = 6;
    sample.guarantee = QStringLiteral("5");
    sample.condition = QStringLiteral("-");
    setSystem(sample);
    FormShow();
    const int typed[] = {3, 11, 17, 24, 29, 35, 42, 56};
    for (int row = 0; row < static_cast<int>(std::size(typed)); ++row) {
        SGrd->setCurrentCell(row, 1);
        SGrd->setText(row, 1, QString::number(typed[row]));
        SGrdKeyPress(QLatin1Char('\r'));
    }
    Header1SectionClick(6);
    SgrdDKMouseUp(5); // 10 draws
    LblHint->show();
}

} // namespace taru::ui
