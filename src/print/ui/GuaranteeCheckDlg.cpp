#include "print/ui/GuaranteeCheckDlg.h"

#include "base/Errors.h"
#include "game/Pricing.h"
#include "print/ui/HolesDlg.h"
#include "systems/GuaranteeQuery.h"
#include "systems/Odds.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <memory>

namespace taru::ui {

namespace {
constexpr int kBarSteps = 1000;

QSpinBox *spinBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}
} // namespace

TGuaranteeCheckDlg::TGuaranteeCheckDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("GuaranteeCheckDlg"));
    setWindowTitle(QStringLiteral("ΕΛΕΓΧΟΣ ΕΓΓΥΗΣΗΣ"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(560, 560);

    CaptionLabel(this, QStringLiteral("ΠΑΙΧΝΙΔΙ"), QRect(12, 12, 130, 24));
    SpnGame = spinBox(this, "SpnGame", QRect(150, 12, 70, 24));
    SpnGame->setRange(1, kMaxGame);
    CaptionLabel(this, QStringLiteral("ΕΓΓΥΗΣΗ"), QRect(250, 12, 100, 24));
    SpnThreshold = spinBox(this, "SpnThreshold", QRect(350, 12, 70, 24));
    SpnThreshold->setRange(1, kMaxGame);
    CaptionLabel(this, QStringLiteral("ΑΡΙΘΜΟΙ"), QRect(12, 46, 130, 24));
    EdtPool = new QLineEdit(this);
    EdtPool->setObjectName(QStringLiteral("EdtPool"));
    EdtPool->setGeometry(150, 46, 398, 24);
    EdtPool->setToolTip(QStringLiteral("Αριθμοί και διαστήματα, π.χ. 1-20,33,41"));
    LblPromise = new QLabel(this);
    LblPromise->setObjectName(QStringLiteral("LblPromise"));
    LblPromise->setGeometry(12, 78, 536, 22);

    BtnCheck = BoldButton(this, "BtnCheck", QStringLiteral("&ΕΛΕΓΧΟΣ"), QRect(12, 108, 150, 32));
    BtnStop = BoldButton(this, "BtnStop", QStringLiteral("ΔΙΑΚΟ&ΠΗ"), QRect(172, 108, 150, 32));
    BtnStop->setEnabled(false);
    PrgCheck = new QProgressBar(this);
    PrgCheck->setObjectName(QStringLiteral("PrgCheck"));
    PrgCheck->setGeometry(12, 148, 536, 14);
    PrgCheck->setTextVisible(false);
    PrgCheck->setRange(0, kBarSteps);
    PrgCheck->setValue(0);

    LblResult = CaptionLabel(this, QString(), QRect(12, 170, 536, 22));
    LblResult->setObjectName(QStringLiteral("LblResult"));
    LblOdds = new QLabel(this);
    LblOdds->setObjectName(QStringLiteral("LblOdds"));
    LblOdds->setGeometry(12, 194, 536, 22);
    Holes = new HolesList(this);
    Holes->setGeometry(12, 224, 536, 280);
    BtnBack = BoldButton(this, "BtnBack", QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), QRect(398, 516, 150, 32));

    connect(SpnGame, &QSpinBox::valueChanged, this, [this](int game) {
        SpnThreshold->setMaximum(game);
        updatePromise();
    });
    connect(SpnThreshold, &QSpinBox::valueChanged, this, [this] { updatePromise(); });
    connect(EdtPool, &QLineEdit::textChanged, this, [this] { updatePromise(); });
    connectGuarded(BtnCheck, &QPushButton::clicked, this, context_.prompts, [this] { BtnCheckClick(); });
    connect(BtnStop, &QPushButton::clicked, this, [this] { BtnStopClick(); });
    connect(BtnBack, &QPushButton::clicked, this, &QDialog::accept);
}

void TGuaranteeCheckDlg::setCoupons(SystemColumns columns, int game)
{
    job_.cancel();
    setChecking(false);
    columns_ = std::move(columns);
    const int g = std::clamp(game, 1, kMaxGame);
    SpnGame->setValue(g);
    SpnThreshold->setMaximum(g);
    SpnThreshold->setValue(std::max(1, g - 1));
    EdtPool->setText(PoolText(NumbersUsed(columns_)));
    LblResult->clear();
    LblOdds->clear();
    Holes->clear();
    PrgCheck->setValue(0);
    updatePromise();
}

void TGuaranteeCheckDlg::updatePromise()
{
    const PoolParse pool = ParsePool(EdtPool->text());
    LblPromise->setText(pool.ok() ? GuaranteePromiseText(SpnGame->value(), SpnThreshold->value(),
                                                         static_cast<int>(pool.pool.size()))
                                  : QString());
}

void TGuaranteeCheckDlg::setChecking(bool on)
{
    BtnCheck->setEnabled(!on);
    SpnGame->setEnabled(!on);
    SpnThreshold->setEnabled(!on);
    EdtPool->setEnabled(!on);
    BtnStop->setEnabled(on);
}

void TGuaranteeCheckDlg::BtnCheckClick()
{
    if (checking())
        return;
    const PoolParse pool = ParsePool(EdtPool->text());
    if (!pool.ok()) {
        context_.prompts.info(this, pool.error, kCaptionProgram);
        return;
    }
    const int game = SpnGame->value();
    const int threshold = SpnThreshold->value();
    if (const QString error = GuaranteeQueryError(game, threshold, static_cast<int>(pool.pool.size()));
        !error.isEmpty()) {
        context_.prompts.info(this, error, kCaptionProgram);
        return;
    }
    setup_ = GuaranteeSetup{pool.pool, game, threshold};
    LblResult->clear();
    LblOdds->clear();
    Holes->clear();
    PrgCheck->setValue(0);
    setChecking(true);

    auto result = std::make_shared<GuaranteeCheckResult>();
    job_.start(
        [this, result, setup = setup_](const std::atomic<bool> &stop) {
            GuaranteeCheckOptions options;
            options.stop = &stop;
            options.progress = [this](const GuaranteeCheckProgress &p) {
                const int value = p.candidates <= 0 ? 0
                                                    : static_cast<int>(static_cast<long double>(p.processed) *
                                                                       kBarSteps / p.candidates);
                job_.post([this, value] { PrgCheck->setValue(value); });
            };
            *result = CheckGuarantee(columns_, setup, ColumnConditions{}, options);
        },
        [this, result](std::exception_ptr error) {
            result_ = std::move(*result);
            finish(error);
        });
}

void TGuaranteeCheckDlg::finish(std::exception_ptr error)
{
    setChecking(false);
    if (error) {
        runGuarded(context_.prompts, this, [error] { std::rethrow_exception(error); });
        return;
    }
    PrgCheck->setValue(result_.stopped ? PrgCheck->value() : kBarSteps);
    LblResult->setText(GuaranteeCheckText(result_));
    const int n = static_cast<int>(setup_.pool.size());
    LblOdds->setText(OddsText(n, setup_.game, OddsOfGame(n, setup_.game)));
    Holes->showHoles(result_);
}

void TGuaranteeCheckDlg::BtnStopClick()
{
    job_.stop();
}

void TGuaranteeCheckDlg::done(int r)
{
    job_.cancel();
    setChecking(false);
    QDialog::done(r);
}

} // namespace taru::ui
