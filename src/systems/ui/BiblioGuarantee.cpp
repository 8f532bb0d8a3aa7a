// The library window's check of the coupons it builds.
#include "systems/ui/BiblioFrm.h"

#include "systems/GuaranteeQuery.h"
#include "systems/ui/GuaranteePanel.h"

#include <QLabel>

#include <algorithm>

namespace taru::ui {

namespace {
// The condition's numbers are not part of a library system: its promise is checked without it.
const QString kWithoutCondition = QStringLiteral(" (χωρίς τον όρο)");
} // namespace

void TBiblioFrm::checkCoupons(const SystemColumns &columns)
{
    // The promise as the library report words it: G of the player's numbers bring at least T
    // hits in a column, G being the size of the system's columns.
    bool ok = false;
    const int threshold = system_.guarantee.trimmed().toInt(&ok);
    std::vector<std::uint8_t> pool;
    for (const int number : numbers_) {
        if (number > 0)
            pool.push_back(static_cast<std::uint8_t>(number));
    }
    std::sort(pool.begin(), pool.end());
    if (!ok || !GuaranteeQueryError(system_.game, threshold, static_cast<int>(pool.size())).isEmpty()) {
        Verify->clear();
        return;
    }
    const double cost = static_cast<double>(columns.size()) * couponValue();
    Verify->verify(columns, GuaranteeSetup{pool, system_.game, threshold}, {}, cost, {});
    if (system_.hasCondition())
        Verify->LblCheck->setText(Verify->LblCheck->text() + kWithoutCondition);
}

} // namespace taru::ui
