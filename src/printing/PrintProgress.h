#pragma once

#include <QString>

// The progress display of a print job.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;

    virtual void setSelectedCaption(const QString& text) = 0;
    virtual void setPrintedCaption(const QString& text) = 0;
    // Shows the display unless it is already showing.
    virtual void showProgress() = 0;
    virtual void hideProgress() = 0;
    // Ends the run by telling where its file went; the display stays until
    // the user closes it or the next run starts.
    virtual void showSavedFile(const QString& path) = 0;
};
