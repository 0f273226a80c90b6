#pragma once

#include <QFont>
#include <QString>

class FontService;
struct Specimen;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

// The window is designed at 96 dpi in pixels; every page places its controls
// through this, scaled to the screen's logical resolution.
class FormDesign {
public:
    static constexpr int DesignDpi = 96;

    explicit FormDesign(int logicalDpi) : scale_(double(logicalDpi) / DesignDpi) {}

    double scale() const { return scale_; }
    int px(double designPixels) const;
    void place(QWidget* widget, int left, int top, int width, int height) const;

    QLabel* label(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                  int width, int height) const;
    QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width) const;
    QSpinBox* spinBox(QWidget* parent, const QString& name, int min, int max, int value, int left,
                      int top) const;
    QPushButton* button(QWidget* parent, const QString& name, const QString& caption, int left,
                        int top, int width, int height) const;
    QFrame* sunkenPanel(QWidget* parent, const QString& name, int left, int top, int width,
                        int height, bool white) const;
    // The bold heading of the Large Sample, Font Map, Show All and Preview pages.
    QFont headingFont(const QFont& windowFont) const;

private:
    double scale_;
};

void makeWhite(QWidget* widget);
// The user interface's font, as the program set it up.
QFont systemFont();

// The design's range of the box, whoever supplies the value.
bool inRange(int value, const QSpinBox* box);
// font at the size of model, which may be given in points or in pixels.
QFont sizedLike(QFont font, const QFont& model);
// A memo's font for another specimen; an empty face (none shown yet, or one
// without a screen font) keeps the memo's own font in the specimen's style.
QFont styledFont(FontService& fonts, const QFont& current, const Specimen& specimen);
