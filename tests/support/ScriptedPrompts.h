#pragma once

#include "window/Prompts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace taru::test {

// Prompts answered from a script. Each prompt must match the next expectation (kind, text and
// caption); anything else fails the test and is answered with the safest choice. Unused
// expectations fail the test when the object is destroyed.
class ScriptedPrompts : public ui::Prompts {
public:
    ~ScriptedPrompts() override;

    ScriptedPrompts &expectMessage(const QString &text, const QString &caption);
    ScriptedPrompts &expectAsk(const QString &text, const QString &caption, ui::Button answer);
    ScriptedPrompts &expectInput(const QString &caption, const QString &prompt, std::optional<QString> answer);
    // An empty filter accepts any filter.
    ScriptedPrompts &expectOpenFile(std::optional<QString> answer, const QString &filter = QString());
    ScriptedPrompts &expectSaveFile(std::optional<QString> answer, const QString &filter = QString());
    // Confirmed with pdfFile given: the user chose printing into that PDF file.
    ScriptedPrompts &expectPrintDialog(bool answer, const QString &pdfFile = QString());

    void message(QWidget *parent, const QString &text, const QString &caption, ui::Icon icon) override;
    ui::Button ask(QWidget *parent, const QString &text, const QString &caption, const QList<ui::Button> &buttons,
                   ui::Button defaultButton, ui::Icon icon) override;
    std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                 const QString &preset) override;
    std::optional<QString> openFile(QWidget *parent, const QString &folder, const QString &filter,
                                    int selectedFilter = 0) override;
    std::optional<QString> saveFile(QWidget *parent, const QString &folder, const QString &filter,
                                    const QString &defaultExtension) override;
    bool printDialog(QWidget *parent, QPrinter &printer) override;

    bool done() const { return expected_.empty(); }
    QString pending() const;

    // What was shown, in order, as "kind: caption | text".
    QStringList log;
    // Details of the last prompt of each kind, for tests that check them.
    QList<ui::Button> lastButtons;
    ui::Button lastDefault = ui::Button::Ok;
    ui::Icon lastIcon = ui::Icon::None;
    QString lastFolder;
    int lastSelectedFilter = 0;
    QString lastPreset;

private:
    enum class Kind { Message, Ask, Input, Open, Save, Print };
    struct Expectation {
        Kind kind;
        QString text;
        QString caption;
        ui::Button answer = ui::Button::Ok;
        std::optional<QString> value;
        bool flag = false;
    };
    std::optional<Expectation> next(Kind kind, const QString &text, const QString &caption);
    static QString kindName(Kind kind);

    std::deque<Expectation> expected_;
};

} // namespace taru::test
