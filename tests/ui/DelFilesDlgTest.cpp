#include "shell/DelFilesDlg.h"

#include "ShellFixture.h"
#include "TestValues.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>

using namespace taru;
using namespace taru::test;
using ui::Button;

namespace {

const QString kConfirm =
    QStringLiteral("Παρακαλώ , επιβεβαιώστε τη διαγραφή των επιλεγμένων αρχείων για το επιλεγμένο παιχνίδι.");
const QString kCodeCaption = QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ ΔΙΑΓΡΑΦΗΣ");
const QString kCodePrompt = QStringLiteral("Δώστε κωδικό διαγραφής βιβλιοθήκης");

// Sets an environment variable for the length of a test.
struct ScopedEnv {
    ScopedEnv(const char *name, const QString &value) : name(name), had(qEnvironmentVariableIsSet(name)), old(qgetenv(name))
    {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() { had ? qputenv(name, old) : qunsetenv(name); }
    const char *name;
    bool had;
    QByteArray old;
};

// The program folder holds "Deltia" (named as on the original installations) and "BIBLIO";
// the desktop's home and trash are inside the test's folder too.
class DelFilesDlg : public ShellTest {
protected:
    DelFilesDlg()
    {
        for (const char *name : {"b.TRU", "a.tru", ".hidden.tru", "c.dlv", "notes.txt"})
            addFile(QStringLiteral("Deltia/") + QString::fromLatin1(name));
        addFile(QStringLiteral("BIBLIO/s1.tbi"));
        addFile(QStringLiteral("BIBLIO/s2.tbi"));
        // The home must exist to be known on the same volume; else the trash is sought elsewhere.
        EXPECT_TRUE(QDir().mkpath(path(QStringLiteral("home/.local/share"))));
    }

    void addFile(const QString &relative) { ASSERT_TRUE(writeAll(path(relative), "x")); }
    QString path(const QString &relative) const { return QDir(data.path()).filePath(relative); }
    bool exists(const QString &relative) const { return QFileInfo::exists(path(relative)); }
    QString trashed(const QString &name) const { return path(QStringLiteral("home/.local/share/Trash/files/") + name); }
    void check(const QString &name)
    {
        const auto found = dlg.ChkLstFiles->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        found.first()->setCheckState(Qt::Checked);
    }
    ScriptedPrompts &confirm(Button answer) { return prompts.expectAsk(kConfirm, "ΕΠΙΒΕΒΑΙΩΣΗ", answer); }

    ScopedEnv home{"HOME", QDir(data.path()).filePath(QStringLiteral("home"))};
    ScopedEnv dataHome{"XDG_DATA_HOME", QDir(data.path()).filePath(QStringLiteral("home/.local/share"))};
    ui::TDelFilesDlg dlg{context};
};

} // namespace

TEST_F(DelFilesDlg, ListsEachKindByNameAndSwitchingClearsTheMarks)
{
    dlg.FormShow();
    EXPECT_EQ(dlg.kind(), ui::TDelFilesDlg::Coupons);
    EXPECT_EQ(dlg.listedNames(), (QStringList{".hidden.tru", "a.tru", "b.TRU"}));
    dlg.ChkAll->click();
    EXPECT_EQ(dlg.checkedNames(), dlg.listedNames());
    dlg.ChkAll->click();
    EXPECT_TRUE(dlg.checkedNames().isEmpty());

    check(QStringLiteral("a.tru"));
    dlg.setKind(ui::TDelFilesDlg::Conditions);
    EXPECT_EQ(dlg.listedNames(), QStringList{"c.dlv"});
    dlg.setKind(ui::TDelFilesDlg::Library);
    EXPECT_EQ(dlg.listedNames(), (QStringList{"s1.tbi", "s2.tbi"}));
    dlg.setKind(ui::TDelFilesDlg::Coupons);
    EXPECT_TRUE(dlg.checkedNames().isEmpty());
}

TEST_F(DelFilesDlg, CheckedCouponFilesGoToTheTrashAfterTheConfirmation)
{
    dlg.FormShow();
    // Nothing checked: nothing deleted, the list read again.
    addFile(QStringLiteral("Deltia/new.tru"));
    confirm(Button::Yes);
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.listedNames(), (QStringList{".hidden.tru", "a.tru", "b.TRU", "new.tru"}));

    check(QStringLiteral("a.tru"));
    check(QStringLiteral("b.TRU"));
    confirm(Button::No);
    dlg.BitBtn1Click();
    EXPECT_EQ(prompts.lastDefault, Button::No);
    EXPECT_TRUE(exists(QStringLiteral("Deltia/a.tru")));

    confirm(Button::Yes);
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.listedNames(), (QStringList{".hidden.tru", "new.tru"}));
    EXPECT_FALSE(exists(QStringLiteral("Deltia/a.tru")));
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("a.tru"))));
    EXPECT_TRUE(QFileInfo::exists(trashed(QStringLiteral("b.TRU"))));
    EXPECT_TRUE(exists(QStringLiteral("Deltia/c.dlv")));
}

TEST_F(DelFilesDlg, LibrarySystemsNeedTheDeletionCodeInAnyLetterCase)
{
    dlg.FormShow();
    dlg.setKind(ui::TDelFilesDlg::Library);
    check(QStringLiteral("s1.tbi"));

    const struct {
        std::optional<QString> answer;
        bool wrong;
    } refused[] = {{QStringLiteral("ERAS"), true}, {QStringLiteral("ERASED"), true}, {QString(), true}, {std::nullopt, false}};
    for (const auto &r : refused) {
        confirm(Button::Yes).expectInput(kCodeCaption, kCodePrompt, r.answer);
        if (r.wrong)
            prompts.expectMessage("Λάθος Κωδικός!", "TARU");
        dlg.BitBtn1Click();
        EXPECT_TRUE(prompts.lastPreset.isEmpty());
        EXPECT_TRUE(exists(QStringLiteral("BIBLIO/s1.tbi")));
    }
    EXPECT_EQ(dlg.checkedNames(), QStringList{"s1.tbi"}); // a refused code keeps the marks

    confirm(Button::Yes).expectInput(kCodeCaption, kCodePrompt, ui::kLibraryDeletionCode.toLower());
    dlg.BitBtn1Click();
    EXPECT_FALSE(exists(QStringLiteral("BIBLIO/s1.tbi")));
    EXPECT_EQ(dlg.listedNames(), QStringList{"s2.tbi"});
}

TEST_F(DelFilesDlg, WithoutATrashFilesAreDeletedAndOnesThatStaySkippedSilently)
{
    // Where there is no trash the file is deleted for good.
    int asked = 0;
    const auto noTrash = [&asked](const QString &) { return ++asked, false; };
    EXPECT_TRUE(ui::MoveToTrashOrDelete(path(QStringLiteral("Deltia/c.dlv")), noTrash));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(exists(QStringLiteral("Deltia/c.dlv")));

    // A file that cannot be removed is passed over without a word and listed again.
    dlg.removeFile = [this](const QString &file) {
        return QFileInfo(file).fileName() != QLatin1String("a.tru") && QFile::remove(file);
    };
    dlg.FormShow();
    dlg.ChkAll->click();
    confirm(Button::Yes);
    dlg.BitBtn1Click();
    EXPECT_EQ(dlg.listedNames(), QStringList{"a.tru"});
}
