#include "app/ui/FeatureWindows.h"

#include "app/ui/PlaceholderDlg.h"
#include "print/ui/PrnFrm.h"

namespace taru::ui {

namespace {
std::unique_ptr<QDialog> placeholder(const char *className, const char *caption)
{
    return std::make_unique<PlaceholderDlg>(QString::fromLatin1(className), QString::fromUtf8(caption));
}
} // namespace

FeatureWindows::FeatureWindows(AppContext &context)
    : context_(context)
{
    InfoDialDlg = placeholder("TInfoDialDlg", "ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ");
    GeneratorFrm = placeholder("TGeneratorFrm", "ΤΥΧΑΙΑ ΠΑΡΑΓΩΓΗ");
    PrnPrevGenFrm = placeholder("TPrnPrevGenFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");
    EditNikToolDlg = placeholder("TEditNikToolDlg", "ΔΙΟΡΘΩΣΗ ΝΙΚΗΤΡΙΑΣ");
    KatoxosDlg = placeholder("TKatoxosDlg", "ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ");
    NewNikFrm = placeholder("TNewNikFrm", "ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ - ΣΤΑΤΙΣΤΙΚΑ");
    NewNikToolDlg = placeholder("TNewNikToolDlg", "ΝΕΑ ΝΙΚΗΤΡΙΑ");
    PrintRangeDlg = placeholder("TPrintRangeDlg", "ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ");
    ViewNikDlg = placeholder("TViewNikDlg", "ΕΠΙΛΕΞΤΕ ΝΙΚΗΤΡΙΑ ΑΠΟ ΑΡΧΕΙΟ ΝΙΚΗΤΡΙΩΝ");
    PrnPrevEGGYFrm = placeholder("TPrnPrevEGGYFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");
    PrnPrevDeltiaFrm = placeholder("TPrnPrevDeltiaFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");
    BiblioFrm = placeholder("TBiblioFrm", "ΒΙΒΛΙΟΘΗΚΗ ΣΥΣΤΗΜΑΤΩΝ");
    LoadBiblioListFrm = placeholder("TLoadBiblioListFrm", "Β&ΙΒΛΙΟΘΗΚΗ");
    KataskeuhFrm = placeholder("TKataskeuhFrm", "ΚΑΤΑΣΚΕΥΗ ΣΥΣΤΗΜΑΤΩΝ");
    DelFilesDlg = placeholder("TDelFilesDlg", "ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΑ ΓΙΑ ΔΙΑΓΡΑΦΗ");
    StatAllFrm = placeholder("TStatAllFrm", "ΣΤΑΤΙΣΤΙΚΑ");
    StandardFrm = placeholder("TStandardFrm", "ΣΤΑΝΤΑΡ Ή ΖΗΤΟΥΜΕΝΟΙ ΑΡΙΘΜΟΙ");
    StatAllChartFrm = placeholder("TStatAllChartFrm", "ΣΤΑΤΙΣΤΙΚΑ - ΓΡΑΦΗΜΑ");
    NikSthlhFrm = placeholder("TNikSthlhFrm", "NIKHTΡΙΑ ΣΤΗΛΗ");
    FrmInsertDeltia = placeholder("TFrmInsertDeltia", "EIΣΑΓΩΓΗ ΔΕΛΤΙΩΝ");
    FrmReplace_Deltia = placeholder("TFrmReplace_Deltia", "ME ANTIKATAΣΤΑΣΗ");
}

FeatureWindows::~FeatureWindows() = default;

void FeatureWindows::createLate()
{
    PrnPrevFrm = placeholder("TPrnPrevFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ");
    AboutDlgS = placeholder("TAboutDlgS", "Γενικά για το πρόγραμμα");
    NikDlg = placeholder("TNikDlg", "ΕΠΙΛΟΓΗ");
    PrnFrm = std::make_unique<TPrnFrm>(context_);
    GameFrm = std::make_unique<TGameFrm>(context_, [this](const QString &gameLabel, double couponValue) {
        // The preview's stand-in keeps what it was handed, so the hand-off can be seen.
        PrnPrevFrm->setProperty("gameLabel", gameLabel);
        PrnPrevFrm->setProperty("couponValue", couponValue);
        PrnPrevFrm->exec();
    });
}

void FeatureWindows::createStatNikFrm()
{
    if (!StatNikFrm)
        StatNikFrm = placeholder("TStatNikFrm", "ΣΤΑΤΙΣΤΙΚΑ ΝΙΚΗΤΡΙΩΝ");
}

QList<QDialog *> FeatureWindows::all() const
{
    QList<QDialog *> list;
    for (const auto *w : {&InfoDialDlg, &GeneratorFrm, &PrnPrevGenFrm, &EditNikToolDlg, &KatoxosDlg, &NewNikFrm,
                          &NewNikToolDlg, &PrintRangeDlg, &ViewNikDlg, &PrnPrevEGGYFrm, &PrnPrevDeltiaFrm, &BiblioFrm,
                          &LoadBiblioListFrm, &KataskeuhFrm, &DelFilesDlg, &StatAllFrm, &StandardFrm, &StatNikFrm,
                          &StatAllChartFrm, &NikSthlhFrm, &FrmInsertDeltia, &FrmReplace_Deltia, &PrnPrevFrm, &AboutDlgS,
                          &NikDlg, &PrnFrm}) {
        if (*w)
            list.append(w->get());
    }
    if (GameFrm)
        list.append(GameFrm.get());
    return list;
}

} // namespace taru::ui
