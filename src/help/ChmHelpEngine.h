#pragma once

#include "platform/HelpEngine.h"

#include <QPointer>

#include <memory>

class ChmHelpFile;
class ChmLibrary;
class QLabel;
class ScreenMetrics;
class Shell;
class THelpViewer;

// HTML Help on this system: the help window and text popups over CHM files
// read by the CHM library. There is no classic engine: its calls fail.
class ChmHelpEngine : public HelpEngine {
public:
    // Archives opened here hold on to the library: it must outlive the engine.
    // The help window is sized for the screen's logical resolution.
    ChmHelpEngine(ChmLibrary& library, Shell& shell, ScreenMetrics& screen);
    ~ChmHelpEngine() override;
    ChmHelpEngine(const ChmHelpEngine&) = delete;
    ChmHelpEngine& operator=(const ChmHelpEngine&) = delete;

    bool loadHtmlHelp() override;
    bool htmlHelp(QWidget* window, const QString& file, HtmlHelpCommand command,
                  const HtmlHelpData& data) override;
    bool winHelp(QWidget* window, const QString& file, quint16 command, quint32 data) override;
    QPoint cursorPos() const override;

    // The open help window, or none.
    THelpViewer* viewer() const;
    QLabel* popup() const;

private:
    std::shared_ptr<const ChmHelpFile> open(const QString& fileName);
    bool showTopic(QWidget* window, const std::shared_ptr<const ChmHelpFile>& file,
                   const QString& topic);
    bool showPopup(QWidget* window, const QString& text, const HelpPopup& popup);

    ChmLibrary& library_;
    Shell& shell_;
    ScreenMetrics& screen_;
    QString fileName_;
    std::shared_ptr<const ChmHelpFile> file_;
    QPointer<THelpViewer> viewer_;
    QPointer<QLabel> popup_;
};
