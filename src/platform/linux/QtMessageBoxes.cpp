#include "platform/linux/QtMessageBoxes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>

#include <algorithm>

namespace {

// The box widens up to half the screen before it wraps; wrapping text at
// this width over-counts its lines, never under-counts them.
int narrowestWrap(const QRect& screen, int besideText)
{
    return std::max(100, std::min(screen.width() / 2, 500) - besideText);
}

// How tall a label of that font lays the text out at that width, breaking
// lines at spaces or, where a word is too long, anywhere.
int textHeight(const QFontMetrics& metrics, int width, const QString& text)
{
    const QRect area(0, 0, width, 0);
    return std::max(metrics.boundingRect(area, Qt::TextWordWrap, text).height(),
                    metrics.boundingRect(area, Qt::TextWrapAnywhere, text).height());
}

// The text with each paragraph cut after its first `cap` lines, then cut
// after `lines` lines as a whole; what is cut is counted.
QString cut(const QList<QStringList>& paragraphs, qsizetype cap, qsizetype lines)
{
    QStringList kept;
    for (const QStringList& paragraph : paragraphs) {
        if (!kept.isEmpty())
            kept << QString();
        if (paragraph.size() <= cap) {
            kept << paragraph;
        } else {
            kept << paragraph.first(cap);
            kept << QStringLiteral("and %L1 more").arg(paragraph.size() - cap);
        }
    }
    if (kept.size() > lines) {
        const qsizetype more = kept.size() - lines;
        kept.resize(lines);
        kept << QStringLiteral("and %L1 more lines").arg(more);
    }
    return kept.join(u'\n');
}

// Thousands of names would make a box taller than the screen, its buttons
// out of reach. Such a text is cut to what fits, the longest lists first and
// each cut counted; the whole text scrolls under Show Details.
void setFittingText(QMessageBox& box, QWidget* parent, const QString& text)
{
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QLabel* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!screen || !label) {
        box.setText(text);
        return;
    }
    const QRect area = screen->availableGeometry();
    box.setText(QStringLiteral("x"));
    const QSize chrome = box.sizeHint() - label->sizeHint();
    const QFontMetrics metrics = label->fontMetrics();
    const int width = narrowestWrap(area, chrome.width());
    const int room = area.height() - box.style()->pixelMetric(QStyle::PM_TitleBarHeight)
                     - chrome.height();
    if (textHeight(metrics, width, text) <= room) {
        box.setText(text);
        return;
    }

    box.setDetailedText(text);
    // The box opens centred and grows downwards by the details: room for
    // them above it too keeps its bottom on the screen.
    const auto* details = box.findChild<QTextEdit*>();
    const int detailsHeight = (details ? details->maximumHeight() : 0) + 2 * metrics.lineSpacing();
    const int roomBeside = room - 2 * detailsHeight;
    // Each line, however long, wraps to a few lines at most.
    QList<QStringList> paragraphs;
    qsizetype longest = 0;
    for (const QString& paragraph : text.split(QStringLiteral("\n\n"))) {
        QStringList lines = paragraph.split(u'\n');
        for (QString& line : lines)
            line = metrics.elidedText(line, Qt::ElideMiddle, 3 * width);
        longest = std::max(longest, lines.size());
        paragraphs << lines;
    }
    const auto fits = [&](qsizetype cap, qsizetype lines) {
        return textHeight(metrics, width, cut(paragraphs, cap, lines)) <= roomBeside;
    };
    // The most lines of each paragraph that fit; then, for text of many
    // short paragraphs, the most lines in all.
    qsizetype cap = 1;
    for (qsizetype high = longest; cap < high;) {
        const qsizetype middle = (cap + high + 1) / 2;
        if (fits(middle, text.size()))
            cap = middle;
        else
            high = middle - 1;
    }
    qsizetype lines = 1;
    for (qsizetype high = text.size(); lines < high;) {
        const qsizetype middle = (lines + high + 1) / 2;
        if (fits(cap, middle))
            lines = middle;
        else
            high = middle - 1;
    }
    box.setText(cut(paragraphs, cap, lines));
}

// Texts name fonts and files as they come: shown as rich text, a name could
// make the box load a file or grow without bound. The format is set before
// the text, which the label would otherwise lay out at once.
QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                const QString& text,
                                QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(icon, caption, QString(), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    setFittingText(box, parent, text);
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}

}  // namespace

void QtMessageBoxes::error(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Critical, QStringLiteral("Error"), text);
}

void QtMessageBoxes::warning(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Warning, QStringLiteral("Warning"), text);
}

void QtMessageBoxes::dialogError(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Warning, QStringLiteral("Error"), text);
}

void QtMessageBoxes::information(QWidget* parent, const QString& text)
{
    ask(parent, QMessageBox::Information, QStringLiteral("Information"), text);
}

bool QtMessageBoxes::confirm(QWidget* parent, const QString& text)
{
    return ask(parent, QMessageBox::Question, QStringLiteral("Confirm"), text,
               QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
