#pragma once

#include <QLabel>
#include <QUrl>

class Shell;

// A hyperlink: navy, bold and underlined with a hand cursor and its target as
// its hint; a click opens the target with the desktop's handler, and the text
// turns blue once visited.
class URLLabel : public QLabel {
    Q_OBJECT
public:
    URLLabel(Shell& shell, const QString& text, const QUrl& target, QWidget* parent);

    QUrl target() const { return target_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setColour(const QColor& colour);

    Shell& shell_;
    QUrl target_;
};
