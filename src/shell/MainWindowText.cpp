#include "shell/MainWindowText.h"

namespace taru::shell {

QString BannerLine(const QString &trailer)
{
    return kBannerLeadIn + trailer;
}

QString StatusDateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QStringLiteral("dddd d/M/yyyy"));
}

QList<MenuEntry> MainMenuEntries()
{
    const auto top = [](const char *name, const char *caption) {
        return MenuEntry{QString::fromLatin1(name), QString::fromUtf8(caption), QString()};
    };
    const auto item = [](const char *name, const char *caption, const char *parent) {
        return MenuEntry{QString::fromLatin1(name), QString::fromUtf8(caption), QString::fromLatin1(parent)};
    };
    return {
        top("N1", "&ΠΑΙΧΝΙΔΙ"),
        top("N7", "&ΓΕΝΝΗΤΡΙΑ ΔΕΛΤΙΩΝ"),
        item("N12", "ΤΥΧΑΙΑ ΠΑΡΑΓΩΓΗ", "N7"),
        item("N13", "-", "N7"),
        item("MEANTIKATA1", "ME ANTIKATAΣΤΑΣΗ", "N7"),
        item("N17", "-", "N7"),
        item("N14", "ΣΤΑΤΙΣΤΙΚΗ ΠΑΡΑΓΩΓΗ", "N7"),
        top("N22", "&ΔΕΛΤΙΑ"),
        item("N15", "ΔΕΛΤΙΑ", "N22"),
        item("MEANTIKATA2", "ME ANTIKATAΣΤΑΣΗ", "N22"),
        top("EI1", "EIΣΑΓΩΓΗ ΔΕΛΤΙΩΝ"),
        item("N18", "ΜΕ ΠΛΗΚΤΡΟΛΟΓΗΣΗ", "EI1"),
        item("N19", "-", "EI1"),
        item("N33", "ΑΡΧΕΙΑ ΠΡΟΓΡΑΜΜΑΤΟΣ", "EI1"),
        item("txt1", "ΑΠΟ ΑΡΧΕΙΟ ΚΕΙΜΕΝΟΥ (.txt)", "EI1"),
        item("a1", "ΑΠΟ ΑΡΧΕΙΟ EXCEL (CSV)", "EI1"),
        top("N8", "&ΝΙΚΗΤΡΙΕΣ ΣΤΗΛΕΣ"),
        item("N9", "ΕΙΣΑΓΩΓΗ", "N8"),
        item("N11", "-", "N8"),
        item("N10", "ΣΤΑΤΙΣΤΙΚΑ", "N8"),
        top("N29", "Β&ΙΒΛΙΟΘΗΚΗ"),
        top("N30", "ΚΑΤΑ&ΣΚΕΥΑΣΤΙΚΟ"),
        top("DELVANE1", "&DELVANE"),
        top("N3", "&ΒΟΗΘΗΤΙΚΑ"),
        item("N32", "ΒΟΗΘΕΙΑ", "N3"),
        item("N31", "-", "N3"),
        item("N6", "ΡΥΘΜΙΣΕΙΣ ΕΚΤΥΠΩΣΗΣ", "N3"),
        item("NPrinter", "ΕΠΙΛΟΓΗ ΕΚΤΥΠΩΤΗ", "N3"),
        item("N20", "-", "N3"),
        item("N21", "ΟΡΙΣΜΟΣ ΧΡΗΣΤΗ", "N3"),
        item("N24", "-", "N3"),
        item("N26", "ΔΙΑΓΡΑΦΗ ΑΡΧΕΙΩΝ", "N3"),
        item("N25", "-", "N3"),
        item("N23", "ΑΡΙΘΜΟΜΗΧΑΝΗ", "N3"),
        item("N5", "-", "N3"),
        item("N4", "ΓΕΝΙΚΑ", "N3"),
        top("N2", "&ΕΞΟΔΟΣ"),
    };
}

} // namespace taru::shell
