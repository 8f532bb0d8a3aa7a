#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <cstdint>

class QLabel;
class QProgressBar;

namespace taru::ui {

// A line of text over a progress bar for a long search run on the user-interface thread: each
// report repaints at most every few milliseconds (always at the end) and then lets pending input
// through, so a stop button is heard at once.
class BuildProgress : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 42;

    BuildProgress(int width, QWidget *parent);

    // An empty bar (never a 0..0 range: Qt shows that as busy) and no text.
    void clear();
    // A new search over this many steps.
    void start(std::int64_t total);
    void report(std::int64_t done, const QString &text);
    // The same text and bar without letting input through, for progress posted from a worker thread.
    void display(std::int64_t done, const QString &text);

    QLabel *LblFound;
    QProgressBar *PrgFill;

private:
    std::int64_t total_ = 0;
    QElapsedTimer clock_;
    qint64 lastRepaintMs_ = 0;
};

} // namespace taru::ui
