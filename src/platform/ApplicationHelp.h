#pragma once

#include "platform/HelpEngine.h"

#include <QString>

#include <functional>

// The application's help hook: every help request of the program enters
// through HelpCommand, passes the installed handler, and what the handler
// leaves goes to the classic engine with the application's help file.
class ApplicationHelp {
public:
    // Sets callHelp to false when it has dealt with the request.
    using Handler = std::function<bool(quint16 command, const HelpData& data, bool& callHelp)>;

    explicit ApplicationHelp(HelpEngine& engine) : engine(engine) {}

    bool HelpCommand(quint16 command, const HelpData& data);

    HelpEngine& engine;
    QString HelpFile;
    Handler OnHelp;
};

// Request commands.
constexpr quint16 HELP_CONTEXT = 1;
constexpr quint16 HELP_QUIT = 2;
constexpr quint16 HELP_CONTENTS = 3;
constexpr quint16 HELP_CONTEXTPOPUP = 8;
constexpr quint16 HELP_FINDER = 11;
constexpr quint16 HELP_SETPOPUP_POS = 13;
constexpr quint16 HELP_TAB = 15;
constexpr quint16 HELP_KEY = 0x101;
constexpr quint16 HELP_PARTIALKEY = 0x105;
