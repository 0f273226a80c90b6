#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>

// The character that a byte of the Windows-1252 code page stands for: codes
// 128 to 159 by that code page's table, every other code as Latin-1.
QChar ansiChar(unsigned char code);

// Windows-1252 text, byte by byte.
QString ansiString(QByteArrayView bytes);
