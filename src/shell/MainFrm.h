#pragma once

#include "window/AppContext.h"
#include "shell/Snapshot.h"

#include <QMainWindow>
#include <QMap>

#include <functional>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QStatusBar;

namespace taru::ui {

class FeatureWindows;
class ScrollText;
class SeasonalStrip;

// The main window: the hub from which every feature window opens, with the banner, the
// seasonal picture and the status bar.
class TMainFrm : public QMainWindow, public SnapshotContent {
    Q_OBJECT
public:
    static inline const QColor kGrey{188, 188, 188};
    static constexpr int kClientWidth = 792;
    static constexpr int kClientHeight = 464;

    TMainFrm(AppContext &context, FeatureWindows &windows, QWidget *parent = nullptr);
    ~TMainFrm() override;

    // The menu item (or separator) of that object name, as in the menu table.
    QAction *menuItem(const QString &name) const;
    QMenu *topMenu(const QString &name) const;
    QMenuBar *MainMenu1() const { return menuBar(); }

    ScrollText *ScrollTxt;
    SeasonalStrip *RxGIFAnimator1;
    QStatusBar *StatusBar1;
    // The three status panels, 300, 150 and 100 pixels wide; panel 0 is drawn by the program.
    QWidget *StatusPanel0;
    QLabel *StatusPanel1;
    QLabel *StatusPanel2;

    // Reads the price of one column; replaceable so a failing conversion can be tried.
    std::function<double()> columnPriceLoader;

    // The file picked last in the coupon-file chooser (OpenDialog1).
    const QString &OpenDialog1FileName() const { return context_.openDialogFileName; }

    // Handlers, named after their menu items.
    void FormShow();
    bool FormCloseQuery();
    void N1Click();
    void N12Click();
    void MEANTIKATA1Click();
    void N22Click();
    void N18Click();
    void N33Click();
    void txt1Click();
    void a1Click();
    void N9Click();
    void N10Click();
    void N29Click();
    void N30Click();
    void DELVANE1Click();
    void N32Click();
    void N6Click();
    void NPrinterClick(); // the program's printer, chosen with the print dialog
    void N21Click();
    void N26Click();
    void N23Click();
    void N4Click();
    void N2Click();
    void StatusBar1DrawPanel(QPainter &painter, const QRect &rect);

    void prepareSnapshot() override;

Q_SIGNALS:
    // The close query was answered Yes and the window has closed.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenu();
    void buildClient();
    void buildStatusBar();
    void connectItem(const QString &name, void (TMainFrm::*handler)());
    // Shows the notice, asks for a coupon file in DELTIA and remembers it; false when cancelled.
    bool chooseCouponFile();
    void openImport(int mode);

    AppContext &context_;
    FeatureWindows &windows_;
    QMap<QString, QAction *> items_;
    QMap<QString, QMenu *> menus_;
};

// A small painted picture of the product, used as the windows' icon.
QIcon TaruIcon();

} // namespace taru::ui
