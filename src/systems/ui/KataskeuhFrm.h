#pragma once

#include "window/AppContext.h"
#include "window/CentredDialog.h"
#include "window/SnapshotContent.h"
#include "print/ReportLayout.h"
#include "systems/Conditions.h"
#include "systems/Constructor.h"
#include "systems/Optimiser.h"


#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace taru::ui {

class BuildProgress;
class ConditionsGrid;
class GuaranteePanel;
class NumberBoard;
class OptimiserControl;
class RequiredSetRows;
class SystemResultsPanel;
class TStandardFrm;

// How the constructor hands its result to the produced-system print preview: the preview reads
// the columns from the shared state and is given K and the column count; it shows modally.
using SystemPreviewOpener = std::function<void(int columnSize, int columnCount)>;
// The fixed-numbers dialog, created after this window.
using StandardFrmSource = std::function<TStandardFrm *()>;

// The system constructor: the player marks numbers, picks a game and a guarantee, sets
// conditions, and the window builds the reduced system with the engine, shows its counts and
// cost, and stores, saves, prints and reports it. The build runs on this thread; the window lets
// input through while it runs so the stop button works, and refuses every other command.
class TKataskeuhFrm : public CentredDialog, public SnapshotContent {
    Q_OBJECT
public:
    TKataskeuhFrm(AppContext &context, StandardFrmSource standardFrm, SystemPreviewOpener openPreview,
                  QWidget *parent = nullptr);

    // Handlers, also called directly by tests.
    void FormShow() override;
    void SgrdAMouseUp(int index);                    // board box index (number - 1)
    void DecadeButtonClick(int row, bool even);      // "Μ" (odd) or "Ζ" (even) of board row 0..7
    void CmbNumsChange();
    void CmbEggyChange();
    void CmbSysthmaChange();
    void SGrdKeyPress(QChar key);                    // a typed character on the current cell
    void LMDDockSpeedButton3Click();                 // required-number set 1
    void LMDDockSpeedButton1Click();                 // set 2
    void LMDDockSpeedButton2Click();                 // set 3
    void LMDDockSpeedButton4Click();                 // set 4
    void BBtnCalcClick();
    void BBtnStopClick();
    void BtnPrintClick();
    void BBtnSaveClick();
    void BBtnReportClick();
    void BBtnSaveOroiClick();
    void BBtnLoadOroiClick();
    void BtnClearClick();
    void BtnOptimiseClick();

    // Routines of the window.
    void WindowReset();
    void ResetConditions();
    void RecountSystem();
    ConditionEntries conditionEntries() const;
    ConstructorSetup currentSetup() const;
    void applySetup(const ConstructorSetup &setup);
    int markedCount() const;
    std::vector<std::uint8_t> pool() const;
    int systemColumnCount() const { return static_cast<int>(context_.state.systemColumns.size()); }
    bool isBuilding() const { return building_; }
    bool isOptimising() const;
    bool stopRequested() const { return stopRequested_; }
    const QString &systemName() const { return systemName_; }
    const ConstructionSummary &summary() const { return summary_; }
    // The report of the last build with the current conditions (limits already checked).
    ConstructorReport makeReport() const;
    // The grid cell text (row 0..8, column 0..3).
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    void prepareSnapshot() override;

    // Controls, named as the form names them.
    NumberBoard *SgrdA = nullptr;
    std::array<QToolButton *, 8> BtnMona{};  // "Μ" of each board row
    std::array<QToolButton *, 8> BtnZyga{};  // "Ζ" of each board row
    QLabel *LblSelected = nullptr;           // "Επιλεγμένοι Αριθμοί :"
    QLabel *LblGame = nullptr;
    QComboBox *CmbNums = nullptr;
    QLabel *LblEggy = nullptr;
    QComboBox *CmbEggy = nullptr;
    QLabel *LblSysthma = nullptr;
    QComboBox *CmbSysthma = nullptr;
    ConditionsGrid *SGrd = nullptr;
    RequiredSetRows *SetRows = nullptr;   // holds the four rows below
    QToolButton *LMDDockSpeedButton3 = nullptr;
    QLabel *LblNums = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QToolButton *LMDDockSpeedButton1 = nullptr;
    QLabel *LblNums2 = nullptr;
    QLineEdit *EdtApo = nullptr;
    QLineEdit *EdtEos = nullptr;
    QToolButton *LMDDockSpeedButton2 = nullptr;
    QLabel *LblNums3 = nullptr;
    QLineEdit *EdtApo3 = nullptr;
    QLineEdit *EdtEos3 = nullptr;
    QToolButton *LMDDockSpeedButton4 = nullptr;
    QLabel *LblNums4 = nullptr;
    QLineEdit *EdtApo4 = nullptr;
    QLineEdit *EdtEos4 = nullptr;
    SystemResultsPanel *Results = nullptr;   // the labels below live in it
    QLabel *LblFullColumns = nullptr;
    QLabel *LblFullCost = nullptr;
    QLabel *LblBuiltColumns = nullptr;
    QLabel *LblBuiltCost = nullptr;
    QLabel *LblEpityxia = nullptr;           // the guarantee text
    QLabel *LblSe = nullptr;                 // "ΣΕ " + the expansion
    QLabel *LblDeltia = nullptr;             // "Δελτία : "
    QLabel *LblPrevious = nullptr;           // "Προηγούμενο μέτρημα : "
    QLabel *LblPercent = nullptr;
    BuildProgress *Progress = nullptr;       // holds the two below
    QLabel *LblFound = nullptr;              // "Στήλες που έχουν βρεθεί : "
    QProgressBar *PrgFill = nullptr;
    QPushButton *BBtnCalc = nullptr;
    QPushButton *BBtnStop = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BBtnSave = nullptr;
    QPushButton *BBtnReport = nullptr;
    QPushButton *BBtnSaveOroi = nullptr;
    QPushButton *BBtnLoadOroi = nullptr;
    QPushButton *BtnClear = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QToolButton *LMDShapeButton1 = nullptr;
    QPushButton *BtnBack = nullptr;
    GuaranteePanel *Verify = nullptr;        // the check of the built system, its odds and holes
    OptimiserControl *Optimiser = nullptr;   // "&ΒΕΛΤΙΣΤΟΠΟΙΗΣΗ" with its time choice

public Q_SLOTS:
    void reject() override; // refused while a build runs

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void editRequiredSet(int set);
    void setBuilding(bool building);
    void finishBuild();
    void writeLibraryFile(const ConstructionSetup &setup);
    // The check of a build and the optimiser after it (in their own source file).
    void buildGuaranteeControls(int top, int optimiserX, int optimiserY);
    void checkBuiltSystem(const ConstructionSetup &setup, const ColumnConditions &conditions);
    void optimiserFinished(const OptimiserResult &result);
    int gameSize() const;     // G, 0 when no game is chosen
    int columnSize() const;   // K, 0 when no expansion is chosen
    int guaranteeIndex() const;

    AppContext &context_;
    StandardFrmSource standardFrm_;
    SystemPreviewOpener openPreview_;
    bool stopRequested_ = false;
    bool building_ = false;
    QString systemName_;
    ConstructionSummary summary_;
    ConstructionSetup built_; // the setup of the system built last
    QList<QWidget *> lockedWhileBuilding_;
};

} // namespace taru::ui
