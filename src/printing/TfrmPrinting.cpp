#include "printing/TfrmPrinting.h"

#include "printing/PrintState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(7, top, 212, 16);
    label->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(15);
    label->setFont(font);
    return label;
}

}  // namespace

TfrmPrinting::TfrmPrinting(PrintState& state, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , state_(state)
{
    setObjectName(QStringLiteral("frmPrinting"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(false);
    setFixedSize(231, 111);

    lblSelected = makeLabel(this, QStringLiteral("lblSelected"), QStringLiteral("Fonts Selected:"), 13);
    lblPrinted = makeLabel(this, QStringLiteral("lblPrinted"), QStringLiteral("Printed:"), 36);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(79, 72, 73, 26);
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmPrinting::cmdCancelClick);
}

void TfrmPrinting::setSelectedCaption(const QString& text)
{
    lblSelected->setText(text);
}

void TfrmPrinting::setPrintedCaption(const QString& text)
{
    lblPrinted->setText(text);
}

void TfrmPrinting::showProgress()
{
    if (isVisible())
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
    show();
}

void TfrmPrinting::hideProgress()
{
    hide();
}

void TfrmPrinting::cmdCancelClick()
{
    state_.PrintCancelled = true;
}
