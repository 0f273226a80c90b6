#include "catalogue/FamilyFilter.h"

#include <algorithm>

FamilyFilter::FamilyFilter(FontService& fonts) : fonts_(fonts) {}

void FamilyFilter::setFamilies(const QStringList& families)
{
    families_ = families;
    folded_.clear();
    search_.reset();
    languages_.reset();
}

const QStringList& FamilyFilter::foldedNames()
{
    if (folded_.isEmpty() && !families_.isEmpty()) {
        folded_.reserve(families_.size());
        for (const QString& name : families_)
            folded_ << FontQuery::fold(name);
    }
    return folded_;
}

const FamilySearch& FamilyFilter::search()
{
    if (!search_)
        search_ = fonts_.search(families_);
    return *search_;
}

bool FamilyFilter::isKnownLanguage(const QString& tag)
{
    if (!languages_)
        languages_ = search().languages();
    // As fontconfig compares tags: a missing territory on either side matches
    // every territory of the other.
    return std::any_of(languages_->begin(), languages_->end(), [&tag](const QString& known) {
        return known == tag || (known.startsWith(tag) && known.at(tag.size()) == u'-')
               || (tag.startsWith(known) && tag.at(known.size()) == u'-');
    });
}

FamilyFilter::Result FamilyFilter::match(const FontQuery& query)
{
    using Kind = FontQuery::Term::Kind;
    Result result;
    result.listed = QBitArray(families_.size(), true);
    for (const FontQuery::Term& term : query.terms()) {
        if (term.kind == Kind::NotUnderstood
            || (term.kind == Kind::Language && !isKnownLanguage(term.text)))
            result.notUnderstood << term.typed;
    }
    if (!result.notUnderstood.isEmpty()) {
        result.listed.fill(false);
        return result;
    }
    // Names first: they are the cheapest test and narrow the most.
    for (const FontQuery::Term& term : query.terms()) {
        if (term.kind != Kind::Name)
            continue;
        const QStringList& names = foldedNames();
        for (qsizetype i = 0; i < names.size(); ++i) {
            if (result.listed.testBit(i) && !names[i].contains(term.text))
                result.listed.clearBit(i);
        }
    }
    for (const FontQuery::Term& term : query.terms()) {
        switch (term.kind) {
        case Kind::Language:
            search().keepWriting(term.text, result.listed);
            break;
        case Kind::Characters:
            search().keepHolding(term.codePoints, result.listed);
            break;
        case Kind::Outline:
            search().keepOutline(term.outline, result.listed);
            break;
        case Kind::Style:
            search().keepStyle(term.style, result.listed);
            break;
        case Kind::Switched:
            for (qsizetype i = 0; i < families_.size(); ++i) {
                if (result.listed.testBit(i) && switchedOff_.contains(families_[i]) != term.off)
                    result.listed.clearBit(i);
            }
            break;
        case Kind::Name:
        case Kind::NotUnderstood:
            break;
        }
    }
    result.count = result.listed.count(true);
    return result;
}
