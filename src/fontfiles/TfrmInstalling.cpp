#include "fontfiles/TfrmInstalling.h"

#include "fontfiles/InstallState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// A centred caption line, at least as high as its font's line.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& design,
                  double scale)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setObjectName(name);
    label->setGeometry(qRound(design.x() * scale), qRound(design.y() * scale),
                       qRound(design.width() * scale),
                       std::max(qRound(design.height() * scale), label->fontMetrics().height()));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TfrmInstalling::TfrmInstalling(InstallState& state, QWidget* parent, double scale)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinMaxButtonsHint)
    , state_(state)
{
    setObjectName(QStringLiteral("frmInstalling"));
    setWindowTitle(QStringLiteral("Installing Fonts"));
    setModal(false);
    if (parent)
        setFont(parent->font());
    const auto px = [scale](int designPixels) { return qRound(designPixels * scale); };

    lblSelected = makeLabel(this, QStringLiteral("lblSelected"), QStringLiteral("Fonts Selected:"),
                            QRect(6, 13, 277, 16), scale);
    lblInstalled = makeLabel(this, QStringLiteral("lblInstalled"), QStringLiteral("Installed:"),
                             QRect(0, 36, 283, 16), scale);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(px(106), std::max(px(72), lblInstalled->geometry().bottom() + px(8)),
                           px(73), px(26));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmInstalling::cmdCancelClick);
    // The designed 292 x 146 outer size, less a sizeable frame and its caption.
    resize(px(284), cmdCancel->geometry().bottom() + 1 + px(21));
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
