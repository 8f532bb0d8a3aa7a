#pragma once

#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace taru::ui {

struct AppContext;

// A bold push button placed by hand; it never becomes the dialog's default, so Enter in an
// edit does not press it.
QPushButton *BoldButton(QWidget *parent, const char *name, const QString &text, const QRect &geometry);

// A bold caption in the windows' dark blue, placed by hand (named, for tests to find it).
QLabel *CaptionLabel(QWidget *parent, const QString &text, const QRect &geometry);
QLabel *CaptionLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry);

// The caption over a box of a window's board: a caption label of 12 pixels, aligned as given.
QLabel *SmallCaption(QWidget *parent, const QString &text, const QRect &geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignBottom);

// The font made smaller, step by step, until text is at most width pixels wide in it (never below
// minPixelSize): texts are measured with the fonts actually installed, which differ from one
// machine to another.
QFont FittedFont(QFont font, const QString &text, int width, int minPixelSize = 7);

// Sets a label's text in its own font, or smaller when the text would not fit its width.
void SetFittedText(QLabel *label, const QString &text);

// A small drawn calculator for the buttons that start the calculator.
QIcon CalculatorIcon();

// The help, calculator and back buttons of a window's button rows, made and wired alike in every
// window: help opens the window's help topic, the calculator starts the desktop's calculator and
// back closes the dialog as accepted. Without a place for the calculator there is none.
struct HelpRow {
    QPushButton *help = nullptr;
    QToolButton *calculator = nullptr;
    QPushButton *back = nullptr;
};
HelpRow MakeHelpRow(QDialog *dialog, AppContext &context, const QString &helpTopic, const QRect &help,
                    const QRect &back, const QRect &calculator = QRect(), const char *calculatorName = "LMDShapeButton1");

} // namespace taru::ui
