#include "catalogue/FontMap.h"

#include "platform/AnsiCodePage.h"
#include "platform/FontService.h"

void FontMap::setFamily(const QString& family)
{
    specimen_ = {family, 0, false, false, specimen_.variations};
    symbol_ = fonts_.symbolCharSet(family);
}

QFont FontMap::font() const
{
    return fonts_.makeFont(specimen_);
}

QChar FontMap::glyph(int code) const
{
    return fontChar(static_cast<unsigned char>(code), symbol_);
}

QString FontMap::currentCharacterText(int code)
{
    return QStringLiteral("Current Character:  %1  ").arg(code) + ansiChar(static_cast<unsigned char>(code));
}
