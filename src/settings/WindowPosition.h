#pragma once

class QWidget;
class ScreenMetrics;
class SettingsStore;

// A window's left and top edges, kept beside its controls' settings with the
// screen size they were saved on ("Left", "Top", "ScreenRes" under the
// window's name). A sizeable window keeps its size inside the frame in its
// normal state as well ("Width", "Height") and whether it was maximised
// ("State": 0 normal, 1 minimised, 2 maximised). Where the window system
// places windows itself, only the size and state are kept.

// Saves the corner of the window's frame in its normal state, even while it
// is minimised or maximised.
void saveWindowPosition(const QWidget& form, SettingsStore& store, ScreenMetrics& screen);

// Puts the window back where it was saved, fitted into the screen: its top
// edge and three quarters of its width and height stay on a screen of the
// same size; on another screen size it is moved in whole where it would
// stick out. With nothing saved it keeps its place, moved into the screen.
// A saved size is held between the window's least size and the screen's
// work area; a minimised window comes back in its normal state, a maximised
// one maximised.
void restoreWindowPosition(QWidget& form, SettingsStore& store, ScreenMetrics& screen);
