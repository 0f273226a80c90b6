#include "platform/ApplicationHelp.h"

bool ApplicationHelp::HelpCommand(quint16 command, const HelpData& data)
{
    bool callHelp = true;
    bool result = false;
    if (OnHelp)
        result = OnHelp(command, data, callHelp);
    if (!callHelp)
        return result;
    const quint32* number = std::get_if<quint32>(&data);
    return engine.winHelp(nullptr, HelpFile, command, number ? *number : 0);
}
