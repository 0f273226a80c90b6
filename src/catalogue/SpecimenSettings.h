#pragma once

#include "platform/Specimen.h"

#include <QObject>

// The variations the user chose, one set for the whole program: every view
// and printout draws its families with them, and follows changed().
class SpecimenSettings : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const FontVariations& variations() const { return variations_; }
    void setVariations(const FontVariations& variations);

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
