#include "shell/MainFrm.h"

#include "shell/MainWindowText.h"
#include "base/OwnerSettings.h"
#include "window/CouponFileWindow.h"
#include "window/ErrorGuard.h"
#include "shell/FeatureWindows.h"
#include "shell/ScrollText.h"
#include "shell/SeasonalStrip.h"
#include "game/Pricing.h"
#include "print/ui/ProgramPrinter.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>

namespace taru::ui {

using namespace taru::shell;

namespace {

// The client area: the banner across the top, the picture at its fixed place.
class ClientArea : public QWidget {
public:
    ClientArea(QWidget *parent)
        : QWidget(parent)
    {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, TMainFrm::kGrey);
        setPalette(pal);
    }
    ScrollText *banner = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (banner)
            banner->setGeometry(0, 0, width(), ScrollText::kHeight);
    }

    // The product's name pressed into the empty grey below the picture.
    void paintEvent(QPaintEvent *event) override
    {
        QWidget::paintEvent(event);
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(qBound(60, height() / 4, 180));
        p.setFont(f);
        const QRect area(0, 110, width(), height() - 110);
        p.setPen(QColor(210, 210, 210));
        p.drawText(area.translated(2, 2), Qt::AlignCenter, QStringLiteral("TARU"));
        p.setPen(QColor(170, 170, 170));
        p.drawText(area, Qt::AlignCenter, QStringLiteral("TARU"));
    }
};

// Status bar panel 0, drawn by the main window's StatusBar1DrawPanel.
class DrawnPanel : public QWidget {
public:
    DrawnPanel(TMainFrm *owner, QWidget *parent)
        : QWidget(parent)
        , owner_(owner)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        owner_->StatusBar1DrawPanel(p, rect());
    }

private:
    TMainFrm *owner_;
};

} // namespace

QIcon TaruIcon()
{
    QPixmap pix(64, 64);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(27, 61, 122));
    p.drawRoundedRect(QRectF(0, 0, 64, 64), 10, 10);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 8, 64, 26), Qt::AlignCenter, QStringLiteral("TARU"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 27, 27));
    for (int x : {14, 28, 42})
        p.drawEllipse(QPointF(x, 45), 6, 6);
    p.setBrush(QColor(255, 212, 0));
    p.drawEllipse(QPointF(52, 45), 6, 6);
    return QIcon(pix);
}

TMainFrm::TMainFrm(AppContext &context, FeatureWindows &windows, QWidget *parent)
    : QMainWindow(parent)
    , columnPriceLoader([] { return LoadColumnPrice(QLocale()); })
    , context_(context)
    , windows_(windows)
{
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("TARU"));
    setWindowIcon(TaruIcon());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kGrey);
    setPalette(pal);
    buildMenu();
    buildClient();
    buildStatusBar();
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height() + StatusBar1->sizeHint().height());
}

TMainFrm::~TMainFrm() = default;

