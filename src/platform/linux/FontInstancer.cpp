#include "platform/linux/FontInstancer.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QDeadlineTimer>
#include <QFontDatabase>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <hb-ot.h>
#include <hb-subset.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

template <typename T, void (*Destroy)(T*)>
struct Deleter {
    void operator()(T* p) const { Destroy(p); }
};
using Blob = std::unique_ptr<hb_blob_t, Deleter<hb_blob_t, hb_blob_destroy>>;
using Face = std::unique_ptr<hb_face_t, Deleter<hb_face_t, hb_face_destroy>>;
using Input = std::unique_ptr<hb_subset_input_t, Deleter<hb_subset_input_t, hb_subset_input_destroy>>;

constexpr hb_tag_t NameTag = HB_TAG('n', 'a', 'm', 'e');
constexpr hb_tag_t Os2Tag = HB_TAG('O', 'S', '/', '2');
constexpr hb_tag_t HeadTag = HB_TAG('h', 'e', 'a', 'd');
constexpr int InstanceTimeoutMs = 10000;

// The file mapped, not read: a family's file may be tens of megabytes. A file
// swapped for a pipe or a device must not block the window.
Blob mapped(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    if (!isRegularFile(name))
        return Blob();
    return Blob(hb_blob_create_from_file_or_fail(name.constData()));
}

QString tagText(hb_tag_t tag)
{
    char text[4];
    hb_tag_to_string(tag, text);
    return QString::fromLatin1(text, 4);
}

QString nameOf(hb_face_t* face, hb_ot_name_id_t id)
{
    unsigned int length = 0;
    length = hb_ot_name_get_utf16(face, id, HB_LANGUAGE_INVALID, &length, nullptr);
    if (!length)
        return {};
    std::vector<uint16_t> text(length + 1);
    unsigned int size = length + 1;
    hb_ot_name_get_utf16(face, id, HB_LANGUAGE_INVALID, &size, text.data());
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.data()), size);
}

// A naming table of Windows Unicode records: the instance answers to its own
// family alone, so that no request for the installed family reaches it.
QByteArray nameTable(const QList<std::pair<quint16, QString>>& names)
{
    QByteArray records;
    QByteArray strings;
    const auto put16 = [](QByteArray& out, quint16 value) {
        out.append(char(value >> 8));
        out.append(char(value & 0xFF));
    };
    for (const auto& [id, text] : names) {
        QByteArray utf16;
        for (const QChar c : text)
            put16(utf16, c.unicode());
        put16(records, 3);       // Windows
        put16(records, 1);       // Unicode BMP
        put16(records, 0x409);   // English
        put16(records, id);
        put16(records, quint16(utf16.size()));
        put16(records, quint16(strings.size()));
        strings += utf16;
    }
    QByteArray table;
    put16(table, 0);
    put16(table, quint16(names.size()));
    put16(table, quint16(6 + records.size()));
    return table + records + strings;
}

QString postScriptSafe(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() > 32 && c.unicode() < 127 && !QStringLiteral("[](){}<>/%").contains(c))
            out += c;
    }
    return out.left(63);
}

// The axes a user may move: HarfBuzz narrows a range upside down to its
// default alone, a tag may come twice, and a font may count hundreds of axes.
std::vector<bool> offeredAxes(const std::vector<hb_ot_var_axis_info_t>& infos)
{
    std::vector<bool> offered(infos.size(), false);
    QSet<hb_tag_t> tags;
    for (std::size_t i = 0; i < infos.size() && tags.size() < FontInstancer::MaxAxesOffered; ++i) {
        const hb_ot_var_axis_info_t& info = infos[i];
        offered[i] = info.min_value <= info.default_value && info.default_value <= info.max_value
                     && info.min_value < info.max_value && !tags.contains(info.tag);
        if (offered[i])
            tags.insert(info.tag);
    }
    return offered;
}

// The OS/2 weight class of face, 0 without one.
unsigned int weightClass(hb_face_t* face)
{
    const Blob os2(hb_face_reference_table(face, Os2Tag));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(os2.get(), &length);
    return length >= 6 ? unsigned(uchar(data[4]) << 8 | uchar(data[5])) : 0;
}

