#pragma once

#include <QString>

#include <array>

// One paragraph size of the paragraph sheet: its point size and whether the
// user ticked it for the running job.
struct ParagraphSize {
    bool Checked = false;
    float PointSize = 0;
};

// State of the print job that the sheets, the page layout and the preview
// printout share. It outlives a job: the last job's values stay readable.
struct PrintState {
    // A print job or a preview printout is running; neither starts while it is.
    bool JobRunning = false;
    bool PrintCancelled = false;
    int PrinterDpiX = 0;
    int PrinterDpiY = 0;
    QString StyleSuffix;
    std::array<ParagraphSize, 13> ParagraphSizes{{{false, 7.0F},
                                                  {false, 7.5F},
                                                  {false, 8.0F},
                                                  {false, 8.5F},
                                                  {false, 9.0F},
                                                  {false, 9.5F},
                                                  {false, 10.0F},
                                                  {false, 10.5F},
                                                  {false, 11.0F},
                                                  {false, 11.5F},
                                                  {false, 12.0F},
                                                  {false, 13.0F},
                                                  {false, 14.0F}}};
};
