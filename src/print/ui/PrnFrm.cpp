#include "print/ui/PrnFrm.h"

#include "base/Errors.h"
#include "base/TextFile.h"
#include "window/ErrorGuard.h"
#include "print/ui/ProgramPrinter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace taru::ui {

namespace {

QLineEdit *edit(QWidget *parent, const char *name, int maxLength)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(maxLength);
    return e;
}

QComboBox *sizeList(QWidget *parent, const char *name)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int size : kProfileCharSizes)
        list->addItem(QString::number(size));
    return list;
}

QLabel *label(QWidget *parent, const QString &text, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    return l;
}

// Distances are shown with the locale's decimal separator, whatever was stored.
QString shownDistance(const QString &stored)
{
    QString text = stored;
    return text.replace(QLatin1Char(','), QLocale().decimalPoint());
}

const QString kSideDistance = QStringLiteral("Απόσταση Δελτίου από το ΠΛΑΙ (σε χιλιοστά)");
const QString kTopDistance = QStringLiteral("Απόσταση Δελτίου από ΑΡΧΗ (σε χιλιοστά)");
const QString kHorizontalPitch = QStringLiteral("Οριζόντια Μετατόπιση (σε χιλιοστά)");
const QString kVerticalPitch = QStringLiteral("Κάθετη Μετατόπιση (σε χιλιοστά)");
const QString kTopWord = QStringLiteral("ΑΡΧΗ");
const QString kSideWord = QStringLiteral("ΠΛΑΙ");

constexpr int kPictureWidth = 300;

} // namespace

