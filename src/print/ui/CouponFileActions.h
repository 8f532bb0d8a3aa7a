#pragma once

#include "window/AppContext.h"
#include "data/CouponFile.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace taru::ui {

class TBacktestDlg;
class TGuaranteeCheckDlg;

// Two questions about a whole coupon file, asked from its preview: does it keep a guarantee
// ("ΕΛΕΓΧΟΣ ΕΓΓΥΗΣΗΣ"), and what would it have won on the past draws ("ΙΣΤΟΡΙΚΟ").
class CouponFileActions : public QWidget {
    Q_OBJECT
public:
    using FileSource = std::function<const data::CouponFileData &()>;
    using NameSource = std::function<QString()>;

    static constexpr int kHeight = 26;

    CouponFileActions(AppContext &context, FileSource file, NameSource fileName, int width, QWidget *parent);

    QPushButton *BtnGuarantee;
    QPushButton *BtnHistory;
    TGuaranteeCheckDlg *CheckDlg;
    TBacktestDlg *HistoryDlg;

    void BtnGuaranteeClick();
    void BtnHistoryClick();

private:
    bool haveCoupons();

    AppContext &context_;
    FileSource file_;
    NameSource fileName_;
};

} // namespace taru::ui
