#pragma once

#include "window/Prompts.h"

namespace taru::ui {

// Prompts shown with the Qt dialogs.
class RealPrompts : public Prompts {
public:
    void message(QWidget *parent, const QString &text, const QString &caption, Icon icon) override;
    Button ask(QWidget *parent, const QString &text, const QString &caption, const QList<Button> &buttons,
               Button defaultButton, Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                 const QString &preset) override;
    std::optional<QString> openFile(QWidget *parent, const QString &folder, const QString &filter,
                                    int selectedFilter = 0) override;
    std::optional<QString> saveFile(QWidget *parent, const QString &folder, const QString &filter,
                                    const QString &defaultExtension) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;
};

// Prompts that never block: every notice is dropped, every question answers its safest choice
// (Cancel, else No), every chooser is cancelled. Used when windows are shown for snapshots.
class SilentPrompts : public Prompts {
public:
    void message(QWidget *, const QString &, const QString &, Icon) override {}
    Button ask(QWidget *, const QString &, const QString &, const QList<Button> &buttons, Button, Icon) override
    {
        return buttons.contains(Button::Cancel) ? Button::Cancel : Button::No;
    }
    std::optional<QString> input(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    std::optional<QString> openFile(QWidget *, const QString &, const QString &, int = 0) override { return {}; }
    std::optional<QString> saveFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    bool printDialog(QWidget *, QPrinter &) override { return false; }
};

} // namespace taru::ui
