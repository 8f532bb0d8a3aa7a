#pragma once

#include "window/AppContext.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace taru::ui {

// The word that unlocks deleting systems of the library; typed in any letter case.
inline const QString kLibraryDeletionCode = QStringLiteral("ERASE");

// Removes one file: into the desktop's trash where there is one, so a slip of the mouse can be
// undone, else deleted. False when the file is still there.
bool MoveToTrashOrDelete(const QString &path);
// The same with the trash given: moveToTrash answers false where there is none.
bool MoveToTrashOrDelete(const QString &path, const std::function<bool(const QString &)> &moveToTrash);

// File maintenance: coupon files, condition files of the constructor or systems of the library,
// listed with check marks and deleted after a confirmation (and, for the library, its code).
class TDelFilesDlg : public QDialog {
    Q_OBJECT
public:
    enum Kind { Coupons = 0, Conditions = 1, Library = 2 };

    explicit TDelFilesDlg(AppContext &context, QWidget *parent = nullptr);

    void FormShow();
    void RadioGroup1Click();
    void ChkAllClick();
    void BitBtn1Click();
    // Lists the files of the chosen kind, all unchecked.
    void FillFileList();

    int kind() const;
    void setKind(int kind);
    // The names listed, and those checked, in list order.
    QStringList listedNames() const;
    QStringList checkedNames() const;

    QGroupBox *RadioGroup1 = nullptr;
    std::array<QRadioButton *, 3> RadioButtons{};
    QListWidget *ChkLstFiles = nullptr;
    QCheckBox *ChkAll = nullptr;
    QPushButton *BitBtn1 = nullptr; // ΔΙΑΓΡΑΦΗ
    QPushButton *BitBtn2 = nullptr; // ΑΚΥΡΟ

    // How one file is removed; tests stand in a remover that fails.
    std::function<bool(const QString &)> removeFile = [](const QString &path) { return MoveToTrashOrDelete(path); };

protected:
    void showEvent(QShowEvent *event) override;

private:
    AppContext &context_;
    QButtonGroup *choice_ = nullptr;
    QString folder_; // where the listed files are
};

} // namespace taru::ui
