#pragma once

#include "printing/PrintProgress.h"

#include <QDialog>

class QLabel;
class QPushButton;
struct PrintState;

// The modeless progress dialog of a print job. It is hidden, never destroyed,
// between jobs; its close box hides it and leaves the job running. A job that
// wrote a file leaves it open, telling where the file went, until closed.
class TfrmPrinting : public QDialog, public PrintProgress {
    Q_OBJECT
public:
    // Laid out at scale times the design's pixels, in the parent's font (the
    // main window's), as the main window lays out its pages.
    TfrmPrinting(PrintState& state, QWidget* parent = nullptr, double scale = 1);

    void setSelectedCaption(const QString& text) override;
    void setPrintedCaption(const QString& text) override;
    void showProgress() override;
    void hideProgress() override;
    void showSavedFile(const QString& path) override;

private:
    QLabel* lblSelected;
    QLabel* lblPrinted;
    QPushButton* cmdCancel;

    void cmdCancelClick();
    void showCentred();

    PrintState& state_;
    bool saved_ = false;  // the job is over; Cancel has become Close
};
