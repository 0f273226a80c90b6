#include "help/TfrmAbout.h"

#include "help/URLLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int ClientWidth = 265;

}  // namespace

TfrmAbout::TfrmAbout(Shell& shell, QWidget* owner, double scale)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(true);
    setWindowTitle(QStringLiteral("About Glyphary"));
    auto px = [scale](int designPixels) { return qRound(designPixels * scale); };
    setFixedSize(px(ClientWidth), px(179));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::cyan);
    setPalette(palette);
    setAutoFillBackground(true);

    // The design's left edges centre its own texts; other fonts differ in
    // width, so each label is centred on the box at its design top.
    auto centre = [&](QLabel* label, const QString& name, int top) {
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->adjustSize();
        label->move((width() - label->width()) / 2, px(top));
    };
    auto boldLabel = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        return label;
    };

    Label1 = boldLabel(QStringLiteral("Glyphary"));
    QFont titleFont = Label1->font();
    titleFont.setPixelSize(px(16));
    Label1->setFont(titleFont);
    QPalette navy = Label1->palette();
    navy.setColor(QPalette::WindowText, Qt::darkBlue);
    Label1->setPalette(navy);
    centre(Label1, QStringLiteral("Label1"), 20);
    Label4 = boldLabel(QStringLiteral("Version 3.7"));
    centre(Label4, QStringLiteral("Label4"), 46);
    Label2 = boldLabel(QStringLiteral("Quorzel Software"));
    centre(Label2, QStringLiteral("Label2"), 66);
    URLLabel1 = new URLLabel(shell, QStringLiteral("www.example.com/glyphary"),
                             QUrl(QStringLiteral("https://www.example.com/glyphary/")), this);
    centre(URLLabel1, QStringLiteral("URLLabel1"), 87);
    URLLabel2 = new URLLabel(shell, QStringLiteral("Email: glyphary@example.com"),
                             QUrl(QStringLiteral("mailto:glyphary@example.com")), this);
    centre(URLLabel2, QStringLiteral("URLLabel2"), 111);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(px(99), px(135), px(66), px(33));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &TfrmAbout::cmdOKClick);

    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TfrmAbout::cmdOKClick() { close(); }
