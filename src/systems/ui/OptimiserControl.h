#pragma once

#include "window/BackgroundJob.h"
#include "systems/Optimiser.h"

#include <QWidget>

#include <chrono>
#include <functional>
#include <optional>

class QComboBox;
class QPushButton;

namespace taru::ui {

// The constructor's "&ΒΕΛΤΙΣΤΟΠΟΙΗΣΗ": a time choice and the button. It keeps the promise of the
// last build (pool, game, guarantee, conditions) and searches, on a thread of its own, for a
// smaller system with the same promise; progress and the end come back on the window's thread.
class OptimiserControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 264;
    static constexpr int kHeight = 36;

    explicit OptimiserControl(QWidget *parent);

    // The promise of the system just built; the button works only while there is one.
    void setPromise(const GuaranteeSetup &setup, const ColumnConditions &conditions);
    void clearPromise();
    bool hasPromise() const { return promise_.has_value(); }
    const GuaranteeSetup &setup() const { return promise_->setup; }

    // The time chosen: 10 s, 1 min or 5 min.
    std::chrono::milliseconds budget() const;
    // Starts the search from these columns; false when there is no promise or a search runs.
    bool start(const SystemColumns &columns);
    void stop() { job_.stop(); }
    bool running() const { return job_.running(); }

    // Called on the window's thread.
    std::function<void(const OptimiserProgress &)> onProgress;
    std::function<void(const OptimiserResult &)> onFinished; // also after a stop
    std::function<void(std::exception_ptr)> onFailed;

    QComboBox *CmbTime;
    QPushButton *BtnOptimise;

private:
    struct Promise {
        GuaranteeSetup setup;
        ColumnConditions conditions;
    };

    std::optional<Promise> promise_;
    BackgroundJob job_;
};

} // namespace taru::ui
