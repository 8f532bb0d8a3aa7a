#include "systems/ui/OptimiserControl.h"

#include "window/WindowParts.h"

#include <QComboBox>
#include <QPushButton>
#include <QRandomGenerator>

#include <array>
#include <memory>
#include <thread>

namespace taru::ui {

namespace {
using std::chrono::milliseconds;
const std::array<milliseconds, 3> kBudgets{milliseconds(10'000), milliseconds(60'000), milliseconds(300'000)};
} // namespace

OptimiserControl::OptimiserControl(QWidget *parent)
    : QWidget(parent)
{
    CmbTime = new QComboBox(this);
    CmbTime->setObjectName(QStringLiteral("CmbTime"));
    CmbTime->addItems({QStringLiteral("10 δευτ."), QStringLiteral("1 λεπτό"), QStringLiteral("5 λεπτά")});
    CmbTime->setToolTip(QStringLiteral("Χρόνος βελτιστοποίησης"));
    CmbTime->setGeometry(0, 6, 100, 24);
    BtnOptimise = BoldButton(this, "BtnOptimise", QStringLiteral("&ΒΕΛΤΙΣΤΟΠΟΙΗΣΗ"), QRect(110, 0, 154, kHeight));
    BtnOptimise->setToolTip(QStringLiteral("Μικρότερο σύστημα με την ίδια εγγύηση"));
    resize(kWidth, kHeight);
    clearPromise();
}

void OptimiserControl::setPromise(const GuaranteeSetup &setup, const ColumnConditions &conditions)
{
    promise_ = Promise{setup, conditions};
    BtnOptimise->setEnabled(true);
}

void OptimiserControl::clearPromise()
{
    promise_.reset();
    BtnOptimise->setEnabled(false);
}

milliseconds OptimiserControl::budget() const
{
    const int index = CmbTime->currentIndex();
    return index >= 0 && index < static_cast<int>(kBudgets.size()) ? kBudgets[static_cast<std::size_t>(index)]
                                                                    : kBudgets.front();
}

bool OptimiserControl::start(const SystemColumns &columns)
{
    if (!promise_ || running())
        return false;
    OptimiserOptions options;
    options.budget = budget();
    options.seed = QRandomGenerator::global()->generate64();
    options.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    auto result = std::make_shared<OptimiserResult>();
    return job_.start(
        [this, result, options, columns, promise = *promise_](const std::atomic<bool> &stop) mutable {
            options.stop = &stop;
            options.progress = [this](const OptimiserProgress &p) {
                job_.post([this, p] {
                    if (onProgress)
                        onProgress(p);
                });
            };
            *result = OptimiseSystem(columns, promise.setup, promise.conditions, options);
        },
        [this, result](std::exception_ptr error) {
            if (error) {
                if (onFailed)
                    onFailed(error);
            } else if (onFinished) {
                onFinished(*result);
            }
        });
}

} // namespace taru::ui