// The table with the style bits of a face of that weight: HarfBuzz gives an
// instance the weight class of its position but keeps the default's bits, so
// Qt, asking a heavy instance for its own weight and finding no bold bit,
// emboldens it again: a PDF then shows every glyph drawn twice.
Blob restyled(hb_blob_t* table, hb_tag_t tag, bool heavy)
{
    unsigned int length = 0;
    const char* data = hb_blob_get_data(table, &length);
    QByteArray bytes(data, int(length));
    const auto at = [&](qsizetype offset) -> std::optional<quint16> {
        if (offset + 2 > bytes.size())
            return std::nullopt;
        return quint16(uchar(bytes[offset]) << 8 | uchar(bytes[offset + 1]));
    };
    const auto put = [&](qsizetype offset, quint16 value) {
        bytes[offset] = char(value >> 8);
        bytes[offset + 1] = char(value & 0xFF);
    };
    constexpr quint16 Italic = 0x01, Bold = 0x20, Regular = 0x40, MacBold = 0x01;
    if (tag == Os2Tag) {
        if (const std::optional<quint16> selection = at(62)) {
            quint16 bits = *selection & ~(Bold | Regular);
            bits |= heavy ? Bold : (*selection & Italic) ? 0 : Regular;
            put(62, bits);
        }
    } else if (const std::optional<quint16> macStyle = at(44)) {
        put(44, heavy ? *macStyle | MacBold : *macStyle & ~MacBold);
    }
    return Blob(hb_blob_create(bytes.constData(), unsigned(bytes.size()), HB_MEMORY_MODE_DUPLICATE,
                               nullptr, nullptr));
}

// The static font file of face with its axes at pins, named by names; empty
// when the instancer fails.
QByteArray instancedFile(hb_face_t* face, const QMap<hb_tag_t, float>& pins, const QByteArray& names)
{
    const unsigned int glyphs = hb_face_get_glyph_count(face);
    const Input input(hb_subset_input_create_or_fail());
    if (!input || !glyphs)
        return {};
    hb_set_add_range(hb_subset_input_glyph_set(input.get()), 0, glyphs - 1);
    for (hb_subset_sets_t set : {HB_SUBSET_SETS_UNICODE, HB_SUBSET_SETS_NAME_ID,
                                 HB_SUBSET_SETS_NAME_LANG_ID, HB_SUBSET_SETS_LAYOUT_FEATURE_TAG,
                                 HB_SUBSET_SETS_LAYOUT_SCRIPT_TAG}) {
        hb_set_clear(hb_subset_input_set(input.get(), set));
        hb_set_invert(hb_subset_input_set(input.get(), set));
    }
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NAME_LEGACY
                                               | HB_SUBSET_FLAGS_NOTDEF_OUTLINE
                                               | HB_SUBSET_FLAGS_GLYPH_NAMES
                                               | HB_SUBSET_FLAGS_NO_PRUNE_UNICODE_RANGES);
    for (auto pin = pins.cbegin(); pin != pins.cend(); ++pin) {
        if (!hb_subset_input_pin_axis_location(input.get(), face, pin.key(), pin.value()))
            return {};
    }
    const Face instanced(hb_subset_or_fail(face, input.get()));
    if (!instanced)
        return {};

    // The instance read back as a file: a subset's own face lists no tables.
    const Blob instanceFile(hb_face_reference_blob(instanced.get()));
    const Face tables(hb_face_create(instanceFile.get(), 0));
    const Face builder(hb_face_builder_create());
    // From semibold up: fontconfig may round such a weight to Bold.
    const bool heavy = weightClass(tables.get()) >= 600;
    std::vector<hb_tag_t> tags(64);
    for (unsigned int start = 0;; start += unsigned(tags.size())) {
        unsigned int count = unsigned(tags.size());
        hb_face_get_table_tags(tables.get(), start, &count, tags.data());
        for (unsigned int i = 0; i < count; ++i) {
            if (tags[i] == NameTag)
                continue;
            Blob table(hb_face_reference_table(tables.get(), tags[i]));
            if (tags[i] == Os2Tag || tags[i] == HeadTag)
                table = restyled(table.get(), tags[i], heavy);
            hb_face_builder_add_table(builder.get(), tags[i], table.get());
        }
        if (count < tags.size())
            break;
    }
    const Blob nameBlob(hb_blob_create(names.constData(), unsigned(names.size()),
                                       HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr));
    hb_face_builder_add_table(builder.get(), NameTag, nameBlob.get());
    const Blob file(hb_face_reference_blob(builder.get()));
    unsigned int length = 0;
    const char* data = hb_blob_get_data(file.get(), &length);
    return QByteArray(data, int(length));
}

