#pragma once

#include "window/AppContext.h"
#include "window/CentredDialog.h"
#include "window/SnapshotContent.h"
#include "systems/Library.h"


#include <optional>
#include <vector>

class QLabel;
class QPrinter;
class QPushButton;
class QToolButton;

namespace taru::ui {

class BoxHeader;
class CellGrid;
class DrawBoxesGrid;
class GuaranteePanel;
class NumberBoard;

// A library system laid over the player's numbers: the player types a number into each of the
// system's N positions (or lets the dice fill them), picks the coupon's options, and the window
// builds the coupons by putting those numbers in place of the positions; it shows them in the
// produced-system preview, saves them as a coupon file or prints the library report. The list
// window hands the system over with setSystem() before showing it.
class TBiblioFrm : public CentredDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TBiblioFrm(AppContext &context, QWidget *parent = nullptr);

    void setSystem(const LibrarySystem &system);
    const LibrarySystem &system() const { return system_; }

    // Handlers, also called directly by tests.
    void FormShow() override;
    virtual void SGrdKeyPress(QChar key);  // a key typed in the current cell; '\r' is Enter
    virtual void BBtnDiceClick();
    virtual void BBtnSaveClick();
    void BtnPrintClick();
    void BBtnReportClick();
    void Header1SectionClick(int section); // 0-based from the left
    void SgrdDKMouseUp(int index);         // column * 5 + row

    // The number accepted in each position (0 where none is).
    const std::vector<int> &playerNumbers() const { return numbers_; }
    // Checks the positions and builds the coupons; nothing (the refusal shown) when it cannot.
    std::optional<SystemColumns> BuildCoupons();

    // Where the report goes; the program's printer unless a test sets another.
    QPrinter *printer = nullptr;

    void prepareSnapshot() override;

    // Controls, named as the form names them.
    QLabel *LblHeader = nullptr;  // the system's name
    QLabel *LblComment = nullptr;
    CellGrid *SGrd = nullptr;
    QLabel *LblHint = nullptr;
    NumberBoard *SgrdA = nullptr;
    QLabel *LblMultiplier = nullptr;
    BoxHeader *Header1 = nullptr;
    QLabel *LblDraws = nullptr;
    DrawBoxesGrid *SgrdDK = nullptr;
    QToolButton *BBtnDice = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *BBtnSave = nullptr;
    QPushButton *BBtnReport = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QToolButton *LMDShapeButton1 = nullptr;
    QPushButton *BtnBack = nullptr;
    GuaranteePanel *Verify = nullptr; // the check of the coupons built last, their odds and holes

protected:
    // Whether the board shows number (1..80) as chosen.
    virtual bool boardMark(int number) const;
    // The column of the grid that is typed into.
    virtual int numberColumn() const { return 1; }
    // A cell of that column was typed into (row 0-based).
    virtual void numberTyped(int row);
    // Clears the options and the board, as every show does first.
    void prepareOptions();
    // The multiplier boxes (indices 1..9) and the consecutive-draws box chosen in the window.
    SlipMarks chosenOptions() const;
    double couponValue() const;
    void refreshBoard();

    AppContext &context_;

private:
    void buildControls();
    void connectHandlers();
    // The coupons' check (in its own source file).
    void checkCoupons(const SystemColumns &columns);

    LibrarySystem system_;
    std::vector<int> numbers_;
    bool validating_ = false;
};

} // namespace taru::ui
