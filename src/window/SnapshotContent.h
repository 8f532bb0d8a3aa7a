#pragma once

namespace taru::ui {

// A window that can fill itself with representative content before its picture is taken by
// `taru --snapshot DIR` (windows without it are pictured as they open). prepareSnapshot is called
// once the window is shown, so whatever its show handler resets has been reset already.
class SnapshotContent {
public:
    virtual ~SnapshotContent() = default;
    virtual void prepareSnapshot() = 0;
};

} // namespace taru::ui
