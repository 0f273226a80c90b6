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
    // Yes / No; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
};
