#include "printing/TfrmPrinting.h"

#include "platform/AsWritten.h"
#include "printing/PrintState.h"

#include <QDir>
#include <QFileInfo>
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

TfrmPrinting::TfrmPrinting(PrintState& state, QWidget* parent, double scale)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , state_(state)
{
    setObjectName(QStringLiteral("frmPrinting"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(false);
    if (parent)
        setFont(parent->font());
    const auto px = [scale](int designPixels) { return qRound(designPixels * scale); };

    lblSelected = makeLabel(this, QStringLiteral("lblSelected"), QStringLiteral("Fonts Selected:"),
                            QRect(7, 13, 212, 16), scale);
    lblPrinted = makeLabel(this, QStringLiteral("lblPrinted"), QStringLiteral("Printed:"),
                           QRect(7, 36, 212, 16), scale);

    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setGeometry(px(79), std::max(px(72), lblPrinted->geometry().bottom() + px(8)),
                           px(73), px(26));
    cmdCancel->setAutoDefault(false);
    connect(cmdCancel, &QPushButton::clicked, this, &TfrmPrinting::cmdCancelClick);
    setFixedSize(px(231), cmdCancel->geometry().bottom() + 1 + px(13));
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
    if (saved_) {
        saved_ = false;
        lblPrinted->setText(QStringLiteral("Printed:"));
        for (QLabel* label : {lblSelected, lblPrinted})
            label->setToolTip(QString());
        cmdCancel->setText(QStringLiteral("&Cancel"));
    }
    showCentred();
}

void TfrmPrinting::showCentred()
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

void TfrmPrinting::showSavedFile(const QString& path)
{
    // The full path rarely fits a line: the name and the folder each get
    // one, cut in the middle if need be, and the whole path shows as a tip.
    const QFileInfo file(path);
    const auto fit = [](QLabel* label, const QString& text) {
        label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
    };
    fit(lblSelected, file.fileName());
    fit(lblPrinted, QStringLiteral("in %1").arg(QDir::toNativeSeparators(file.absolutePath())));
    for (QLabel* label : {lblSelected, lblPrinted})
        label->setToolTip(asWritten(QDir::toNativeSeparators(file.absoluteFilePath())));
    cmdCancel->setText(QStringLiteral("&Close"));
    saved_ = true;
    showCentred();
}

void TfrmPrinting::cmdCancelClick()
{
    if (saved_)
        hide();
    else
        state_.PrintCancelled = true;
}
