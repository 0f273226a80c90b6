#pragma once

#include "app/SampleTextStore.h"

#include <QWidget>

#include <memory>

class FormDesign;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class SampleTexts;
struct Platform;

// The Edit Sample Text page: the texts of the printouts and the screen sample,
// kept in the INI file.
class EditTextPage : public QWidget {
    Q_OBJECT
public:
    // Every edit goes to texts as it is made; the heading font is kept there by the store.
    EditTextPage(Platform& platform, const FormDesign& design, SampleTexts& texts);

    SampleTextStore& sampleTexts() { return *sampleTexts_; }

    void cmdSaveTextClick();

private:
    QLineEdit* txt8Pt = nullptr;
    QLineEdit* txt9Pt = nullptr;
    QLineEdit* txt10Pt = nullptr;
    QLineEdit* txt11Pt = nullptr;
    QLineEdit* txt12Pt = nullptr;
    QLineEdit* txt14Pt = nullptr;
    QLineEdit* txt16Pt = nullptr;
    QLineEdit* txt18pt = nullptr;
    QLineEdit* txt24Pt = nullptr;
    QLineEdit* txt36pt = nullptr;
    QLineEdit* txt48Pt = nullptr;
    QLineEdit* txt60pt = nullptr;
    QLineEdit* txtSample = nullptr;
    QLineEdit* txtTitle = nullptr;
    QPlainTextEdit* txtPara = nullptr;
    QPushButton* cmdSaveText = nullptr;
    std::unique_ptr<SampleTextStore> sampleTexts_;
};
