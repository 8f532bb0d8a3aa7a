#pragma once

#include <QObject>

#include <atomic>
#include <exception>
#include <functional>
#include <thread>

namespace taru::ui {

// One long computation at a time on a thread of its own, so the window stays responsive. The
// work reads the stop flag; what it posts, and its end, are delivered on this object's thread in
// order. Destroying the job (with its window) stops the work and waits for it: no thread outlives
// the window, and nothing is delivered afterwards.
class BackgroundJob : public QObject {
    Q_OBJECT
public:
    using Work = std::function<void(const std::atomic<bool> &stop)>;
    // The exception the work raised, or null.
    using Finished = std::function<void(std::exception_ptr error)>;

    explicit BackgroundJob(QObject *parent = nullptr);
    ~BackgroundJob() override;

    // Refused (false) while a job runs.
    bool start(Work work, Finished finished);
    bool running() const { return running_; }
    // Asks the work to end; returns at once. The end is delivered as usual.
    void stop() { stop_.store(true); }
    // Stops the work and waits for it; its end is not delivered.
    void cancel();

    // From the work: runs fn on this object's thread, after what was posted before.
    void post(std::function<void()> fn);

private:
    void join();

    std::thread thread_;
    std::atomic<bool> stop_{false};
    bool running_ = false;
    quint64 generation_ = 0; // an end delivered late for a cancelled job is dropped
    Finished finished_;
};

} // namespace taru::ui
