#include "catalogue/SpecimenSettings.h"

void SpecimenSettings::setVariations(const FontVariations& variations)
{
    if (variations == variations_)
        return;
    variations_ = variations;
    emit changed();
}
