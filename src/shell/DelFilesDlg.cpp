#include "shell/DelFilesDlg.h"

#include "base/AppPaths.h"
#include "data/SystemFile.h"
#include "window/ErrorGuard.h"
#include "window/WindowParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace taru::ui {

namespace {

const QString kConfirmDeletion =
    QStringLiteral("Παρακαλώ , επιβεβαιώστε τη διαγραφή των επιλεγμένων αρχείων για το επιλεγμένο παιχνίδι.");
const QString kCodeCaption = QStringLiteral("ΕΠΙΒΕΒΑΙΩΣΗ ΔΙΑΓΡΑΦΗΣ");
const QString kCodePrompt = QStringLiteral("Δώστε κωδικό διαγραφής βιβλιοθήκης");
const QString kWrongCode = QStringLiteral("Λάθος Κωδικός!");
const QColor kDialogColour(215, 207, 179);

struct KindOfFiles {
    const char *caption;
    const QString &folder;
    const char *extension;
};
const std::array<KindOfFiles, 3> kKinds{{
    {"TARU   Δελτία", kDeltiaFolder, "tru"},
    {"TARU   Όροι", kDeltiaFolder, "dlv"},
    {"TARU  Bιβλιοθήκη", kBiblioFolder, "tbi"},
}};

} // namespace

bool MoveToTrashOrDelete(const QString &path, const std::function<bool(const QString &)> &moveToTrash)
{
    if (moveToTrash(path))
        return true;
    // No trash for this file (none on this desktop or this volume): deleted for good.
    return QFile::remove(path) || !QFileInfo::exists(path);
}

bool MoveToTrashOrDelete(const QString &path)
{
    return MoveToTrashOrDelete(path, [](const QString &file) { return QFile::moveToTrash(file); });
}

TDelFilesDlg::TDelFilesDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("DelFilesDlg"));
    setWindowTitle(QStringLiteral("ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΑ ΓΙΑ ΔΙΑΓΡΑΦΗ"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kDialogColour);
    setPalette(palette);
    resize(560, 380);

    auto *heading = CaptionLabel(this, QStringLiteral("Επιλέξτε αρχεία για διαγραφή"), QRect());
    heading->setObjectName(QStringLiteral("Label1"));

    RadioGroup1 = new QGroupBox(QStringLiteral("ΕΠΙΛΕΞΤΕ ΑΡΧΕΙΑ"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    choice_ = new QButtonGroup(this);
    auto *radios = new QVBoxLayout(RadioGroup1);
    for (int i = 0; i < int(kKinds.size()); ++i) {
        auto *button = new QRadioButton(QString::fromUtf8(kKinds[std::size_t(i)].caption), RadioGroup1);
        button->setObjectName(QStringLiteral("RadioButton%1").arg(i));
        choice_->addButton(button, i);
        radios->addWidget(button);
        RadioButtons[std::size_t(i)] = button;
    }
    radios->addStretch();
    RadioButtons[0]->setChecked(true);

    ChkLstFiles = new QListWidget(this);
    ChkLstFiles->setObjectName(QStringLiteral("ChkLstFiles"));
    ChkAll = new QCheckBox(QStringLiteral("Επιλογή όλων"), this);
    ChkAll->setObjectName(QStringLiteral("ChkAll"));

    BitBtn1 = new QPushButton(QStringLiteral("&ΔΙΑΓΡΑΦΗ"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&ΑΚΥΡΟ"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setAutoDefault(false);
    for (QPushButton *b : {BitBtn1, BitBtn2})
        b->setMinimumWidth(120);

    connectGuarded(choice_, &QButtonGroup::idClicked, this, context_.prompts, [this] { RadioGroup1Click(); });
    connectGuarded(ChkAll, &QCheckBox::clicked, this, context_.prompts, [this] { ChkAllClick(); });
    connectGuarded(BitBtn1, &QPushButton::clicked, this, context_.prompts, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto *middle = new QHBoxLayout;
    middle->addWidget(RadioGroup1);
    middle->addWidget(ChkLstFiles, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ChkAll);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(heading);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
}

void TDelFilesDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

void TDelFilesDlg::FormShow()
{
    FillFileList();
}

int TDelFilesDlg::kind() const
{
    return std::max(choice_->checkedId(), 0);
}

void TDelFilesDlg::setKind(int kind)
{
    RadioButtons.at(std::size_t(kind))->setChecked(true);
    RadioGroup1Click();
}

void TDelFilesDlg::RadioGroup1Click()
{
    FillFileList();
}

void TDelFilesDlg::FillFileList()
{
    const KindOfFiles &k = kKinds.at(std::size_t(kind()));
    folder_ = context_.paths.existingFolder(k.folder);
    ChkLstFiles->clear();
    ChkAll->setChecked(false);
    for (const QString &name : data::ListFiles(folder_, QString::fromLatin1(k.extension))) {
        auto *item = new QListWidgetItem(name, ChkLstFiles);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void TDelFilesDlg::ChkAllClick()
{
    const Qt::CheckState state = ChkAll->isChecked() ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < ChkLstFiles->count(); ++i)
        ChkLstFiles->item(i)->setCheckState(state);
}

QStringList TDelFilesDlg::listedNames() const
{
    QStringList names;
    for (int i = 0; i < ChkLstFiles->count(); ++i)
        names << ChkLstFiles->item(i)->text();
    return names;
}

QStringList TDelFilesDlg::checkedNames() const
{
    QStringList names;
    for (int i = 0; i < ChkLstFiles->count(); ++i) {
        if (ChkLstFiles->item(i)->checkState() == Qt::Checked)
            names << ChkLstFiles->item(i)->text();
    }
    return names;
}

void TDelFilesDlg::BitBtn1Click()
{
    if (!context_.prompts.confirm(this, kConfirmDeletion, kCaptionConfirmUpper))
        return;
    if (kind() == Library) {
        const std::optional<QString> code = context_.prompts.input(this, kCodeCaption, kCodePrompt, QString());
        if (!code)
            return;
        if (code->toUpper() != kLibraryDeletionCode) {
            context_.prompts.message(this, kWrongCode, kCaptionProgram, Icon::Warning);
            return;
        }
    }
    // A file that cannot be removed stays, and the refreshed list shows it again.
    if (!folder_.isEmpty()) {
        for (const QString &name : checkedNames())
            removeFile(QDir(folder_).filePath(name));
    }
    FillFileList();
}

} // namespace taru::ui
