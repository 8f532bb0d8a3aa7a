#pragma once

#include "window/AppContext.h"
#include "window/DrawsGrid.h"
#include "window/SnapshotContent.h"
#include "draws/DrawsFile.h"

#include <QDialog>

#include <vector>

class QLabel;

namespace taru::ui {

inline const QString kViewNikCaption = QStringLiteral("ΕΠΙΛΕΞΤΕ ΝΙΚΗΤΡΙΑ ΑΠΟ ΑΡΧΕΙΟ ΝΙΚΗΤΡΙΩΝ");
inline const QString kViewNikHint = QStringLiteral("Με διπλό αριστερό κλικ πάνω σε μια γραμμή επιλέγετε Νικήτρια Στήλη.");

// The draws picker: every line of the draws file as a row (sequence, draw number, date, the 20
// numbers), cut at its commas without converting anything, so every row is listed whatever it
// holds; a double click or Enter on a row closes it with OK.
class TViewNikDlg : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TViewNikDlg(AppContext &context, QWidget *parent = nullptr);

    QLabel *LblInfo;
    QLabel *LblHint;
    DrawsGrid *SGrd;

    // Fills the grid from the draws file; false (after the reader's message, naming the file and
    // the reason) when it cannot be read.
    bool LoadDrawsGrid(const QString &path);
    void setDraws(const std::vector<draws::DrawEntry> &entries);
    void FormShow();
    void SGrdDblClick();
    // Enter closes with OK; true when the key was taken.
    bool SGrdKeyPress(int key);

    // The 23 texts of the selected row (empty when none is selected).
    QStringList selectedFields() const;

    void prepareSnapshot() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppContext &context_;
};

} // namespace taru::ui