void TMainFrm::buildMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const QList<MenuEntry> entries = MainMenuEntries();
    for (const MenuEntry &entry : entries) {
        QAction *action = nullptr;
        if (entry.parent.isEmpty()) {
            // A top item with items of its own becomes a menu; the others act when clicked.
            const bool hasItems = std::any_of(entries.cbegin(), entries.cend(),
                                              [&](const MenuEntry &e) { return e.parent == entry.name; });
            if (hasItems) {
                QMenu *menu = bar->addMenu(entry.caption);
                menu->setObjectName(entry.name);
                menus_.insert(entry.name, menu);
                action = menu->menuAction();
            } else {
                action = bar->addAction(entry.caption);
            }
        } else if (entry.caption == QLatin1String("-")) {
            action = menus_.value(entry.parent)->addSeparator();
        } else {
            action = menus_.value(entry.parent)->addAction(entry.caption);
        }
        action->setObjectName(entry.name);
        items_.insert(entry.name, action);
    }

    connectItem(QStringLiteral("N1"), &TMainFrm::N1Click);
    connectItem(QStringLiteral("N12"), &TMainFrm::N12Click);
    connectItem(QStringLiteral("MEANTIKATA1"), &TMainFrm::MEANTIKATA1Click);
    // "ΣΤΑΤΙΣΤΙΚΗ ΠΑΡΑΓΩΓΗ" (N14) has no action.
    connectItem(QStringLiteral("N15"), &TMainFrm::N22Click);
    connectItem(QStringLiteral("MEANTIKATA2"), &TMainFrm::MEANTIKATA1Click);
    connectItem(QStringLiteral("N18"), &TMainFrm::N18Click);
    connectItem(QStringLiteral("N33"), &TMainFrm::N33Click);
    connectItem(QStringLiteral("txt1"), &TMainFrm::txt1Click);
    connectItem(QStringLiteral("a1"), &TMainFrm::a1Click);
    connectItem(QStringLiteral("N9"), &TMainFrm::N9Click);
    connectItem(QStringLiteral("N10"), &TMainFrm::N10Click);
    connectItem(QStringLiteral("N29"), &TMainFrm::N29Click);
    connectItem(QStringLiteral("N30"), &TMainFrm::N30Click);
    connectItem(QStringLiteral("DELVANE1"), &TMainFrm::DELVANE1Click);
    connectItem(QStringLiteral("N32"), &TMainFrm::N32Click);
    connectItem(QStringLiteral("N6"), &TMainFrm::N6Click);
    connectItem(QStringLiteral("NPrinter"), &TMainFrm::NPrinterClick);
    connectItem(QStringLiteral("N21"), &TMainFrm::N21Click);
    connectItem(QStringLiteral("N26"), &TMainFrm::N26Click);
    connectItem(QStringLiteral("N23"), &TMainFrm::N23Click);
    connectItem(QStringLiteral("N4"), &TMainFrm::N4Click);
    connectItem(QStringLiteral("N2"), &TMainFrm::N2Click);
}

void TMainFrm::connectItem(const QString &name, void (TMainFrm::*handler)())
{
    connectGuarded(items_.value(name), &QAction::triggered, this, context_.prompts, [this, handler] { (this->*handler)(); });
}

void TMainFrm::buildClient()
{
    auto *client = new ClientArea(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    ScrollTxt = new ScrollText(client);
    ScrollTxt->setObjectName(QStringLiteral("ScrollTxt"));
    client->banner = ScrollTxt;
    RxGIFAnimator1 = new SeasonalStrip(client);
    RxGIFAnimator1->setObjectName(QStringLiteral("RxGIFAnimator1"));
    RxGIFAnimator1->setGeometry(24, 57, SeasonalStrip::kWidth, SeasonalStrip::kHeight);
    RxGIFAnimator1->hide();
    client->setMinimumSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
}

void TMainFrm::buildStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    StatusPanel0 = new DrawnPanel(this, StatusBar1);
    StatusPanel0->setObjectName(QStringLiteral("StatusBar1Panel0"));
    StatusPanel0->setFixedWidth(300);
    StatusPanel1 = new QLabel(StatusBar1);
    StatusPanel1->setObjectName(QStringLiteral("StatusBar1Panel1"));
    StatusPanel1->setFixedWidth(150);
    StatusPanel2 = new QLabel(StatusBar1);
    StatusPanel2->setObjectName(QStringLiteral("StatusBar1Panel2"));
    // The last panel reaches to the window's right edge.
    StatusPanel2->setMinimumWidth(100);
    StatusPanel2->setIndent(4);
    StatusBar1->addWidget(StatusPanel0);
    StatusBar1->addWidget(StatusPanel1);
    StatusBar1->addWidget(StatusPanel2, 1);
    StatusPanel0->setMinimumHeight(QFontMetrics(StatusPanel2->font()).height() + 6);
    setStatusBar(StatusBar1);
}

QAction *TMainFrm::menuItem(const QString &name) const
{
    return items_.value(name);
}

QMenu *TMainFrm::topMenu(const QString &name) const
{
    return menus_.value(name);
}

void TMainFrm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void TMainFrm::FormShow()
{
    ScrollTxt->setText(BannerLine(owner::readValue(QStringLiteral("Trailer"), QString())));
    RxGIFAnimator1->setVisible(IsSeasonalPictureShown(context_.clock()));
    ScrollTxt->start();
    context_.state.columnPrice = 0.5;
    context_.state.columnPrice = columnPriceLoader();
    StatusPanel2->setText(StatusDateText(context_.clock().date(), QLocale()));
}

