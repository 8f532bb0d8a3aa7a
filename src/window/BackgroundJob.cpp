#include "window/BackgroundJob.h"

#include <QMetaObject>

namespace taru::ui {

BackgroundJob::BackgroundJob(QObject *parent)
    : QObject(parent)
{
}

BackgroundJob::~BackgroundJob()
{
    cancel();
}

bool BackgroundJob::start(Work work, Finished finished)
{
    if (running_)
        return false;
    join(); // a cancelled job's thread, if it was never joined
    stop_.store(false);
    running_ = true;
    finished_ = std::move(finished);
    const quint64 generation = ++generation_;
    thread_ = std::thread([this, work = std::move(work), generation] {
        std::exception_ptr error;
        try {
            work(stop_);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(
            this,
            [this, error, generation] {
                if (generation != generation_ || !running_)
                    return;
                join();
                running_ = false;
                Finished finished = std::move(finished_);
                finished_ = nullptr;
                if (finished)
                    finished(error);
            },
            Qt::QueuedConnection);
    });
    return true;
}

void BackgroundJob::cancel()
{
    stop_.store(true);
    join();
    running_ = false;
    finished_ = nullptr;
}

void BackgroundJob::post(std::function<void()> fn)
{
    const quint64 generation = generation_;
    QMetaObject::invokeMethod(
        this,
        [this, fn = std::move(fn), generation] {
            if (generation == generation_ && running_)
                fn();
        },
        Qt::QueuedConnection);
}

void BackgroundJob::join()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace taru::ui
