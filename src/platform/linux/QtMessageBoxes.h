#pragma once

#include "platform/MessageBoxes.h"

class QtMessageBoxes : public MessageBoxes {
public:
    void error(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void dialogError(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
};
