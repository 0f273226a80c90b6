#pragma once

#include <QWidget>

class FontService;
class FormDesign;
class SpecimenSettings;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;

// The Large Sample page: the current family at a large size.
class LargeSamplePage : public QWidget {
    Q_OBJECT
public:
    LargeSamplePage(FontService& fonts, const SpecimenSettings& specimens, const FormDesign& design,
                    const QFont& windowFont);

    // Takes the family as it is current on entering the page.
    void LargeSampleRefresh(const QString& family);
    void spnLargeSampleChange(int value);
    void chkLargeBoldClick();
    void chkLargeItalicClick();
    void setSampleText(const QString& text);

private:
    QLabel* lblLargeSample = nullptr;
    QSpinBox* spnLargeSample = nullptr;
    QCheckBox* chkLargeBold = nullptr;
    QCheckBox* chkLargeItalic = nullptr;
    QPlainTextEdit* memLargeSample = nullptr;

    void restyleLargeSample();

    FontService& fonts_;
    const SpecimenSettings& specimens_;
    QString family_;
};
