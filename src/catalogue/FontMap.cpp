#include "catalogue/FontMap.h"

#include "platform/AnsiCodePage.h"
#include "platform/FontService.h"

void FontMap::setFamily(const QString& family)
{
    family_ = family;
    symbol_ = fonts_.symbolCharSet(family);
    bold_ = false;
    italic_ = false;
}

QFont FontMap::font() const
{
    return fonts_.makeFont(family_, bold_, italic_);
}

QChar FontMap::glyph(int code) const
{
    return fontChar(static_cast<unsigned char>(code), symbol_);
}

QString FontMap::currentCharacterText(int code)
{
    return QStringLiteral("Current Character:  %1  ").arg(code) + ansiChar(static_cast<unsigned char>(code));
}
