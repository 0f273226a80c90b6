#pragma once

#include <QString>

class QWidget;

// The program's modal message boxes.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    virtual void error(QWidget* parent, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    // The small dialogs' box: caption "Error", warning icon. Services that
    // draw no caption make it a warning.
    virtual void dialogError(QWidget* parent, const QString& text) { warning(parent, text); }
    // Yes / No; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
};