TPrnFrm::TPrnFrm(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("PrnFrm"));
    setWindowTitle(kPrnFrmCaption);
    setModal(true);

    Edit1 = edit(this, "Edit1", 100);
    Edit9 = edit(this, "Edit9", 100);
    Edit7 = edit(this, "Edit7", 7);
    Edit8 = edit(this, "Edit8", 7);
    EdtAksiaX = edit(this, "EdtAksiaX", 7);
    EdtAksiaY = edit(this, "EdtAksiaY", 7);
    Edit2 = edit(this, "Edit2", 7);
    Edit3 = edit(this, "Edit3", 7);
    Edit5 = edit(this, "Edit5", 7);
    Edit6 = edit(this, "Edit6", 7);
    Edit4 = edit(this, "Edit4", 1);
    ComboBox1 = sizeList(this, "ComboBox1");
    CmbMXar = sizeList(this, "CmbMXar");
    CmbAXar = sizeList(this, "CmbAXar");
    Chkdefault = new QCheckBox(QStringLiteral("Προεπιλεγμένος εκτυπωτής (default)"), this);
    Chkdefault->setObjectName(QStringLiteral("Chkdefault"));
    ChkBold = new QCheckBox(QStringLiteral("Έντονοι χαρακτήρες"), this);
    ChkBold->setObjectName(QStringLiteral("ChkBold"));

    RadioGroup1 = new QGroupBox(QStringLiteral("Θέση Δελτίου"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1Portrait = new QRadioButton(QStringLiteral("ΟΡΙΖΟΝΤΙΑ 1"), RadioGroup1);
    RadioGroup1Portrait->setObjectName(QStringLiteral("RadioGroup1Item0"));
    RadioGroup1Landscape = new QRadioButton(QStringLiteral("ΚΑΘΕΤΗ 1"), RadioGroup1);
    RadioGroup1Landscape->setObjectName(QStringLiteral("RadioGroup1Item1"));
    auto *radioLayout = new QVBoxLayout(RadioGroup1);
    radioLayout->addWidget(RadioGroup1Portrait);
    radioLayout->addWidget(RadioGroup1Landscape);
    auto *radioButtons = new QButtonGroup(RadioGroup1);
    radioButtons->addButton(RadioGroup1Portrait, 0);
    radioButtons->addButton(RadioGroup1Landscape, 1);
    RadioGroup1Portrait->setChecked(true);

    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    BBtnSave = new QPushButton(QStringLiteral("&ΑΠΟΘΗΚΕΥΣΗ"), this);
    BBtnSave->setObjectName(QStringLiteral("BBtnSave"));
    BBtnBack = new QPushButton(QStringLiteral("&ΕΠΙΣΤΡΟΦΗ"), this);
    BBtnBack->setObjectName(QStringLiteral("BBtnBack"));
    glBBtnhELP = new QPushButton(QStringLiteral("&ΒΟΗΘΕΙΑ"), this);
    glBBtnhELP->setObjectName(QStringLiteral("glBBtnhELP"));
    BtnChoosePrinter = new QPushButton(kChoosePrinterCaption, this);
    BtnChoosePrinter->setObjectName(QStringLiteral("BtnChoosePrinter"));
    LblPrinter = label(this, QString(), "LblPrinter");
    for (QPushButton *button : {BBtnSave, BBtnBack, glBBtnhELP, BtnChoosePrinter})
        button->setAutoDefault(false);

    Image1 = label(this, QString(), "Image1");
    Image1->setFixedWidth(kPictureWidth);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setFrameShape(QFrame::StyledPanel);
    LblEdit2 = label(this, kSideDistance, "LblEdit2");
    LblEdit3 = label(this, kTopDistance, "LblEdit3");
    LblEdit5 = label(this, kHorizontalPitch, "LblEdit5");
    LblEdit6 = label(this, kVerticalPitch, "LblEdit6");
    LblHeadSide = label(this, kSideWord, "LblHeadSide");
    LblHeadTop = label(this, kTopWord, "LblHeadTop");

    // Dialog defaults.
    const PrinterProfile defaults;
    fillControls(defaults, true);

    auto *form = new QGridLayout;
    int row = 0;
    form->addWidget(label(this, QStringLiteral("Αποθηκευμένες ρυθμίσεις")), row, 0);
    form->addWidget(ComboBox2, row++, 1, 1, 3);
    form->addWidget(label(this, QStringLiteral("Όνομα Εκτυπωτή")), row, 0);
    form->addWidget(Edit9, row++, 1, 1, 3);
    form->addWidget(label(this, QStringLiteral("Μήνυμα σε κάθε δελτίο")), row, 0);
    form->addWidget(Edit1, row++, 1, 1, 3);
    // The headers swap words with the slip position: they fill their column so either fits.
    for (QLabel *header : {LblHeadSide, LblHeadTop})
        header->setAlignment(Qt::AlignCenter);
    form->addWidget(LblHeadSide, row, 1);
    form->addWidget(LblHeadTop, row, 2);
    form->addWidget(label(this, QStringLiteral("Μέγεθος")), row++, 3, Qt::AlignHCenter);
    form->addWidget(label(this, QStringLiteral("Θέση Μηνύματος (σε χιλιοστά)")), row, 0);
    form->addWidget(Edit7, row, 1);
    form->addWidget(Edit8, row, 2);
    form->addWidget(CmbMXar, row++, 3);
    form->addWidget(label(this, QStringLiteral("Θέση Αξίας (σε χιλιοστά)")), row, 0);
    form->addWidget(EdtAksiaX, row, 1);
    form->addWidget(EdtAksiaY, row, 2);
    form->addWidget(CmbAXar, row++, 3);
    for (auto [lbl, field] : {std::pair{LblEdit2, Edit2}, std::pair{LblEdit3, Edit3}, std::pair{LblEdit5, Edit5},
                              std::pair{LblEdit6, Edit6}}) {
        form->addWidget(lbl, row, 0);
        form->addWidget(field, row++, 1);
    }
    form->addWidget(label(this, QStringLiteral("Χαρακτήρας Σημείωσης")), row, 0);
    form->addWidget(Edit4, row, 1);
    form->addWidget(ComboBox1, row++, 3);
    form->addWidget(Chkdefault, row, 0);
    form->addWidget(ChkBold, row++, 1, 1, 3);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(RadioGroup1);
    left->addStretch(1);
    auto *top = new QHBoxLayout;
    top->addLayout(left, 1);
    top->addWidget(Image1);
    auto *printerRow = new QHBoxLayout;
    printerRow->addWidget(LblPrinter, 1);
    printerRow->addWidget(BtnChoosePrinter);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(glBBtnhELP);
    buttons->addStretch(1);
    buttons->addWidget(BBtnSave);
    buttons->addWidget(BBtnBack);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(top, 1);
    outer->addLayout(printerRow);
    outer->addLayout(buttons);

    for (QLineEdit *field : distanceFields())
        field->installEventFilter(this);

    Prompts &prompts = context_.prompts;
    connectGuarded(ComboBox2, &QComboBox::activated, this, prompts, [this] { ComboBox2Change(); });
    connectGuarded(radioButtons, &QButtonGroup::idClicked, this, prompts, [this] { RadioGroup1Click(); });
    connectGuarded(BBtnSave, &QPushButton::clicked, this, prompts, [this] { BBtnSaveClick(); });
    connectGuarded(glBBtnhELP, &QPushButton::clicked, this, prompts, [this] { glBBtnhELPClick(); });
    connectGuarded(BtnChoosePrinter, &QPushButton::clicked, this, prompts, [this] { BtnChoosePrinterClick(); });
    connect(BBtnBack, &QPushButton::clicked, this, &QDialog::accept);

    RadioGroup1Click();
}

QList<QLineEdit *> TPrnFrm::distanceFields() const
{
    return {Edit7, Edit8, EdtAksiaX, EdtAksiaY, Edit2, Edit3, Edit5, Edit6};
}

void TPrnFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        runGuarded(context_.prompts, this, [this] { FormShow(); });
}

