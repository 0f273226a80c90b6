#include "catalogue/CharacterCoverage.h"

#include <QRegularExpression>

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

namespace {

constexpr char32_t LastCodePoint = 0x10FFFF;
// Unicode starts and ends every block on a multiple of 16.
constexpr int ChunkBits = 4;
constexpr int Chunks = (LastCodePoint + 1) >> ChunkBits;
// Longer than any Unicode name: such a text names nothing.
constexpr qsizetype LongestName = 128;

struct BlockRange {
    char32_t first = 0;
    char32_t last = 0;
};

// ICU's blocks, looked up once: the block of every 16 code points, and each
// block's range.
struct BlockTable {
    std::vector<qint16> chunkBlock = std::vector<qint16>(Chunks, UBLOCK_NO_BLOCK);
    std::vector<BlockRange> ranges;

    BlockTable()
    {
        ranges.resize(std::size_t(u_getIntPropertyMaxValue(UCHAR_BLOCK)) + 1);
        for (int chunk = 0; chunk < Chunks; ++chunk) {
            const char32_t first = char32_t(chunk) << ChunkBits;
            const UBlockCode block = ublock_getCode(UChar32(first));
            chunkBlock[std::size_t(chunk)] = qint16(block);
            if (block == UBLOCK_NO_BLOCK || std::size_t(block) >= ranges.size())
                continue;
            BlockRange& range = ranges[std::size_t(block)];
            if (range.last == 0)
                range.first = first;
            range.last = first + (1U << ChunkBits) - 1;
        }
    }
};

const BlockTable& blockTable()
{
    static const BlockTable table;
    return table;
}

QString blockName(const UnicodeBlockNames& names, int code, const BlockRange& range)
{
    if (QString unicode = names.name(range.first, range.last); !unicode.isEmpty())
        return unicode;
    const char* name =
        u_getPropertyValueName(UCHAR_BLOCK, code, U_LONG_PROPERTY_NAME);
    return name ? QString::fromLatin1(name).replace(u'_', u' ') : QString::number(code);
}

// A character that a label shows as it is: no line breaks or controls.
bool showable(char32_t code)
{
    const int8_t type = u_charType(UChar32(code));
    return type != U_CONTROL_CHAR && type != U_LINE_SEPARATOR && type != U_PARAGRAPH_SEPARATOR
           && type != U_SURROGATE;
}

struct NameSearch {
    const CharacterCoverage* coverage = nullptr;
    QList<QByteArray> words;
    bool wordStarts = true;  // else anywhere in a word
    bool anyMatch = false;
    bool found = false;
    char32_t code = 0;
};

bool nameHas(QByteArrayView name, const QByteArray& word, bool wordStart)
{
    if (word.size() > name.size())
        return false;
    for (qsizetype at = name.indexOf(word); at >= 0; at = name.indexOf(word, at + 1)) {
        if (!wordStart || at == 0 || name[at - 1] == ' ' || name[at - 1] == '-')
            return true;
    }
    return false;
}

UBool matchName(void* context, UChar32 code, UCharNameChoice, const char* name, int32_t length)
{
    auto& search = *static_cast<NameSearch*>(context);
    const QByteArrayView text(name, length);
    for (const QByteArray& word : std::as_const(search.words)) {
        if (!nameHas(text, word, search.wordStarts))
            return true;
    }
    search.anyMatch = true;
    if (!search.coverage->has(char32_t(code)))
        return true;
    search.found = true;
    search.code = char32_t(code);
    return false;
}

}  // namespace

QString CharacterBlock::title() const
{
    return QStringLiteral("%1 (%2 of %3)").arg(name).arg(characters).arg(size());
}

CharacterCoverage::CharacterCoverage(Pages pages, const UnicodeBlockNames& names)
    : pages_(std::move(pages))
{
    std::sort(pages_.begin(), pages_.end(),
              [](const auto& a, const auto& b) { return a.page < b.page; });
    const BlockTable& table = blockTable();
    std::vector<int> counts(table.ranges.size(), 0);
    for (const FontFileFace::CoveragePage& page : std::as_const(pages_)) {
        if ((page.page << 8) > LastCodePoint)
            break;
        for (std::size_t word = 0; word < page.bits.size(); ++word) {
            for (int half = 0; half < 2; ++half) {
                const quint32 bits = (page.bits[word] >> (16 * half)) & 0xFFFF;
                if (bits == 0)
                    continue;
                const std::size_t chunk = (std::size_t(page.page) << 4) + word * 2 + std::size_t(half);
                const int block = table.chunkBlock[chunk];
                if (block != UBLOCK_NO_BLOCK && std::size_t(block) < counts.size())
                    counts[std::size_t(block)] += std::popcount(bits);
            }
        }
    }
    for (std::size_t block = 0; block < counts.size(); ++block) {
        if (counts[block] == 0)
            continue;
        const BlockRange& range = table.ranges[block];
        blocks_.append({int(block), blockName(names, int(block), range), range.first, range.last,
                        counts[block]});
    }
    std::sort(blocks_.begin(), blocks_.end(),
              [](const CharacterBlock& a, const CharacterBlock& b) { return a.first < b.first; });
}

