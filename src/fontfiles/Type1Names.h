#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The names of a Type 1 font (.pfb, the segmented binary form, or .pfa, the
// text form), read from the clear text before its encrypted part, and the
// metrics files (.afm, .pfm) that go with it.
struct Type1Names {
    QString familyName;
    QString fullName;

    // Whether the file begins as a Type 1 font does, in either form.
    static bool isType1(QByteArrayView head);
    // The clear text of the font: a .pfb's first segment, a .pfa up to its
    // encrypted part; at most maxText bytes of it. Empty when a .pfb's
    // segment headers lie about what the file holds.
    static QByteArray clearText(QByteArrayView file, qsizetype maxText = 64 * 1024);
    // FamilyName and FullName of the font's FontInfo; both empty when the
    // file is no Type 1 font or its names cannot be read.
    static Type1Names read(QByteArrayView file);
    // The metrics files beside the font, the same name with .afm or .pfm in
    // any case; they are installed with it.
    static QStringList companions(const QString& path);
};
