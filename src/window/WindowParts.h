#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace taru::ui {

// A bold push button placed by hand; it never becomes the dialog's default, so Enter in an
// edit does not press it.
QPushButton *BoldButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry);

// A bold caption in the windows' dark blue, placed by hand.
QLabel *CaptionLabel(QWidget *parent, const QString &text, const QRect &geometry);

// The font made smaller, step by step, until text is at most width pixels wide in it (never below
// minPixelSize): texts are measured with the fonts actually installed, which differ from one
// machine to another.
QFont FittedFont(QFont font, const QString &text, int width, int minPixelSize = 7);

// Sets a label's text in its own font, or smaller when the text would not fit its width.
void SetFittedText(QLabel *label, const QString &text);

// A small drawn calculator for the buttons that start the calculator.
QIcon CalculatorIcon();

} // namespace taru::ui
