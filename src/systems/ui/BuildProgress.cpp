#include "systems/ui/BuildProgress.h"

#include "window/WindowParts.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>
#include <limits>

namespace taru::ui {

namespace {
// Past this many steps the bar shows the share done on this scale.
constexpr int kLargeMaximum = 10'000'000;
// The text and bar are redrawn at most this often; input is let through on every report.
constexpr qint64 kRepaintMs = 15;
} // namespace

BuildProgress::BuildProgress(int width, QWidget *parent)
    : QWidget(parent)
{
    LblFound = CaptionLabel(this, QString(), QRect(0, 0, width, 22));
    LblFound->setObjectName(QStringLiteral("LblFound"));
    PrgFill = new QProgressBar(this);
    PrgFill->setObjectName(QStringLiteral("PrgFill"));
    PrgFill->setGeometry(0, 24, width, 18);
    PrgFill->setTextVisible(false);
    resize(width, kHeight);
    clear();
}

void BuildProgress::clear()
{
    LblFound->clear();
    PrgFill->setRange(0, 1);
    PrgFill->setValue(0);
}

void BuildProgress::start(std::int64_t total)
{
    total_ = total;
    PrgFill->setRange(0, total <= std::numeric_limits<int>::max() ? std::max(1, static_cast<int>(total)) : kLargeMaximum);
    PrgFill->setValue(0);
    clock_.start();
    lastRepaintMs_ = -kRepaintMs;
}

void BuildProgress::report(std::int64_t done, const QString &text)
{
    const qint64 now = clock_.elapsed();
    if (now - lastRepaintMs_ >= kRepaintMs || done >= total_) {
        lastRepaintMs_ = now;
        display(done, text);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void BuildProgress::display(std::int64_t done, const QString &text)
{
    LblFound->setText(text);
    const std::int64_t shown = std::clamp<std::int64_t>(done, 0, total_);
    PrgFill->setValue(total_ > kLargeMaximum && PrgFill->maximum() == kLargeMaximum
                          ? static_cast<int>(static_cast<long double>(shown) * kLargeMaximum / total_)
                          : static_cast<int>(shown));
}

} // namespace taru::ui
