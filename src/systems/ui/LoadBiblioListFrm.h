#pragma once

#include "window/AppContext.h"
#include "window/CentredDialog.h"
#include "window/SnapshotContent.h"
#include "data/SystemFile.h"
#include "print/ListPrint.h"


#include <vector>

class QLabel;
class QPrinter;
class QPushButton;
class QTableWidget;

namespace taru::ui {

// The systems library: one row per system file of BIBLIO, its eleven cells read from the file
// name; a click on a heading sorts by that column, a double click opens the system in the
// library window, and the list prints on paged sheets.
class TLoadBiblioListFrm : public CentredDialog, public SnapshotContent {
    Q_OBJECT
public:
    explicit TLoadBiblioListFrm(AppContext &context, QWidget *parent = nullptr);

    // Handlers, also called directly by tests.
    void FormShow() override;
    void SGrdHeadingClick(int column); // column as shown, 0 = "ΟΝΟΜΑ"
    void SGrdDblClick(int row);        // 0-based data row
    void BtnPrintClick();

    const std::vector<data::SystemListRow> &rows() const { return rows_; }
    // The printout of rows first..last (1-based, inclusive) as the list shows them now.
    ListPrintout printout(int first, int last) const;

    // Where the list prints; the program's printer unless a test sets another.
    QPrinter *printer = nullptr;

    void prepareSnapshot() override;

    // Controls, named as the form names them.
    QTableWidget *SGrd = nullptr;
    QLabel *LblHint = nullptr;
    QPushButton *BtnPrint = nullptr;
    QPushButton *glBitBtn1 = nullptr;
    QPushButton *glBBtnhELP = nullptr;
    QPushButton *BtnBack = nullptr;

private:
    void buildControls();
    void fillGrid();
    QString folder() const;

    AppContext &context_;
    std::vector<data::SystemListRow> rows_;
};

} // namespace taru::ui
