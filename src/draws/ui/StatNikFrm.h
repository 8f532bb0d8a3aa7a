#pragma once

#include "draws/ui/DrawsListFrm.h"

namespace taru::ui {

// The per-draw statistics: the draws list read-only, leading on to the statistics of all numbers.
class TStatNikFrm : public DrawsListFrm {
    Q_OBJECT
public:
    explicit TStatNikFrm(AppContext &context, QWidget *parent = nullptr);

    QPushButton *glBitBtn1;

    void glBitBtn1Click();
};

} // namespace taru::ui
