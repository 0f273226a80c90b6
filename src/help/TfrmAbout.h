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
    TfrmAbout(Shell& shell, QWidget* owner);

    QLabel* Label1;
    QLabel* Label4;
    QLabel* Label2;
    URLLabel* URLLabel1;
    URLLabel* URLLabel2;
    QPushButton* cmdOK;

private:
    void cmdOKClick();
};
