#pragma once

// State of the install runs that the window and the installing dialog share.
struct InstallState {
    // Set by the dialog's Cancel; the run sees it after the font in hand.
    bool InstallCancelled = false;
    // Set once a run has installed a font; the window tells everyone at close.
    bool FontsInstalled = false;
};
