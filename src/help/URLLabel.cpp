#include "help/URLLabel.h"

#include "platform/Shell.h"

#include <QMouseEvent>

URLLabel::URLLabel(Shell& shell, const QString& text, const QUrl& target, QWidget* parent)
    : QLabel(parent), shell_(shell), target_(target)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    QFont linkFont = font();
    linkFont.setBold(true);
    linkFont.setUnderline(true);
    setFont(linkFont);
    setColour(Qt::darkBlue);
    setCursor(Qt::PointingHandCursor);
    // Encoded, the address holds nothing a tip could take for markup.
    setToolTip(target.toString(QUrl::FullyEncoded));
}

void URLLabel::setColour(const QColor& colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void URLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    shell_.openUrl(target_);
    setColour(Qt::blue);
}
