#pragma once

#include "platform/FontService.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPainterPath>
#include <QString>

#include <memory>
#include <optional>

// Lines of text at any axis positions of a variable face, shaped by HarfBuzz
// and drawn from the outlines it varies: no instance is made, so a view of a
// hundred families can follow a slider. Faces and glyphs are kept for the
// most recently drawn positions.
class OutlinedText {
public:
    explicit OutlinedText(int kept = 256) : kept_(kept) {}
    ~OutlinedText();
    OutlinedText(const OutlinedText&) = delete;
    OutlinedText& operator=(const OutlinedText&) = delete;

    // Nothing when the chosen axes leave the face where it stands, or when
    // the file cannot be read as a font.
    std::optional<FontService::OutlinedLine> line(const QString& path, int index,
                                                   const QMap<QString, double>& axes,
                                                   const QString& text, qreal pixelSize);

private:
    struct FaceData;
    struct Positioned;
    FaceData* face(const QString& path, int index);

    int kept_;
    QHash<QString, std::shared_ptr<FaceData>> faces_;
    QList<QString> recentFaces_;
    QHash<QString, std::shared_ptr<Positioned>> positioned_;
    QList<QString> recentPositions_;
};
