#include "app/ui/FeatureWindows.h"

#include "app/ui/PlaceholderDlg.h"
#include "print/ui/PrnFrm.h"
#include "systems/ui/KataskeuhFrm.h"
#include "systems/ui/StandardFrm.h"

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
    KatoxosDlg = std::make_unique<TKatoxosDlg>(context);
    NewNikFrm = placeholder("TNewNikFrm", "ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ - ΣΤΑΤΙΣΤΙΚΑ");
    NewNikToolDlg = placeholder("TNewNikToolDlg", "ΝΕΑ ΝΙΚΗΤΡΙΑ");
    PrintRangeDlg = placeholder("TPrintRangeDlg", "ΠΕΡΙΟΧΗ ΕΚΤΥΠΩΣΗΣ");
    ViewNikDlg = placeholder("TViewNikDlg", "ΕΠΙΛΕΞΤΕ ΝΙΚΗΤΡΙΑ ΑΠΟ ΑΡΧΕΙΟ ΝΙΚΗΤΡΙΩΝ");
    PrnPrevEGGYFrm = placeholder("TPrnPrevEGGYFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");
    PrnPrevDeltiaFrm = placeholder("TPrnPrevDeltiaFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ");
    BiblioFrm = placeholder("TBiblioFrm", "ΒΙΒΛΙΟΘΗΚΗ ΣΥΣΤΗΜΑΤΩΝ");
    LoadBiblioListFrm = placeholder("TLoadBiblioListFrm", "Β&ΙΒΛΙΟΘΗΚΗ");
    KataskeuhFrm = std::make_unique<TKataskeuhFrm>(
        context, [this] { return as<TStandardFrm>(StandardFrm); },
        [this](int columnSize, int columnCount) {
            // The preview's stand-in keeps what it was handed, so the hand-off can be seen.
            PrnPrevEGGYFrm->setProperty("columnSize", columnSize);
            PrnPrevEGGYFrm->setProperty("columnCount", columnCount);
            PrnPrevEGGYFrm->exec();
        });
    DelFilesDlg = placeholder("TDelFilesDlg", "ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΑ ΓΙΑ ΔΙΑΓΡΑΦΗ");
    StatAllFrm = placeholder("TStatAllFrm", "ΣΤΑΤΙΣΤΙΚΑ");
    StandardFrm = std::make_unique<TStandardFrm>(context);
    StatAllChartFrm = placeholder("TStatAllChartFrm", "ΣΤΑΤΙΣΤΙΚΑ - ΓΡΑΦΗΜΑ");
    NikSthlhFrm = placeholder("TNikSthlhFrm", "NIKHTΡΙΑ ΣΤΗΛΗ");
    FrmInsertDeltia = placeholder("TFrmInsertDeltia", "EIΣΑΓΩΓΗ ΔΕΛΤΙΩΝ");
    FrmReplace_Deltia = placeholder("TFrmReplace_Deltia", "ME ANTIKATAΣΤΑΣΗ");
}

FeatureWindows::~FeatureWindows() = default;

void FeatureWindows::createLate()
{
    PrnPrevFrm = placeholder("TPrnPrevFrm", "ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ");
    AboutDlgS = std::make_unique<TAboutDlgS>(context_);
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
    const auto add = [&list](QDialog *window) {
        if (window)
            list.append(window);
    };
    add(InfoDialDlg.get());
    add(GeneratorFrm.get());
    add(PrnPrevGenFrm.get());
    add(EditNikToolDlg.get());
    add(KatoxosDlg.get());
    add(NewNikFrm.get());
    add(NewNikToolDlg.get());
    add(PrintRangeDlg.get());
    add(ViewNikDlg.get());
    add(PrnPrevEGGYFrm.get());
    add(PrnPrevDeltiaFrm.get());
    add(BiblioFrm.get());
    add(LoadBiblioListFrm.get());
    add(KataskeuhFrm.get());
    add(DelFilesDlg.get());
    add(StatAllFrm.get());
    add(StandardFrm.get());
    add(StatNikFrm.get());
    add(StatAllChartFrm.get());
    add(NikSthlhFrm.get());
    add(FrmInsertDeltia.get());
    add(FrmReplace_Deltia.get());
    add(PrnPrevFrm.get());
    add(AboutDlgS.get());
    add(NikDlg.get());
    add(PrnFrm.get());
    add(GameFrm.get());
    return list;
}

} // namespace taru::ui
