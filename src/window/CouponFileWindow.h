#pragma once

#include <QString>

namespace taru::ui {

// A window that the main menu opens on a coupon file picked by the user. The main window asks it
// to load the file first; a window that answers false has already said why, and is not shown.
class CouponFileWindow {
public:
    virtual ~CouponFileWindow() = default;
    virtual bool loadCouponFile(const QString &path) = 0;
};

} // namespace taru::ui
