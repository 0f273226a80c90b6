#pragma once

#include "platform/HelpEngine.h"

#include <QList>

class QWidget;

// Records every call; the HTML Help engine loads when loadable is set.
class FakeHelpEngine : public HelpEngine {
public:
    struct Call {
        QString engine;  // "html" or "win"
        QWidget* window;
        QString file;
        int command;
        HtmlHelpData data;
    };

    bool loadHtmlHelp() override
    {
        ++loads;
        return loadable;
    }
    bool htmlHelp(QWidget* window, const QString& file, HtmlHelpCommand command,
                  const HtmlHelpData& data) override
    {
        calls.append({QStringLiteral("html"), window, file, int(command), data});
        return succeeds;
    }
    bool winHelp(QWidget* window, const QString& file, quint16 command, quint32 data) override
    {
        calls.append({QStringLiteral("win"), window, file, command, data});
        return succeeds;
    }
    QPoint cursorPos() const override { return cursor; }

    bool loadable = true;
    bool succeeds = true;
    int loads = 0;
    QPoint cursor;
    QList<Call> calls;
};
