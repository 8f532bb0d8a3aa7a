#pragma once

#include "window/AppContext.h"
#include "window/CouponFileWindow.h"

#include "ScriptedPrompts.h"
#include "TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace taru::test {

// A feature window that only counts how often it was opened (exec returns at once).
class RecordingDlg : public QDialog, public ui::CouponFileWindow {
public:
    int execs = 0;
    QString titleAtExec;
    // The coupon-file loader's answer, and the files it was asked to load.
    bool loadAnswer = true;
    QStringList loaded;

    int exec() override
    {
        ++execs;
        titleAtExec = windowTitle();
        return QDialog::Accepted;
    }
    bool loadCouponFile(const QString &path) override
    {
        loaded << path;
        return loadAnswer;
    }
};

// A temporary program folder, a private settings store, scripted prompts and a fixed clock;
// help and calculator calls are recorded instead of carried out.
class ShellTest : public ::testing::Test {
protected:
    ShellTest()
        : context(AppPaths(data.path()), prompts)
    {
        isolateSettings();
        context.clock = [this] { return now; };
        context.showHelp = [this](const QString &topic) { helpTopics << topic; };
        context.startCalculator = [this] { ++calculatorStarts; };
    }

    QTemporaryDir data;
    ScriptedPrompts prompts;
    ui::AppContext context;
    QDateTime now{QDate(2026, 12, 5), QTime(10, 30)};
    QStringList helpTopics;
    int calculatorStarts = 0;
};

// Shows a window and waits until it is active, as the user finds it.
inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

// Keys as the user types them: each goes to whatever has the focus (a grid, or its cell editor).
inline void typeKeys(const QString &keys)
{
    for (const QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}

// Closes the next modal window as soon as it is up (for windows opened with exec()).
inline void closeNextModal()
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
            timer->deleteLater();
        }
    });
    timer->start();
}

} // namespace taru::test
