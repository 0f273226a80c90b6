#pragma once

#include <QDialog>

class MessageBoxes;
class QLabel;
class QPushButton;
class Shell;

// Tells the user what to do when help does not open, with a button that opens
// the page where the help library can be had. Modal; freed when closed.
class TfrmHelpProblem : public QDialog {
    Q_OBJECT
public:
    TfrmHelpProblem(Shell& shell, MessageBoxes& messages, QWidget* owner);

    static const QUrl HelpFixPage;

    QLabel* Label1;
    QPushButton* cmdGetFix;
    QPushButton* cmdClose;

private:
    void cmdCloseClick();
    void cmdGetFixClick();

    Shell& shell_;
    MessageBoxes& messages_;
};
