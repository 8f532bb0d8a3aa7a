#pragma once

#include <QDialog>

namespace taru::ui {

// The program's feature windows, named after their forms.
enum class WindowId {
    InfoDialDlg,
    GeneratorFrm,
    PrnPrevGenFrm,
    EditNikToolDlg,
    KatoxosDlg,
    NewNikFrm,
    NewNikToolDlg,
    PrintRangeDlg,
    ViewNikDlg,
    PrnPrevEGGYFrm,
    PrnPrevDeltiaFrm,
    BiblioFrm,
    LoadBiblioListFrm,
    KataskeuhFrm,
    DelFilesDlg,
    StatAllFrm,
    StandardFrm,
    StatNikFrm,
    StatAllChartFrm,
    NikSthlhFrm,
    FrmInsertDeltia,
    FrmReplace_Deltia,
    PrnPrevFrm,
    AboutDlgS,
    NikDlg,
    PrnFrm,
    GameFrm,
};

// How a window finds another one to hand work to, without knowing how the program holds them:
// the shell implements it over its one instance of each window, tests over whatever they need.
class WindowDirectory {
public:
    virtual ~WindowDirectory() = default;

    // The window's one instance, or nullptr where it does not exist (not created yet, or left
    // out by a test).
    virtual QDialog *window(WindowId id) const = 0;

    // The same window as its own class; nullptr when it is missing or stood in for.
    template <typename Window>
    Window *as(WindowId id) const
    {
        return qobject_cast<Window *>(window(id));
    }
};

} // namespace taru::ui
