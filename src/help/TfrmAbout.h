#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Shell;
class URLLabel;

// The about box. Modal; freed when closed.
class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    // Laid out at scale times the design's pixels, as the main window lays
    // out its pages.
    TfrmAbout(Shell& shell, QWidget* owner, double scale = 1);

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label2;
    URLLabel* URLLabel1;
    URLLabel* URLLabel2;
    QPushButton* cmdOK;

private:
    void cmdOKClick();
};
