#include "assets/artwork.h"
#include "assets/clipart.h"
#include "ui/artwork.h"

#include <QApplication>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

class ArtworkTest : public QObject {
    Q_OBJECT

    static QString describe(const ui::Picture& picture)
    {
        return picture.glyphs.empty() ? picture.artwork : picture.glyphs.front().text;
    }

private slots:
    void everyGlyphIsInTheEmojiFont()
    {
        for (const ui::Picture* picture : clipart::everyPicture)
            QVERIFY2(ui::missingGlyphs(*picture).isEmpty(), qPrintable(describe(*picture)));
    }

    void everyPictureDrawsSomething()
    {
        for (const ui::Picture* picture : clipart::everyPicture) {
            const QImage image = ui::render(*picture, {64, 64}, 2.0).toImage();
            QCOMPARE(image.size(), QSize(128, 128));
            int opaque = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    opaque += qAlpha(image.pixel(x, y)) > 128;
            QVERIFY2(opaque > 128 * 128 / 8, qPrintable(describe(*picture)));
        }
    }

    void aPictureKeepsItsProportionsInAWideRectangle()
    {
        const QImage image = ui::render(clipart::apple, {200, 50}, 1.0).toImage();
        QCOMPARE(qAlpha(image.pixel(10, 25)), 0);
        QVERIFY(qAlpha(image.pixel(100, 25)) > 0);
    }

    // A letter font gives only the glyph's coverage; the letter must still show, and in black.
    void aLetterGlyphIsDrawnBlack()
    {
        const ui::Picture letter{{{"A", {0, 0, 1, 1}, "DejaVu Serif"}}};
        const QImage image = ui::render(letter, {64, 64}, 1.0).toImage();
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) < 250)
                    continue;
                ++opaque;
                QVERIFY2(qRed(pixel) < 30 && qGreen(pixel) < 30 && qBlue(pixel) < 30,
                         qPrintable(QColor(pixel).name()));
            }
        }
        QVERIFY(opaque > 64 * 64 / 10);
    }

    void aRenderedPictureComesFromTheCache()
    {
        const QPixmap first = ui::render(clipart::train, {80, 60}, 1.0);
        QCOMPARE(ui::render(clipart::train, {80, 60}, 1.0).cacheKey(), first.cacheKey());
    }

    // Drawn ahead on another thread, the text and all, it must be the drawing the screen would make.
    void artworkDrawnAheadIsTheArtwork()
    {
        ui::prepareArtwork({artwork::mainMenu, artwork::contact}, 2.0);
        for (const char* resource : {artwork::mainMenu, artwork::contact}) {
            QSvgRenderer renderer{QString(resource)};
            QImage expected(renderer.defaultSize() * 2, QImage::Format_ARGB32_Premultiplied);
            expected.setDevicePixelRatio(2.0);
            expected.fill(Qt::transparent);
            QPainter painter(&expected);
            renderer.render(&painter, QRectF(QPointF(), QSizeF(renderer.defaultSize())));
            painter.end();
            QCOMPARE(ui::artwork(resource, 2.0), expected);
        }
    }

    // The hot spot lies on the drawing (the fingertip, the pen's point), not beside it.
    void pointersAre32PixelsWithTheHotSpotOnTheirPoint()
    {
        for (const ui::Pointer* pointer :
             {&clipart::pointingHand, &clipart::handWithPen, &clipart::penDrawingCurve,
              &clipart::pencilDrawingLoop, &clipart::purpleCrayon}) {
            const QCursor cursor = ui::toCursor(*pointer);
            QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), ui::pointerSize);
            QCOMPARE(cursor.hotSpot(), pointer->hotSpot);
            const QImage image = ui::render(pointer->picture, ui::pointerSize, 1.0).toImage();
            bool drawnNearby = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    drawnNearby = drawnNearby || qAlpha(image.pixel(pointer->hotSpot + QPoint(dx, dy))) > 100;
            QVERIFY2(drawnNearby, qPrintable(describe(pointer->picture)));
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "tst_artwork.moc"
