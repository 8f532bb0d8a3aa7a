#pragma once

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

// A small drawn calculator for the buttons that start the calculator.
QIcon CalculatorIcon();

} // namespace taru::ui
