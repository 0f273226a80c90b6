#include "FontNamesFuzzEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString fault = fontnames_fuzz::readAndCheck(data, size);
    if (!fault.isEmpty())
        qFatal("%s", qPrintable(fault));
    return 0;
}
