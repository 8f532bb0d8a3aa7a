#pragma once

#include "window/AppContext.h"
#include "window/SnapshotContent.h"

#include <QDate>
#include <QDialog>

#include <array>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace taru::ui {

// A date text of the draws file: the regional short date (with a four-digit year) or
// "dd/mm/yyyy"; invalid when it is neither.
QDate ReadDrawDate(const QString &text);
// The regional short date with a four-digit year, as a corrected draw is written.
QString RegionalDrawDate(const QDate &date);

// What the new-draw and edit dialogs share: the draw number, the date, the 20 lists of 1..80,
// the two checks, and DrawValues (draw number, date, numbers 1 to 20) exchanged with the list.
class NikToolDlg : public QDialog, public SnapshotContent {
    Q_OBJECT
public:
    NikToolDlg(AppContext &context, const QString &caption, const QString &group, const QString &notAllText,
               QWidget *parent = nullptr);

    QGroupBox *GroupBox1;
    QLineEdit *Edit1;
    QDateEdit *DatePick;
    std::array<QComboBox *, 20> ComboBoxes{}; // ComboBox2 .. ComboBox21
    QPushButton *BBtnSave;
    QPushButton *BtnBack;

    std::array<QString, 22> DrawValues;

    bool AllNumbersChosen() const;
    bool NumbersDistinct() const;
    // Checks, then fills DrawValues and closes with OK.
    void SaveClick();
    // Enter and Escape move the focus on, digits only in the draw-number box; true when taken.
    bool KeyPress(QObject *control, int key, const QString &text);

    void prepareSnapshot() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    virtual QString dateText() const = 0;
    void clearLists();
    void selectNumber(int list, const QString &text);

    AppContext &context_;

private:
    QString notAllText_;
};

// The new-draw dialog: on opening it first offers the 20-number board.
class TNewNikToolDlg : public NikToolDlg {
    Q_OBJECT
public:
    explicit TNewNikToolDlg(AppContext &context, QWidget *parent = nullptr);
    void FormShow();
    int exec() override;

protected:
    QString dateText() const override;
};

// The edit dialog: shows DrawValues as the list filled them.
class TEditNikToolDlg : public NikToolDlg {
    Q_OBJECT
public:
    explicit TEditNikToolDlg(AppContext &context, QWidget *parent = nullptr);
    void FormShow();
    int exec() override;

protected:
    QString dateText() const override;
};

} // namespace taru::ui
