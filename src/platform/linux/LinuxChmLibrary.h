#pragma once

#include "platform/ChmLibrary.h"

// chmlib, opened with dlopen on first use so that the program runs, without
// help, where it is not installed.
class LinuxChmLibrary : public ChmLibrary {
public:
    explicit LinuxChmLibrary(QString libraryName = QStringLiteral("libchm.so.1"));
    ~LinuxChmLibrary() override;
    LinuxChmLibrary(const LinuxChmLibrary&) = delete;
    LinuxChmLibrary& operator=(const LinuxChmLibrary&) = delete;

    bool load() override;
    std::unique_ptr<ChmArchive> open(const QString& fileName) override;

    struct Api;

private:
    QString libraryName_;
    void* handle_ = nullptr;
    std::unique_ptr<Api> api_;
};
