#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

// The character that a byte of the Windows-1252 code page stands for: codes
// 128 to 159 by that code page's table, every other code as Latin-1.
QChar ansiChar(unsigned char code);

// Windows-1252 text, byte by byte.
QString ansiString(QByteArrayView bytes);

// The character a font shows for a byte: a symbol font keeps its glyphs at
// U+F000 + code, any other font reads the byte as Windows-1252.
QChar fontChar(unsigned char code, bool symbolFont);
