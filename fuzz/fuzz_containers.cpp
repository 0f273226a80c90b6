#include "FontNamesFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray path = fontnames_fuzz::memoryFile(data, size);
    const QString fault = path.isEmpty() ? QStringLiteral("cannot write the file in memory")
                                         : fontnames_fuzz::checkContainers(data, size, path);
    if (!fault.isEmpty())
        qFatal("%s", qPrintable(fault));
    return 0;
}
