#pragma once

#include "window/AppContext.h"

#include <QDialog>

class QComboBox;

namespace taru::ui {

// The place picker of the winning column: "-" or a number 1..80; choosing an item closes the
// dialog with OK at once.
class TNikDlg : public QDialog {
    Q_OBJECT
public:
    explicit TNikDlg(AppContext &context, QWidget *parent = nullptr);

    QComboBox *ComboBox1;

    // Selects the item whose text is the place's current text (nothing when there is none).
    void selectText(const QString &text);
    QString chosenText() const;
    void ComboBox1Change();

private:
    AppContext &context_;
};

} // namespace taru::ui
