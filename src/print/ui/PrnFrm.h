#pragma once

#include "window/AppContext.h"
#include "print/PrinterProfile.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace taru::ui {

inline const QString kPrnFrmCaption = QStringLiteral("ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΤΗ ΓΙΑ TARU");
inline const QString kPrnFrmHelpTopic = QStringLiteral("TARU.chm::/HELP.htm");
inline const QString kPortraitPicture = QStringLiteral("TARU_Portrait1.jpg");
inline const QString kLandscapePicture = QStringLiteral("TARU_Landscape1.jpg");
inline const QString kProfileDamaged = QStringLiteral("Σφάλμα! Το αρχείο πιθανόν είναι κατεστραμμένο.");
inline const QString kConfirmProfileSave = QStringLiteral("Παρακαλώ επιβεβαιώστε την αποθήκευση");
inline const QString kProfileSaved = QStringLiteral("Η αποθήκευση ολοκληρώθηκε με επιτυχία.");
inline const QString kProfileNeedsName = QStringLiteral(
    "Συμπληρώστε το Όνομα Εκτυπωτή: με αυτό το όνομα αποθηκεύονται οι ρυθμίσεις. "
    "(Με επιλεγμένο το «Προεπιλεγμένος εκτυπωτής» αποθηκεύονται και χωρίς όνομα, ως default.)");
inline const QString kProfileSaveFailed = QStringLiteral(
    "Παρουσίαστηκε σφάλμα κατά την αποθήκευση.Βεβαιωθείτε ότι έχετε συμπληρώσει όλα τα αριθμητικά πεδία.");

// The printer profile dialog: lists the profiles of the Printers folder, loads one into the
// controls, switches the slip position with its picture and labels, and saves.
class TPrnFrm : public QDialog {
    Q_OBJECT
public:
    explicit TPrnFrm(AppContext &context, QWidget *parent = nullptr);

    void FormShow();
    void ComboBox2Change();
    void RadioGroup1Click();
    // The key filter of every distance field: true when the key may pass.
    bool Edit8KeyPress(QChar key) const;
    void BBtnSaveClick();
    void glBBtnhELPClick();
    // Chooses the program's printer (or a PDF file) with the print dialog.
    void BtnChoosePrinterClick();

    // The slip position chosen: 0 portrait ("ΟΡΙΖΟΝΤΙΑ 1"), 1 landscape ("ΚΑΘΕΤΗ 1").
    int slipPositionIndex() const;
    void setSlipPositionIndex(int index);

    // The profile the controls describe (sizes as selected; ConversionError when a size list
    // has nothing selected).
    PrinterProfile profileFromControls() const;

    QLineEdit *Edit1;     // message text
    QLineEdit *Edit9;     // printer name
    QLineEdit *Edit7;     // message from the side
    QLineEdit *Edit8;     // message from the top
    QLineEdit *EdtAksiaX; // value line from the side
    QLineEdit *EdtAksiaY; // value line from the top
    QLineEdit *Edit2;     // slip from the side
    QLineEdit *Edit3;     // slip from the top
    QLineEdit *Edit5;     // horizontal pitch
    QLineEdit *Edit6;     // vertical pitch
    QLineEdit *Edit4;     // mark character
    QComboBox *ComboBox1; // mark size
    QComboBox *CmbMXar;   // message size
    QComboBox *CmbAXar;   // value line size
    QCheckBox *Chkdefault;
    QCheckBox *ChkBold;
    QGroupBox *RadioGroup1;
    QRadioButton *RadioGroup1Portrait;
    QRadioButton *RadioGroup1Landscape;
    QComboBox *ComboBox2; // the profiles found
    QPushButton *BBtnSave;
    QPushButton *BBtnBack;
    QPushButton *glBBtnhELP;
    QPushButton *BtnChoosePrinter;
    QLabel *LblPrinter;   // the printer jobs go to now
    QLabel *Image1;       // the slip position picture
    QLabel *LblEdit2, *LblEdit3, *LblEdit5, *LblEdit6;
    QLabel *LblHeadSide;  // over the "from the side" column of the message and value fields
    QLabel *LblHeadTop;   // over the "from the top" column

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillControls(const PrinterProfile &profile, bool currentLayout);
    static void selectSize(QComboBox *list, int size);
    QList<QLineEdit *> distanceFields() const;

    AppContext &context_;
    std::uint8_t storedSlipPosition_ = kSlipPortrait; // of the profile last shown
};

} // namespace taru::ui
