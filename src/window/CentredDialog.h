#pragma once

#include <QDialog>

namespace taru::ui {

class Prompts;

// A window that opens centred on its screen, whatever its owner window is, and then runs its
// FormShow under the error guard: a failure there is shown and the window stays open. It has no
// title-bar help button (the window's own help button opens its topic).
class CentredDialog : public QDialog {
    Q_OBJECT
public:
    // What the window does each time it opens (also called directly by tests).
    virtual void FormShow() = 0;

protected:
    CentredDialog(Prompts &prompts, QWidget *parent);
    void showEvent(QShowEvent *event) override;

private:
    Prompts &prompts_;
};

} // namespace taru::ui
