#include "app/LargeSamplePage.h"

#include "app/DesignLayout.h"
#include "app/FormDesign.h"
#include "catalogue/SpecimenSettings.h"
#include "platform/FontService.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>

LargeSamplePage::LargeSamplePage(FontService& fonts, const SpecimenSettings& specimens,
                                 const FormDesign& design, const QFont& windowFont)
    : fonts_(fonts), specimens_(specimens)
{
    setObjectName(QStringLiteral("tabLargeSample"));
    const FormDesign& d = design;
    lblLargeSample = d.label(this, QStringLiteral("lblLargeSample"), QStringLiteral("Font Name"), 8,
                             8, 400, 20);
    lblLargeSample->setFont(d.headingFont(windowFont));
    QLabel* sizeLabel =
        d.label(this, QStringLiteral("Label2"), QStringLiteral("Point Size"), 418, 11, 64, 16);
    spnLargeSample = d.spinBox(this, QStringLiteral("spnLargeSample"), 4, 60, 24, 486, 8);
    sizeLabel->setBuddy(spnLargeSample);
    chkLargeBold =
        d.checkBox(this, QStringLiteral("chkLargeBold"), QStringLiteral("Bold"), 550, 9, 60);
    chkLargeItalic =
        d.checkBox(this, QStringLiteral("chkLargeItalic"), QStringLiteral("Italic"), 614, 9, 62);

    QFrame* panel = d.sunkenPanel(this, QStringLiteral("Panel2"), 2, 36, 680, 398, true);
    memLargeSample = new QPlainTextEdit(panel);
    memLargeSample->setObjectName(QStringLiteral("memLargeSample"));
    memLargeSample->setTabChangesFocus(true);
    memLargeSample->setFrameShape(QFrame::NoFrame);
    memLargeSample->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    d.place(memLargeSample, 2, 2, 676, 394);
    (new DesignLayout(panel, panel->size()))->add(memLargeSample, {0, 0, 1, 1});
    auto* layout = new DesignLayout(this, {});
    layout->add(lblLargeSample, {0, 0, 1, 0});
    for (QWidget* right :
         std::initializer_list<QWidget*>{sizeLabel, spnLargeSample, chkLargeBold, chkLargeItalic})
        layout->add(right, {1, 0, 1, 0});
    layout->add(panel, {0, 0, 1, 1});

    // Restoring a box's state fires these as a user's change does.
    connect(spnLargeSample, &QSpinBox::valueChanged, this, &LargeSamplePage::spnLargeSampleChange);
    connect(chkLargeBold, &QCheckBox::toggled, this, &LargeSamplePage::chkLargeBoldClick);
    connect(chkLargeItalic, &QCheckBox::toggled, this, &LargeSamplePage::chkLargeItalicClick);
    connect(&specimens_, &SpecimenSettings::changed, this, &LargeSamplePage::restyleLargeSample);
}

void LargeSamplePage::LargeSampleRefresh(const QString& family)
{
    family_ = family;
    lblLargeSample->setText(family_);
    QFont font = fonts_.makeFont(
        specimens_.specimen(family_, chkLargeBold->isChecked(), chkLargeItalic->isChecked()));
    font.setPointSize(spnLargeSample->value());
    memLargeSample->setFont(font);
}

void LargeSamplePage::spnLargeSampleChange(int value)
{
    if (!inRange(value, spnLargeSample))
        return;
    QFont font = memLargeSample->font();
    font.setPointSize(value);
    memLargeSample->setFont(font);
}

void LargeSamplePage::restyleLargeSample()
{
    memLargeSample->setFont(styledFont(
        fonts_, memLargeSample->font(),
        specimens_.specimen(family_, chkLargeBold->isChecked(), chkLargeItalic->isChecked())));
}

void LargeSamplePage::chkLargeBoldClick() { restyleLargeSample(); }

void LargeSamplePage::chkLargeItalicClick() { restyleLargeSample(); }

void LargeSamplePage::setSampleText(const QString& text) { memLargeSample->setPlainText(text); }
