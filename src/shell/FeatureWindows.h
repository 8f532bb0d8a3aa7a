#pragma once

#include "shell/AboutDlgS.h"
#include "window/AppContext.h"
#include "window/WindowDirectory.h"
#include "shell/KatoxosDlg.h"
#include "game/ui/GameFrm.h"

#include <QDialog>

#include <memory>

namespace taru::ui {

// The program's feature windows: one instance of each, created once at start-up and kept until
// the program ends, so each keeps its state between openings unless its own show handler resets
// it. The members are named after the windows' forms.
class FeatureWindows : public WindowDirectory {
public:
    explicit FeatureWindows(AppContext &context);
    ~FeatureWindows() override;

    QDialog *window(WindowId id) const override;

    // Created before the main window, in this order.
    std::unique_ptr<QDialog> InfoDialDlg;
    std::unique_ptr<QDialog> GeneratorFrm;
    std::unique_ptr<QDialog> PrnPrevGenFrm;
    std::unique_ptr<QDialog> EditNikToolDlg;
    std::unique_ptr<QDialog> KatoxosDlg;
    std::unique_ptr<QDialog> NewNikFrm;
    std::unique_ptr<QDialog> NewNikToolDlg;
    std::unique_ptr<QDialog> PrintRangeDlg;
    std::unique_ptr<QDialog> ViewNikDlg;
    std::unique_ptr<QDialog> PrnPrevEGGYFrm;
    std::unique_ptr<QDialog> PrnPrevDeltiaFrm;
    std::unique_ptr<QDialog> BiblioFrm;
    std::unique_ptr<QDialog> LoadBiblioListFrm;
    std::unique_ptr<QDialog> KataskeuhFrm;
    std::unique_ptr<QDialog> DelFilesDlg;
    std::unique_ptr<QDialog> StatAllFrm;
    std::unique_ptr<QDialog> StandardFrm;
    std::unique_ptr<QDialog> StatNikFrm; // created on first use
    std::unique_ptr<QDialog> StatAllChartFrm;
    std::unique_ptr<QDialog> NikSthlhFrm;
    std::unique_ptr<QDialog> FrmInsertDeltia;
    std::unique_ptr<QDialog> FrmReplace_Deltia;

    // Created after the main window (see createLate).
    std::unique_ptr<QDialog> PrnPrevFrm;
    std::unique_ptr<QDialog> AboutDlgS;
    std::unique_ptr<QDialog> NikDlg;
    std::unique_ptr<QDialog> PrnFrm;
    std::unique_ptr<QDialog> GameFrm;

    void createLate();
    void createStatNikFrm();

    // The windows are held by their common base so any of them can be stood in for (tests replace
    // them with recorders); these give the real class where its own interface is needed.
    template <typename Window>
    static Window *as(const std::unique_ptr<QDialog> &slot)
    {
        return qobject_cast<Window *>(slot.get());
    }

    // Every window created so far, in creation order.
    QList<QDialog *> all() const;

private:
    const std::unique_ptr<QDialog> &slot(WindowId id) const;

    AppContext &context_;
};

} // namespace taru::ui
