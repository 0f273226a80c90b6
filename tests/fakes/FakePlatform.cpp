#include "fakes/FakePlatform.h"

FakePlatform::FakePlatform()
    : platform{fonts, printer, screen, settings, ini, shell, messages, folder.path() + u'/'}
{
}