bool TPrnFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Only typed characters are filtered; moving and deleting keys type nothing.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete && !Edit8KeyPress(key->text().at(0)))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool TPrnFrm::Edit8KeyPress(QChar key) const
{
    if (key == QLatin1Char('\b') || key == QLatin1Char('\t'))
        return true;
    if (key >= QLatin1Char('0') && key <= QLatin1Char('9'))
        return true;
    const QString separator = QLocale().decimalPoint();
    return !separator.isEmpty() && key == separator.at(0);
}

int TPrnFrm::slipPositionIndex() const
{
    if (RadioGroup1Landscape->isChecked())
        return 1;
    return RadioGroup1Portrait->isChecked() ? 0 : -1;
}

void TPrnFrm::setSlipPositionIndex(int index)
{
    if (index == 1) {
        RadioGroup1Landscape->setChecked(true);
    } else if (index == 0) {
        RadioGroup1Portrait->setChecked(true);
    } else {
        // A stored position the dialog does not offer: neither item is chosen.
        for (QRadioButton *button : {RadioGroup1Portrait, RadioGroup1Landscape}) {
            button->group()->setExclusive(false);
            button->setChecked(false);
            button->group()->setExclusive(true);
        }
    }
}

void TPrnFrm::selectSize(QComboBox *list, int size)
{
    const std::optional<int> index = ProfileSizeIndex(size);
    list->setCurrentIndex(index ? *index : -1);
}

void TPrnFrm::fillControls(const PrinterProfile &p, bool currentLayout)
{
    Edit1->setText(p.message);
    Edit9->setText(p.printerName);
    Edit7->setText(shownDistance(p.messageX));
    Edit8->setText(shownDistance(p.messageY));
    Edit2->setText(shownDistance(p.slipLeft));
    Edit3->setText(shownDistance(p.slipTop));
    Edit5->setText(shownDistance(p.pitchX));
    Edit6->setText(shownDistance(p.pitchY));
    Edit4->setText(p.markChar);
    selectSize(ComboBox1, p.markSize);
    Chkdefault->setChecked(p.isDefault);
    ChkBold->setChecked(p.bold);
    if (!currentLayout)
        return; // the old layout has no value line, text sizes or slip position
    EdtAksiaX->setText(shownDistance(p.valueX));
    EdtAksiaY->setText(shownDistance(p.valueY));
    selectSize(CmbMXar, p.messageSize);
    selectSize(CmbAXar, p.valueSize);
    storedSlipPosition_ = p.slipPosition;
    setSlipPositionIndex(p.slipPosition <= 1 ? p.slipPosition : -1);
    RadioGroup1Click();
}

PrinterProfile TPrnFrm::profileFromControls() const
{
    PrinterProfile p;
    p.message = Edit1->text();
    p.printerName = Edit9->text();
    p.messageX = Edit7->text();
    p.messageY = Edit8->text();
    p.valueX = EdtAksiaX->text();
    p.valueY = EdtAksiaY->text();
    p.slipLeft = Edit2->text();
    p.slipTop = Edit3->text();
    p.pitchX = Edit5->text();
    p.pitchY = Edit6->text();
    p.markChar = Edit4->text();
    p.markSize = toInt(ComboBox1->currentText());
    p.messageSize = toInt(CmbMXar->currentText());
    p.valueSize = toInt(CmbAXar->currentText());
    p.isDefault = Chkdefault->isChecked();
    p.bold = ChkBold->isChecked();
    // A stored position the dialog does not offer stays as it was until an item is chosen.
    const int index = slipPositionIndex();
    p.slipPosition = index < 0 ? storedSlipPosition_ : static_cast<std::uint8_t>(index == 1 ? kSlipLandscape : kSlipPortrait);
    return p;
}

