#include "app/FormDesign.h"

#include "platform/FontService.h"

#include <QCheckBox>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

int FormDesign::px(double designPixels) const { return qRound(designPixels * scale_); }

void FormDesign::place(QWidget* widget, int left, int top, int width, int height) const
{
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

QLabel* FormDesign::label(QWidget* parent, const QString& name, const QString& caption, int left,
                          int top, int width, int height) const
{
    auto* result = new QLabel(parent);
    // Captions show names from font files and the INI file, which rich text
    // would let load files or grow the label without bound.
    result->setTextFormat(Qt::PlainText);
    result->setText(caption);
    result->setObjectName(name);
    place(result, left, top, width, height);
    return result;
}

QCheckBox* FormDesign::checkBox(QWidget* parent, const QString& name, const QString& caption,
                                int left, int top, int width) const
{
    auto* result = new QCheckBox(caption, parent);
    result->setObjectName(name);
    place(result, left, top, width, 20);
    return result;
}

QSpinBox* FormDesign::spinBox(QWidget* parent, const QString& name, int min, int max, int value,
                              int left, int top) const
{
    auto* result = new QSpinBox(parent);
    result->setObjectName(name);
    result->setRange(min, max);
    result->setValue(value);
    place(result, left, top, 50, 22);
    return result;
}

QPushButton* FormDesign::button(QWidget* parent, const QString& name, const QString& caption,
                                int left, int top, int width, int height) const
{
    auto* result = new QPushButton(caption, parent);
    result->setObjectName(name);
    result->setAutoDefault(false);
    place(result, left, top, width, height);
    return result;
}

QFrame* FormDesign::sunkenPanel(QWidget* parent, const QString& name, int left, int top, int width,
                                int height, bool white) const
{
    auto* result = new QFrame(parent);
    result->setObjectName(name);
    result->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (white)
        makeWhite(result);
    place(result, left, top, width, height);
    return result;
}

QFont FormDesign::headingFont(const QFont& windowFont) const
{
    QFont result = windowFont;
    result.setPixelSize(px(16));
    result.setBold(true);
    return result;
}

void makeWhite(QWidget* widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont systemFont() { return QApplication::font(); }

bool inRange(int value, const QSpinBox* box)
{
    return value >= box->minimum() && value <= box->maximum();
}

QFont sizedLike(QFont font, const QFont& model)
{
    if (model.pointSizeF() > 0)
        font.setPointSizeF(model.pointSizeF());
    else
        font.setPixelSize(model.pixelSize());
    return font;
}

QFont styledFont(FontService& fonts, const QFont& current, const Specimen& specimen)
{
    QFont font = current;
    if (specimen.face.isEmpty()) {
        font.setBold(specimen.bold);
        font.setItalic(specimen.italic);
    } else {
        font = fonts.makeFont(specimen);
    }
    return sizedLike(font, current);
}
