// Draws the program's pictures at build time:
//   render icon SVG SIDE OUT.png      the program's scalable icon as a square PNG, for the icon theme
//   render clipart EMOJI_FONT DIR     every clip-art picture, window icon and pointer as DIR/<name>.png,
//                                     from the colour emoji font, for the program's resources

#include "assets/clipart.h"
#include "ui/zoom.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QSvgRenderer>

#include <cstdio>
#include <optional>

namespace {

// The largest place a picture takes on a screen at zoom 1, in pixels: the word screens show theirs
// up to 2175 twips wide. Every picture is drawn to fit a square of this side at the largest zoom.
constexpr int largestPicturePlace = 145;

// The size at which the colour emoji font holds its bitmaps, so nothing is scaled twice.
constexpr int emojiPixelSize = 109;

const QString emojiFamily = QStringLiteral("Noto Color Emoji");

int fail(const QString& message)
{
    std::fprintf(stderr, "render: %s\n", qPrintable(message));
    return 1;
}

bool save(const QImage& image, const QString& file)
{
    return image.save(file, "PNG", 0); // 0: the smallest file
}

int renderIcon(const QString& svg, int side, const QString& out)
{
    QSvgRenderer renderer(svg);
    if (!renderer.isValid() || side <= 0)
        return fail(QStringLiteral("cannot draw %1 at %2 pixels").arg(svg).arg(side));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    return save(image, out) ? 0 : fail(QStringLiteral("cannot write %1").arg(out));
}

// The glyph's font at the emoji font's bitmap size, or why it cannot be had. Through the font
// database, which reads a colour font's glyphs in colour.
std::optional<QRawFont> fontOf(const ui::Glyph& glyph, QString& error)
{
    const QString family = glyph.family.isEmpty() ? emojiFamily : glyph.family;
    QFont wanted(family);
    wanted.setPixelSize(emojiPixelSize);
    const QRawFont font = QRawFont::fromFont(wanted);
    if (!font.isValid() || font.familyName() != family) {
        error = QStringLiteral("the font %1 is not installed").arg(family);
        return std::nullopt;
    }
    QStringList missing;
    for (char32_t codePoint : glyph.text.toUcs4()) {
        const bool joiner = codePoint == 0x200D || codePoint == 0xFE0F;
        if (!joiner && !font.supportsCharacter(codePoint))
            missing.append(QStringLiteral("U+%1").arg(quint32(codePoint), 4, 16, QChar(u'0')).toUpper());
    }
    if (!missing.isEmpty()) {
        error = QStringLiteral("%1 lacks %2").arg(family, missing.join(u' '));
        return std::nullopt;
    }
    return font;
}

// The glyph's own pixels at the font's size, cut to its visible pixels so that every glyph fills
// its box alike. A glyph names one symbol, which a variation selector may follow; the symbol's
// glyph is the first. A letter font gives only the glyph's coverage, which converts to black.
QImage glyphImage(const QRawFont& font, const QString& text)
{
    const QList<quint32> indexes = font.glyphIndexesForString(text);
    if (indexes.isEmpty() || indexes.front() == 0)
        return {};
    const QImage pixels = font.alphaMapForGlyph(indexes.front(), QRawFont::PixelAntialiasing)
                              .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QRect visible;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                visible |= QRect(x, y, 1, 1);
        }
    }
    return visible.isEmpty() ? QImage() : pixels.copy(visible);
}

QRectF fitted(const QSizeF& content, const QRectF& box)
{
    const QSizeF size = content.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

// The picture fitted into a square of the given side: a single glyph keeps its own proportions,
// a composed picture fills the square.
std::optional<QImage> draw(const ui::Picture& picture, int side, QString& error)
{
    std::vector<QImage> images;
    for (const ui::Glyph& glyph : picture.glyphs) {
        const std::optional<QRawFont> font = fontOf(glyph, error);
        if (!font)
            return std::nullopt;
        images.push_back(glyphImage(*font, glyph.text));
        if (images.back().isNull()) {
            error = QStringLiteral("%1 draws nothing").arg(glyph.text);
            return std::nullopt;
        }
    }
    const bool single = picture.glyphs.size() == 1 && picture.glyphs.front().box == QRectF(0, 0, 1, 1);
    const QSize size =
        single ? images.front().size().scaled(side, side, Qt::KeepAspectRatio) : QSize(side, side);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < images.size(); ++i) {
        const QRectF& box = picture.glyphs[i].box;
        painter.drawImage(
            fitted(images[i].size(), QRectF(box.x() * size.width(), box.y() * size.height(),
                                            box.width() * size.width(), box.height() * size.height())),
            images[i]);
    }
    return image;
}

// The side of the square that a drawing is made to fit: as large as it is ever shown.
int largestSide(const ui::Picture& picture)
{
    const clipart::Use use = clipart::use(picture);
    if (use == clipart::Use::WindowIcon)
        return ui::iconSides.back(); // icons do not zoom
    const int atZoomOne = use == clipart::Use::Pointer ? ui::pointerSize.width() : largestPicturePlace;
    return int(atZoomOne * ui::zoomSteps.back());
}

int renderClipart(const QString& emojiFile, const QString& directory)
{
    // The file that the build found, whatever else the system has installed.
    const int emojiFont = QFontDatabase::addApplicationFont(emojiFile);
    if (!QFontDatabase::applicationFontFamilies(emojiFont).contains(emojiFamily))
        return fail(QStringLiteral("%1 is not the font %2").arg(emojiFile, emojiFamily));
    for (const ui::Picture* picture : clipart::everyPicture) {
        if (picture->glyphs.empty())
            continue; // the project's own artwork, a resource already
        QString error;
        const std::optional<QImage> image = draw(*picture, largestSide(*picture), error);
        if (!image)
            return fail(QStringLiteral("the picture %1 cannot be drawn: %2").arg(picture->name, error));
        const QString file = directory + u'/' + picture->name + QStringLiteral(".png");
        if (!save(*image, file))
            return fail(QStringLiteral("cannot write %1").arg(file));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 5 && arguments[1] == u"icon")
        return renderIcon(arguments[2], arguments[3].toInt(), arguments[4]);
    if (arguments.size() == 4 && arguments[1] == u"clipart")
        return renderClipart(arguments[2], arguments[3]);
    std::fprintf(stderr,
                 "usage: %s icon icon.svg side out.png\n"
                 "       %s clipart NotoColorEmoji.ttf directory\n",
                 argv[0], argv[0]);
    return 2;
}
