#pragma once

#include "platform/FontService.h"
#include "platform/UnicodeBlockNames.h"

#include <QList>
#include <QString>

// A Unicode block as ICU defines it, with the characters a family has in it.
struct CharacterBlock {
    int code = 0;  // ICU's block code
    QString name;
    char32_t first = 0;
    char32_t last = 0;
    int characters = 0;

    int size() const { return int(last - first) + 1; }
    // "Cyrillic (256 of 256)"
    QString title() const;

    bool operator==(const CharacterBlock&) const = default;
};

// The characters of one family, read from its character set and sorted into
// Unicode blocks; character names and name search come from ICU, block
// names from Unicode's own list, or ICU's aliases for a block it lacks.
class CharacterCoverage {
public:
    using Pages = QList<FontFileFace::CoveragePage>;

    CharacterCoverage() = default;
    CharacterCoverage(Pages pages, const UnicodeBlockNames& names);

    bool has(char32_t code) const;
    // Blocks with at least one character, in code point order.
    const QList<CharacterBlock>& blocks() const { return blocks_; }
    // The index in blocks() of the block that holds code, or -1.
    int blockOf(char32_t code) const;

    struct Found {
        enum class Result { Found, NotInFont, NoMatch };
        Result result = Result::NoMatch;
        char32_t code = 0;
    };
    // A character by itself, "U+0416" or "0x416", its Unicode name or words
    // of it ("capital zhe"): the first match in code point order that the
    // family has.
    Found find(const QString& text) const;

    // The Unicode name; "<private use>", "<unassigned>" or a control's
    // label where there is none.
    static QString characterName(char32_t code);
    // "Current Character:  U+0416  Ж  CYRILLIC CAPITAL LETTER ZHE".
    QString currentCharacterText(char32_t code) const;
    // "U+0416": four hex digits at least.
    static QString codePointText(char32_t code);

private:
    Pages pages_;
    QList<CharacterBlock> blocks_;
};
