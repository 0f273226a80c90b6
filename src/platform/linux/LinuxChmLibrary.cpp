#include "platform/linux/LinuxChmLibrary.h"

#include <QFile>

#include <chm_lib.h>
#include <dlfcn.h>

struct LinuxChmLibrary::Api {
    decltype(&chm_open) open = nullptr;
    decltype(&chm_close) close = nullptr;
    decltype(&chm_resolve_object) resolve = nullptr;
    decltype(&chm_retrieve_object) retrieve = nullptr;
    decltype(&chm_enumerate) enumerate = nullptr;
};

namespace {

template <typename Function>
bool resolve(void* handle, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(handle, name));
    return function != nullptr;
}

class LinuxChmArchive : public ChmArchive {
public:
    LinuxChmArchive(const LinuxChmLibrary::Api& api, chmFile* file, qint64 fileSize)
        : api_(api), file_(file), fileSize_(fileSize)
    {
    }
    ~LinuxChmArchive() override { api_.close(file_); }
    LinuxChmArchive(const LinuxChmArchive&) = delete;
    LinuxChmArchive& operator=(const LinuxChmArchive&) = delete;

    std::optional<QByteArray> read(const QString& path) const override
    {
        chmUnitInfo unit{};
        const QByteArray name = path.toUtf8();
        if (name.size() > CHM_MAX_PATHLEN ||
            api_.resolve(file_, name.constData(), &unit) != CHM_RESOLVE_SUCCESS)
            return std::nullopt;
        // The length comes from the file: no object is longer than the file
        // that holds it, compressed objects included, by far less than this.
        constexpr LONGUINT64 MaxExpansion = 64;
        if (unit.length > LONGUINT64(fileSize_) * MaxExpansion)
            return std::nullopt;
        QByteArray data(qsizetype(unit.length), Qt::Uninitialized);
        if (unit.length == 0)
            return data;
        const LONGINT64 got = api_.retrieve(file_, &unit, reinterpret_cast<unsigned char*>(data.data()),
                                            0, LONGINT64(unit.length));
        if (got != LONGINT64(unit.length))
            return std::nullopt;
        return data;
    }

    QStringList paths() const override
    {
        QStringList result;
        api_.enumerate(
            file_, CHM_ENUMERATE_FILES | CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL,
            [](chmFile*, chmUnitInfo* unit, void* context) {
                static_cast<QStringList*>(context)->append(QString::fromUtf8(unit->path));
                return CHM_ENUMERATOR_CONTINUE;
            },
            &result);
        return result;
    }

private:
    const LinuxChmLibrary::Api& api_;
    chmFile* file_;
    qint64 fileSize_;
};

}  // namespace

LinuxChmLibrary::LinuxChmLibrary(QString libraryName) : libraryName_(std::move(libraryName)) {}

LinuxChmLibrary::~LinuxChmLibrary()
{
    if (handle_)
        dlclose(handle_);
}

bool LinuxChmLibrary::load()
{
    if (handle_)
        return api_ != nullptr;
    handle_ = dlopen(QFile::encodeName(libraryName_).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_)
        return false;
    auto api = std::make_unique<Api>();
    if (resolve(handle_, "chm_open", api->open) && resolve(handle_, "chm_close", api->close) &&
        resolve(handle_, "chm_resolve_object", api->resolve) &&
        resolve(handle_, "chm_retrieve_object", api->retrieve) &&
        resolve(handle_, "chm_enumerate", api->enumerate)) {
        api_ = std::move(api);
        return true;
    }
    // A library without the entry points is no engine; the next request tries again.
    dlclose(handle_);
    handle_ = nullptr;
    return false;
}

std::unique_ptr<ChmArchive> LinuxChmLibrary::open(const QString& fileName)
{
    if (!api_)
        return nullptr;
    QFile file(fileName);
    const qint64 size = file.size();
    if (size <= 0)
        return nullptr;
    // chmlib opens a file cut short as long as its first pages are whole; the
    // header's first section tells the file's length.
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(4096);
        const auto number = [&head](qsizetype at, int bytes) {
            quint64 value = 0;
            for (int i = bytes - 1; i >= 0; --i)
                value = value << 8 | quint8(head[at + i]);
            return value;
        };
        if (head.startsWith("ITSF") && head.size() >= 0x58) {
            const quint64 section = number(0x38, 8);
            if (section + 16 <= quint64(head.size()) && number(qsizetype(section), 4) == 0x1FE
                && number(qsizetype(section) + 8, 8) > quint64(size))
                return nullptr;
        }
        file.close();
    }
    chmFile* handle = api_->open(QFile::encodeName(fileName).constData());
    if (!handle)
        return nullptr;
    return std::make_unique<LinuxChmArchive>(*api_, handle, size);
}
