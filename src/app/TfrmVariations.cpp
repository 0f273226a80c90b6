#include "app/TfrmVariations.h"

#include "catalogue/SpecimenSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int SliderSteps = 1000;

int sliderPosition(const VariationSpace::Axis& axis, double value)
{
    const double span = axis.maximum - axis.minimum;
    return span > 0 ? int(std::lround((value - axis.minimum) / span * SliderSteps)) : 0;
}

double axisValue(const VariationSpace::Axis& axis, int position)
{
    return axis.minimum + (axis.maximum - axis.minimum) * position / SliderSteps;
}

}  // namespace

TfrmVariations::TfrmVariations(FontService& fonts, SpecimenSettings& specimens, QWidget* owner)
    : QDialog(owner), fonts_(fonts), specimens_(specimens)
{
    setObjectName(QStringLiteral("frmVariations"));
    setWindowTitle(QStringLiteral("Variations"));
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    lblFamily = new QLabel(this);
    lblFamily->setObjectName(QStringLiteral("lblFamily"));
    lblFamily->setTextFormat(Qt::PlainText);
    lblFamily->setWordWrap(true);
    layout->addWidget(lblFamily);
    cboInstance = new QComboBox(this);
    cboInstance->setObjectName(QStringLiteral("cboInstance"));
    layout->addWidget(cboInstance);
    connect(cboInstance, &QComboBox::activated, this, &TfrmVariations::cboInstanceChange);

    axesPanel = new QWidget;
    axesGrid = new QGridLayout(axesPanel);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setWidget(axesPanel);
    layout->addWidget(scroll, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    chkMoreAxes = new QCheckBox(QStringLiteral("&More axes"), this);
    chkMoreAxes->setObjectName(QStringLiteral("chkMoreAxes"));
    connect(chkMoreAxes, &QCheckBox::toggled, this, &TfrmVariations::chkMoreAxesClick);
    cmdReset = buttons->addButton(QStringLiteral("&Reset"), QDialogButtonBox::ResetRole);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    connect(cmdReset, &QPushButton::clicked, this, &TfrmVariations::cmdResetClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(chkMoreAxes);
    bottom->addWidget(buttons, 1);
    layout->addLayout(bottom);
    connect(&specimens_, &SpecimenSettings::changed, this, &TfrmVariations::showPositions);
    resize(460, 360);
}

void TfrmVariations::showFamily(const QString& family)
{
    family_ = family;
    space_ = fonts_.variationSpace(family);
    for (const AxisRow& row : std::as_const(rows_)) {
        delete row.label;
        delete row.slider;
        delete row.box;
    }
    rows_.clear();

    const bool varies = !space_.axes.isEmpty();
    lblFamily->setText(varies ? family
                              : family + QStringLiteral(": this family has no variation axes."));
    cboInstance->clear();
    cboInstance->setVisible(varies);
    cboInstance->addItem(QStringLiteral("Default"));
    for (qsizetype i = 0; i < space_.instances.size() && i < InstancesListed; ++i)
        cboInstance->addItem(space_.instances[i].name);
    if (space_.instances.size() > InstancesListed) {
        cboInstance->addItem(
            QStringLiteral("and %1 more").arg(space_.instances.size() - InstancesListed));
        // A note, not a choice.
        cboInstance->setItemData(cboInstance->count() - 1, 0, Qt::UserRole - 1);
    }

    int line = 0;
    for (const VariationSpace::Axis& axis : std::as_const(space_.axes)) {
        AxisRow row{axis};
        row.label = new QLabel(QStringLiteral("%1 (%2)").arg(axis.name, axis.tag), axesPanel);
        row.label->setTextFormat(Qt::PlainText);
        row.label->setToolTip(QStringLiteral("%1 to %2, default %3")
                                  .arg(axis.minimum).arg(axis.maximum).arg(axis.defaultValue));
        row.slider = new QSlider(Qt::Horizontal, axesPanel);
        row.slider->setObjectName(QStringLiteral("sld") + axis.tag);
        row.slider->setRange(0, SliderSteps);
        row.box = new QDoubleSpinBox(axesPanel);
        row.box->setObjectName(QStringLiteral("spn") + axis.tag);
        row.box->setRange(axis.minimum, axis.maximum);
        row.box->setDecimals(2);
        row.box->setSingleStep(axis.maximum - axis.minimum >= 100 ? 1 : 0.1);
        row.label->setBuddy(row.box);
        axesGrid->addWidget(row.label, line, 0);
        axesGrid->addWidget(row.slider, line, 1);
        axesGrid->addWidget(row.box, line, 2);
        ++line;
        const QString tag = axis.tag;
        connect(row.slider, &QSlider::valueChanged, this,
                [this, axis, tag](int position) { setAxis(tag, axisValue(axis, position)); });
        connect(row.box, &QDoubleSpinBox::valueChanged, this,
                [this, tag](double value) { setAxis(tag, value); });
        rows_.append(row);
    }
    bool anyHidden = false;
    for (const AxisRow& row : std::as_const(rows_))
        anyHidden |= row.axis.hidden;
    chkMoreAxes->setVisible(anyHidden);
    cmdReset->setEnabled(varies);
    chkMoreAxesClick();
    showPositions();
}

void TfrmVariations::chkMoreAxesClick()
{
    for (const AxisRow& row : std::as_const(rows_)) {
        const bool shown = !row.axis.hidden || chkMoreAxes->isChecked();
        row.label->setVisible(shown);
        row.slider->setVisible(shown);
        row.box->setVisible(shown);
    }
}

void TfrmVariations::showPositions()
{
    const FontVariations& chosen = specimens_.variations();
    for (const AxisRow& row : std::as_const(rows_)) {
        const double value = std::clamp(chosen.axes.value(row.axis.tag, row.axis.defaultValue),
                                        row.axis.minimum, row.axis.maximum);
        const QSignalBlocker sliderQuiet(row.slider);
        const QSignalBlocker boxQuiet(row.box);
        row.slider->setValue(sliderPosition(row.axis, value));
        row.box->setValue(value);
    }
}

void TfrmVariations::setAxis(const QString& tag, double value)
{
    FontVariations chosen = specimens_.variations();
    chosen.axes.insert(tag, value);
    specimens_.setVariations(chosen);
}

void TfrmVariations::cboInstanceChange(int index)
{
    if (index <= 0) {
        cmdResetClick();
        return;
    }
    if (index > space_.instances.size() || index > InstancesListed)
        return;
    FontVariations chosen = specimens_.variations();
    const QMap<QString, double>& at = space_.instances[index - 1].coordinates;
    for (auto axis = at.cbegin(); axis != at.cend(); ++axis)
        chosen.axes.insert(axis.key(), axis.value());
    specimens_.setVariations(chosen);
}

void TfrmVariations::cmdResetClick()
{
    FontVariations chosen = specimens_.variations();
    for (const VariationSpace::Axis& axis : std::as_const(space_.axes))
        chosen.axes.remove(axis.tag);
    specimens_.setVariations(chosen);
    cboInstance->setCurrentIndex(0);
}
