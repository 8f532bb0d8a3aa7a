#pragma once

#include "systems/Replacement.h"
#include "systems/ui/BiblioFrm.h"

#include <vector>

namespace taru::ui {

// New numbers for a stored coupon file: every distinct number of the file (the main window's
// chosen file) is listed beside a new number the user types or lets the dice draw; saving writes
// a new coupon file with each old number replaced by its new one and the options chosen here.
// It is the library window with its own showing, typing, painting, dice and saving; the coupon
// and report buttons are hidden.
class TFrmReplace_Deltia : public TBiblioFrm {
    Q_OBJECT
public:
    explicit TFrmReplace_Deltia(AppContext &context, QWidget *parent = nullptr);

    void FormShow() override;
    void SGrdKeyPress(QChar key) override;
    void BBtnDiceClick() override;
    void BBtnSaveClick() override;

    // The file being replaced (set on show from the main window's choice).
    const QString &loadedFile() const { return loadedFile_; }
    const std::vector<int> &distinctNumbers() const { return distinct_; }
    // Fills the grid: one row per number, its new number the same.
    void setDistinctNumbers(const std::vector<int> &numbers);
    QStringList newNumbers() const;

    void prepareSnapshot() override;

protected:
    bool boardMark(int number) const override;
    int numberColumn() const override { return 2; }
    void numberTyped(int row) override;

private:
    QString loadedFile_;
    std::vector<int> distinct_;
};

} // namespace taru::ui
