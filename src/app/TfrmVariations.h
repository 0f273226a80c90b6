#pragma once

#include "platform/FontService.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;
class SpecimenSettings;

// The program's axis settings, offered for one family at a time: its named
// instances, a slider and a number box per axis, the axes the font hides
// behind "More axes", and Reset. A position set here applies to every family
// that has the axis.
class TfrmVariations : public QDialog {
    Q_OBJECT
public:
    TfrmVariations(FontService& fonts, SpecimenSettings& specimens, QWidget* owner);

    void showFamily(const QString& family);

    // Named instances listed at most: a font may name thousands.
    static constexpr int InstancesListed = 500;

private:
    struct AxisRow {
        VariationSpace::Axis axis;
        QLabel* label = nullptr;
        QSlider* slider = nullptr;
        QDoubleSpinBox* box = nullptr;
    };

    void cboInstanceChange(int index);
    void cmdResetClick();
    void chkMoreAxesClick();
    void setAxis(const QString& tag, double value);
    // The boxes and sliders at the settings' positions, or the defaults.
    void showPositions();

    FontService& fonts_;
    SpecimenSettings& specimens_;
    QString family_;
    VariationSpace space_;
    QList<AxisRow> rows_;

    QLabel* lblFamily = nullptr;
    QComboBox* cboInstance = nullptr;
    QWidget* axesPanel = nullptr;
    QGridLayout* axesGrid = nullptr;
    QCheckBox* chkMoreAxes = nullptr;
    QPushButton* cmdReset = nullptr;
};
