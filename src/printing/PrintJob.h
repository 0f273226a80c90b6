#pragma once

class MessageBoxes;
class PrinterService;
class PrintHost;
class PrintProgress;
class QWidget;
struct PrintState;

// The Print and Print Setup buttons: prints the chosen sheet kinds for the
// selected families, one document per page, and changes the printer.
class PrintJob {
public:
    PrintJob(PrinterService& printer, MessageBoxes& messages, PrintHost& host,
             PrintProgress& progress, PrintState& state, QWidget* dialogParent = nullptr);

    // Runs the whole job before it returns. Refused while a job, a preview
    // printout or the print setup runs: a second run from inside the first
    // one's event pumping would find a document already open.
    void print();
    void printSetup();
    bool busy() const;

private:
    void runKinds();

    PrinterService& printer_;
    MessageBoxes& messages_;
    PrintHost& host_;
    PrintProgress& progress_;
    PrintState& state_;
    QWidget* dialogParent_;
};
