#include "TempDir.h"

#include <QCoreApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Settings go to a private folder for the whole run; each test may point them elsewhere.
    taru::test::isolateSettings();
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale::c());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
