#include "systems/ui/KataskeuhFrm.h"

#include "base/AppPaths.h"
#include "base/Errors.h"
#include "base/OwnerSettings.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"
#include "data/CouponFile.h"
#include "data/SystemFile.h"
#include "game/Pricing.h"
#include "game/ui/NumberBoard.h"
#include "print/ui/ProgramPrinter.h"
#include "window/DigitKeys.h"
#include "systems/ui/BuildProgress.h"
#include "systems/ui/ConditionsGrid.h"
#include "systems/ui/GuaranteePanel.h"
#include "systems/ui/OptimiserControl.h"
#include "systems/ui/RequiredSetRows.h"
#include "systems/ui/StandardFrm.h"
#include "systems/ui/SystemResultsPanel.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>

#include <limits>

namespace taru::ui {

namespace {

// The first four letters of both captions are Latin capitals, as the window has always shown.
const QString kOpenCaption = QStringLiteral("KATA" "ΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TARU   ");
const QString kNamedCaption = QStringLiteral("KATA" "ΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ TARU   ΣΥΣΤΗΜΑ :");
const QString kFixedTitle = QStringLiteral("ΚΑΤΑΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ");
const QString kHelpTopic = QStringLiteral("TARU.chm::/MADE.htm");
const QString kCouponFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");
const QString kCouponExtension = QStringLiteral("tru");
const QString kConditionsFilter = QStringLiteral("Αρχεία Όρων|*.dlv");
const QString kConditionsExtension = QStringLiteral("dlv");

const QString kMsgChooseGame = QStringLiteral("Παρακαλώ επιλέξτε παιχνίδι");
const QString kMsgNoCouponColumns = QStringLiteral("Δεν έχετε στήλες για δελτία!");
const QString kMsgNothingToSave = QStringLiteral("Δεν έχετε στήλες για αποθήκευση");
const QString kAskClear = QStringLiteral("Παρακαλώ επιβεβαιώστε τον καθαρισμό του δελτίου");
const QString kAskOverwrite = QStringLiteral("Το αρχείο υπάρχει! Να το επανεγγράψω;");

const QString kSelectedEmpty = QStringLiteral("Επιλεγμένοι Αριθμοί :");
const QString kFound = QStringLiteral("Στήλες που έχουν βρεθεί : ");

} // namespace

TKataskeuhFrm::TKataskeuhFrm(AppContext &context, StandardFrmSource standardFrm, SystemPreviewOpener openPreview,
                             QWidget *parent)
    : CentredDialog(context.prompts, parent)
    , context_(context)
    , standardFrm_(std::move(standardFrm))
    , openPreview_(std::move(openPreview))
{
    setObjectName(QStringLiteral("KataskeuhFrm"));
    setWindowTitle(kFixedTitle);
    setFixedSize(1000, 610);

    buildControls();
    connectHandlers();
    ResetConditions();
}

void TKataskeuhFrm::buildControls()
{
    // The board with its decade buttons.
    SgrdA = new NumberBoard(this);
    SgrdA->setObjectName(QStringLiteral("SgrdA"));
    SgrdA->move(70, 14);
    SgrdA->setMarkModel([this](int i) { return context_.state.board[static_cast<std::size_t>(i)]; });
    for (int row = 0; row < NumberBoard::kRows; ++row) {
        const QRect band = SgrdA->rowRect(row).translated(SgrdA->pos());
        const auto makeButton = [&](const QString &text, int x, const QString &name) {
            auto *b = new QToolButton(this);
            b->setObjectName(name);
            b->setText(text);
            b->setCheckable(true);
            b->setProperty("tag", row);
            b->setGeometry(x, band.top(), 26, band.height());
            QFont font = b->font();
            font.setBold(true);
            b->setFont(font);
            return b;
        };
        BtnMona[static_cast<std::size_t>(row)] = makeButton(QStringLiteral("Μ"), 10, QStringLiteral("BtnMona%1").arg(row));
        BtnZyga[static_cast<std::size_t>(row)] = makeButton(QStringLiteral("Ζ"), 38, QStringLiteral("BtnZyga%1").arg(row));
    }
    const int boardBottom = SgrdA->y() + SgrdA->sizeHint().height();

    LblSelected = CaptionLabel(this, "LblSelected", kSelectedEmpty, QRect(10, boardBottom + 8, 350, 22));
    LblGame = CaptionLabel(this, "LblGame", QStringLiteral("ΠΑΙΧΝΙΔΙ"), QRect(10, boardBottom + 40, 120, 24));
    CmbNums = new QComboBox(this);
    CmbNums->setObjectName(QStringLiteral("CmbNums"));
    for (int g = 1; g <= kMaxGame; ++g)
        CmbNums->addItem(QString::number(g));
    CmbNums->setGeometry(140, boardBottom + 40, 70, 24);
    LblSysthma = CaptionLabel(this, "LblSysthma", QStringLiteral("ΑΝΑΠΤΥΞΗ ΣΕ "), QRect(10, boardBottom + 72, 120, 24));
    CmbSysthma = new QComboBox(this);
    CmbSysthma->setObjectName(QStringLiteral("CmbSysthma"));
    CmbSysthma->addItems(ColumnSizeItems());
    CmbSysthma->setGeometry(140, boardBottom + 72, 100, 24);
    LblEggy = CaptionLabel(this, "LblEggy", QStringLiteral("ΕΠΙΛΟΓΗ ΕΓΓΥΗΣΗΣ"), QRect(10, boardBottom + 104, 200, 22));
    CmbEggy = new QComboBox(this);
    CmbEggy->setObjectName(QStringLiteral("CmbEggy"));
    CmbEggy->setGeometry(10, boardBottom + 128, 350, 24);

    // The conditions grid and, under it, the four required-number sets.
    const int middle = 384;
    SGrd = new ConditionsGrid(context_.prompts, this);
    SGrd->setGeometry(middle, 14, 344, ConditionsGrid::kRows * ConditionsGrid::kRowHeight + 4);
    SetRows = new RequiredSetRows({{{"LMDDockSpeedButton3", "LblNums", "Edit2", "Edit3"},
                                    {"LMDDockSpeedButton1", "LblNums2", "EdtApo", "EdtEos"},
                                    {"LMDDockSpeedButton2", "LblNums3", "EdtApo3", "EdtEos3"},
                                    {"LMDDockSpeedButton4", "LblNums4", "EdtApo4", "EdtEos4"}}},
                                  this);
    SetRows->move(middle, SGrd->y() + SGrd->height() + 30 - RequiredSetRows::kHeadingHeight);
    const auto take = [this](int set, QToolButton *&button, QLabel *&label, QLineEdit *&from, QLineEdit *&to) {
        const RequiredSetRows::Row r = SetRows->row(set);
        button = r.button;
        label = r.label;
        from = r.from;
        to = r.to;
    };
    take(0, LMDDockSpeedButton3, LblNums, Edit2, Edit3);
    take(1, LMDDockSpeedButton1, LblNums2, EdtApo, EdtEos);
    take(2, LMDDockSpeedButton2, LblNums3, EdtApo3, EdtEos3);
    take(3, LMDDockSpeedButton4, LblNums4, EdtApo4, EdtEos4);

    // Counts and cost.
    Results = new SystemResultsPanel(this);
    Results->move(744, 10);
    LblFullColumns = Results->LblFullColumns;
    LblFullCost = Results->LblFullCost;
    LblBuiltColumns = Results->LblBuiltColumns;
    LblBuiltCost = Results->LblBuiltCost;
    LblEpityxia = Results->LblEpityxia;
    LblSe = Results->LblSe;
    LblDeltia = Results->LblDeltia;
    LblPrevious = Results->LblPrevious;
    LblPercent = Results->LblPercent;

    // The progress of a build.
    const int progressTop = 464;
    Progress = new BuildProgress(980, this);
    Progress->move(10, progressTop);
    LblFound = Progress->LblFound;
    PrgFill = Progress->PrgFill;

    // Commands.
    const int row1 = 516;
    const int row2 = 562;
    const int w = 154;
    const int step = 164;
    BBtnCalc = BoldButton(this, "BBtnCalc", QStringLiteral("&ΥΠΟΛΟΓΙΣΜΟΣ"), QRect(10, row1, w, 36));
    BBtnStop = BoldButton(this, "BBtnStop", QStringLiteral("ΔΙΑΚΟ&ΠΗ"), QRect(10 + step, row1, w, 36));
    BBtnStop->setVisible(false);
    QPalette stopPalette = BBtnStop->palette();
    stopPalette.setColor(QPalette::ButtonText, QColor(170, 0, 0));
    BBtnStop->setPalette(stopPalette);
    BtnPrint = BoldButton(this, "BtnPrint", QStringLiteral("&ΔΕΛΤΙ" "A"), QRect(10 + 2 * step, row1, w, 36));
    BBtnSave = BoldButton(this, "BBtnSave", QStringLiteral("&ΣΩΣΙΜΟ ΔΕΛΤΙΩΝ"), QRect(10 + 3 * step, row1, w, 36));
    BBtnReport = BoldButton(this, "BBtnReport", QStringLiteral("&ΑΝΑΦΟΡΑ ΣΥΣ"), QRect(10 + 4 * step, row1, w, 36));
    BtnClear = BoldButton(this, "BtnClear", QStringLiteral("&ΚΑΘΑΡΙΣΜΟΣ"), QRect(10 + 5 * step, row1, w, 36));
    BBtnSaveOroi = BoldButton(this, "BBtnSaveOroi", QStringLiteral("ΑΠΟΘΗΚΕΥΣΗ &ΟΡΩΝ"), QRect(10, row2, w, 36));
    BBtnLoadOroi = BoldButton(this, "BBtnLoadOroi", QStringLiteral("&ΦΟΡΤΩΜΑ ΟΡΩΝ"), QRect(10 + step, row2, w, 36));
    const HelpRow helpRow = MakeHelpRow(this, context_, kHelpTopic, QRect(10 + 2 * step, row2, w, 36),
                                        QRect(10 + 5 * step, row2, w, 36), QRect(10 + 3 * step, row2, 44, 36));
    glBBtnhELP = helpRow.help;
    LMDShapeButton1 = helpRow.calculator;
    BtnBack = helpRow.back;

    // Everything but the stop button waits while a build runs.
    lockedWhileBuilding_ = {SgrdA,        CmbNums,      CmbEggy,    CmbSysthma,          SGrd,
                            BBtnCalc,     BtnPrint,     BBtnSave,   BBtnReport,          BtnClear,
                            BBtnSaveOroi, BBtnLoadOroi, glBBtnhELP, LMDShapeButton1,     BtnBack,
                            Edit2,        Edit3,        EdtApo,     EdtEos,              EdtApo3,
                            EdtEos3,      EdtApo4,      EdtEos4,    LMDDockSpeedButton3, LMDDockSpeedButton1,
                            LMDDockSpeedButton2,        LMDDockSpeedButton4};
    for (QToolButton *b : BtnMona)
        lockedWhileBuilding_ << b;
    for (QToolButton *b : BtnZyga)
        lockedWhileBuilding_ << b;
    buildGuaranteeControls(progressTop - 60, 10 + 3 * step + 54, row2);
}

void TKataskeuhFrm::connectHandlers()
{
    Prompts &prompts = context_.prompts;
    connect(SgrdA, &BoxGrid::boxClicked, this,
            [this, &prompts](int index) { runGuarded(prompts, this, [&] { SgrdAMouseUp(index); }); });
    for (int row = 0; row < NumberBoard::kRows; ++row) {
        connectGuarded(BtnMona[static_cast<std::size_t>(row)], &QToolButton::clicked, this, prompts,
                       [this, row] { DecadeButtonClick(row, false); });
        connectGuarded(BtnZyga[static_cast<std::size_t>(row)], &QToolButton::clicked, this, prompts,
                       [this, row] { DecadeButtonClick(row, true); });
    }
    // Only the user's choices count as changes; the window's own selections do not.
    connectGuarded(CmbNums, &QComboBox::activated, this, prompts, [this] { CmbNumsChange(); });
    connectGuarded(CmbEggy, &QComboBox::activated, this, prompts, [this] { CmbEggyChange(); });
    connectGuarded(CmbSysthma, &QComboBox::activated, this, prompts, [this] { CmbSysthmaChange(); });

    connectGuarded(LMDDockSpeedButton3, &QToolButton::clicked, this, prompts, [this] { LMDDockSpeedButton3Click(); });
    connectGuarded(LMDDockSpeedButton1, &QToolButton::clicked, this, prompts, [this] { LMDDockSpeedButton1Click(); });
    connectGuarded(LMDDockSpeedButton2, &QToolButton::clicked, this, prompts, [this] { LMDDockSpeedButton2Click(); });
    connectGuarded(LMDDockSpeedButton4, &QToolButton::clicked, this, prompts, [this] { LMDDockSpeedButton4Click(); });

    connectGuarded(BBtnCalc, &QPushButton::clicked, this, prompts, [this] { BBtnCalcClick(); });
    // Not guarded: it only raises a flag, and runs inside the build's own handler.
    connect(BBtnStop, &QPushButton::clicked, this, [this] { BBtnStopClick(); });
    connectGuarded(BtnPrint, &QPushButton::clicked, this, prompts, [this] { BtnPrintClick(); });
    connectGuarded(BBtnSave, &QPushButton::clicked, this, prompts, [this] { BBtnSaveClick(); });
    connectGuarded(BBtnReport, &QPushButton::clicked, this, prompts, [this] { BBtnReportClick(); });
    connectGuarded(BBtnSaveOroi, &QPushButton::clicked, this, prompts, [this] { BBtnSaveOroiClick(); });
    connectGuarded(BBtnLoadOroi, &QPushButton::clicked, this, prompts, [this] { BBtnLoadOroiClick(); });
    connectGuarded(BtnClear, &QPushButton::clicked, this, prompts, [this] { BtnClearClick(); });
}

// ---- opening, reset ------------------------------------------------------------------------

void TKataskeuhFrm::FormShow()
{
    setWindowTitle(kOpenCaption + owner::title());
    WindowReset();
}

void TKataskeuhFrm::WindowReset()
{
    SharedState &state = context_.state;
    state.board.fill(false);
    state.slipMarks.multipliers.clear();
    state.clearWinningColumn();
    for (QToolButton *b : BtnMona)
        b->setChecked(false);
    for (QToolButton *b : BtnZyga)
        b->setChecked(false);
    state.systemColumns.clear();
    CmbNums->setCurrentIndex(-1);
    CmbEggy->setCurrentIndex(-1);
    CmbSysthma->setCurrentIndex(-1);
    ResetConditions();
    LblSelected->setText(kSelectedEmpty);
    Results->reset();
    Verify->clear();
    Optimiser->clearPromise();
    LblFound->clear();
    summary_ = ConstructionSummary{};
    SgrdA->refresh();
}

void TKataskeuhFrm::ResetConditions()
{
    SGrd->reset();
    SetRows->reset();
}

QString TKataskeuhFrm::cell(int row, int column) const
{
    return SGrd->cell(row, column);
}

void TKataskeuhFrm::setCell(int row, int column, const QString &text)
{
    SGrd->setCell(row, column, text);
}

ConditionEntries TKataskeuhFrm::conditionEntries() const
{
    ConditionEntries entries;
    SGrd->readInto(entries);
    for (int set = 0; set < kRequiredSetCount; ++set)
        entries.sets[static_cast<std::size_t>(set)] = SetRows->values(set);
    return entries;
}

ConstructorSetup TKataskeuhFrm::currentSetup() const
{
    ConstructorSetup setup;
    setup.board = context_.state.board;
    setup.gameText = CmbNums->currentText();
    setup.guaranteeText = CmbEggy->currentText();
    setup.expansionText = CmbSysthma->currentText();
    setup.conditions = conditionEntries();
    return setup;
}

void TKataskeuhFrm::applySetup(const ConstructorSetup &setup)
{
    context_.state.board = setup.board;
    const auto indexOf = [](const QComboBox *combo, const QString &text) {
        return text.isEmpty() ? -1 : combo->findText(text);
    };
    CmbNums->setCurrentIndex(indexOf(CmbNums, setup.gameText));
    CmbEggy->clear();
    if (CmbNums->currentIndex() >= 0)
        CmbEggy->addItems(GuaranteeItems(CmbNums->currentIndex() + 1));
    CmbEggy->setCurrentIndex(indexOf(CmbEggy, setup.guaranteeText));
    // The expansion always follows the game.
    CmbSysthma->setCurrentIndex(CmbNums->currentIndex() >= 0 ? CmbNums->currentIndex()
                                                              : indexOf(CmbSysthma, setup.expansionText));
    for (int set = 0; set < kRequiredSetCount; ++set)
        SetRows->setValues(set, setup.conditions.sets[static_cast<std::size_t>(set)]);
    SGrd->show(setup.conditions);
    if (CmbEggy->currentIndex() >= 0)
        Results->showGuarantee(CmbEggy->currentText(), CmbSysthma->currentText());
    SgrdA->refresh();
    RecountSystem();
}

// ---- board, combos, recount ----------------------------------------------------------------

int TKataskeuhFrm::markedCount() const
{
    return context_.state.countMarked();
}

std::vector<std::uint8_t> TKataskeuhFrm::pool() const
{
    std::vector<std::uint8_t> numbers;
    for (int n = 1; n <= kNumbers; ++n) {
        if (context_.state.board[static_cast<std::size_t>(n - 1)])
            numbers.push_back(static_cast<std::uint8_t>(n));
    }
    return numbers;
}

int TKataskeuhFrm::gameSize() const
{
    const int index = CmbNums->currentIndex();
    return index >= 0 && index < kMaxGame ? index + 1 : 0;
}

int TKataskeuhFrm::columnSize() const
{
    const int index = CmbSysthma->currentIndex();
    return index >= 0 && index < kMaxGame ? index + 1 : 0;
}

int TKataskeuhFrm::guaranteeIndex() const
{
    return std::max(0, CmbEggy->currentIndex());
}

void TKataskeuhFrm::SgrdAMouseUp(int index)
{
    if (index < 0 || index >= kNumbers)
        return;
    bool &mark = context_.state.board[static_cast<std::size_t>(index)];
    mark = !mark;
    SgrdA->refresh();
    RecountSystem();
}

void TKataskeuhFrm::DecadeButtonClick(int row, bool even)
{
    const std::size_t r = static_cast<std::size_t>(row);
    const bool down = (even ? BtnZyga.at(r) : BtnMona.at(r))->isChecked();
    for (int column = 0; column < NumberBoard::kColumns; ++column) {
        const int number = row * NumberBoard::kColumns + column + 1;
        if ((number % 2 == 0) == even)
            context_.state.board[static_cast<std::size_t>(number - 1)] = down;
    }
    SgrdA->refresh();
    RecountSystem();
}

void TKataskeuhFrm::CmbNumsChange()
{
    const int game = gameSize();
    if (game == 0)
        return;
    CmbEggy->clear();
    CmbEggy->addItems(GuaranteeItems(game));
    CmbEggy->setCurrentIndex(0);
    CmbSysthma->setCurrentIndex(CmbNums->currentIndex());
    CmbEggyChange();
}

void TKataskeuhFrm::CmbEggyChange()
{
    Results->showGuarantee(CmbEggy->currentText(), CmbSysthma->currentText());
    RecountSystem();
}

void TKataskeuhFrm::CmbSysthmaChange()
{
    CmbSysthma->setCurrentIndex(CmbNums->currentIndex());
    LblSe->setText(QStringLiteral("ΣΕ ") + CmbSysthma->currentText());
}

void TKataskeuhFrm::RecountSystem()
{
    const std::vector<std::uint8_t> numbers = pool();
    LblSelected->setText(SelectedNumbersText(static_cast<int>(numbers.size())));
    const int game = gameSize();
    const int size = columnSize();
    if (game == 0 || size == 0)
        return; // nothing to count until a game is chosen
    const ConstructionSummary counts =
        MakeConstructionSummary(numbers, game, size, CmbNums->currentText(), CmbEggy->currentText(),
                                CmbSysthma->currentText(), systemColumnCount(), context_.state.columnPrice);
    Results->showCounts(counts);
}

// ---- conditions grid -----------------------------------------------------------------------

void TKataskeuhFrm::SGrdKeyPress(QChar key)
{
    SGrd->keyPress(key);
}

// ---- required-number sets ------------------------------------------------------------------

void TKataskeuhFrm::editRequiredSet(int set)
{
    if (TStandardFrm *dialog = standardFrm_ ? standardFrm_() : nullptr)
        SetRows->edit(set, *dialog);
}

void TKataskeuhFrm::LMDDockSpeedButton3Click() { editRequiredSet(0); }
void TKataskeuhFrm::LMDDockSpeedButton1Click() { editRequiredSet(1); }
void TKataskeuhFrm::LMDDockSpeedButton2Click() { editRequiredSet(2); }
void TKataskeuhFrm::LMDDockSpeedButton4Click() { editRequiredSet(3); }

// ---- construction --------------------------------------------------------------------------

void TKataskeuhFrm::setBuilding(bool building)
{
    building_ = building;
    for (QWidget *widget : std::as_const(lockedWhileBuilding_))
        widget->setEnabled(!building);
    BBtnStop->setVisible(building);
    if (building)
        BBtnStop->setFocus();
}

void TKataskeuhFrm::finishBuild()
{
    Progress->clear();
    BBtnStop->setVisible(false);
}

void TKataskeuhFrm::BBtnCalcClick()
{
    if (building_)
        return;
    stopRequested_ = false;
    BBtnStop->setVisible(true);
    Progress->clear();
    auto cleanUp = qScopeGuard([this] {
        setBuilding(false);
        finishBuild();
    });

    // A build needs its game and guarantee chosen: without them it would be a full system
    // without a guarantee test.
    const int size = columnSize();
    const int game = gameSize();
    if (size == 0 || game == 0 || CmbEggy->currentIndex() < 0) {
        context_.prompts.info(this, kMsgChooseGame, kCaptionProgram);
        return;
    }
    const std::vector<std::uint8_t> numbers = pool();
    const int n = static_cast<int>(numbers.size());
    const std::int64_t candidates = Combinations(n, size);
    if (const std::optional<QString> question = LargeBuildQuestion(n, size, game, context_.state.columnPrice)) {
        if (!context_.prompts.confirm(this, *question, kCaptionConfirm))
            return;
    }
    Progress->start(candidates);

    ColumnConditions conditions;
    try {
        conditions = ColumnConditions::fromEntries(conditionEntries());
    } catch (const ConversionError &) {
        return; // a cell that is not a number ends the attempt without a word
    }

    ConstructionSetup setup;
    setup.pool = numbers;
    setup.game = game;
    setup.columnSize = size;
    setup.threshold = GuaranteeThreshold(game, guaranteeIndex());
    const QString gameText = CmbNums->currentText();

    SharedState &state = context_.state;
    Results->showPrevious(systemColumnCount());
    state.systemColumns.clear();

    setBuilding(true);
    ConstructionResult result;
    {
        SystemConstructor engine(setup, conditions);
        result = engine.EnumerateCandidates(
            stopRequested_, [this](const ConstructionProgress &p) {
                Progress->report(p.processed, kFound + QString::number(p.accepted));
            });
    }
    if (stopRequested_)
        result.columns.clear();
    state.systemColumns = std::move(result.columns);
    const auto count = static_cast<std::int64_t>(state.systemColumns.size());

    Results->showBuilt(count, PercentageText(gameText, count, candidates));
    summary_ = MakeConstructionSummary(numbers, game, size, gameText, CmbEggy->currentText(),
                                       CmbSysthma->currentText(), count, state.columnPrice);
    checkBuiltSystem(setup, conditions);
    context_.prompts.info(this, ConstructionMessage(summary_), kCaptionProgram);
    RecountSystem();

    if (count > 0 && !stopRequested_)
        writeLibraryFile(setup);
}

void TKataskeuhFrm::writeLibraryFile(const ConstructionSetup &setup)
{
    if (setup.pool.empty())
        return;
    data::SystemNameFields fields;
    fields.numbers = static_cast<int>(setup.pool.size());
    fields.guarantee = setup.threshold;
    fields.game = setup.game;
    fields.columns = summary_.builtColumns;
    fields.columnPrice = context_.state.columnPrice;
    fields.coupons = summary_.couponCount;
    fields.columnSize = setup.columnSize;
    fields.hasCondition = !LblNums->text().trimmed().isEmpty();
    fields.conditionFrom = Edit2->text();
    fields.conditionTo = Edit3->text();
    const QString folder = context_.paths.folder(kProtypaFolder);
    const QString path = QDir(folder).filePath(data::SystemFileName(fields));
    if (QFileInfo::exists(path) && !context_.prompts.confirm(this, kAskOverwrite, kCaptionConfirm))
        return;
    data::WriteSystemFile(path, context_.state.systemColumns);
}

void TKataskeuhFrm::BBtnStopClick()
{
    // The check and the optimiser leave a complete system behind; only a build is lost.
    if (isOptimising())
        Optimiser->stop();
    else if (Verify->checking())
        Verify->stop();
    else
        stopRequested_ = true;
}

// ---- results -------------------------------------------------------------------------------

void TKataskeuhFrm::BtnPrintClick()
{
    LoadConditionLimits(conditionEntries());
    RecountSystem();
    const SystemColumns &columns = context_.state.systemColumns;
    if (columns.empty()) {
        context_.prompts.info(this, kMsgNoCouponColumns, kCaptionInfo);
        return;
    }
    context_.state.slipMarks.multipliers.clear();
    if (openPreview_)
        openPreview_(static_cast<int>(columns.front().size()), systemColumnCount());
}

void TKataskeuhFrm::BBtnSaveClick()
{
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const SystemColumns &columns = context_.state.systemColumns;
    if (columns.empty() || stopRequested_) {
        context_.prompts.info(this, kMsgNothingToSave, kCaptionProgram);
        return;
    }
    const auto path = context_.prompts.saveFile(this, folder, kCouponFilter, kCouponExtension);
    if (!path || markedCount() == 0)
        return;
    // The columns' own size: the expansion and the game are equal, so each is one played column.
    const int size = static_cast<int>(columns.front().size());
    const std::int64_t played = static_cast<std::int64_t>(columns.size()) * Combinations(size, size);
    const SlipMarks &slip = context_.state.slipMarks;
    data::WriteCouponFile(*path, played, size, slip.multipliers, slip.drawColumn, slip.drawRow,
                          columns);
}

ConstructorReport TKataskeuhFrm::makeReport() const
{
    ConstructorReport report;
    report.systemName = systemName_.trimmed();
    report.game = summary_.gameText;
    report.count = QString::number(summary_.markedCount);
    report.value = summary_.builtCost;
    report.guaranteeText = summary_.guaranteeText;
    report.verificationText = Verify->checkText();
    report.numbersCaption = LblBuiltColumns->text();
    report.numberLines = summary_.numberLines;
    for (int row = 1; row <= kGridConditionCount; ++row) {
        const QString from = cell(row, 1);
        const QString to = cell(row, 2);
        report.conditionRows.append(ReportCondition{cell(row, 0), from, to, IsConditionActive(row, from, to)});
    }
    const ConditionLimits limits = LoadConditionLimits(conditionEntries());
    for (int set = 0; set < kRequiredSetCount; ++set) {
        const RequiredNumberSet values = SetRows->values(set);
        const auto i = static_cast<std::size_t>(kGridConditionCount + set);
        const bool on = !values.label.trimmed().isEmpty() && (limits.from[i] != 0 || limits.to[i] != 0);
        report.groups[static_cast<std::size_t>(set)] = ReportCondition{values.label, values.from, values.to, on};
    }
    return report;
}

void TKataskeuhFrm::BBtnReportClick()
{
    if (systemColumnCount() == 0)
        return;
    LoadConditionLimits(conditionEntries()); // a cell that is not a number is reported, nothing printed
    PrintConstructorReportJob(context_, this, ProgramPrinter(), makeReport());
}

// ---- conditions file -----------------------------------------------------------------------

void TKataskeuhFrm::BBtnSaveOroiClick()
{
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const auto path = context_.prompts.saveFile(this, folder, kConditionsFilter, kConditionsExtension);
    if (!path)
        return;
    SaveConditions(*path, currentSetup());
    systemName_ = SystemNameOfConditionsFile(*path);
    setWindowTitle(kNamedCaption + systemName_);
}

void TKataskeuhFrm::BBtnLoadOroiClick()
{
    WindowReset();
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const auto path = context_.prompts.openFile(this, folder, kConditionsFilter);
    if (!path)
        return;
    applySetup(LoadConditions(*path));
    systemName_ = SystemNameOfConditionsFile(*path);
    setWindowTitle(kNamedCaption + systemName_);
    BBtnCalc->setFocus();
}

// ---- other commands ------------------------------------------------------------------------

void TKataskeuhFrm::BtnClearClick()
{
    if (context_.prompts.confirm(this, kAskClear, kCaptionConfirm))
        WindowReset();
}

void TKataskeuhFrm::reject()
{
    if (building_)
        return;
    QDialog::reject();
}

void TKataskeuhFrm::closeEvent(QCloseEvent *event)
{
    if (building_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

// ---- picture -------------------------------------------------------------------------------

void TKataskeuhFrm::prepareSnapshot()
{
    for (int n = 1; n <= 12; ++n)
        context_.state.board[static_cast<std::size_t>(n - 1)] = true;
    CmbNums->setCurrentIndex(5); // game 6
    CmbNumsChange();
    CmbEggy->setCurrentIndex(2); // "6 ή 5 ή 4"
    CmbEggyChange();
    setCell(kOddRow, 1, QStringLiteral("2"));
    setCell(kOddRow, 2, QStringLiteral("4"));
    setCell(kOddRow, 3, QStringLiteral("ON"));
    LblNums->setText(QStringLiteral("1,2,3"));
    Edit2->setText(QStringLiteral("1"));
    Edit3->setText(QStringLiteral("2"));
    SgrdA->refresh();

    // A built result as the window shows it, without its message and its library file.
    ConstructionSetup setup;
    setup.pool = pool();
    setup.game = 6;
    setup.columnSize = 6;
    setup.threshold = GuaranteeThreshold(6, 2);
    bool stop = false;
    const ColumnConditions conditions = ColumnConditions::fromEntries(conditionEntries());
    const ConstructionResult result = ConstructSystem(setup, conditions, stop);
    context_.state.systemColumns = result.columns;
    const auto count = static_cast<std::int64_t>(result.columns.size());
    Results->showPrevious(0);
    Results->showBuilt(count, PercentageText(CmbNums->currentText(), count, Combinations(12, 6)));
    summary_ = MakeConstructionSummary(setup.pool, 6, 6, CmbNums->currentText(), CmbEggy->currentText(),
                                       CmbSysthma->currentText(), count, context_.state.columnPrice);
    checkBuiltSystem(setup, conditions);
    Progress->clear();
    RecountSystem();
}

} // namespace taru::ui
