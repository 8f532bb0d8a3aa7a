#include "ScriptedPrompts.h"

#include <QPrinter>

#include <gtest/gtest.h>

namespace taru::test {

using ui::Button;

ScriptedPrompts::~ScriptedPrompts()
{
    EXPECT_TRUE(done()) << "prompts expected but never shown:\n" << pending().toStdString();
}

QString ScriptedPrompts::kindName(Kind kind)
{
    switch (kind) {
    case Kind::Message: return QStringLiteral("message");
    case Kind::Ask: return QStringLiteral("ask");
    case Kind::Input: return QStringLiteral("input");
    case Kind::Open: return QStringLiteral("open");
    case Kind::Save: return QStringLiteral("save");
    case Kind::Print: return QStringLiteral("print");
    }
    return {};
}

QString ScriptedPrompts::pending() const
{
    QStringList lines;
    for (const Expectation &e : expected_)
        lines << kindName(e.kind) + QStringLiteral(": ") + e.caption + QStringLiteral(" | ") + e.text;
    return lines.join(QLatin1Char('\n'));
}

ScriptedPrompts &ScriptedPrompts::expectMessage(const QString &text, const QString &caption)
{
    expected_.push_back({Kind::Message, text, caption, Button::Ok, std::nullopt, false});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectAsk(const QString &text, const QString &caption, Button answer)
{
    expected_.push_back({Kind::Ask, text, caption, answer, std::nullopt, false});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectInput(const QString &caption, const QString &prompt, std::optional<QString> answer)
{
    expected_.push_back({Kind::Input, prompt, caption, Button::Ok, std::move(answer), false});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectOpenFile(std::optional<QString> answer, const QString &filter)
{
    expected_.push_back({Kind::Open, filter, QString(), Button::Ok, std::move(answer), false});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectSaveFile(std::optional<QString> answer, const QString &filter)
{
    expected_.push_back({Kind::Save, filter, QString(), Button::Ok, std::move(answer), false});
    return *this;
}

ScriptedPrompts &ScriptedPrompts::expectPrintDialog(bool answer, const QString &pdfFile)
{
    Expectation e{Kind::Print, QString(), QString(), Button::Ok, pdfFile.isEmpty() ? std::nullopt : std::optional(pdfFile),
                  answer};
    expected_.push_back(e);
    return *this;
}

std::optional<ScriptedPrompts::Expectation> ScriptedPrompts::next(Kind kind, const QString &text, const QString &caption)
{
    log << kindName(kind) + QStringLiteral(": ") + caption + QStringLiteral(" | ") + text;
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind).toStdString() << " prompt: caption \"" << caption.toStdString()
                      << "\", text \"" << text.toStdString() << "\"";
        return std::nullopt;
    }
    Expectation e = expected_.front();
    const bool filterOnly = kind == Kind::Open || kind == Kind::Save;
    const bool textMatches = filterOnly ? (e.text.isEmpty() || e.text == text) : e.text == text;
    const bool captionMatches = filterOnly || kind == Kind::Print || e.caption == caption;
    if (e.kind != kind || !textMatches || !captionMatches) {
        ADD_FAILURE() << "prompt mismatch.\n  expected " << kindName(e.kind).toStdString() << ": caption \""
                      << e.caption.toStdString() << "\", text \"" << e.text.toStdString() << "\"\n  shown    "
                      << kindName(kind).toStdString() << ": caption \"" << caption.toStdString() << "\", text \""
                      << text.toStdString() << "\"";
        return std::nullopt;
    }
    expected_.pop_front();
    return e;
}

void ScriptedPrompts::message(QWidget *, const QString &text, const QString &caption, ui::Icon icon)
{
    lastIcon = icon;
    next(Kind::Message, text, caption);
}

Button ScriptedPrompts::ask(QWidget *, const QString &text, const QString &caption, const QList<Button> &buttons,
                            Button defaultButton, ui::Icon icon)
{
    lastButtons = buttons;
    lastDefault = defaultButton;
    lastIcon = icon;
    const auto e = next(Kind::Ask, text, caption);
    const Button safe = buttons.contains(Button::Cancel) ? Button::Cancel : Button::No;
    if (!e)
        return safe;
    EXPECT_TRUE(buttons.contains(e->answer)) << "scripted answer is not one of the buttons offered";
    return e->answer;
}

std::optional<QString> ScriptedPrompts::input(QWidget *, const QString &caption, const QString &prompt, const QString &preset)
{
    lastPreset = preset;
    const auto e = next(Kind::Input, prompt, caption);
    return e ? e->value : std::nullopt;
}

std::optional<QString> ScriptedPrompts::openFile(QWidget *, const QString &folder, const QString &filter,
                                                  int selectedFilter)
{
    lastFolder = folder;
    lastSelectedFilter = selectedFilter;
    const auto e = next(Kind::Open, filter, QString());
    return e ? e->value : std::nullopt;
}

std::optional<QString> ScriptedPrompts::saveFile(QWidget *, const QString &folder, const QString &filter,
                                                  const QString &defaultExtension)
{
    lastFolder = folder;
    const auto e = next(Kind::Save, filter, QString());
    if (!e || !e->value)
        return std::nullopt;
    return ui::withDefaultExtension(*e->value, defaultExtension);
}

bool ScriptedPrompts::printDialog(QWidget *, QPrinter &printer)
{
    const auto e = next(Kind::Print, QString(), QString());
    if (e && e->flag && e->value) {
        // The user chose printing into this PDF file.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*e->value);
    }
    return e && e->flag;
}

} // namespace taru::test
