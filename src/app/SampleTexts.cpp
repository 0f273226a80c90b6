#include "app/SampleTexts.h"

QStringList SampleTexts::chartLines() const
{
    return {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"),
            QStringLiteral("abcdefghijklmnopqrstuvwxyz1234567890!@#$%^&*()-+=[]{}/:;\",.?"), sample_};
}

void SampleTexts::set(QString& value, const QString& text)
{
    if (value == text)
        return;
    value = text;
    emit changed();
}

void SampleTexts::setSample(const QString& text) { set(sample_, text); }

void SampleTexts::setTitle(const QString& text) { set(title_, text); }

void SampleTexts::setParagraph(const QString& text) { set(paragraph_, text); }

void SampleTexts::setSizeLine(int index, const QString& text)
{
    if (index >= 0 && index < SizeLineCount)
        set(sizeLines_[std::size_t(index)], text);
}

void SampleTexts::setHeadingFont(const QString& face)
{
    if (headingFont_ == face)
        return;
    headingFont_ = face;
    emit headingFontChanged(face);
    emit changed();
}
