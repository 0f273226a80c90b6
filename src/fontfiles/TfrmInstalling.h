#pragma once

#include "fontfiles/InstallProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;
struct InstallState;

// The modeless progress dialog of an install run. Hidden, never destroyed,
// between runs; its close box hides it and leaves the run going.
class TfrmInstalling : public QDialog, public InstallProgress {
    Q_OBJECT
public:
    // Laid out at scale times the design's pixels, in the parent's font (the
    // main window's), as the main window lays out its pages.
    TfrmInstalling(InstallState& state, QWidget* parent = nullptr, double scale = 1);

    void setSelectedCaption(const QString& text) override;
    void setInstalledCaption(const QString& text) override;
    void showProgress() override;
    void hideProgress() override;

private:
    QLabel* lblSelected;
    QLabel* lblInstalled;
    QPushButton* cmdCancel;

    void cmdCancelClick();

    InstallState& state_;
};