void TMainFrm::StatusBar1DrawPanel(QPainter &painter, const QRect &rect)
{
    painter.fillRect(rect, kGrey);
    QFont f = font();
    f.setPointSize(9);
    f.setBold(true);
    painter.setFont(f);
    painter.setPen(Qt::red);
    const QRect textRect = rect.adjusted(2, 2, 0, 0);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, kCreditText);
}

bool TMainFrm::FormCloseQuery()
{
    return context_.prompts.ask(this, kExitQuestion, kCaptionConfirmUpper, {Button::Yes, Button::No}, Button::Yes,
                                Icon::Question)
           == Button::Yes;
}

void TMainFrm::closeEvent(QCloseEvent *event)
{
    bool canClose = false;
    runGuarded(context_.prompts, this, [&] { canClose = FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    ScrollTxt->stop();
    event->accept();
    Q_EMIT closed();
}

bool TMainFrm::chooseCouponFile()
{
    const QString folder = context_.paths.folder(kDeltiaFolder);
    const std::optional<QString> chosen = context_.prompts.openFile(this, folder, kCouponFileFilter);
    if (!chosen)
        return false;
    context_.openDialogFileName = *chosen;
    return true;
}

void TMainFrm::N1Click()
{
    windows_.GameFrm->exec();
}

void TMainFrm::N12Click()
{
    windows_.GeneratorFrm->exec();
}

void TMainFrm::MEANTIKATA1Click()
{
    context_.prompts.info(this, kReplaceInfo);
    if (chooseCouponFile())
        windows_.FrmReplace_Deltia->exec();
}

void TMainFrm::N22Click()
{
    // A plain message box, captioned with the application's title.
    context_.prompts.message(this, kCouponFileInfo, kCaptionProgram, Icon::None);
    if (!chooseCouponFile())
        return;
    QDialog *preview = windows_.PrnPrevDeltiaFrm.get();
    preview->setWindowTitle(kCouponPreviewCaption + QFileInfo(context_.openDialogFileName).fileName());
    if (auto *loader = dynamic_cast<CouponFileWindow *>(preview); loader && !loader->loadCouponFile(context_.openDialogFileName))
        return;
    preview->exec();
}

void TMainFrm::openImport(int mode)
{
    context_.prompts.info(this, kImportInfo);
    context_.importMode = mode;
    windows_.FrmInsertDeltia->exec();
}

void TMainFrm::N18Click()
{
    openImport(0);
}

void TMainFrm::N33Click()
{
    openImport(1);
}

void TMainFrm::txt1Click()
{
    openImport(2);
}

void TMainFrm::a1Click()
{
    openImport(3);
}

void TMainFrm::N9Click()
{
    windows_.NewNikFrm->exec();
}

void TMainFrm::N10Click()
{
    windows_.createStatNikFrm();
    windows_.StatNikFrm->exec();
}

void TMainFrm::N29Click()
{
    windows_.LoadBiblioListFrm->exec();
}

void TMainFrm::N30Click()
{
    context_.prompts.info(this, kConstructorInfo);
    windows_.KataskeuhFrm->exec();
}

void TMainFrm::DELVANE1Click()
{
    context_.prompts.info(this, kDelvaneInfo);
}

void TMainFrm::N32Click()
{
    context_.showHelp(QStringLiteral("TARU.chm"));
}

void TMainFrm::N6Click()
{
    windows_.PrnFrm->exec();
}

void TMainFrm::NPrinterClick()
{
    ChoosePrinter(context_, this, ProgramPrinter());
}

void TMainFrm::N21Click()
{
    windows_.KatoxosDlg->exec();
}

void TMainFrm::N26Click()
{
    windows_.DelFilesDlg->exec();
}

void TMainFrm::N23Click()
{
    context_.startCalculator();
}

void TMainFrm::N4Click()
{
    windows_.AboutDlgS->exec();
}

void TMainFrm::N2Click()
{
    close();
}

void TMainFrm::prepareSnapshot()
{
    // The picture shows the banner's text in full and the seasonal strip whatever the date,
    // so both can be looked at.
    ScrollTxt->stop();
    ScrollTxt->setTextLeft(8);
    RxGIFAnimator1->show();
    RxGIFAnimator1->setFrame(7);
}

} // namespace taru::ui