// Runs make in a child process: HarfBuzz 6.0's instancer corrupts its heap on
// some real fonts, which must cost this program an instance, not its life.
QByteArray isolated(const std::function<QByteArray()>& make)
{
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        const QByteArray out = make();
        for (qsizetype done = 0; done < out.size();) {
            const ssize_t n = ::write(pipe[1], out.constData() + done, size_t(out.size() - done));
            if (n <= 0)
                break;
            done += n;
        }
        ::_exit(0);
    }
    ::close(pipe[1]);
    QByteArray result;
    if (child > 0) {
        // A child stuck past any instancing time is given up on.
        QDeadlineTimer deadline(InstanceTimeoutMs);
        char buffer[65536];
        for (;;) {
            pollfd ready{pipe[0], POLLIN, 0};
            const int polled = ::poll(&ready, 1, int(deadline.remainingTime()));
            if (polled < 0 && errno == EINTR)
                continue;
            const ssize_t n = polled > 0 ? ::read(pipe[0], buffer, sizeof buffer) : -1;
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                if (polled <= 0) {
                    ::kill(child, SIGKILL);
                    result = {};
                }
                break;
            }
            result.append(buffer, n);
        }
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            result.clear();
    }
    ::close(pipe[0]);
    return result;
}

}  // namespace

QMap<hb_tag_t, float> AxisPositions::byTag() const
{
    QMap<hb_tag_t, float> pins;
    for (std::size_t i = 0; i < axes.size(); ++i) {
        if (offered[i] || !pins.contains(axes[i].tag))
            pins.insert(axes[i].tag, coordinates[i]);
    }
    return pins;
}

AxisPositions axisPositions(hb_face_t* face, int index, const QMap<QString, double>& axes)
{
    AxisPositions at;
    const unsigned int axisCount = hb_ot_var_get_axis_count(face);
    if (!axisCount || axes.isEmpty())
        return at;
    at.axes.resize(axisCount);
    unsigned int read = axisCount;
    hb_ot_var_get_axis_infos(face, 0, &read, at.axes.data());
    at.axes.resize(read);

    at.coordinates.resize(at.axes.size());
    for (std::size_t i = 0; i < at.axes.size(); ++i)
        at.coordinates[i] = at.axes[i].default_value;
    if (const unsigned int named = unsigned(index) >> 16;
        named && named <= hb_ot_var_get_named_instance_count(face)) {
        unsigned int count = unsigned(at.coordinates.size());
        hb_ot_var_named_instance_get_design_coords(face, named - 1, &count, at.coordinates.data());
    }
    at.offered = offeredAxes(at.axes);
    for (std::size_t i = 0; i < at.axes.size(); ++i) {
        const hb_ot_var_axis_info_t& axis = at.axes[i];
        const auto chosen = axes.constFind(tagText(axis.tag));
        if (at.offered[i] && chosen != axes.cend() && std::isfinite(*chosen)) {
            const float value = std::clamp(float(*chosen), axis.min_value, axis.max_value);
            at.moved |= value != at.coordinates[i];
            at.coordinates[i] = value;
        }
        // A named instance may lie outside the range.
        at.coordinates[i] = std::clamp(at.coordinates[i], std::min(axis.min_value, axis.max_value),
                                       std::max(axis.min_value, axis.max_value));
    }
    return at;
}

FontInstancer::~FontInstancer()
{
    for (const Registered& r : std::as_const(registered_))
        QFontDatabase::removeApplicationFont(r.qtId);
}

