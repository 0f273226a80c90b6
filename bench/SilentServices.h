#pragma once

#include "platform/MessageBoxes.h"
#include "printing/PrintProgress.h"

// A print run timed without a dialog or a box in the way.
class NoProgress : public PrintProgress {
public:
    void setSelectedCaption(const QString&) override {}
    void setPrintedCaption(const QString&) override {}
    void showProgress() override {}
    void hideProgress() override {}
    void showSavedFile(const QString&) override {}
};

class NoMessages : public MessageBoxes {
public:
    void error(QWidget*, const QString&) override {}
    void warning(QWidget*, const QString&) override {}
    void information(QWidget*, const QString&) override {}
    void dialogError(QWidget*, const QString&) override {}
    bool confirm(QWidget*, const QString&) override { return false; }
};
