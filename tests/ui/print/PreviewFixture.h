#pragma once

#include "base/AppPaths.h"
#include "window/AppContext.h"
#include "shell/FeatureWindows.h"
#include "print/ui/SlipPreview.h"

#include "../ShellFixture.h"

#include <vector>

namespace taru::test {

// One call of a preview's printer: the coupons of the job and the variant.
struct PrintCall {
    QList<SlipJob> jobs;
    SlipVariant variant;
};

// The program's windows over a temporary program folder, with scripted prompts; previews print
// into a recorder instead of a printer.
class PreviewTest : public ShellTest {
protected:
    PreviewTest()
        : windows(context)
    {
        windows.createLate();
    }

    // Makes window print into calls; outcomes[i] answers the i-th call (Printed past the list).
    void record(ui::SlipPreviewWindow &window)
    {
        window.printSlips = [this](QWidget *, const QList<SlipJob> &jobs, SlipVariant variant) {
            calls.push_back({jobs, variant});
            const std::size_t i = calls.size() - 1;
            return PrintResult{i < outcomes.size() ? outcomes[i] : PrintOutcome::Printed, QString()};
        };
    }
    // The coupon numbers printed, one per job, in order.
    std::vector<int> printedNumbers() const
    {
        std::vector<int> numbers;
        for (const PrintCall &call : calls) {
            for (const SlipJob &job : call.jobs)
                numbers.push_back(job.valueLine.couponNumber);
        }
        return numbers;
    }
    QString deltia(const QString &name) const { return data.path() + QStringLiteral("/DELTIA/") + name; }

    ui::FeatureWindows windows;
    std::vector<PrintCall> calls;
    std::vector<PrintOutcome> outcomes;
};

} // namespace taru::test
