#pragma once

#include "window/AppContext.h"
#include "window/SnapshotContent.h"
#include "game/Pricing.h"
#include "systems/Conditions.h"

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace taru::ui {

class NumberBoard;

// The fixed-numbers dialog: picks, among the numbers marked in the constructor, one
// required-number set and how many of its numbers ("Από".."Έως") a built column must hold.
// Its selection is its own; the shared board only says which numbers may be picked.
class TStandardFrm : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TStandardFrm(AppContext &context, QWidget *parent = nullptr);

    // Clears the selection and puts "0" into both edits.
    void Reset();

    // The whole exchange with one set of the constructor: reset, select the set's numbers, copy
    // its edits, show modally; on OK the set receives the edits and the selection (ascending,
    // joined by ","). Returns false, the set untouched, when the dialog is cancelled or closed.
    bool EditRequiredSet(RequiredNumberSet &set);

    // Handlers, also called directly by tests.
    void SgrdAMouseUp(int index); // board box index (number - 1)
    void Edit2Exit();
    void Edit3Exit();

    // The selected numbers ascending, joined by ",".
    QString SelectedText() const;
    int SelectedCount() const;

    void prepareSnapshot() override;
    bool isSelected(int number) const { return selected_.at(static_cast<std::size_t>(number - 1)); }

    // Controls, named as the form names them.
    NumberBoard *SgrdA = nullptr;
    QLabel *LblApo = nullptr;
    QLabel *LblEos = nullptr;
    QLineEdit *Edit2 = nullptr; // "Από"
    QLineEdit *Edit3 = nullptr; // "Έως"
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void SelectFromLabel(const QString &label);

    AppContext &context_;
    std::array<bool, kNumbers> selected_{};
};

} // namespace taru::ui
