#include "print/ui/InfoDialDlg.h"

#include "window/ErrorGuard.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>

namespace taru::ui {

namespace {

struct Heading {
    const char *text;
    int width;
};
// The second and third headings mix Latin capitals in, as the results table always showed them.
constexpr Heading kHeadings[] = {
    {"ΚΑΤΗΓΟΡΙΕΣ", 65}, {"EΠΙΤYXΙΕΣ", 60}, {"KΛΗΡΩΣΕΙΣ", 60}, {"ΚΕΡΔΗ", 45}, {"ΔΕΛΤΙΑ", 205},
};

// A drawn trophy: the checking results' own icon.
QPixmap resultsIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor gold(232, 176, 36);
    const QColor edge(150, 100, 10);
    p.setPen(QPen(edge, 1.5));
    p.setBrush(gold);
    QPainterPath cup;
    cup.moveTo(12, 6);
    cup.lineTo(36, 6);
    cup.cubicTo(36, 22, 30, 28, 24, 29);
    cup.cubicTo(18, 28, 12, 22, 12, 6);
    p.drawPath(cup);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(5, 8, 10, 11), 90 * 16, 180 * 16);
    p.drawArc(QRectF(33, 8, 10, 11), 270 * 16, 180 * 16);
    p.setBrush(gold);
    p.drawRect(QRectF(21.5, 29, 5, 7));
    p.drawRoundedRect(QRectF(14, 36, 20, 6), 1.5, 1.5);
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(17, 10), QPointF(18, 20));
    return pixmap;
}

} // namespace

TInfoDialDlg::TInfoDialDlg(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , context_(context)
{
    setObjectName(QStringLiteral("InfoDialDlg"));
    setWindowTitle(QStringLiteral("ΑΠΟΤΕΛΕΣΜΑΤΑ ΔΙΑΛΟΓΗΣ"));
    setFixedSize(664, 458);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 12, 48, 48);

    QFont bold = font();
    bold.setBold(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(80, 12, 570, 20);
    Label1->setFont(bold);
    Label2 = new QLabel(QStringLiteral("Νικήτρια :"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(80, 38, 80, 20);
    Label2->setFont(bold);
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(160, 38, 490, 40);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette blue = Label3->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 51, 128));
    Label3->setPalette(blue);

    sgrd = new QTableWidget(0, 5, this);
    sgrd->setObjectName(QStringLiteral("sgrd"));
    // As wide as its columns, centred.
    sgrd->setGeometry(113, 86, 438, 316);
    sgrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgrd->verticalHeader()->hide();
    sgrd->verticalHeader()->setDefaultSectionSize(20);
    sgrd->horizontalHeader()->setDefaultSectionSize(75);
    sgrd->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // Small enough for the narrow headings to show whole in their widths.
    QFont headingFont = sgrd->horizontalHeader()->font();
    headingFont.setPixelSize(9);
    headingFont.setBold(true);
    sgrd->horizontalHeader()->setFont(headingFont);
    sgrd->horizontalHeader()->setStyleSheet(QStringLiteral("QHeaderView::section { padding: 0px 1px; }"));

    BtnOK = new QPushButton(QStringLiteral("&ΟΚ"), this);
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnOK->setGeometry(282, 414, 100, 32);
    BtnOK->setFont(bold);
    connectGuarded(BtnOK, &QPushButton::clicked, this, context_.prompts, [this] { accept(); });
}

void TInfoDialDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    p.setPen(QColor(200, 200, 200));
    p.drawLine(16, 80, 648, 80);
}

void TInfoDialDlg::setCell(int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(column == 4 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    sgrd->setItem(row, column, item);
}

void TInfoDialDlg::PrepareResults(int k)
{
    QStringList headings;
    for (int column = 0; column < 5; ++column) {
        headings << QString::fromUtf8(kHeadings[column].text);
        sgrd->setColumnWidth(column, kHeadings[column].width);
    }
    sgrd->setHorizontalHeaderLabels(headings);
    sgrd->clearContents();
    sgrd->setRowCount(k + 1);
    for (int row = 0; row <= k; ++row) {
        setCell(row, 0, QString::number(k - row));
        setCell(row, 1, QStringLiteral("0"));
        setCell(row, 2, QString());
        setCell(row, 3, QString());
        setCell(row, 4, QString());
    }
    setWindowTitle(CheckCaption(k));
}

void TInfoDialDlg::showResults(const CheckResult &result)
{
    for (int row = 0; row < result.categories.size() && row < sgrd->rowCount(); ++row) {
        const CheckCategory &category = result.categories[row];
        setCell(row, 0, QString::number(category.hits));
        setCell(row, 1, QString::number(category.count));
        // A long list is shown compactly, never as one giant cell.
        setCell(row, 4, category.coupons.text(kListedCoupons));
    }
    Label3->setText(result.winningText);
    Image1->setPixmap(resultsIcon());
    setWindowTitle(result.caption);
}

void TInfoDialDlg::prepareSnapshot()
{
    WinningPlaces winning;
    const int drawn[kWinningSize] = {3, 7, 11, 15, 18, 22, 29, 31, 36, 40, 44, 47, 52, 58, 61, 66, 70, 73, 77, 80};
    for (int i = 0; i < kWinningSize; ++i)
        winning[static_cast<std::size_t>(i)] = QString::number(drawn[i]);
    const std::vector<std::vector<int>> columns{{3, 7, 11, 20, 25}, {1, 2, 4, 5, 6},    {3, 7, 11, 15, 18},
                                                {3, 8, 12, 40, 41}, {22, 29, 31, 5, 9}, {44, 45, 46, 1, 2},
                                                {3, 9, 13, 23, 33}, {70, 73, 77, 79, 2}};
    Label1->clear();
    PrepareResults(5);
    showResults(CheckColumns(columns, 5, winning));
}

} // namespace taru::ui
