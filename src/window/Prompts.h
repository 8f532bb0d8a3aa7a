#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;
class QPrinter;

namespace taru::ui {

enum class Button { Ok, Cancel, Yes, No };
enum class Icon { None, Information, Warning, Error, Question };

// The caption of the program's own messages.
inline const QString kCaptionProgram = QStringLiteral("TARU");
inline const QString kCaptionInfo = QStringLiteral("Ενημέρωση");
inline const QString kCaptionError = QStringLiteral("Σφάλμα");
inline const QString kCaptionConfirm = QStringLiteral("Επιβεβαίωση");
inline const QString kCaptionConfirmUpper = QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ");

// Every message box, question, input box, file chooser and print dialog of the program goes
// through this interface, so windows can be driven by scripted answers in tests.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A notice with one OK button; blocks until confirmed.
    virtual void message(QWidget *parent, const QString &text, const QString &caption, Icon icon) = 0;

    // A question with the given buttons; defaultButton is the one Enter presses. Closing the box
    // answers Cancel when offered, else No.
    virtual Button ask(QWidget *parent, const QString &text, const QString &caption, const QList<Button> &buttons,
                       Button defaultButton, Icon icon) = 0;

    // A one-line input box; nothing when cancelled.
    virtual std::optional<QString> input(QWidget *parent, const QString &caption, const QString &prompt,
                                         const QString &preset) = 0;

    // File choosers. filter is "Description|*.ext", or several such pairs joined by "|";
    // selectedFilter is the pair shown first (0 for the first). folder is where the chooser opens.
    // saveFile asks before overwriting and adds defaultExtension to a name typed without one.
    virtual std::optional<QString> openFile(QWidget *parent, const QString &folder, const QString &filter,
                                            int selectedFilter = 0) = 0;
    virtual std::optional<QString> saveFile(QWidget *parent, const QString &folder, const QString &filter,
                                            const QString &defaultExtension) = 0;

    // The print dialog for printer; true when the user confirms.
    virtual bool printDialog(QWidget *parent, QPrinter &printer) = 0;

    // Shorthands for the common boxes.
    void info(QWidget *parent, const QString &text, const QString &caption = kCaptionInfo)
    {
        message(parent, text, caption, Icon::Information);
    }
    void error(QWidget *parent, const QString &text, const QString &caption = kCaptionError)
    {
        message(parent, text, caption, Icon::Error);
    }
    // Yes/No with No preselected; true on Yes.
    bool confirm(QWidget *parent, const QString &text, const QString &caption = kCaptionConfirm)
    {
        return ask(parent, text, caption, {Button::Yes, Button::No}, Button::No, Icon::Question) == Button::Yes;
    }
};

// "name" + "." + ext when name has no extension of its own.
QString withDefaultExtension(const QString &path, const QString &extension);

// "Αρχεία Δελτίων|*.tru" -> "Αρχεία Δελτίων (*.tru)" for the Qt file dialogs.
QString toQtFilter(const QString &filter);

} // namespace taru::ui
