#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

namespace taru::shell {

// The main window's fixed texts. A line break inside a message is written "\n".

inline const QString kReplaceInfo = QStringLiteral("Eχετε τη δυνατότητα να αντικαταστησετε  \nτα Δελτια σας με νεους αριθμους..");
inline const QString kCouponFileInfo = QStringLiteral("Επιλέξτε αρχείο συστήματος ή δελτίων για Εκτύπωση, Διαλογή Επιτυχιών");
inline const QString kCouponPreviewCaption = QStringLiteral("ΠΡΟΕΠΙΣΚΟΠΗΣΗ ΕΚΤΥΠΩΣΗΣ ΔΕΛΤΙΩΝ  ΑΠΟ ΑΡΧΕΙΟ ");
inline const QString kImportInfo = QStringLiteral("Eχετε τη δυνατότητα να εισαγετε  \nδικα σας συστηματα η Δελτια\nστηλες με Εισαγωγη , απο αρχεια .txt η απο αρχεια Excel \nκαλες επιτυχιες");
inline const QString kConstructorInfo = QStringLiteral("Με το Κατασκευαστικό εχετε τη δυνατότητα να κατασκευάσετε συστήματα\nγια 100% 12άρι, 100% 12άρι ή 11άρι(α), 100% 12άρι ή 11άρι ή 10άρι(α)\nγια 100% 5άρι, 100% 5άρι ή 4άρι(α), 100% 5άρι ή 4άρι ή 3άρι(α)\nχωρίς όρους ή κάποιους ή όλους τους όρους κατά επιλογίν\nΑΘΡΟΙΣΜΑ : είναι το Αθροισμα των πέντε αριθμών της Νικήτριας Στήλης\nΜΟΝΑ : είναι οι αριθμοί που είναι Μονοί\nΖΥΓΑ : είναι οι Ζυγοί αριθμοί\nΑΡΙΣΤΕΡΑ : είναι οι αριθμοί που έχουν λήγοντα 1,2,3,4,5\nΔΕΞΙΑ : είναι οι αριθμοί που έχουν λήγοντα 6,7,8,9,0\nΛΗΓΟΝΤΕΣ : είναι τα 1,2,3,4,5,6,7,8,9,0 που λήγουν οι αριθμοί\nείναι οι 8 10άδες των 80 αριθμών , 1-10,11-20,21-30,31-40,41-50,51-60,61-70,71-80\nΕΥΡΟΣ ΣΤΗΛΗΣ : είναι η Διαφορά του Μεγαλύτερου αριθμού μείον τον Μικρότερο\nΑ : είναι η επιλογή Στάνταρ ή Ζητούμενοι αριθμοί με εύρος");
inline const QString kDelvaneInfo = QStringLiteral("Με τη DELVANE εχετε τη δυνατότητα τα συστήματα σας\nνα τα επικυρωστε στην μηχανη του πρακτορειου\nχωρις να τυπωστε δελτια\n");
inline const QString kExitQuestion = QStringLiteral("Έξοδος από την εφαρμογή;");
inline const QString kCouponFileFilter = QStringLiteral("Αρχεία Δελτίων|*.tru");

// Start of the banner line; the owner's Trailer text follows it directly.
inline const QString kBannerLeadIn = QStringLiteral("Καλώς ήρθατε στο TARU  -  συστήματα, δελτία και νικήτριες στήλες  ");
// Drawn in status bar panel 0.
inline const QString kCreditText = QStringLiteral("TARU  -  Συστήματα και Δελτία");

// The banner's line: the lead-in text followed directly by the owner's Trailer.
QString BannerLine(const QString &trailer);

// Today's date in the status bar: "dddd d/m/yyyy" (weekday name of the locale, no leading zeros).
QString StatusDateText(const QDate &date, const QLocale &locale);

// One entry of the main menu: its object name, caption ("-" for a separator) and the name of the
// top item it belongs to (empty for a top item).
struct MenuEntry {
    QString name;
    QString caption;
    QString parent;
};

// The main menu tree in display order: each top item followed by its own items.
QList<MenuEntry> MainMenuEntries();

} // namespace taru::shell
