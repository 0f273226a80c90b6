#include "platform/linux/QtMessageBoxes.h"

#include <QMessageBox>

void QtMessageBoxes::error(QWidget* parent, const QString& text)
{
    QMessageBox::critical(parent, QStringLiteral("Error"), text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Warning"), text);
}

void QtMessageBoxes::dialogError(QWidget* parent, const QString& text)
{
    QMessageBox::warning(parent, QStringLiteral("Error"), text);
}

void QtMessageBoxes::information(QWidget* parent, const QString& text)
{
    QMessageBox::information(parent, QStringLiteral("Information"), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, QStringLiteral("Confirm"), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
