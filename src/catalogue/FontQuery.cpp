#include "catalogue/FontQuery.h"

#include <QSet>

#include <algorithm>

namespace {

using Term = FontQuery::Term;

bool isBlank(QChar c) { return c.isSpace(); }

// The characters of a has: text as fonts hold them: composed, since that is
// what a font covers for "Ư", and without the blanks between words.
QList<uint> codePointsOf(const QString& text)
{
    QList<uint> out;
    QSet<uint> seen;
    for (uint code : text.normalized(QString::NormalizationForm_C).toUcs4()) {
        if (!QChar::isSpace(code) && !seen.contains(code)) {
            seen.insert(code);
            out << code;
        }
    }
    return out;
}

Term termOf(const QString& typed, const QString& prefix, const QString& value, bool quoted)
{
    Term term;
    term.typed = typed;
    if (prefix.isEmpty() && !quoted) {
        term.kind = Term::Kind::Name;
        term.text = FontQuery::fold(value);
        return term;
    }
    const QString key = prefix.toLower();
    if (key == u"has" || (prefix.isEmpty() && quoted)) {
        term.codePoints = codePointsOf(value);
        if (!term.codePoints.isEmpty())
            term.kind = Term::Kind::Characters;
        return term;
    }
    if (quoted)
        return term;
    const QString lower = value.toLower();
    if (key == u"lang") {
        term.text = QString(lower).replace(u'_', u'-');
        if (!term.text.isEmpty())
            term.kind = Term::Kind::Language;
    } else if (key == u"type") {
        using Outline = FamilySearch::Outline;
        term.kind = Term::Kind::Outline;
        if (lower == u"truetype")
            term.outline = Outline::TrueType;
        else if (lower == u"opentype")
            term.outline = Outline::Cff;
        else if (lower == u"type1")
            term.outline = Outline::Type1;
        else
            term.kind = Term::Kind::NotUnderstood;
    } else if (key == u"is") {
        term.kind = lower == u"off" || lower == u"on" ? Term::Kind::Switched : Term::Kind::NotUnderstood;
        term.off = lower == u"off";
    } else if (key == u"style") {
        term.kind = Term::Kind::Style;
        if (lower == u"bold")
            term.style = FamilySearch::Style::Bold;
        else if (lower == u"italic")
            term.style = FamilySearch::Style::Italic;
        else
            term.kind = Term::Kind::NotUnderstood;
    }
    return term;
}

bool sameTerm(const Term& a, const Term& b)
{
    return a.kind == b.kind && a.text == b.text && a.codePoints == b.codePoints
           && a.outline == b.outline && a.style == b.style && a.off == b.off
           && (a.kind != Term::Kind::NotUnderstood || a.typed == b.typed);
}

}  // namespace

FontQuery::FontQuery(const QString& text)
{
    qsizetype end = std::min(text.size(), MaxLength);
    if (end < text.size() && end > 0 && text[end - 1].isHighSurrogate())
        --end;
    const QStringView input = QStringView(text).left(end);
    qsizetype i = 0;
    while (i < end) {
        if (isBlank(input[i])) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        // A prefix is the letters before a colon; a quote after it, or at
        // the start, runs to the closing quote, blanks and all.
        qsizetype colon = start;
        while (colon < end && input[colon].isLetter())
            ++colon;
        const bool prefixed = colon > start && colon < end && input[colon] == u':';
        const qsizetype valueStart = prefixed ? colon + 1 : start;
        QString value;
        bool quoted = false;
        if (valueStart < end && input[valueStart] == u'"') {
            quoted = true;
            const qsizetype close = input.indexOf(u'"', valueStart + 1);
            i = close < 0 ? end : close + 1;
            value = input.mid(valueStart + 1, (close < 0 ? end : close) - valueStart - 1).toString();
        } else {
            while (i < end && !isBlank(input[i]))
                ++i;
            value = input.mid(valueStart, i - valueStart).toString();
        }
        add(termOf(input.mid(start, i - start).toString(),
                   prefixed ? input.mid(start, colon - start).toString() : QString(), value,
                   quoted));
    }
}

void FontQuery::add(Term term)
{
    if (std::none_of(terms_.begin(), terms_.end(),
                     [&term](const Term& known) { return sameTerm(known, term); }))
        terms_ << std::move(term);
}

QString FontQuery::fold(const QString& text)
{
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return text.toLower();
    QString out = text.normalized(QString::NormalizationForm_KD);
    out.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return out.toCaseFolded();
}
