#pragma once

#include <QChar>

class QKeyEvent;

namespace taru::ui {

// How the constructor's number entries treat a key: only digits, backspace, tab and Enter are
// typed; other characters are dropped. Keys that type nothing (arrows, Delete, Escape...) keep
// their usual meaning.
enum class DigitKey { Pass, Discard, Enter };
DigitKey ClassifyDigitKey(const QKeyEvent &event);

// The character a key types as the grids see it: '\r' Enter, '\b' Backspace, '\t' Tab, a
// printable character, or a null character for keys that type nothing (arrows, Escape, Delete,
// control characters).
QChar TypedCharacter(const QKeyEvent &event);

} // namespace taru::ui
