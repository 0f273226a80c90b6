#pragma once

class QWidget;
class ScreenMetrics;
class SettingsStore;

// A window's left and top edges, kept beside its controls' settings with the
// screen size they were saved on ("Left", "Top", "ScreenRes" under the
// window's name). Where the window system places windows itself, neither
// function does anything.

// Saves the corner of the window's frame in its normal state, even while it
// is minimised or maximised.
void saveWindowPosition(const QWidget& form, SettingsStore& store, ScreenMetrics& screen);

// Puts the window back where it was saved, fitted into the screen: at least
// 20 pixels of it stay on a screen of the same size; on another screen size
// it is moved in whole where it would stick out. With nothing saved it keeps
// its place, moved into the screen.
void restoreWindowPosition(QWidget& form, SettingsStore& store, ScreenMetrics& screen);
