#include "fontfiles/TfrmInstalling.h"

#include "fontfiles/InstallState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                  int width)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(left, top, width, 16);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(15);
    label->setFont(font);
    return label;
}

}  // namespace

TfrmInstalling::TfrmInstalling(InstallState& state, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinMaxButtonsHint)
    , state_(state)
{
    setObjectName(QStringLiteral("frmInstalling"));
    setWindowTitle(QStringLiteral("Installing Fonts"));
    setModal(false);
    // The designed 292 x 146 outer size, less a sizeable frame and its caption.
    resize(284, 119);

    lblSelected =
        makeLabel(this, QStringLiteral("lblSelected"), QStringLiteral("Fonts Selected:"), 6, 13, 277);
    lblInstalled =
        makeLabel(this, QStringLiteral("lblInstalled"), QStringLiteral("Installed:"), 0, 36, 283);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(106, 72, 73, 26);
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmInstalling::cmdCancelClick);
}

void TfrmInstalling::setSelectedCaption(const QString& text) { lblSelected->setText(text); }

void TfrmInstalling::setInstalledCaption(const QString& text) { lblInstalled->setText(text); }

void TfrmInstalling::showProgress()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    show();
}

void TfrmInstalling::hideProgress() { hide(); }

void TfrmInstalling::cmdCancelClick() { state_.InstallCancelled = true; }
