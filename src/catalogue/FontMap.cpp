#include "catalogue/FontMap.h"

#include "platform/AnsiCodePage.h"
#include "platform/FontService.h"

namespace {
constexpr char16_t SymbolBase = 0xF000;
}

void FontMap::setFamily(const QString& family)
{
    family_ = family;
    // The last face decides, as it does for the size of the panel.
    const QList<FontFace> faces = fonts_.faces(family);
    symbol_ = !faces.isEmpty() && faces.last().charSet == FontFace::CharSet::Symbol;
    bold_ = false;
    italic_ = false;
}

QFont FontMap::font() const
{
    return fonts_.makeFont(family_, bold_, italic_);
}

QChar FontMap::glyph(int code) const
{
    return symbol_ ? QChar(char16_t(SymbolBase + code)) : ansiChar(static_cast<unsigned char>(code));
}

QString FontMap::currentCharacterText(int code)
{
    return QStringLiteral("Current Character:  %1  ").arg(code) + ansiChar(static_cast<unsigned char>(code));
}
