#include "shell/Splash.h"

#include "Version.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace taru::ui;

namespace {
// Runs the splash loop with an action fired shortly after it starts; returns the milliseconds taken.
qint64 runWith(TSplash &splash, const std::function<void()> &action)
{
    QTimer::singleShot(100, &splash, action);
    QElapsedTimer timer;
    timer.start();
    RunSplash(splash);
    return timer.elapsed();
}
} // namespace

TEST(Splash, ShowsTheVersion)
{
    TSplash splash;
    EXPECT_EQ(splash.LblVersion->text(), QStringLiteral("Εκδοση: ") + QString::fromLatin1(taru::kVersionText));
    EXPECT_EQ(VersionText().count(QLatin1Char('.')), 3);
}

TEST(Splash, RefusesToCloseUntilEndedByEnterAClickOrItsTimer)
{
    TSplash splash;
    splash.show();
    EXPECT_FALSE(splash.FormCloseQuery());
    EXPECT_FALSE(splash.close()); // the close query says no yet
    EXPECT_TRUE(splash.isVisible());

    const qint64 ms = runWith(splash, [&] { QTest::keyClick(&splash, Qt::Key_Return); });
    EXPECT_TRUE(splash.FormCloseQuery());
    EXPECT_LT(ms, 3000);
    EXPECT_TRUE(splash.Timer1->isActive()); // ended by the key, not by the timer
    EXPECT_FALSE(splash.isVisible());

    // Keypad Enter and a click end it too.
    TSplash byClick;
    EXPECT_LT(runWith(byClick, [&] { QTest::mouseClick(&byClick, Qt::LeftButton, {}, QPoint(100, 100)); }), 3000);
    EXPECT_TRUE(byClick.FormCloseQuery());

    TSplash byKeypad;
    runWith(byKeypad, [&] { QTest::keyClick(&byKeypad, Qt::Key_Enter, Qt::KeypadModifier); });
    EXPECT_TRUE(byKeypad.FormCloseQuery());

    // Other keys, Esc included, do not end it.
    TSplash other;
    other.show();
    QTest::keyClick(&other, Qt::Key_Escape);
    QTest::keyClick(&other, Qt::Key_Space);
    EXPECT_FALSE(other.FormCloseQuery());
    EXPECT_TRUE(other.isVisible());
    other.Timer1Timer(); // what its timer does after 6 s
    EXPECT_TRUE(other.FormCloseQuery());
    EXPECT_TRUE(other.close());
}