void TPrnFrm::BtnChoosePrinterClick()
{
    ChoosePrinter(context_, this, ProgramPrinter());
    LblPrinter->setText(PrinterText(ProgramPrinter()));
}

void TPrnFrm::FormShow()
{
    LblPrinter->setText(PrinterText(ProgramPrinter()));
    for (QComboBox *list : {ComboBox1, CmbMXar, CmbAXar})
        selectSize(list, 7);
    ComboBox2->clear();
    const QString folder = context_.paths.folder(kPrintersFolder);
    const bool hasDefault = !AppPaths::findEntry(folder, kDefaultProfileFile, false).isEmpty();
    if (hasDefault)
        ComboBox2->addItem(kDefaultProfileEntry);
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &info : files) {
        if (info.suffix().compare(kProfileExtension, Qt::CaseInsensitive) != 0)
            continue;
        const std::optional<QByteArray> bytes = ReadProfileBytes(info.absoluteFilePath());
        if (!bytes)
            continue;
        const std::optional<PrinterProfile> profile = ParseProfile(*bytes);
        if (!profile)
            continue; // cannot be read whole
        const QString name = profile->printerName.trimmed();
        // A nameless profile could not be chosen back by its name.
        if (name.isEmpty() || ComboBox2->findText(name) >= 0)
            continue;
        ComboBox2->addItem(name);
    }
    if (hasDefault) {
        ComboBox2->setCurrentIndex(0);
        ComboBox2Change();
    } else {
        ComboBox2->setCurrentIndex(-1);
    }
}

void TPrnFrm::ComboBox2Change()
{
    const QString entry = ComboBox2->currentText();
    if (entry.isEmpty())
        return;
    const QString folder = context_.paths.folder(kPrintersFolder);
    const QString path = AppPaths::findEntry(folder, entry + QLatin1Char('.') + kProfileExtension, false);
    if (path.isEmpty())
        return;
    const QByteArray bytes = ReadProfileBytes(path).value_or(QByteArray());
    if (const std::optional<PrinterProfile> profile = ParseProfile(bytes)) {
        fillControls(*profile, true);
        return;
    }
    PrinterProfile old;
    if (ParseOldProfile(bytes, old)) {
        fillControls(old, false);
        return;
    }
    context_.prompts.error(this, kProfileDamaged);
}

void TPrnFrm::RadioGroup1Click()
{
    const bool landscape = slipPositionIndex() == 1;
    const QString picture = context_.paths.shippedFile(kImagesFolder, landscape ? kLandscapePicture : kPortraitPicture);
    QPixmap pixmap;
    if (!picture.isEmpty() && pixmap.load(picture))
        Image1->setPixmap(pixmap.scaledToWidth(kPictureWidth - 4, Qt::SmoothTransformation));
    else
        Image1->clear();
    // The stored fields keep their meaning; only the words follow the way the slip lies.
    LblEdit2->setText(landscape ? kTopDistance : kSideDistance);
    LblEdit3->setText(landscape ? kSideDistance : kTopDistance);
    LblEdit5->setText(landscape ? kVerticalPitch : kHorizontalPitch);
    LblEdit6->setText(landscape ? kHorizontalPitch : kVerticalPitch);
    LblHeadTop->setText(landscape ? kSideWord : kTopWord);
    LblHeadSide->setText(landscape ? kTopWord : kSideWord);
}

void TPrnFrm::BBtnSaveClick()
{
    const QString folder = context_.paths.folder(kPrintersFolder);
    if (context_.prompts.ask(this, kConfirmProfileSave, kCaptionConfirmUpper, {Button::Ok, Button::Cancel}, Button::Ok,
                             Icon::Question) != Button::Ok)
        return;
    ProfileSave saved = ProfileSave::Saved;
    try {
        saved = SaveProfile(folder, profileFromControls());
    } catch (const std::exception &) {
        context_.prompts.error(this, kProfileSaveFailed);
        return;
    }
    if (saved == ProfileSave::NoName) {
        context_.prompts.error(this, kProfileNeedsName);
        Edit9->setFocus();
        return;
    }
    context_.prompts.info(this, kProfileSaved);
}

void TPrnFrm::glBBtnhELPClick()
{
    context_.help(kPrnFrmHelpTopic);
}

} // namespace taru::ui
