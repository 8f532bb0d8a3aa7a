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
// into a recorder instead of a printer. The draws windows use it too.
class PreviewTest : public ShellTest {
protected:
    PreviewTest()
        : windows(context)
    {
        windows.createLate();
    }

    // Makes window print into calls (as a printer, or a file when target says so); outcomes[i]
    // answers the i-th call (Printed past the list). Every page is made and followed by the
    // caller's page hook, as a real job does.
    void record(ui::SlipPreviewWindow &window)
    {
        window.printSlips = [this](QWidget *, const SlipJobSource &source, SlipVariant variant, const SlipPrintHooks &hooks) {
            const std::size_t i = calls.size();
            const PrintOutcome outcome = i < outcomes.size() ? outcomes[i] : PrintOutcome::Printed;
            calls.push_back({{}, variant});
            for (int page = 0; page < source.count; ++page) {
                calls.back().jobs.append(source.job(page));
                if (outcome != PrintOutcome::Printed || (hooks.afterPage && !hooks.afterPage(page)))
                    break;
            }
            return PrintResult{outcome, QString()};
        };
        window.printTarget = [this](QWidget *) { return target; };
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
    QString drawsPath() const { return data.path() + QStringLiteral("/Nikitries.nik"); }

    ui::FeatureWindows windows;
    std::vector<PrintCall> calls;
    std::vector<PrintOutcome> outcomes;
    ui::PrintTarget target = ui::PrintTarget::Printer;
};

} // namespace taru::test
