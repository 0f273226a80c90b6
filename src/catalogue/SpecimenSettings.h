#pragma once

#include "platform/Specimen.h"

#include <QObject>

class SettingsStore;

// The variations the user chose, one set for the whole program: every view
// and printout draws its families with them, and follows changed().
class SpecimenSettings : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const FontVariations& variations() const { return variations_; }
    void setVariations(const FontVariations& variations);

    // Kept between runs under "Variations/Axes" as "wght=650;wdth=87.5";
    // what is not a tag and a number there is left out.
    void restore(SettingsStore& store);
    void save(SettingsStore& store) const;

    // The specimen of a face in a view's own style, with the chosen variations.
    Specimen specimen(const QString& face, bool bold, bool italic) const
    {
        return {face, 0, bold, italic, variations_};
    }

signals:
    void changed();

private:
    FontVariations variations_;
};
