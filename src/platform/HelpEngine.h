#pragma once

#include <QMargins>
#include <QPoint>
#include <QString>

#include <variant>

class QWidget;

// The data of a help request: a number (context, position, tab) or a keyword.
using HelpData = std::variant<quint32, QString>;

// What a text popup shows and where.
struct HelpPopup {
    quint32 context = 0;  // topic number in the popup topic file
    QString text;         // shown instead of a topic when not empty
    QPoint position;      // screen pixels
    int foreground = -1;  // -1: the engine's own colour
    int background = -1;
    QMargins margins{-1, -1, -1, -1};
    QString font;  // "family, points"
};

enum class HtmlHelpCommand {
    DisplayToc = 0x01,
    DisplayIndex = 0x02,
    DisplayTextPopup = 0x0E,
    HelpContext = 0x0F,
    CloseAll = 0x12,
};

using HtmlHelpData = std::variant<std::monostate, quint32, QString, HelpPopup>;

// The help engines: HTML Help over compiled help files, loaded on demand, and
// the classic engine.
class HelpEngine {
public:
    virtual ~HelpEngine() = default;

    // Loads the HTML Help engine unless it is loaded; true when it can serve
    // requests. A failed load is tried again on the next call.
    virtual bool loadHtmlHelp() = 0;
    // The file is a .chm file, for a popup followed by "::/" and the topic
    // file. True when the engine did what was asked.
    virtual bool htmlHelp(QWidget* window, const QString& file, HtmlHelpCommand command,
                          const HtmlHelpData& data) = 0;
    virtual bool winHelp(QWidget* window, const QString& file, quint16 command, quint32 data) = 0;
    // The mouse cursor, in screen pixels.
    virtual QPoint cursorPos() const = 0;
};
