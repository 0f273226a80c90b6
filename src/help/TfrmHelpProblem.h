#pragma once

#include <QDialog>

class ApplicationHelp;
class MessageBoxes;
class QLabel;
class QPushButton;
class Shell;

// Tells the user what to do when help does not open, with a button that opens
// the page where the help library can be had. Modal; freed when closed.
class TfrmHelpProblem : public QDialog {
    Q_OBJECT
public:
    // Laid out at scale times the design's pixels, as the main window lays
    // out its pages.
    TfrmHelpProblem(ApplicationHelp& help, Shell& shell, MessageBoxes& messages, QWidget* owner,
                    double scale = 1);

    static const QUrl HelpFixPage;
    // What keeps the help from opening: the library, the help file (named
    // with its path), or both; empty when both are there.
    static QString missing(ApplicationHelp& help);

    QLabel* Label1;
    QPushButton* cmdGetFix;
    QPushButton* cmdClose;

private:
    void cmdCloseClick();
    void cmdGetFixClick();

    Shell& shell_;
    MessageBoxes& messages_;
};
