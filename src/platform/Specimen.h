#pragma once

#include <QMap>
#include <QString>

#include <utility>

// Where a specimen departs from a font's defaults, by OpenType tag: positions
// on variation axes in the font's own units, and feature values (0 off, 1 on,
// above that an alternate). A face without the axis or the feature ignores it.
struct FontVariations {
    QMap<QString, double> axes;
    QMap<QString, quint32> features;

    bool isEmpty() const { return axes.isEmpty() && features.isEmpty(); }
    // "wdth 87.5, wght 650", as headings name the settings.
    QString axesText() const
    {
        QString text;
        for (auto axis = axes.cbegin(); axis != axes.cend(); ++axis)
            text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + axis.key() + u' '
                    + QString::number(axis.value());
        return text;
    }
    bool operator==(const FontVariations&) const = default;
};

// What a specimen is drawn with. The face is a family name, a face's full
// name or the path of a file loaded for this program; bold and italic are the
// style boxes' request, matched against the family's faces.
struct Specimen {
    Specimen() = default;
    Specimen(QString faceName, double points = 0, bool isBold = false, bool isItalic = false,
             FontVariations chosen = {})
        : face(std::move(faceName))
        , pointSize(points)
        , bold(isBold)
        , italic(isItalic)
        , variations(std::move(chosen))
    {
    }

    QString face;
    // For a loaded file's path: which face of a collection; 0 for the first.
    int faceIndex = 0;
    double pointSize = 0;  // 0 where the view sizes the font itself
    bool bold = false;
    bool italic = false;
    FontVariations variations;

    Specimen styled(bool isBold, bool isItalic) const
    {
        Specimen s = *this;
        s.bold = isBold;
        s.italic = isItalic;
        return s;
    }
    Specimen inFace(int index) const
    {
        Specimen s = *this;
        s.faceIndex = index;
        return s;
    }
    Specimen sized(double points) const
    {
        Specimen s = *this;
        s.pointSize = points;
        return s;
    }

    bool operator==(const Specimen&) const = default;
};
