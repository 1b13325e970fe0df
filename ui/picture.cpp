#include "ui/picture.h"

#include "ui/zoom.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QRawFont>
#include <QSvgRenderer>

namespace ui {

namespace {

// The size at which the colour emoji font holds its bitmaps, so nothing is scaled twice.
constexpr int emojiPixelSize = 109;

QFont glyphFont(const QString& family)
{
    QFont font(family.isEmpty() ? QStringLiteral("Noto Color Emoji") : family);
    font.setPixelSize(emojiPixelSize);
    return font;
}

// The glyph's own pixels at the font's size, read through a font engine of its own that goes
// with it. Drawn as text instead, through the program's shared font, every colour glyph would stay
// in that font's glyph caches (about 50 KiB each at this size) for as long as the program runs.
// A glyph names one symbol, which a variation selector may follow; the symbol's glyph is the first.
// A letter font gives only the glyph's coverage, which converts to black.
QImage glyphPixels(const Glyph& glyph)
{
    const QRawFont font = QRawFont::fromFont(glyphFont(glyph.family));
    const QList<quint32> indexes = font.glyphIndexesForString(glyph.text);
    if (indexes.isEmpty() || indexes.front() == 0)
        return {};
    return font.alphaMapForGlyph(indexes.front(), QRawFont::PixelAntialiasing)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The glyph cut to its visible pixels, so that every glyph fills its box alike.
const QImage& glyphImage(const Glyph& glyph)
{
    static QHash<QString, QImage> cache;
    const QString key = glyph.family + u'|' + glyph.text;
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;

    const QImage pixels = glyphPixels(glyph);
    QRect visible;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                visible |= QRect(x, y, 1, 1);
        }
    }
    return *cache.insert(key, visible.isEmpty() ? QImage() : pixels.copy(visible));
}

QRectF fitted(const QSizeF& content, const QRectF& box)
{
    const QSizeF size = content.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.center() - QPointF(size.width() / 2, size.height() / 2), size);
}

bool isSingleGlyph(const Picture& picture)
{
    return picture.glyphs.size() == 1 && picture.glyphs.front().box == QRectF(0, 0, 1, 1);
}

QSizeF naturalSize(const Picture& picture)
{
    if (isSingleGlyph(picture)) {
        const QImage& image = glyphImage(picture.glyphs.front());
        if (!image.isNull())
            return image.size();
    }
    return {1, 1};
}

void draw(QPainter& painter, const QRectF& area, const Picture& picture)
{
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const Glyph& glyph : picture.glyphs) {
        const QImage& image = glyphImage(glyph);
        if (image.isNull())
            continue;
        const QRectF box(area.x() + glyph.box.x() * area.width(), area.y() + glyph.box.y() * area.height(),
                         glyph.box.width() * area.width(), glyph.box.height() * area.height());
        painter.drawImage(fitted(image.size(), box), image);
    }
}

} // namespace

QPixmap render(const Picture& picture, QSize size, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("ui-picture:%1:%2x%3@%4")
                            .arg(reinterpret_cast<quintptr>(&picture))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = QPixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        if (picture.artwork.isEmpty())
            draw(painter, fitted(naturalSize(picture), QRectF(QPointF(), QSizeF(size))), picture);
        else
            QSvgRenderer(picture.artwork).render(&painter, QRectF(QPointF(), QSizeF(size)));
    }
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void paint(QPainter& painter, const QRect& rect, const Picture& picture)
{
    painter.drawPixmap(rect.topLeft(), render(picture, rect.size(), painter.device()->devicePixelRatioF()));
}

QIcon toIcon(const Picture& picture)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(render(picture, {side, side}, 1.0));
    return icon;
}

QCursor toCursor(const Pointer& pointer)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QSize size(scaled(pointerSize.width()), scaled(pointerSize.height()));
    return QCursor(render(pointer.picture, size, ratio), scaled(pointer.hotSpot.x()),
                   scaled(pointer.hotSpot.y()));
}

QList<char32_t> missingGlyphs(const Picture& picture)
{
    const QRawFont font = QRawFont::fromFont(glyphFont({}));
    const bool installed = font.familyName() == QStringLiteral("Noto Color Emoji");
    QList<char32_t> missing;
    for (const Glyph& glyph : picture.glyphs) {
        if (!glyph.family.isEmpty())
            continue;
        for (char32_t codePoint : glyph.text.toUcs4()) {
            const bool joiner = codePoint == 0x200D || codePoint == 0xFE0F;
            if (!joiner && (!installed || !font.supportsCharacter(codePoint)))
                missing.append(codePoint);
        }
    }
    return missing;
}

} // namespace ui
