#include "shell/FeatureWindows.h"

#include "shell/DelFilesDlg.h"
#include "draws/ui/NewNikFrm.h"
#include "draws/ui/NikSthlhFrm.h"
#include "draws/ui/NikToolDlg.h"
#include "draws/ui/StatAllChartFrm.h"
#include "draws/ui/StatAllFrm.h"
#include "draws/ui/StatNikFrm.h"
#include "import/ui/FrmInsertDeltia.h"
#include "print/ui/InfoDialDlg.h"
#include "print/ui/NikDlg.h"
#include "print/ui/PrintRangeDlg.h"
#include "print/ui/PrnFrm.h"
#include "print/ui/PrnPrevDeltiaFrm.h"
#include "print/ui/PrnPrevEGGYFrm.h"
#include "print/ui/PrnPrevFrm.h"
#include "print/ui/PrnPrevGenFrm.h"
#include "print/ui/ViewNikDlg.h"
#include "systems/ui/BiblioFrm.h"
#include "systems/ui/FrmReplace_Deltia.h"
#include "systems/ui/GeneratorFrm.h"
#include "systems/ui/KataskeuhFrm.h"
#include "systems/ui/LoadBiblioListFrm.h"
#include "systems/ui/StandardFrm.h"

namespace taru::ui {

FeatureWindows::FeatureWindows(AppContext &context)
    : context_(context)
{
    context.windows = this;
    InfoDialDlg = std::make_unique<TInfoDialDlg>(context);
    GeneratorFrm = std::make_unique<TGeneratorFrm>(context);
    PrnPrevGenFrm = std::make_unique<TPrnPrevGenFrm>(context);
    EditNikToolDlg = std::make_unique<TEditNikToolDlg>(context);
    KatoxosDlg = std::make_unique<TKatoxosDlg>(context);
    NewNikFrm = std::make_unique<TNewNikFrm>(context);
    NewNikToolDlg = std::make_unique<TNewNikToolDlg>(context);
    PrintRangeDlg = std::make_unique<TPrintRangeDlg>(context);
    ViewNikDlg = std::make_unique<TViewNikDlg>(context);
    PrnPrevEGGYFrm = std::make_unique<TPrnPrevEGGYFrm>(context);
    PrnPrevDeltiaFrm = std::make_unique<TPrnPrevDeltiaFrm>(context);
    BiblioFrm = std::make_unique<TBiblioFrm>(context);
    LoadBiblioListFrm = std::make_unique<TLoadBiblioListFrm>(context);
    KataskeuhFrm = std::make_unique<TKataskeuhFrm>(
        context, [this] { return as<TStandardFrm>(StandardFrm); },
        [this](int columnSize, int columnCount) {
            if (auto *preview = as<TPrnPrevEGGYFrm>(PrnPrevEGGYFrm))
                preview->setSystem(columnSize, columnCount);
            PrnPrevEGGYFrm->exec();
        });
    DelFilesDlg = std::make_unique<TDelFilesDlg>(context);
    StatAllFrm = std::make_unique<TStatAllFrm>(context);
    StandardFrm = std::make_unique<TStandardFrm>(context);
    StatAllChartFrm = std::make_unique<TStatAllChartFrm>(context);
    NikSthlhFrm = std::make_unique<TNikSthlhFrm>(context);
    FrmInsertDeltia = std::make_unique<TFrmInsertDeltia>(context);
    FrmReplace_Deltia = std::make_unique<TFrmReplace_Deltia>(context);
}

FeatureWindows::~FeatureWindows()
{
    if (context_.windows == this)
        context_.windows = nullptr;
}

QDialog *FeatureWindows::window(WindowId id) const
{
    return slot(id).get();
}

const std::unique_ptr<QDialog> &FeatureWindows::slot(WindowId id) const
{
    switch (id) {
    case WindowId::InfoDialDlg: return InfoDialDlg;
    case WindowId::GeneratorFrm: return GeneratorFrm;
    case WindowId::PrnPrevGenFrm: return PrnPrevGenFrm;
    case WindowId::EditNikToolDlg: return EditNikToolDlg;
    case WindowId::KatoxosDlg: return KatoxosDlg;
    case WindowId::NewNikFrm: return NewNikFrm;
    case WindowId::NewNikToolDlg: return NewNikToolDlg;
    case WindowId::PrintRangeDlg: return PrintRangeDlg;
    case WindowId::ViewNikDlg: return ViewNikDlg;
    case WindowId::PrnPrevEGGYFrm: return PrnPrevEGGYFrm;
    case WindowId::PrnPrevDeltiaFrm: return PrnPrevDeltiaFrm;
    case WindowId::BiblioFrm: return BiblioFrm;
    case WindowId::LoadBiblioListFrm: return LoadBiblioListFrm;
    case WindowId::KataskeuhFrm: return KataskeuhFrm;
    case WindowId::DelFilesDlg: return DelFilesDlg;
    case WindowId::StatAllFrm: return StatAllFrm;
    case WindowId::StandardFrm: return StandardFrm;
    case WindowId::StatNikFrm: return StatNikFrm;
    case WindowId::StatAllChartFrm: return StatAllChartFrm;
    case WindowId::NikSthlhFrm: return NikSthlhFrm;
    case WindowId::FrmInsertDeltia: return FrmInsertDeltia;
    case WindowId::FrmReplace_Deltia: return FrmReplace_Deltia;
    case WindowId::PrnPrevFrm: return PrnPrevFrm;
    case WindowId::AboutDlgS: return AboutDlgS;
    case WindowId::NikDlg: return NikDlg;
    case WindowId::PrnFrm: return PrnFrm;
    case WindowId::GameFrm: return GameFrm;
    }
    return GameFrm; // not reached: every name is listed above
}

void FeatureWindows::createLate()
{
    PrnPrevFrm = std::make_unique<TPrnPrevFrm>(context_);
    AboutDlgS = std::make_unique<TAboutDlgS>(context_);
    NikDlg = std::make_unique<TNikDlg>(context_);
    PrnFrm = std::make_unique<TPrnFrm>(context_);
    GameFrm = std::make_unique<TGameFrm>(context_, [this](const QString &gameLabel, double couponValue) {
        if (auto *preview = as<TPrnPrevFrm>(PrnPrevFrm))
            preview->setGame(gameLabel, couponValue);
        PrnPrevFrm->exec();
    });
}

void FeatureWindows::createStatNikFrm()
{
    if (!StatNikFrm)
        StatNikFrm = std::make_unique<TStatNikFrm>(context_);
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
