#pragma once

#include <QString>

namespace taru::ui {

// The texts of the draws windows, as the user reads them.
inline const QString kNewNikCaption = QStringLiteral("ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ - ΣΤΑΤΙΣΤΙΚΑ");
inline const QString kNewNikHint = QStringLiteral("Με διπλό αριστερό κλικ πάνω σε μια γραμμή διορθώνετε τη Νικήτρια Στήλη.");
inline const QString kNewDrawButton = QStringLiteral("&NEA ΝΙΚΗΤΡΙΑ");
inline const QString kPrintButton = QStringLiteral("Ε&KTYΠΩΣΗ");
inline const QString kStatPrintButton = QStringLiteral("&ΕKTYΠΩΣΗ");
inline const QString kHelpButton = QStringLiteral("&ΒΟΗΘΕΙΑ");
inline const QString kBackButton = QStringLiteral("&ΕΠΙΣΤΡΟΦΗ");
inline const QString kContinueButton = QStringLiteral("&ΣΥΝΕΧΕΙΑ");
inline const QString kSaveButton = QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ");
inline const QString kCancelButton = QStringLiteral("&ΑΚΥΡΟ");
inline const QString kOkButton = QStringLiteral("&OK");
inline const QString kStatNikCaption = QStringLiteral("ΣΤΑΤΙΣΤΙΚΑ ΝΙΚΗΤΡΙΩΝ ΣΤΗΛΩΝ");
inline const QString kStatNikLegend1 = QStringLiteral("ΑΘΡ : ΑΘΡΟΙΣΜΑ ΨΗΦΙΩΝ , ΜΟΝ : ΜΟΝΑ , ΖΥΓ : ΖΥΓΑ , ΑΡΙ : ΑΡΙΣΤΕΡΑ , ΔΕΞ : ΔΕΞΙΑ  ,");
inline const QString kStatNikLegend2 = QStringLiteral("ΛΗΓ : ΛΗΓΟΝΤΕΣ , 10αδες , ΕΥΡ : ΕΥΡΟΣ");
inline const QString kStatAllCaption = QStringLiteral("Στατιστικά Κληρώσεων ανεξαρτήτου θέσεως αριθμών");
inline const QString kChartHint = QStringLiteral("ΚΛΙΚ ΓΙΑ ΔΙΑΓΡΑΜΜΑ ΕΜΦΑΝΙΣΕΩΝ ΑΡΙΘΜΩΝ");
inline const QString kChartCaption = QStringLiteral("ΔΙΑΓΡΑΜΜΑ ΕΜΦΑΝΙΣΕΩΝ ΑΡΙΘΜΩΝ");
inline const QString kChartCaptionPrefix = QStringLiteral("ΔΙΑΓΡΑΜΜΑ ΕΜΦΑΝΙΣΕΩΝ ΑΡΙΘΜΩΝ ΣΕ ");
inline const QString kChartTitle = QStringLiteral("TARU  ΕΜΦΑΝΙΣΕΙΣ ΑΡΙΘΜΩΝ");
inline const QString kChartAxisX = QStringLiteral("ΑΡΙΘΜΟΙ");
inline const QString kChartAxisY = QStringLiteral("ΕΜΦΑΝΙΣΕΙΣ");
inline const QString kNewNikToolCaption = QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΝΙΚΗΤΡΙΑΣ TARU");
inline const QString kNewNikToolGroup = QStringLiteral("ΕΙΣΑΓΩΓΗ ΝΕΑΣ ΝΙΚΗΤΡΙΑΣ");
inline const QString kEditNikToolCaption = QStringLiteral("ΔΙΟΡΘΩΣΗ ΝΙΚΗΤΡΙΑΣ TARU");
inline const QString kEditNikToolGroup = QStringLiteral("ΔΙΟΡΘΩΣΗ ΝΙΚΗΤΡΙΑΣ");
inline const QString kDrawNumberLabel = QStringLiteral("Αριθμός Κλήρωσης ΒΕΛΜΑ");
inline const QString kDateLabel = QStringLiteral("Ημερομηνία ");
inline const QString kBoardLine1 = QStringLiteral("Αριθμός Κλήρωσης ΒΕΛΜΑ :  ");
inline const QString kBoardLine2 = QStringLiteral("Ημερομηνία :  ");
inline const QString kNewNotAll = QStringLiteral("Πρεπει να συμπληρώσετε όλους τους αριθμούς που κερδίζουν και την κληρωση της ημέρας!Η αποθηκευση δεν μπορεί να ολοκληρωθεί ,θέλετε να συνεχίσετε;");
inline const QString kEditNotAll = QStringLiteral("Πρεπει να συμπληρώσετε όλους τους αριθμούς που κερδίζουν και την κληρωση της ημέρας! Η αποθηκευση δεν μπορεί να ολοκληρωθεί ,θέλετε να συνεχίσετε;");
inline const QString kNotDistinct = QStringLiteral("Διορθωστε τη νικήτρια στήλη!");
inline const QString kBoardCaption = QStringLiteral("NIKHTΡΙΑ ΣΤΗΛΗ");
inline const QString kBoardPrompt = QStringLiteral("Ε Π Ι Λ Ε Ξ Τ  Ε    Α Ρ Ι Θ Μ Ο Υ Σ");
inline const QString kBoardFull = QStringLiteral("Εχετε συμπληρώσει τη νικήτρια στήλη!Πατήστε ΟΚ για να συνεχίσετε");
inline const QString kBoardCountHead = QStringLiteral("Έχετε συμπληρώσει ");
inline const QString kBoardCountTail = QStringLiteral(" αριθμούς ,παρακαλώ συμπληρώστε και τους 20 αριθμούς της νικήτριας");
inline const QString kHelpTopic = QStringLiteral("NIK-STHLES.htm");

} // namespace taru::ui
