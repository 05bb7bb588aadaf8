#include "uAbout.h"

#include <QLabel>
#include <QPushButton>

#include "Dialogs.h"
#include "StatusIcons.h"

namespace fq {
namespace {

QLabel* PlacedLabel(QWidget* parent, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Navy, underlined, with a hand cursor; a click runs the slot.
QLabel* LinkLabel(QWidget* parent, const QString& text, int left, int top) {
    QLabel* label = PlacedLabel(parent, QStringLiteral("<a href=\"#\" style=\"color:navy\">%1</a>").arg(text.toHtmlEscaped()), left, top);
    label->setTextFormat(Qt::RichText);
    label->setCursor(Qt::PointingHandCursor);
    label->setToolTip(text);
    return label;
}

}  // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(332, 138);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(StatusIconImage(StatusIconIndex(3, 7), 32)));
    Image1->setGeometry(24, 24, 32, 32);

    Label1 = PlacedLabel(this, QStringLiteral("Fennquill 1.1"), 72, 24);
    QFont product(QStringLiteral("Arial Black"));
    product.setPixelSize(19);
    product.setBold(true);
    Label1->setFont(product);
    Label1->adjustSize();

    Label4 = PlacedLabel(this, QStringLiteral("Mail to: "), 24, 96);
    Label5 = LinkLabel(this, QString::fromLatin1(kSupportAddress), 64, 96);
    Label2 = PlacedLabel(this, QStringLiteral("Web:"), 24, 112);
    Label3 = LinkLabel(this, QString::fromLatin1(kWebAddress), 64, 112);
    connect(Label5, &QLabel::linkActivated, this, &TfrmAbout::Label5Click);
    connect(Label3, &QLabel::linkActivated, this, &TfrmAbout::Label3Click);

    Button1 = new QPushButton(QStringLiteral("Close"), this);
    Button1->setGeometry(248, 96, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmAbout::Label5Click() { CurrentDialogs().OpenInShell(QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress)); }

void TfrmAbout::Label3Click() { CurrentDialogs().OpenInShell(QString::fromLatin1(kWebAddress)); }

}  // namespace fq
