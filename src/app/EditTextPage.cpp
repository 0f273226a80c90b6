#include "app/EditTextPage.h"

#include "app/FormDesign.h"
#include "app/SampleTexts.h"
#include "platform/ErrorReporter.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

EditTextPage::EditTextPage(Platform& platform, const FormDesign& design, SampleTexts& texts)
{
    setObjectName(QStringLiteral("tabEdit"));
    const FormDesign& d = design;
    const std::pair<QLineEdit**, const char*> lines[] = {
        {&txt8Pt, "8 point"},   {&txt9Pt, "9 point"},   {&txt10Pt, "10 point"},
        {&txt11Pt, "11 point"}, {&txt12Pt, "12 point"}, {&txt14Pt, "14 point"},
        {&txt16Pt, "16 point"}, {&txt18pt, "18 point"}, {&txt24Pt, "24 point"},
        {&txt36pt, "36 point"}, {&txt48Pt, "48 point"}, {&txt60pt, "60 point"},
        {&txtSample, "Sample Text"}, {&txtTitle, "Sample Title"},
    };
    static const char* const names[] = {"txt8Pt",  "txt9Pt",  "txt10Pt", "txt11Pt", "txt12Pt",
                                        "txt14Pt", "txt16Pt", "txt18pt", "txt24Pt", "txt36pt",
                                        "txt48Pt", "txt60pt", "txtSample", "txtTitle"};
    int row = 0;
    for (const auto& [edit, caption] : lines) {
        const int top = 8 + row * 24;
        QLabel* rowLabel = d.label(this, QStringLiteral("Label%1").arg(6 + row),
                                   QString::fromLatin1(caption), 8, top + 3, 80, 16);
        rowLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *edit = new QLineEdit(this);
        (*edit)->setObjectName(QString::fromLatin1(names[row]));
        d.place(*edit, 92, top, 375, 21);
        rowLabel->setBuddy(*edit);
        ++row;
    }

    d.label(this, QStringLiteral("Label20"), QStringLiteral("Paragraph Text"), 484, 8, 195, 16);
    d.label(this, QStringLiteral("Label21"), QStringLiteral("(Maximum of 600 characters)"), 484,
            24, 195, 16);
    txtPara = new QPlainTextEdit(this);
    txtPara->setObjectName(QStringLiteral("txtPara"));
    txtPara->setTabChangesFocus(true);
    d.place(txtPara, 484, 42, 195, 257);
    cmdSaveText =
        d.button(this, QStringLiteral("cmdSaveText"), QStringLiteral("&Save"), 544, 310, 75, 25);

    QLabel* explanation = d.label(
        this, QStringLiteral("Label22"),
        QStringLiteral(
            "The lines specified for the different point sizes are used on the Full Page Sample "
            "printout.  \nThe line labeled 'Sample Text' is used in the screen display and on the "
            "Sample Text printouts.  \nThe line labeled 'Sample Title' is used as the page heading "
            "on the Sample Text printouts.\nThe text in the 'Paragraph Text' box is used on the "
            "Text Paragraphs printout.\nChanges will take effect when the Save button is clicked."),
        8, 352, 668, 84);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i + 1 < row; ++i)
        setTabOrder(*lines[i].first, *lines[i + 1].first);
    setTabOrder(txtTitle, txtPara);
    setTabOrder(txtPara, cmdSaveText);

    sampleTexts_ = std::make_unique<SampleTextStore>(
        platform.ini, platform.messages, platform.appFolder + QStringLiteral("GLYPHARY.INI"),
        SampleTextStore::Controls{{txt8Pt, txt9Pt, txt10Pt, txt11Pt, txt12Pt, txt14Pt, txt16Pt,
                                   txt18pt, txt24Pt, txt36pt, txt48Pt, txt60pt, txtSample},
                                  txtPara},
        texts);
    const QLineEdit* const sizeLines[] = {txt8Pt,  txt9Pt,  txt10Pt, txt11Pt, txt12Pt, txt14Pt,
                                          txt16Pt, txt18pt, txt24Pt, txt36pt, txt48Pt, txt60pt};
    for (int i = 0; i < SampleTexts::SizeLineCount; ++i)
        connect(sizeLines[i], &QLineEdit::textChanged, &texts,
                [&texts, i](const QString& text) { texts.setSizeLine(i, text); });
    connect(txtSample, &QLineEdit::textChanged, &texts, &SampleTexts::setSample);
    connect(txtTitle, &QLineEdit::textChanged, &texts, &SampleTexts::setTitle);
    connect(txtPara, &QPlainTextEdit::textChanged, &texts,
            [this, &texts] { texts.setParagraph(txtPara->toPlainText()); });
    connect(cmdSaveText, &QPushButton::clicked, this,
            reportingErrors(platform.errors, "cmdSaveTextClick", [this] { cmdSaveTextClick(); }));
}

void EditTextPage::cmdSaveTextClick()
{
    sampleTexts_->SaveSampleTexts();
    sampleTexts_->LoadSampleTexts();
}
