// The constructor window's check of each build and its optimiser.
#include "systems/ui/KataskeuhFrm.h"

#include "game/Pricing.h"
#include "window/ErrorGuard.h"
#include "systems/ui/BuildProgress.h"
#include "systems/ui/GuaranteePanel.h"
#include "systems/ui/OptimiserControl.h"
#include "systems/ui/SystemResultsPanel.h"

#include <QPushButton>

namespace taru::ui {

namespace {
const QString kChecking = QStringLiteral("Έλεγχος εγγύησης...");
const QString kTooLarge = QStringLiteral("Το σύστημα είναι πολύ μεγάλο για βελτιστοποίηση");
const QString kNoSystem = QStringLiteral("Δεν υπάρχει σύστημα για βελτιστοποίηση");
} // namespace

void TKataskeuhFrm::buildGuaranteeControls(int top, int optimiserX, int optimiserY)
{
    Verify = new GuaranteePanel(context_, 980, this);
    Verify->move(10, top);
    Optimiser = new OptimiserControl(this);
    Optimiser->move(optimiserX, optimiserY);
    // The containers: their buttons keep their own state (nothing to list, no promise).
    lockedWhileBuilding_ << Verify << Optimiser;

    connectGuarded(Optimiser->BtnOptimise, &QPushButton::clicked, this, context_.prompts,
                   [this] { BtnOptimiseClick(); });
    Optimiser->onProgress = [this](const OptimiserProgress &p) {
        Progress->display(static_cast<std::int64_t>(p.seconds * 1000.0), OptimiserProgressText(p));
    };
    Optimiser->onFinished = [this](const OptimiserResult &result) {
        runGuarded(context_.prompts, this, [this, &result] { optimiserFinished(result); });
    };
    Optimiser->onFailed = [this](std::exception_ptr error) {
        setBuilding(false);
        finishBuild();
        runGuarded(context_.prompts, this, [error] { std::rethrow_exception(error); });
    };
}

bool TKataskeuhFrm::isOptimising() const
{
    return Optimiser->running();
}

void TKataskeuhFrm::checkBuiltSystem(const ConstructionSetup &setup, const ColumnConditions &conditions)
{
    Verify->clear();
    Optimiser->clearPromise();
    built_ = setup;
    if (systemColumnCount() == 0 || stopRequested_)
        return;
    const GuaranteeSetup promise{setup.pool, setup.game, setup.threshold};
    // The search exchanges numbers within columns of G numbers.
    if (setup.columnSize == setup.game)
        Optimiser->setPromise(promise, conditions);
    Progress->start(Combinations(static_cast<int>(setup.pool.size()), setup.game));
    Verify->verify(context_.state.systemColumns, promise, conditions, summary_.builtCost,
                   [this](std::int64_t done, std::int64_t) { Progress->report(done, kChecking); });
}

void TKataskeuhFrm::BtnOptimiseClick()
{
    if (building_ || isOptimising())
        return;
    if (!Optimiser->hasPromise() || systemColumnCount() == 0) {
        context_.prompts.info(this, kNoSystem, kCaptionProgram);
        return;
    }
    const GuaranteeSetup &setup = Optimiser->setup();
    const std::int64_t subsets = Combinations(static_cast<int>(setup.pool.size()), setup.game);
    if (subsets < 0 || static_cast<std::uint64_t>(subsets) > kMaxOptimisedSubsets) {
        context_.prompts.info(this, kTooLarge, kCaptionProgram);
        return;
    }
    setBuilding(true);
    Progress->start(Optimiser->budget().count());
    Progress->display(0, OptimiserProgressText(OptimiserProgress{systemColumnCount(), systemColumnCount(), 0, 0, 0.0}));
    if (!Optimiser->start(context_.state.systemColumns)) {
        setBuilding(false);
        finishBuild();
    }
}

void TKataskeuhFrm::optimiserFinished(const OptimiserResult &result)
{
    setBuilding(false);
    finishBuild();
    SharedState &state = context_.state;
    const auto before = static_cast<std::int64_t>(state.systemColumns.size());
    const auto count = static_cast<std::int64_t>(result.columns.size());
    const bool smaller = count > 0 && count < before && result.check.holds();
    if (smaller) {
        state.systemColumns = result.columns;
        const int n = static_cast<int>(built_.pool.size());
        Results->showPrevious(before);
        Results->showBuilt(count, PercentageText(summary_.gameText, count, Combinations(n, built_.columnSize)));
        summary_ = MakeConstructionSummary(built_.pool, built_.game, built_.columnSize, summary_.gameText,
                                           summary_.guaranteeText, summary_.expansionText, count, state.columnPrice);
        RecountSystem();
        Verify->showCheck(result.check, Optimiser->setup(), summary_.builtCost);
    }
    context_.prompts.info(this, OptimiserMessage(result), kCaptionProgram);
    if (smaller)
        writeLibraryFile(built_);
}

} // namespace taru::ui
