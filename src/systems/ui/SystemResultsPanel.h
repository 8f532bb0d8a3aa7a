#pragma once

#include "systems/Constructor.h"

#include <QWidget>

class QGroupBox;
class QLabel;

namespace taru::ui {

// The constructor's right-hand panel: the full system's and the built system's columns and
// cost, the guarantee and expansion, the coupons of the last build, the count before it and the
// percentage for the game.
class SystemResultsPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 246;

    explicit SystemResultsPanel(QWidget *parent);

    // Every label back to its caption alone.
    void reset();
    void showGuarantee(const QString &guaranteeText, const QString &expansionText);
    void showCounts(const ConstructionSummary &counts);
    void showPrevious(std::int64_t count);
    void showBuilt(std::int64_t coupons, const QString &percentText);

    QGroupBox *GrpFull;   // "ΠΛΗΡΕΣ ΣΥΣΤΗΜΑ"
    QLabel *LblFullColumns;
    QLabel *LblFullCost;
    QGroupBox *GrpBuilt;  // "ΕΓΓΥΗΜΕΝΗ"
    QLabel *LblBuiltColumns;
    QLabel *LblBuiltCost;
    QLabel *LblEpityxia;  // the guarantee text
    QLabel *LblSe;        // "ΣΕ " + the expansion
    QLabel *LblDeltia;    // "Δελτία : "
    QLabel *LblPrevious;  // "Προηγούμενο μέτρημα : "
    QLabel *LblPercent;
};

} // namespace taru::ui
