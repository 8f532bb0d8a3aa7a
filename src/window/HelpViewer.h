#pragma once

#include "base/AppPaths.h"

#include <QDialog>

class QTextBrowser;

namespace taru::ui {

inline const QString kHelpDefaultPage = QStringLiteral("index.htm");

inline const QString kHelpTopicMissing = QStringLiteral("Η σελίδα βοήθειας του θέματος «%1» δεν βρέθηκε");

// The page a help topic names: "TARU.chm::/GAME0.htm" -> "GAME0.htm"; "TARU.chm" -> the default page.
QString HelpPageFor(const QString &topic);

// The shipped help page of a topic, or an empty string when it is missing.
QString HelpPagePath(const AppPaths &paths, const QString &topic);

// Opens the topic in the help viewer; for a missing page the viewer says which topic and which
// page it did not find. Returns the viewer opened (owned by Qt, deleted when closed).
class HelpViewerDlg;
HelpViewerDlg *ShowHelpTopic(const AppPaths &paths, const QString &topic);

// The in-program help viewer: the help pages with their links, back and forward.
class HelpViewerDlg : public QDialog {
    Q_OBJECT
public:
    explicit HelpViewerDlg(QWidget *parent = nullptr);
    void openPage(const QString &path);
    // In place of a page that is not there: which topic asked for it and where it was looked for.
    void showMissingTopic(const QString &topic, const QString &page);
    QTextBrowser *browser() const { return browser_; }

private:
    QTextBrowser *browser_;
};

} // namespace taru::ui