bool CharacterCoverage::has(char32_t code) const
{
    const char32_t wanted = code >> 8;
    const auto it = std::lower_bound(pages_.cbegin(), pages_.cend(), wanted,
                                     [](const auto& page, char32_t p) { return page.page < p; });
    if (it == pages_.cend() || it->page != wanted)
        return false;
    const unsigned bit = code & 0xFF;
    return (it->bits[bit / 32] >> (bit % 32)) & 1;
}

int CharacterCoverage::blockOf(char32_t code) const
{
    const auto it = std::lower_bound(blocks_.cbegin(), blocks_.cend(), code,
                                     [](const CharacterBlock& b, char32_t c) { return b.last < c; });
    return it != blocks_.cend() && it->first <= code ? int(it - blocks_.cbegin()) : -1;
}

CharacterCoverage::Found CharacterCoverage::find(const QString& text) const
{
    // The map shows blocks: a character outside them can't be shown.
    const auto codeFound = [this](char32_t code) {
        return Found{has(code) && blockOf(code) >= 0 ? Found::Result::Found : Found::Result::NotInFont,
                     code};
    };
    // A blank is a character too: only a text of more than one is trimmed.
    const QList<uint> whole = text.toUcs4();
    if (whole.size() == 1)
        return codeFound(whole.first());
    const QString trimmed = text.trimmed();
    const QList<uint> ucs4 = trimmed.toUcs4();
    if (ucs4.size() == 1)
        return codeFound(ucs4.first());
    if (trimmed.isEmpty() || trimmed.size() > LongestName)
        return {};

    static const QRegularExpression codePoint(QStringLiteral("^(?:[Uu]\\+|0[xX])([0-9A-Fa-f]{1,6})$"));
    if (const QRegularExpressionMatch match = codePoint.match(trimmed); match.hasMatch()) {
        const uint code = match.captured(1).toUInt(nullptr, 16);
        return code <= LastCodePoint ? codeFound(code) : Found{};
    }

    for (QChar c : trimmed) {
        if (c.unicode() > 0x7F)
            return {};  // Unicode names are ASCII
    }
    const QByteArray upper = trimmed.toUpper().toLatin1();
    UErrorCode error = U_ZERO_ERROR;
    const UChar32 named = u_charFromName(U_UNICODE_CHAR_NAME, upper.constData(), &error);
    if (U_SUCCESS(error) && has(char32_t(named)) && blockOf(char32_t(named)) >= 0)
        return {Found::Result::Found, char32_t(named)};

    NameSearch search;
    search.coverage = this;
    for (const QByteArray& word : upper.split(' ')) {
        if (!word.isEmpty())
            search.words << word;
    }
    // "zhe" means ZHE before DZHE: words that start as typed come first.
    for (const bool wordStarts : {true, false}) {
        search.wordStarts = wordStarts;
        error = U_ZERO_ERROR;
        u_enumCharNames(0, UChar32(LastCodePoint + 1), matchName, &search, U_UNICODE_CHAR_NAME,
                        &error);
        if (search.found)
            return {Found::Result::Found, search.code};
    }
    return {search.anyMatch ? Found::Result::NotInFont : Found::Result::NoMatch, 0};
}

QString CharacterCoverage::characterName(char32_t code)
{
    std::array<char, 256> buffer{};
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length =
        u_charName(UChar32(code), U_UNICODE_CHAR_NAME, buffer.data(), int32_t(buffer.size()), &error);
    if (U_SUCCESS(error) && length > 0)
        return QString::fromLatin1(buffer.data(), length);
    switch (u_charType(UChar32(code))) {
    case U_PRIVATE_USE_CHAR:
        return QStringLiteral("<private use>");
    case U_UNASSIGNED:
        return QStringLiteral("<unassigned>");
    default:
        break;
    }
    // Controls and surrogates: "<control-0009>".
    error = U_ZERO_ERROR;
    const int32_t extended =
        u_charName(UChar32(code), U_EXTENDED_CHAR_NAME, buffer.data(), int32_t(buffer.size()), &error);
    return U_SUCCESS(error) && extended > 0 ? QString::fromLatin1(buffer.data(), extended)
                                            : QStringLiteral("<unassigned>");
}

QString CharacterCoverage::codePointText(char32_t code)
{
    return QStringLiteral("U+") + QStringLiteral("%1").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
}

QString CharacterCoverage::currentCharacterText(char32_t code) const
{
    QString text = QStringLiteral("Current Character:  ") + codePointText(code) + QStringLiteral("  ");
    if (!has(code))
        text += QStringLiteral("(not in this font)  ");
    else if (showable(code))
        text += QString::fromUcs4(&code, 1) + QStringLiteral("  ");
    return text + characterName(code);
}
