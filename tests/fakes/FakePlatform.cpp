#include "fakes/FakePlatform.h"

FakePlatform::FakePlatform()
    : platform{fonts, printer, screen, settings, ini, shell, messages, help, folder.path() + u'/'}
{
}
