#pragma once

#include "window/AppContext.h"
#include "systems/GuaranteeCheck.h"

#include <QWidget>

#include <atomic>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;

namespace taru::ui {

class THolesDlg;

// What a built system really promises: the exhaustive check of its guarantee, the odds that a
// draw brings the game among the played numbers and the cost per such draw, and a button that
// lists the holes. The check runs on the window's thread like the build, reporting progress.
class GuaranteePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = 58;

    GuaranteePanel(AppContext &context, int width, QWidget *parent);

    // Checks the columns and shows the result; progress gets (G-subsets done, all of them).
    void verify(const SystemColumns &columns, const GuaranteeSetup &setup, const ColumnConditions &conditions,
                double systemCost, const std::function<void(std::int64_t, std::int64_t)> &progress);
    // A check already made (the optimiser's).
    void showCheck(const GuaranteeCheckResult &result, const GuaranteeSetup &setup, double systemCost);
    void clear();
    // Ends a running check; its result then says it was stopped.
    void stop() { stop_.store(true); }
    bool checking() const { return checking_; }
    const std::optional<GuaranteeCheckResult> &result() const { return result_; }
    // The check line for the report; empty before a check.
    QString checkText() const;

    void BtnHolesClick();

    QLabel *LblCheck;
    QLabel *LblOdds;
    QLabel *LblCost;
    QPushButton *BtnHoles;
    THolesDlg *HolesDlg;

private:
    AppContext &context_;
    std::atomic<bool> stop_{false};
    bool checking_ = false;
    std::optional<GuaranteeCheckResult> result_;
};

} // namespace taru::ui
