#include "platform/linux/OutlinedText.h"

#include "platform/RegularFile.h"
#include "platform/linux/FontInstancer.h"

#include <QFile>
#include <QTransform>

#include <hb-ot.h>

#include <cmath>
#include <vector>

namespace {

struct Pen {
    QPainterPath* path;
    float x;
    float y;
};

// Font units with y up, drawn at the pen's place with y down.
QPointF at(const Pen* pen, float x, float y) { return {pen->x + x, pen->y - y}; }

hb_draw_funcs_t* drawFuncs()
{
    static hb_draw_funcs_t* const funcs = [] {
        hb_draw_funcs_t* f = hb_draw_funcs_create();
        hb_draw_funcs_set_move_to_func(
            f,
            [](hb_draw_funcs_t*, void* data, hb_draw_state_t*, float x, float y, void*) {
                const auto* pen = static_cast<Pen*>(data);
                pen->path->moveTo(at(pen, x, y));
            },
            nullptr, nullptr);
        hb_draw_funcs_set_line_to_func(
            f,
            [](hb_draw_funcs_t*, void* data, hb_draw_state_t*, float x, float y, void*) {
                const auto* pen = static_cast<Pen*>(data);
                pen->path->lineTo(at(pen, x, y));
            },
            nullptr, nullptr);
        hb_draw_funcs_set_quadratic_to_func(
            f,
            [](hb_draw_funcs_t*, void* data, hb_draw_state_t*, float cx, float cy, float x, float y,
               void*) {
                const auto* pen = static_cast<Pen*>(data);
                pen->path->quadTo(at(pen, cx, cy), at(pen, x, y));
            },
            nullptr, nullptr);
        hb_draw_funcs_set_cubic_to_func(
            f,
            [](hb_draw_funcs_t*, void* data, hb_draw_state_t*, float c1x, float c1y, float c2x,
               float c2y, float x, float y, void*) {
                const auto* pen = static_cast<Pen*>(data);
                pen->path->cubicTo(at(pen, c1x, c1y), at(pen, c2x, c2y), at(pen, x, y));
            },
            nullptr, nullptr);
        hb_draw_funcs_set_close_path_func(
            f,
            [](hb_draw_funcs_t*, void* data, hb_draw_state_t*, void*) {
                static_cast<Pen*>(data)->path->closeSubpath();
            },
            nullptr, nullptr);
        hb_draw_funcs_make_immutable(f);
        return f;
    }();
    return funcs;
}

template <typename Key, typename Value>
void keepRecent(QHash<Key, Value>& items, QList<Key>& recent, const Key& key, int kept)
{
    recent.removeOne(key);
    recent.append(key);
    while (recent.size() > kept)
        items.remove(recent.takeFirst());
}

}  // namespace

struct OutlinedText::FaceData {
    hb_blob_t* blob = nullptr;
    hb_face_t* face = nullptr;
    // As the instancer: every view and the paper draw the same position, so
    // a face that cannot be instanced is drawn at its default here too.
    bool instanceable = true;
    ~FaceData()
    {
        hb_face_destroy(face);
        hb_blob_destroy(blob);
    }
};

// A face at one position: its font and the glyphs drawn so far, in font units.
struct OutlinedText::Positioned {
    hb_font_t* font = nullptr;
    hb_font_extents_t extents{};
    QHash<hb_codepoint_t, QPainterPath> glyphs;
    ~Positioned() { hb_font_destroy(font); }
};

OutlinedText::~OutlinedText() = default;

OutlinedText::FaceData* OutlinedText::face(const QString& path, int index)
{
    const QString key = path + u'\n' + QString::number(index);
    if (const auto known = faces_.constFind(key); known != faces_.cend()) {
        FaceData* data = known->get();
        keepRecent(faces_, recentFaces_, key, kept_);
        return data;
    }
    // Mapped, not read; never a pipe or a device in a regular file's place.
    const QByteArray name = QFile::encodeName(path);
    hb_blob_t* blob = isRegularFile(name) ? hb_blob_create_from_file_or_fail(name.constData()) : nullptr;
    if (!blob)
        return nullptr;
    auto data = std::make_shared<FaceData>();
    data->blob = blob;
    data->face = hb_face_create(blob, unsigned(index) & 0xFFFF);
    hb_blob_t* cff2 = hb_face_reference_table(data->face, HB_TAG('C', 'F', 'F', '2'));
    data->instanceable = hb_blob_get_length(cff2) == 0;
    hb_blob_destroy(cff2);
    faces_.insert(key, data);
    keepRecent(faces_, recentFaces_, key, kept_);
    return data.get();
}

std::optional<FontService::OutlinedLine> OutlinedText::line(const QString& path, int index,
                                                             const QMap<QString, double>& axes,
                                                             const QString& text, qreal pixelSize)
{
    if (axes.isEmpty())
        return std::nullopt;
    FaceData* faceData = face(path, index);
    if (!faceData)
        return std::nullopt;
    const AxisPositions positions = axisPositions(faceData->face, index, axes);
    if (!positions.moved || !faceData->instanceable)
        return std::nullopt;

    QString key = path + u'\n' + QString::number(index);
    for (const float c : positions.coordinates)
        key += u' ' + QString::number(double(c));
    std::shared_ptr<Positioned> at = positioned_.value(key);
    if (!at) {
        at = std::make_shared<Positioned>();
        at->font = hb_font_create(faceData->face);
        // By tag, as the instancer pins them: a tag a face has twice moves both.
        const QMap<hb_tag_t, float> pins = positions.byTag();
        std::vector<hb_variation_t> variations;
        for (auto pin = pins.cbegin(); pin != pins.cend(); ++pin)
            variations.push_back({pin.key(), pin.value()});
        hb_font_set_variations(at->font, variations.data(), unsigned(variations.size()));
        hb_font_get_h_extents(at->font, &at->extents);
        positioned_.insert(key, at);
    }
    keepRecent(positioned_, recentPositions_, key, kept_);

    hb_buffer_t* buffer = hb_buffer_create();
    hb_buffer_add_utf16(buffer, reinterpret_cast<const uint16_t*>(text.utf16()), int(text.size()), 0,
                        int(text.size()));
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(at->font, buffer, nullptr, 0);
    unsigned int count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* places = hb_buffer_get_glyph_positions(buffer, &count);

    const unsigned int upem = std::max(1u, hb_face_get_upem(faceData->face));
    const qreal scale = pixelSize / upem;
    const QTransform toPixels = QTransform::fromScale(scale, scale);
    FontService::OutlinedLine out;
    float x = 0;
    float y = 0;
    for (unsigned int i = 0; i < count; ++i) {
        auto glyph = at->glyphs.find(infos[i].codepoint);
        if (glyph == at->glyphs.end()) {
            QPainterPath outline;
            outline.setFillRule(Qt::WindingFill);
            Pen pen{&outline, 0, 0};
            hb_font_get_glyph_shape(at->font, infos[i].codepoint, drawFuncs(), &pen);
            glyph = at->glyphs.insert(infos[i].codepoint, outline);
        }
        if (!glyph->isEmpty())
            out.glyphs << toPixels.map(
                glyph->translated(x + float(places[i].x_offset), y - float(places[i].y_offset)));
        x += float(places[i].x_advance);
        y -= float(places[i].y_advance);
    }
    hb_buffer_destroy(buffer);

    // As FreeType sizes a face for Qt: whole pixels, rounded up.
    out.ascent = std::ceil(at->extents.ascender * scale);
    out.advance = x * scale;
    return out;
}
