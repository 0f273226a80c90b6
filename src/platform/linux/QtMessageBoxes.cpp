#include "platform/linux/QtMessageBoxes.h"

#include <QMessageBox>

namespace {

// Texts name fonts and files as they come: shown as rich text, a name could
// make the box load a file or grow without bound. The format is set before
// the text, which the label would otherwise lay out at once.
QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text,
                                QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(icon, caption, QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

}  // namespace

void QtMessageBoxes::error(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

void QtMessageBoxes::dialogError(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Warning, QStringLiteral("Error"), text);
}

void QtMessageBoxes::information(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text)
{
    return ask(parent, QMessageBox::Question, QStringLiteral("Confirm"), text,
               QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
