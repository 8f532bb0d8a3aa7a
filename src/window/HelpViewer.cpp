#include "window/HelpViewer.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace taru::ui {

QString HelpPageFor(const QString &topic)
{
    const qsizetype sep = topic.indexOf(QLatin1String("::"));
    if (sep < 0)
        return kHelpDefaultPage;
    QString page = topic.mid(sep + 2);
    while (page.startsWith(QLatin1Char('/')))
        page.remove(0, 1);
    return page.isEmpty() ? kHelpDefaultPage : page;
}

QString HelpPagePath(const AppPaths &paths, const QString &topic)
{
    return paths.shippedFile(kHelpFolder, HelpPageFor(topic));
}

HelpViewerDlg *ShowHelpTopic(const AppPaths &paths, const QString &topic)
{
    const QString path = HelpPagePath(paths, topic);
    // A child of the window in front stays usable while that window is modal.
    QWidget *parent = QApplication::activeModalWidget();
    if (!parent)
        parent = QApplication::activeWindow();
    auto *viewer = new HelpViewerDlg(parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    if (path.isEmpty())
        viewer->showMissingTopic(topic, QDir(paths.resourcesDir()).filePath(kHelpFolder + QLatin1Char('/') + HelpPageFor(topic)));
    else
        viewer->openPage(path);
    viewer->show();
    return viewer;
}

HelpViewerDlg::HelpViewerDlg(QWidget *parent)
    : QDialog(parent)
    , browser_(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("ΒΟΗΘΕΙΑ  TARU"));
    resize(760, 560);
    browser_->setOpenExternalLinks(true);

    auto *back = new QPushButton(QStringLiteral("< Πίσω"), this);
    auto *forward = new QPushButton(QStringLiteral("Εμπρός >"), this);
    auto *home = new QPushButton(QStringLiteral("Περιεχόμενα"), this);
    auto *close = new QPushButton(QStringLiteral("&ΚΛΕΙΣΙΜΟ"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, [this] {
        const QUrl current = browser_->source();
        if (current.isLocalFile())
            browser_->setSource(QUrl::fromLocalFile(QFileInfo(current.toLocalFile()).dir().filePath(kHelpDefaultPage)));
    });
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
}

void HelpViewerDlg::showMissingTopic(const QString &topic, const QString &page)
{
    const QString title = kHelpTopicMissing.arg(topic);
    browser_->setHtml(QStringLiteral("<h3>%1</h3><p>Αναζητήθηκε το αρχείο <b>%2</b>.</p>"
                                     "<p>Οι σελίδες βοήθειας βρίσκονται στον φάκελο <b>help</b> δίπλα στο πρόγραμμα.</p>")
                          .arg(title.toHtmlEscaped(), QDir::toNativeSeparators(page).toHtmlEscaped()));
    setWindowTitle(QStringLiteral("ΒΟΗΘΕΙΑ  TARU  -  ") + title);
}

void HelpViewerDlg::openPage(const QString &path)
{
    browser_->setSource(QUrl::fromLocalFile(path));
    setWindowTitle(QStringLiteral("ΒΟΗΘΕΙΑ  TARU  -  ") + browser_->documentTitle());
}

} // namespace taru::ui
