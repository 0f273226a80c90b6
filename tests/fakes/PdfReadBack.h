#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

// A PDF file read back with the poppler tools, as a user's viewer would see it,
// and with qpdf for what its pages are drawn with.
struct PdfReadBack {
    struct Word {
        int page;       // from 0
        QRectF box;     // in points from the page's top-left corner
        QString text;
    };

    explicit PdfReadBack(const QString& path);

    int pages = 0;
    QString title;
    QString creator;
    QList<Word> words;
    struct Font {
        QString name;
        QString type;
        bool embedded;
    };
    QList<Font> fonts;
    // Each page's content streams, decoded and joined.
    QList<QByteArray> contents;

    // The first word equal to text, or nullptr.
    const Word* find(const QString& text, int page = -1) const;
};
