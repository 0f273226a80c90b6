#pragma once

#include "platform/FontService.h"

#include <QList>
#include <QString>

// What the find box asks of the family list: terms that must all hold. Plain
// words must occur in the name, case and accents aside; "lang:ru", "has:₹" or
// a quoted "text", "type:truetype|opentype|type1" and "style:bold|italic" ask
// the font lists. A term of no such kind, or with a value none of them
// takes, is kept as not understood. "is:off" and "is:on" ask whether a
// family is switched off.
class FontQuery {
public:
    // Characters read from the box: more would only slow every keystroke.
    static constexpr qsizetype MaxLength = 256;

    struct Term {
        enum class Kind { Name, Language, Characters, Outline, Style, Switched, NotUnderstood };
        Kind kind = Kind::NotUnderstood;
        QString typed;   // as the user wrote it
        QString text;    // Name: folded; Language: lower case, territory after '-'
        QList<uint> codePoints;  // Characters: composed, no blanks, each once
        FamilySearch::Outline outline = FamilySearch::Outline::TrueType;
        FamilySearch::Style style = FamilySearch::Style::Bold;
        bool off = false;  // Switched: asks for the switched-off families
    };

    explicit FontQuery(const QString& text = {});

    bool isEmpty() const { return terms_.isEmpty(); }
    // Each term once, in the order written.
    const QList<Term>& terms() const { return terms_; }

    // The form names and words are compared in: case folded, accents and
    // compatibility forms taken apart and the accents dropped.
    static QString fold(const QString& text);

private:
    void add(Term term);

    QList<Term> terms_;
};