std::optional<QFont> FontInstancer::instance(const QString& path, int index,
                                             const QMap<QString, double>& axes)
{
    if (axes.isEmpty())
        return std::nullopt;
    const Blob blob = mapped(path);
    if (!blob)
        return std::nullopt;
    const Face face(hb_face_create(blob.get(), unsigned(index) & 0xFFFF));
    const AxisPositions at = axisPositions(face.get(), index, axes);
    if (!at.moved)
        return std::nullopt;
    const std::vector<hb_ot_var_axis_info_t>& infos = at.axes;
    const std::vector<float>& coords = at.coordinates;
    QString key = path + u'\n' + QString::number(index);
    QString settings;
    for (std::size_t i = 0; i < infos.size(); ++i)
        settings += tagText(infos[i].tag) + QString::number(double(coords[i]));
    key += u'\n' + settings;
    if (const auto known = registered_.constFind(key); known != registered_.cend()) {
        recent_.removeOne(key);
        recent_.append(key);
        return known->font;
    }
    if (failed_.contains(key))
        return std::nullopt;
    // HarfBuzz instances TrueType outlines only.
    if (hb_blob_get_length(Blob(hb_face_reference_table(face.get(), HB_TAG('C', 'F', 'F', '2'))).get()))
        return std::nullopt;

    QString family = nameOf(face.get(), HB_OT_NAME_ID_TYPOGRAPHIC_FAMILY);
    if (family.isEmpty())
        family = nameOf(face.get(), HB_OT_NAME_ID_FONT_FAMILY);
    family += QStringLiteral(" instance %1").arg(++made_);
    const QString postScript =
        postScriptSafe(nameOf(face.get(), HB_OT_NAME_ID_POSTSCRIPT_NAME) + u'-' + settings);
    const QByteArray names = nameTable({{HB_OT_NAME_ID_FONT_FAMILY, family},
                                        {HB_OT_NAME_ID_FONT_SUBFAMILY, QStringLiteral("Regular")},
                                        {HB_OT_NAME_ID_UNIQUE_ID, postScript},
                                        {HB_OT_NAME_ID_FULL_NAME, family},
                                        {HB_OT_NAME_ID_POSTSCRIPT_NAME, postScript}});

    const QMap<hb_tag_t, float> pins = at.byTag();
    const QByteArray file = isolated([&] { return instancedFile(face.get(), pins, names); });
    if (file.isEmpty()) {
        // Not tried again: a drag over such a font would fork at every step.
        if (failed_.size() > kept_ * 64)
            failed_.clear();
        failed_.insert(key);
        return std::nullopt;
    }
    const int id = QFontDatabase::addApplicationFontFromData(file);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty()) {
        QFontDatabase::removeApplicationFont(id);
        return std::nullopt;
    }
    // The face's own weight and slant: asking for more would have Qt
    // embolden or slant an instance that is already heavy or oblique.
    QFont font(families.first());
    const QString style = QFontDatabase::styles(families.first()).value(0);
    font.setStyleName(style);
    font.setWeight(QFont::Weight(QFontDatabase::weight(families.first(), style)));
    font.setItalic(QFontDatabase::italic(families.first(), style));
    font.setStyleStrategy(QFont::NoFontMerging);

    registered_.insert(key, {id, font});
    recent_.append(key);
    while (recent_.size() > kept_)
        QFontDatabase::removeApplicationFont(registered_.take(recent_.takeFirst()).qtId);
    return font;
}

VariationSpace FontInstancer::space(const QString& path, int index)
{
    VariationSpace space;
    const Blob blob = mapped(path);
    if (!blob)
        return space;
    const Face face(hb_face_create(blob.get(), unsigned(index) & 0xFFFF));
    const unsigned int axisCount = hb_ot_var_get_axis_count(face.get());
    std::vector<hb_ot_var_axis_info_t> infos(axisCount);
    unsigned int read = axisCount;
    hb_ot_var_get_axis_infos(face.get(), 0, &read, infos.data());
    infos.resize(read);
    const std::vector<bool> offered = offeredAxes(infos);
    for (unsigned int i = 0; i < read; ++i) {
        const hb_ot_var_axis_info_t& info = infos[i];
        if (!offered[i])
            continue;
        const QString name = nameOf(face.get(), info.name_id);
        space.axes.append({tagText(info.tag), name.isEmpty() ? tagText(info.tag) : name,
                           info.min_value, info.default_value, info.max_value,
                           (info.flags & HB_OT_VAR_AXIS_FLAG_HIDDEN) != 0});
    }
    if (space.axes.isEmpty())
        return space;
    const unsigned int instances = hb_ot_var_get_named_instance_count(face.get());
    std::vector<float> coords(read);
    for (unsigned int n = 0; n < instances; ++n) {
        unsigned int count = read;
        hb_ot_var_named_instance_get_design_coords(face.get(), n, &count, coords.data());
        VariationSpace::Instance instance;
        instance.name = nameOf(face.get(), hb_ot_var_named_instance_get_subfamily_name_id(face.get(), n));
        if (instance.name.isEmpty())
            instance.name = QStringLiteral("Instance %1").arg(n + 1);
        // Only where the axes offered reach: choosing the instance must not
        // set an axis past its range.
        for (unsigned int i = 0; i < count; ++i) {
            if (offered[i])
                instance.coordinates.insert(tagText(infos[i].tag),
                                            std::clamp(coords[i], infos[i].min_value, infos[i].max_value));
        }
        space.instances.append(instance);
    }
    return space;
}
