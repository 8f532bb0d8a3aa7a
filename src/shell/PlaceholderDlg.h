#pragma once

#include <QDialog>

namespace taru::ui {

// Stands in for a feature window that is not built yet: an empty modal window with the caption
// of the menu item that opens it.
class PlaceholderDlg : public QDialog {
    Q_OBJECT
public:
    PlaceholderDlg(const QString &className, const QString &caption, QWidget *parent = nullptr);
    const QString &className() const { return className_; }

private:
    QString className_;
};

} // namespace taru::ui
