#pragma once

#include "platform/FontService.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>

#include <hb-ot.h>

#include <optional>
#include <vector>

// Where a face of a file stands with the chosen axes moved: its named
// instance's position (the index's upper 16 bits) or its default, with each
// axis a user may move set to the chosen value within its range.
struct AxisPositions {
    std::vector<hb_ot_var_axis_info_t> axes;
    std::vector<float> coordinates;  // design units, one per axis
    std::vector<bool> offered;       // whether a user may move the axis
    bool moved = false;              // whether the choice changed any position

    // One position per tag, that of the axis offered where a tag comes twice.
    QMap<hb_tag_t, float> byTag() const;
};
AxisPositions axisPositions(hb_face_t* face, int index, const QMap<QString, double>& axes);

// Static instances of variable faces at chosen axis positions, made with
// HarfBuzz's instancer and registered with Qt under a family of their own:
// screen and printer then draw one as any other face, and a PDF embeds it.
// The most recently used are kept; older ones are unregistered.
class FontInstancer {
public:
    explicit FontInstancer(int kept = 64) : kept_(kept) {}
    ~FontInstancer();
    FontInstancer(const FontInstancer&) = delete;
    FontInstancer& operator=(const FontInstancer&) = delete;

    // The face at index of the file (a named instance's number in the upper
    // 16 bits) with those of the axes space() offers it has moved, each
    // clamped to its range. Nothing when the face has none of the axes, when
    // they leave it where it is, or when it cannot be instanced here: CFF2
    // outlines, broken tables, an instancer that fails or crashes, a file
    // that is not a regular file. The font is the instance's own face: never
    // emboldened or slanted by Qt.
    std::optional<QFont> instance(const QString& path, int index,
                                  const QMap<QString, double>& axes);

    // The axes and named instances of a face of the file: the first
    // MaxAxesOffered axes whose range is not empty, and the instances at
    // their positions on those, each within its axis's range.
    static VariationSpace space(const QString& path, int index);

    // More axes than any design has: a dialog of sliders stays usable.
    static constexpr qsizetype MaxAxesOffered = 64;

private:
    struct Registered {
        int qtId = -1;
        QFont font;
    };

    int kept_;
    QHash<QString, Registered> registered_;
    QList<QString> recent_;  // keys, most recent last
    QSet<QString> failed_;
    int made_ = 0;
};
