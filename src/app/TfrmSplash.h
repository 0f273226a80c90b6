#pragma once

#include <QPixmap>
#include <QWidget>

class FontService;
class ScreenMetrics;

// The window shown while the program starts: the product name, each letter
// in another typeface and colour, on yellow inside a blue frame.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    TfrmSplash(FontService& fonts, ScreenMetrics& screen);

    // Typefaces for the letters: drawable families that hold every letter of
    // the name, from as many foundries as the machine has. At most count,
    // maybe none.
    static QStringList pickTypefaces(FontService& fonts, int count);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    QRect image_;
};
