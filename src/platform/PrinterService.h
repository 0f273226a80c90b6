#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

class Canvas;
class QWidget;

// Raised when a document can't reach the printer or its file; the message
// names the printer or the file.
class PrinterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window's side of a print run while the printer works on its own: a
// file of many large fonts takes seconds to write once its pages are done.
class RunWatch {
public:
    virtual ~RunWatch() = default;
    // The pages are done and the file is being written.
    virtual void writingFile() = 0;
    // Lets the window's pending events run.
    virtual void pump() = 0;
    // Whether the user has cancelled since writingFile.
    virtual bool cancelled() = 0;
};

// The current printer: a list of printers with a current one, documents of one
// page each, the device resolution and a canvas.
class PrinterService {
public:
    virtual ~PrinterService() = default;

    virtual QStringList printers() = 0;
    // -1 when there is no printer at all.
    virtual int currentIndex() = 0;
    // Makes a printer current; selecting one (even the same) forgets the kept
    // typeface list.
    virtual void setCurrentIndex(int index) = 0;
    // The current printer's typeface names in report order, duplicates
    // included; enumerated once and kept until the printer is set again.
    virtual QStringList typefaces() = 0;
    // The platform's print setup dialog, modal; returns whether it was accepted.
    virtual bool printSetupDialog(QWidget* parent) = 0;
    // Why the machine's printers are missing from the list, when a printer
    // service is there and does not answer; empty otherwise.
    virtual QString serviceProblem() { return {}; }

    // A print run is everything one press of Print produces; the PDF printer
    // writes one file per run.
    virtual void beginRun() = 0;
    virtual void endRun() = 0;
    // Watched from here on (nullptr: no longer): while the printer works,
    // the window's events are pumped, and a Cancel heard while the file is
    // written leaves no file. Printers that never make the window wait
    // ignore it.
    virtual void watchRun(RunWatch*) {}
    // The file that the last run wrote into; empty when the run went to a
    // printer or wrote nothing. Printers that write no files keep this.
    virtual QString lastRunFile() const { return {}; }

    // Documents: begin needs none open, end and abort need one open.
    virtual void beginDoc() = 0;
    virtual void endDoc() = 0;
    virtual void abortDoc() = 0;
    virtual bool docOpen() const = 0;

    virtual int dpiX() = 0;
    virtual int dpiY() = 0;
    // Valid while a document is open.
    virtual Canvas& canvas() = 0;
};
