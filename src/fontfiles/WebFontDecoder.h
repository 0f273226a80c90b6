#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// WOFF and WOFF2 web fonts turned back into the TrueType or OpenType file they
// wrap, which every font program reads. Both are hostile input: every length
// and offset is checked against the file and against the limits here before
// anything is allocated or copied.
class WebFontDecoder {
public:
    enum class Kind { None, Woff, Woff2 };

    // A web font file larger than this is not read at all.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;
    // Nor is one that would unpack to more than this: the largest CJK fonts
    // come to about a third of it.
    static constexpr qint64 MaxFontSize = 128 * 1024 * 1024;

    // By the file's first four bytes.
    static Kind kind(QByteArrayView head);
    // The sfnt the file wraps; empty when it cannot be decoded, with why
    // saying what is wrong, to follow the file's name: "is a damaged WOFF file".
    static QByteArray decode(QByteArrayView file, QString* why = nullptr);
    // ".otf" for CFF outlines, else ".ttf": the name an installed copy takes.
    static QString plainSuffix(QByteArrayView sfnt);
};
