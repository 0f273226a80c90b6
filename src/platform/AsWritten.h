#pragma once

#include <QString>
#include <QTextDocument>

// A tip takes text that looks like markup as markup, and loads the files its
// images name; a name from a file or a typed term is shown as written.
inline QString asWritten(const QString& text)
{
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
}
