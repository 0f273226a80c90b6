#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

// The texts the screen samples and the printouts are made of, and the heading
// font, as they stand now: the Edit Sample Text page and the INI file write
// them, the pages and the print jobs read them when they need them.
class SampleTexts : public QObject {
    Q_OBJECT
public:
    static constexpr int SizeLineCount = 12;
    static inline const QString Alphabets =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ\nabcdefghijklmnopqrstuvwxyz1234567890\n");

    using QObject::QObject;

    const QString& sample() const { return sample_; }
    const QString& title() const { return title_; }
    const QString& paragraph() const { return paragraph_; }
    // The Full Page sheet's twelve lines, 8 to 60 points.
    QStringList sizeLines() const { return {sizeLines_.begin(), sizeLines_.end()}; }
    const QString& headingFont() const { return headingFont_; }
    // The character chart's three specimen lines; the last is the sample text.
    QStringList chartLines() const;

    void setSample(const QString& text);
    void setTitle(const QString& text);
    void setParagraph(const QString& text);
    void setSizeLine(int index, const QString& text);
    void setHeadingFont(const QString& face);

signals:
    // Any text or the heading font changed.
    void changed();
    void headingFontChanged(const QString& face);

private:
    void set(QString& value, const QString& text);

    QString sample_;
    QString title_;
    QString paragraph_;
    std::array<QString, SizeLineCount> sizeLines_;
    QString headingFont_;
};
