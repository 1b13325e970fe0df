#include "assets/artwork.h"
#include "assets/clipart.h"
#include "screens/screens.h"
#include "tests/support/input.h"
#include "ui/artwork.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/zoom.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QScopeGuard>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>
#include <map>

class ArtworkTest : public QObject {
    Q_OBJECT

    static QString describe(const ui::Picture& picture)
    {
        return picture.glyphs.empty() ? picture.artwork : picture.name;
    }

private slots:
    // Every check here runs without the colour emoji font (see main): the pictures come from the
    // program's resources, drawn from the font when it was built.
    void theEmojiFontIsHidden()
    {
        QVERIFY(!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")));
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

    // The drawings are made as large as the largest picture of any screen at the largest zoom, the
    // window icons as large as their largest size, and the pointers as large as a pointer at the
    // largest zoom, so that none is ever shown enlarged.
    void everyDrawingIsAsLargeAsItIsEverShown()
    {
        ui::setZoom(ui::zoomSteps.back());
        const auto zoomOne = qScopeGuard([] { ui::setZoom(1.0); });
        program::start();
        int largestPlace = 0;
        for (const screens::Screen& screen : screens::table()) {
            app::hide(screen.id);
            for (const ui::Image* image : app::forms().instance(screen.id)->findChildren<ui::Image*>())
                largestPlace = std::max({largestPlace, image->width(), image->height()});
        }
        program::stop();
        QVERIFY(largestPlace > 0); // the word screens' largest picture is 2175 twips wide, 290 pixels
        const std::map<clipart::Use, int> largestShown{
            {clipart::Use::OnScreen, largestPlace},
            {clipart::Use::WindowIcon, ui::iconSides.back()},
            {clipart::Use::Pointer, ui::scaled(ui::pointerSize.width())}};
        for (const ui::Picture* picture : clipart::everyPicture) {
            if (picture->glyphs.empty())
                continue;
            const QSize drawn = QImage(QStringLiteral(":/clipart/%1.png").arg(picture->name)).size();
            QVERIFY2(std::max(drawn.width(), drawn.height()) >= largestShown.at(clipart::use(*picture)),
                     qPrintable(picture->name));
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
        const QImage image = ui::render(clipart::sheetWithA, {200, 200}, 1.0).toImage();
        const QRect letterBox(60, 60, 90, 100); // where the table puts the A on its sheet
        int black = 0;
        for (int y = letterBox.top(); y <= letterBox.bottom(); ++y) {
            for (int x = letterBox.left(); x <= letterBox.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                black += qAlpha(pixel) > 250 && qRed(pixel) < 30 && qGreen(pixel) < 30 && qBlue(pixel) < 30;
            }
        }
        QVERIFY2(black > letterBox.width() * letterBox.height() / 10, qPrintable(QString::number(black)));
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
        for (const ui::Pointer* pointer : clipart::everyPointer) {
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

int main(int argc, char* argv[])
{
    qputenv("FONTCONFIG_FILE", MARZUN_NO_EMOJI_FONT_CONF);
    QApplication application(argc, argv);
    ArtworkTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_artwork.moc"
