#include "base/OwnerSettings.h"

#include "TempDir.h"

#include <QDirIterator>
#include <QSettings>

#include <gtest/gtest.h>

using namespace taru;

namespace {
class OwnerSettings : public ::testing::Test {
protected:
    void SetUp() override { folder = test::isolateSettings(); }
    QString folder;
};
} // namespace

TEST_F(OwnerSettings, AFreshStoreGivesTheDefaultsButTheBannersReaderItsOwnEmptyOne)
{
    EXPECT_EQ(owner::read().title, QStringLiteral("ORMENA DATA"));
    EXPECT_FALSE(owner::read().trailer.isEmpty());
    EXPECT_EQ(owner::readValue(QStringLiteral("Trailer"), QString()), QString());
}

TEST_F(OwnerSettings, WrittenValuesAreReadBackInSectionOptions)
{
    owner::write({QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"), QStringLiteral("Οδός 1"), QString(), QStringLiteral("Καλή τύχη!")});
    const OwnerDetails d = owner::read();
    EXPECT_EQ(d.title, QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    EXPECT_EQ(d.address, QStringLiteral("Οδός 1"));
    EXPECT_EQ(d.misc, QString()); // an emptied value stays empty, not the default
    EXPECT_EQ(d.trailer, QStringLiteral("Καλή τύχη!"));
    EXPECT_EQ(owner::title(), QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    // The caption made from the title: ui.safety_window_titles_as_given.

    // The store is the per-user TARU/Info one, values under Options.
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"), QStringLiteral("Info"));
    EXPECT_EQ(store.value(QStringLiteral("Options/Title")).toString(), QStringLiteral("ΠΡΑΚΤΟΡΕΙΟ ΑΛΦΑ"));
    EXPECT_TRUE(store.fileName().startsWith(folder)) << store.fileName().toStdString();
}

TEST_F(OwnerSettings, NothingIsCachedBetweenReads)
{
    EXPECT_EQ(owner::title(), QStringLiteral("ORMENA DATA"));
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("TARU"), QStringLiteral("Info"));
        store.setValue(QStringLiteral("Options/Title"), QStringLiteral("ΝΕΟΣ"));
    }
    EXPECT_EQ(owner::title(), QStringLiteral("ΝΕΟΣ"));
}
