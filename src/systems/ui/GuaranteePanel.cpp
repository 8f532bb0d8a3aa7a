#include "systems/ui/GuaranteePanel.h"

#include "print/ui/HolesDlg.h"
#include "systems/Odds.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>

namespace taru::ui {

GuaranteePanel::GuaranteePanel(AppContext &context, int width, QWidget *parent)
    : QWidget(parent)
    , context_(context)
{
    const int button = 154;
    const int text = width - button - 10;
    LblCheck = CaptionLabel(this, QString(), QRect(0, 0, text, 20));
    LblCheck->setObjectName(QStringLiteral("LblCheck"));
    LblOdds = new QLabel(this);
    LblOdds->setObjectName(QStringLiteral("LblOdds"));
    LblOdds->setGeometry(0, 20, text, 19);
    LblCost = new QLabel(this);
    LblCost->setObjectName(QStringLiteral("LblCost"));
    LblCost->setGeometry(0, 39, text, 19);
    BtnHoles = BoldButton(this, "BtnHoles", QStringLiteral("ΑΚΑΛΥΠΤΟΙ"), QRect(width - button, 10, button, 36));
    BtnHoles->setToolTip(QStringLiteral("Οι συνδυασμοί που δεν καλύπτει το σύστημα (οι πρώτοι 1000)"));
    HolesDlg = new THolesDlg(this);
    resize(width, kHeight);
    clear();
    connectGuarded(BtnHoles, &QPushButton::clicked, this, context_.prompts, [this] { BtnHolesClick(); });
}

void GuaranteePanel::clear()
{
    result_.reset();
    LblCheck->clear();
    LblOdds->clear();
    LblCost->clear();
    BtnHoles->setEnabled(false);
}

void GuaranteePanel::verify(const SystemColumns &columns, const GuaranteeSetup &setup,
                            const ColumnConditions &conditions, double systemCost,
                            const std::function<void(std::int64_t, std::int64_t)> &progress)
{
    clear();
    stop_.store(false);
    checking_ = true;
    auto done = qScopeGuard([this] { checking_ = false; });
    GuaranteeCheckOptions options;
    options.stop = &stop_;
    if (progress)
        options.progress = [&progress](const GuaranteeCheckProgress &p) { progress(p.processed, p.candidates); };
    showCheck(CheckGuarantee(columns, setup, conditions, options), setup, systemCost);
}

void GuaranteePanel::showCheck(const GuaranteeCheckResult &result, const GuaranteeSetup &setup, double systemCost)
{
    result_ = result;
    LblCheck->setText(GuaranteeCheckText(result));
    const int n = static_cast<int>(setup.pool.size());
    const GameOdds odds = OddsOfGame(n, setup.game);
    LblOdds->setText(OddsText(n, setup.game, odds));
    LblCost->setText(GuaranteeCostText(systemCost, odds));
    BtnHoles->setEnabled(!result.holes.empty());
}

QString GuaranteePanel::checkText() const
{
    return result_ ? GuaranteeCheckText(*result_) : QString();
}

void GuaranteePanel::BtnHolesClick()
{
    if (!result_)
        return;
    HolesDlg->showHoles(*result_);
    HolesDlg->exec();
}

} // namespace taru::ui
