#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QPointer>

#include <span>
#include <vector>

class ErrorReporter;
class QWidget;
class ScreenMetrics;
class SettingsStore;

// The settings store of a window: keeps properties of its controls, named
// "control.Property", and the window's place in the per-user settings, under
// the window's name ("frmMain/chkBold/Checked"). Check boxes are kept as
// "True" or "False", spin boxes as whole numbers.
//
// Created once the window's controls exist and their handlers are connected,
// it restores everything at once, and a restored change fires the control's
// handlers as the user's would. It saves once per showing of the window, when
// the window is closed or hidden, whichever comes first; minimising the
// window allows one more save. A save that can't be written is reported
// through the error reporter and the window closes all the same.
class TPFormSettings : public QObject {
    Q_OBJECT
public:
    TPFormSettings(QWidget& form, std::span<const char* const> boundProperties,
                   SettingsStore& store, ScreenMetrics& screen, ErrorReporter& errors);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        QString key;
        QPointer<QObject> control;
        QMetaProperty property;
    };

    void restore();
    void save();
    void saveReportingFailure();

    QWidget& form_;
    SettingsStore& store_;
    ScreenMetrics& screen_;
    ErrorReporter& errors_;
    std::vector<Binding> bindings_;
    bool armed_ = true;
    bool savedMinimised_ = false;
};
