#pragma once

#include "app/MemoTextLimit.h"

#include <QString>

#include <array>

class IniFiles;
class MessageBoxes;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
class SampleTexts;

// The sample texts of the Edit Sample Text page and the heading font, kept in
// section "Glyphary" of the INI file between runs.
class SampleTextStore {
public:
    static constexpr int ParagraphMaxLength = 600;
    static inline const QString Section = QStringLiteral("Glyphary");

    struct Controls {
        // txt8Pt ... txt60pt and txtSample, in file order.
        std::array<QLineEdit*, 13> lines{};
        QPlainTextEdit* paragraph = nullptr;  // txtPara
    };

    // The heading font is kept in texts; the other texts come to it from the controls.
    SampleTextStore(IniFiles& ini, MessageBoxes& messages, QString iniPath, const Controls& controls,
                    SampleTexts& texts);

    bool iniFileExists() const;

    // The fifteen defaults, in file order.
    void WriteDefaultTexts();
    void LoadSampleTexts();
    // The defaults straight into the controls, for a run whose file can't be written.
    void ShowDefaultTexts();
    // The fourteen texts; the heading font is written only when it changes.
    void SaveSampleTexts();
    // Asks whether face becomes the heading font; on Yes sets and writes it.
    void changeHeadingFont(QWidget* parent, const QString& face);

    // One INI line holds a paragraph of several lines: line breaks and the
    // escape character are escaped; other text is written as it is.
    static QString escapeParagraph(const QString& text);
    static QString unescapeParagraph(const QString& value);

private:
    IniFiles& ini_;
    MessageBoxes& messages_;
    QString iniPath_;
    Controls controls_;
    SampleTexts& texts_;
    MemoTextLimit paragraphLimit_;
};
