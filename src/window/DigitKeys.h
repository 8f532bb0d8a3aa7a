#pragma once

class QKeyEvent;

namespace taru::ui {

// How the constructor's number entries treat a key: only digits, backspace, tab and Enter are
// typed; other characters are dropped. Keys that type nothing (arrows, Delete, Escape...) keep
// their usual meaning.
enum class DigitKey { Pass, Discard, Enter };
DigitKey ClassifyDigitKey(const QKeyEvent &event);

} // namespace taru::ui
