#pragma once

#include "platform/UnicodeBlockNames.h"

#include <QString>

// Debian's unicode-data ships it for the Unicode version that ICU implements.
inline const QString UnicodeBlocksPath = QStringLiteral("/usr/share/unicode/Blocks.txt");

// The names in a Unicode Blocks.txt ("0080..00FF; Latin-1 Supplement");
// none when the file is missing or unreadable, lines that are not such an
// entry are passed over.
UnicodeBlockNames readUnicodeBlocks(const QString& path);
