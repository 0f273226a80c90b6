#pragma once

#include "fontfiles/InstallProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;

// The modeless progress dialog of an install run. Hidden, never destroyed,
// between runs; its close box hides it and leaves the run going.
class TfrmInstalling : public QDialog, public InstallProgress {
    Q_OBJECT
public:
    // Cancel sets installCancelled.
    TfrmInstalling(bool& installCancelled, QWidget* parent = nullptr);

    void setSelectedCaption(const QString& text) override;
    void setInstalledCaption(const QString& text) override;
    void showProgress() override;
    void hideProgress() override;

    QLabel* lblSelected;
    QLabel* lblInstalled;
    QPushButton* cmdCancel;

private:
    void cmdCancelClick();

    bool& installCancelled_;
};
