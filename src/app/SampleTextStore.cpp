#include "app/SampleTextStore.h"

#include "app/SampleTexts.h"
#include "platform/IniFiles.h"
#include "platform/MessageBoxes.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <utility>

namespace {

const std::array<QString, 13> LineKeys = {
    QStringLiteral("Def8"),  QStringLiteral("Def9"),  QStringLiteral("Def10"), QStringLiteral("Def11"),
    QStringLiteral("Def12"), QStringLiteral("Def14"), QStringLiteral("Def16"), QStringLiteral("Def18"),
    QStringLiteral("Def24"), QStringLiteral("Def36"), QStringLiteral("Def48"), QStringLiteral("Def60"),
    QStringLiteral("DefSample"),
};
const QString ParagraphKey = QStringLiteral("ParaText");
const QString HeadingFontKey = QStringLiteral("HeadingFont");

const std::array<QString, 13> LineDefaults = {
    QStringLiteral("This is 8-point type - not easy to read!"),
    QStringLiteral("9-point type is about the smallest readable size."),
    QStringLiteral("With 10-point type, we have a normal text size."),
    QStringLiteral("11-point type is usually ideal for body text."),
    QStringLiteral("With some fonts, 12-point type is easier to read."),
    QStringLiteral("14-point type is good for subheadings."),
    QStringLiteral("For larger subheadings, try 16-point type."),
    QStringLiteral("18-point type makes nice small headlines."),
    QStringLiteral("24-point type is for medium headlines."),
    QStringLiteral("36-point is for larger ones."),
    QStringLiteral("48-point almost shouts!"),
    QStringLiteral("60-point is huge!"),
    QStringLiteral("The quick brown fox jumps over the lazy dog."),
};
const QString ParagraphDefault = QStringLiteral(
    "When the first printers set type by hand in the fifteenth century, a shop owned only one or "
    "two typefaces, each cut and cast at great cost, and a single face might serve a printer for "
    "a whole working career. Today designers can choose among many thousands of typefaces, and "
    "new ones appear every week. To bring order to this abundance, typefaces are classified by "
    "their features: serif faces, such as old style, transitional and modern; sans serif faces; "
    "and scripts, decorative faces and symbol fonts.");
const QString HeadingFontDefault = QStringLiteral("Arial");

constexpr QChar Escape = u'\\';

// A pasted line break stays in a line edit, which shows it as a blank; an INI
// value ends at a line break, so the value takes the blank.
QString singleLine(QString text)
{
    return text.replace(u'\n', u' ').replace(u'\r', u' ');
}

}  // namespace

SampleTextStore::SampleTextStore(IniFiles& ini, MessageBoxes& messages, QString iniPath,
                                 const Controls& controls, SampleTexts& texts)
    : ini_(ini),
      messages_(messages),
      iniPath_(std::move(iniPath)),
      controls_(controls),
      texts_(texts),
      paragraphLimit_(controls.paragraph, ParagraphMaxLength)
{
}

bool SampleTextStore::iniFileExists() const { return ini_.fileExists(iniPath_); }

void SampleTextStore::WriteDefaultTexts()
{
    QList<IniEntry> entries;
    for (size_t i = 0; i < LineKeys.size(); ++i)
        entries.append({LineKeys[i], LineDefaults[i]});
    entries.append({ParagraphKey, escapeParagraph(ParagraphDefault)});
    entries.append({HeadingFontKey, HeadingFontDefault});
    ini_.writeStrings(iniPath_, Section, entries);
}

void SampleTextStore::LoadSampleTexts()
{
    QStringList keys(LineKeys.begin(), LineKeys.end());
    keys << ParagraphKey << HeadingFontKey;
    const QStringList values = ini_.readStrings(iniPath_, Section, keys, QString());
    for (size_t i = 0; i < LineKeys.size(); ++i)
        controls_.lines[i]->setText(values[qsizetype(i)]);
    paragraphLimit_.setText(unescapeParagraph(values[keys.size() - 2]));
    texts_.setHeadingFont(values[keys.size() - 1]);
}

void SampleTextStore::ShowDefaultTexts()
{
    for (size_t i = 0; i < LineKeys.size(); ++i)
        controls_.lines[i]->setText(LineDefaults[i]);
    paragraphLimit_.setText(ParagraphDefault);
    texts_.setHeadingFont(HeadingFontDefault);
}

// One replacement of the file: a failed save leaves every text as it was.
void SampleTextStore::SaveSampleTexts()
{
    QList<IniEntry> entries;
    for (size_t i = 0; i < LineKeys.size(); ++i)
        entries.append({LineKeys[i], singleLine(controls_.lines[i]->text())});
    entries.append({ParagraphKey, escapeParagraph(controls_.paragraph->toPlainText())});
    ini_.writeStrings(iniPath_, Section, entries);
}

void SampleTextStore::changeHeadingFont(QWidget* parent, const QString& face)
{
    const QString question = QStringLiteral("The current heading font is ") + texts_.headingFont() +
                             QStringLiteral(".\nChange it to ") + face + u'?';
    if (!messages_.confirm(parent, question))
        return;
    texts_.setHeadingFont(face);
    ini_.writeString(iniPath_, Section, HeadingFontKey, face);
}

QString SampleTextStore::escapeParagraph(const QString& text)
{
    QString value;
    value.reserve(text.size());
    for (const QChar c : text) {
        if (c == Escape)
            value += QStringLiteral("\\\\");
        else if (c == u'\n')
            value += QStringLiteral("\\n");
        else if (c == u'\r')
            value += QStringLiteral("\\r");
        else
            value += c;
    }
    return value;
}

QString SampleTextStore::unescapeParagraph(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
        if (c == Escape && (next == Escape || next == u'n' || next == u'r')) {
            text += next == u'n' ? QChar(u'\n') : next == u'r' ? QChar(u'\r') : Escape;
            ++i;
        } else {
            text += c;  // a lone escape character stays, as in files written elsewhere
        }
    }
    return text;
}
