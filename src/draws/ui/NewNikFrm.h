#pragma once

#include "draws/ui/DrawsListFrm.h"

namespace taru::ui {

// Told when a change would be saved over a draws file that did not read whole.
inline const QString kPartialListRefused = QStringLiteral(
    "Το αρχείο των Νικητριών δεν διαβάστηκε ολόκληρο, γι' αυτό η λίστα δεν αποθηκεύεται: η αποθήκευση θα έσβηνε "
    "τις γραμμές μετά το σφάλμα. Διορθώστε το αρχείο και ανοίξτε ξανά τη λίστα.");
inline const QString kImportButton = QStringLiteral("ΕΙΣΑΓΩΓΗ ΑΠΟ ΑΡΧΕΙΟ");
inline const QString kImportFilter = QStringLiteral("Αποτελέσματα κληρώσεων|*.csv;*.txt|Όλα τα αρχεία|*");

// The draws list: every draw with its figures; adds a draw through the new-draw dialog, corrects
// one through the edit dialog (double click or Enter), imports published results, prints.
class TNewNikFrm : public DrawsListFrm {
    Q_OBJECT
public:
    explicit TNewNikFrm(AppContext &context, QWidget *parent = nullptr);

    QPushButton *BBtnNew;
    QPushButton *BtnImport;

    void BitBtn1Click();
    void SGrdDblClick();
    void BtnImportClick();
    // Rewrites the whole file from the list; false after the message when it could not.
    bool SaveDraws(const QString &path);

private:
    bool refusedAfterFailedRead();
};

} // namespace taru::ui
