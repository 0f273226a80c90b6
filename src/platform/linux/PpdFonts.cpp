#include "platform/linux/PpdFonts.h"

#include <QList>
#include <QRegularExpression>

namespace {

QString familyOf(const QString& postScriptName)
{
    static const QRegularExpression styleOnly(QStringLiteral(
        "^(?:Roman|Regular|Normal|Book|Light|Medium|Demi|DemiBold|SemiBold|Extra|Ultra|Bold|"
        "Heavy|Black|Italic|Oblique|Obl|Inclined|Kursiv)+$"));
    const qsizetype dash = postScriptName.lastIndexOf(QLatin1Char('-'));
    if (dash > 0 && styleOnly.match(postScriptName.mid(dash + 1)).hasMatch())
        return postScriptName.left(dash);
    return postScriptName;
}

}  // namespace

QStringList ppdFontFamilies(const QByteArray& ppdText)
{
    QStringList families;
    for (QByteArray line : ppdText.split('\n')) {
        line = line.trimmed();
        // "*Font Name: encoding "(version)" charset status"
        if (!line.startsWith("*Font ") && !line.startsWith("*Font\t"))
            continue;
        const qsizetype colon = line.indexOf(':');
        const QString name = QString::fromLatin1(line.mid(5, colon < 0 ? -1 : colon - 5)).trimmed();
        if (name.isEmpty())
            continue;
        const QString family = familyOf(name);
        if (!families.contains(family))
            families.append(family);
    }
    return families;
}
