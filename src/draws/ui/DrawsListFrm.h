#pragma once

#include "window/AppContext.h"
#include "window/DrawsGrid.h"
#include "window/SnapshotContent.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;

namespace taru::ui {

// What the draws list and the per-draw statistics share: the 31-column grid of every draw with
// its figures, loading it from the draws file when shown, and printing it by range.
class DrawsListFrm : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    DrawsListFrm(AppContext &context, const QString &caption, const QString &hint, QWidget *parent = nullptr);

    QLabel *LblInfo;
    QLabel *LblHint;
    DrawsGrid *SGrd;
    QPushButton *BtnPrint = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QPushButton *BtnBack = nullptr;

    // Headings and widths, the draws of the draws file when there is one, the last row selected.
    void FormShow();
    // Fills the grid from the file; after a failure the rows before it stay, with the message.
    void LoadDraws(const QString &path);
    // The range dialog, the print dialog, then the list on the program's printer.
    void BtnPrintClick();
    void glBBtnhELPClick();

    // Whether the last read stopped at a failure (the list then holds only part of the file).
    bool readFailed() const { return readFailed_; }
    QString drawsPath() const;

    void prepareSnapshot() override;

protected:
    void showEvent(QShowEvent *event) override;
    // Where the window's own buttons go, before the print, help and back buttons.
    QHBoxLayout *buttons() const { return buttons_; }
    QPushButton *addButton(const char *name, const QString &text);

    AppContext &context_;

private:
    QHBoxLayout *buttons_;
    bool readFailed_ = false;
};

} // namespace taru::ui
