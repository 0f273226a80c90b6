#include "fakes/FakePlatform.h"

FakePlatform::FakePlatform()
    : errors(messages, folder.filePath(QStringLiteral("state/glyphary/glyphary.log")))
    , platform{fonts, printer, screen, settings, ini, shell, messages, help, errors, folder.path() + u'/'}
{
    platform.switches = &switches;
}
