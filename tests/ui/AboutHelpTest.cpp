#include "shell/AboutDlgS.h"
#include "shell/FlyingText.h"
#include "window/HelpViewer.h"
#include "window/RealPrompts.h"
#include "shell/Snapshot.h"

#include "ShellFixture.h"

#include "Version.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <memory>

using namespace taru;
using namespace taru::test;

namespace {
class AboutDlgS : public ShellTest {};

const QString kHelpSource = QStringLiteral(TARU_TEST_DATA "/../../resources/help");
} // namespace

TEST_F(AboutDlgS, ShowsTheVersionAndStopsItsAnimationWhenClosed)
{
    ui::TAboutDlgS dlg(context);
    EXPECT_EQ(dlg.LblVersion->text(), QStringLiteral("Έκδοση : ") + QString::fromLatin1(kVersionText));

    dlg.show();
    EXPECT_TRUE(dlg.ProductName->isRunning());
    dlg.close();
    EXPECT_FALSE(dlg.ProductName->isRunning());

    dlg.show();
    EXPECT_TRUE(dlg.ProductName->isRunning());
    EXPECT_EQ(dlg.ProductName->frame(), 0); // starts again from the beginning
    QTest::mouseClick(dlg.BtnOk, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_FALSE(dlg.ProductName->isRunning());
}

TEST_F(AboutDlgS, ASnapshotLandsTheAnimationFirst)
{
    ui::TAboutDlgS dlg(context);
    QTemporaryDir dir;
    const QString saved = ui::SaveSnapshot(&dlg, dir.path());
    EXPECT_EQ(saved, dir.filePath(QStringLiteral("TAboutDlgS.png")));
    EXPECT_TRUE(dlg.ProductName->hasLanded());
    EXPECT_FALSE(QImage(saved).isNull());
}

TEST(HelpPages, EveryTopicHasAPageAndTheContentsLinkToAll)
{
    const QStringList topics{"TARU.chm",
                             "TARU.chm::/GAME0.htm",
                             "TARU.chm::/gennhtria.htm",
                             "TARU.chm::/HELP.htm",
                             "TARU.chm::/NIK-STHLES.htm",
                             "TARU.chm::/DELTIA.htm",
                             "TARU.chm::/BIBLIO.htm",
                             "TARU.chm::/MADE.htm"};
    const AppPaths paths(QDir::tempPath(), kHelpSource + QStringLiteral("/.."));
    QFile index(kHelpSource + QStringLiteral("/index.htm"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QString contents = QString::fromUtf8(index.readAll());
    for (const QString &topic : topics) {
        const QString path = ui::HelpPagePath(paths, topic);
        ASSERT_FALSE(path.isEmpty()) << topic.toStdString();
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll());
        EXPECT_TRUE(html.contains(QStringLiteral("charset=utf-8"), Qt::CaseInsensitive)) << topic.toStdString();
        EXPECT_TRUE(html.contains(QRegularExpression(QStringLiteral("<title>[^<]+</title>")))) << topic.toStdString();
        const QString file = ui::HelpPageFor(topic);
        if (file != QStringLiteral("index.htm")) {
            EXPECT_TRUE(contents.contains(QStringLiteral("href=\"%1\"").arg(file))) << file.toStdString();
        }
    }
}

TEST(HelpPages, AMissingPageIsNamedInTheViewer)
{
    QTemporaryDir install;
    const AppPaths paths(QDir::tempPath(), install.path());
    struct Case {
        QString topic;
        QString page;
    };
    for (const Case &c : {Case{QStringLiteral("TARU.chm::/MADE.htm"), QStringLiteral("MADE.htm")},
                          Case{QStringLiteral("TARU.chm"), QStringLiteral("index.htm")}}) {
        std::unique_ptr<ui::HelpViewerDlg> viewer(ui::ShowHelpTopic(paths, c.topic));
        ASSERT_NE(viewer, nullptr) << c.topic.toStdString();
        const QString text = viewer->browser()->toPlainText();
        EXPECT_TRUE(text.contains(QStringLiteral("Η σελίδα βοήθειας του θέματος «%1» δεν βρέθηκε").arg(c.topic)))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(install.path() + QStringLiteral("/help/") + c.page)))
            << text.toStdString();
        EXPECT_TRUE(viewer->windowTitle().endsWith(c.topic + QStringLiteral("» δεν βρέθηκε")));
    }
}

TEST(Snapshots, EveryWindowIsPicturedUnderItsClassName)
{
    QTemporaryDir data;
    QTemporaryDir out;
    ui::SilentPrompts prompts;
    // Help pages are found beside the "executable": here the source tree's resources.
    ui::AppContext context(AppPaths(data.path(), kHelpSource + QStringLiteral("/..")), prompts);
    const QStringList written = ui::TakeAllSnapshots(out.path() + QStringLiteral("/pictures"), context);
    QStringList names;
    for (const QString &path : written)
        names << QFileInfo(path).fileName();
    for (const char *expected : {"TSplash.png", "TMainFrm.png", "TKatoxosDlg.png", "TAboutDlgS.png", "TGameFrm.png",
                                 "TStatNikFrm.png", "TFrmReplace_Deltia.png", "HelpViewerDlg.png"})
        EXPECT_TRUE(names.contains(QString::fromLatin1(expected))) << expected;
    EXPECT_EQ(names.size(), 30); // splash, main window, 27 feature windows, help
    EXPECT_EQ(names.removeDuplicates(), 0);
    const QImage main(out.path() + QStringLiteral("/pictures/TMainFrm.png"));
    EXPECT_GE(main.width(), 792);
}
