#include "app/TfrmSplash.h"

#include "platform/FontService.h"
#include "platform/ScreenMetrics.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace {

const QString ProductName = QStringLiteral("Glyphary");
constexpr int DesignDpi = 96;
constexpr QSize ClientSize(470, 121);
constexpr QRect ImageRect(9, 9, 452, 104);
constexpr QSize PictureSize(454, 112);
constexpr int MaxLooks = 16;

// The designed picture stretched to size, in device pixels at dpr per pixel,
// so that the letters are drawn at the screen's resolution, not enlarged.
QPixmap paintPicture(const QStringList& typefaces, FontService& fonts, const QSize& size,
                     double dpr)
{
    static constexpr std::array<QRgb, 8> Colours = {0xC00000, 0x0000C0, 0x008000, 0x800080,
                                                    0xD05000, 0x006060, 0x800000, 0x202020};
    QPixmap picture(size * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(QColor(0xFF, 0xFF, 0x00));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(double(size.width()) / PictureSize.width(),
                  double(size.height()) / PictureSize.height());

    QList<QFont> letterFonts;
    int width = 0;
    for (qsizetype i = 0; i < ProductName.size(); ++i) {
        QFont font = typefaces.isEmpty()
                         ? painter.font()
                         : fonts.makeFont({typefaces[i % typefaces.size()], 0, true, i % 2 == 1});
        font.setPixelSize(72);
        letterFonts.append(font);
        width += QFontMetrics(font).horizontalAdvance(ProductName[i]);
    }
    // Fit the word into the picture with a margin.
    const double shrink = std::min(1.0, (PictureSize.width() - 24.0) / std::max(width, 1));
    int x = int((PictureSize.width() - width * shrink) / 2);
    for (qsizetype i = 0; i < ProductName.size(); ++i) {
        QFont font = letterFonts[i];
        font.setPixelSize(std::max(1, int(72 * shrink)));
        const QFontMetrics metrics(font);
        painter.setFont(font);
        painter.setPen(QColor(Colours[size_t(i) % Colours.size()]));
        const int baseline = (PictureSize.height() + metrics.ascent() - metrics.descent()) / 2;
        painter.drawText(x, baseline, QString(ProductName[i]));
        x += metrics.horizontalAdvance(ProductName[i]);
    }
    return picture;
}

}  // namespace

TfrmSplash::TfrmSplash(FontService& fonts, ScreenMetrics& screen)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    const double scale = double(screen.logicalDpiX()) / DesignDpi;
    const auto scaled = [scale](int v) { return qRound(v * scale); };
    setFixedSize(scaled(ClientSize.width()), scaled(ClientSize.height()));
    image_ = QRect(scaled(ImageRect.x()), scaled(ImageRect.y()), scaled(ImageRect.width()),
                   scaled(ImageRect.height()));
    picture_ = paintPicture(pickTypefaces(fonts, int(ProductName.size())), fonts, image_.size(),
                            devicePixelRatioF());

    const QRect area = screen.workArea().isValid() ? screen.workArea()
                                                   : QRect(QPoint(0, 0), screen.screenSize());
    move(area.center() - rect().center());
}

QStringList TfrmSplash::pickTypefaces(FontService& fonts, int count)
{
    QStringList families = fonts.screenFamilies();
    families.sort(Qt::CaseInsensitive);
    QStringList picked;
    // Each look costs a search of every installed face; a collection of
    // script fonts without Latin letters would make thousands.
    int looks = 0;
    const auto usable = [&fonts, &looks](const QString& family) {
        if (++looks > MaxLooks)
            return false;
        const QList<FontFace> faces = fonts.faces(family);
        const bool scalableText = std::any_of(faces.begin(), faces.end(), [](const FontFace& face) {
            return (face.trueType || face.vector) && face.charSet == FontFace::CharSet::Ansi;
        });
        if (!scalableText)
            return false;
        return fonts.drawsText(family, ProductName);
    };
    // Families of one foundry ("Noto Sans", "Noto Serif") often share their
    // Latin letters: take one family per first word before any second one.
    QStringList seenWords;
    QStringList others;
    for (const QString& family : families) {
        if (picked.size() == count)
            return picked;
        const QString word = family.section(u' ', 0, 0).toCaseFolded();
        if (seenWords.contains(word)) {
            others.append(family);
        } else if (usable(family)) {
            seenWords.append(word);
            picked.append(family);
        }
    }
    for (const QString& family : others) {
        if (picked.size() == count)
            break;
        if (usable(family))
            picked.append(family);
    }
    return picked;
}

void TfrmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x00, 0x00, 0xC0));
    painter.drawPixmap(image_.topLeft(), picture_);
}
