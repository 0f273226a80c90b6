#include "platform/AnsiCodePage.h"

#include <array>

QChar ansiChar(unsigned char code)
{
    // The five codes that Windows-1252 leaves unassigned keep their C1 value.
    static constexpr std::array<char16_t, 32> High = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    if (code >= 0x80 && code < 0xA0)
        return QChar(High[code - 0x80]);
    return QChar(char16_t(code));
}

QString ansiString(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += ansiChar(static_cast<unsigned char>(byte));
    return text;
}

QChar fontChar(unsigned char code, bool symbolFont)
{
    return symbolFont ? QChar(char16_t(0xF000 + code)) : ansiChar(code);
}
