#include "screens/calculator/form1.h"
#include "tests/support/fixture.h"
#include "tests/support/input.h"
#include "ui/zoom.h"

#include <QScopeGuard>
#include <QScrollBar>
#include <QTest>

using app::FormId;

// The whole program at one and a half times its drawn size.
class ZoomTest : public QObject {
    Q_OBJECT

    QFont drawnFont;

    // How wide the option button's circle is drawn: the columns from its leading edge up to the
    // first blank one, before the caption.
    static int drawnCircleWidth(ui::OptionButton& option)
    {
        const QImage shot = option.grab().toImage();
        const QRgb background = shot.pixel(option.isRightToLeft() ? 0 : shot.width() - 1, 0);
        const auto blank = [&](int x) {
            for (int y = 0; y < shot.height(); ++y) {
                if (shot.pixel(x, y) != background)
                    return false;
            }
            return true;
        };
        const int step = option.isRightToLeft() ? -1 : 1;
        int x = option.isRightToLeft() ? shot.width() - 1 : 0;
        while (blank(x))
            x += step;
        int width = 0;
        for (; !blank(x); x += step)
            ++width;
        return width;
    }

private slots:
    void initTestCase()
    {
        drawnFont = QApplication::font();
        ui::setZoom(1.5);
    }

    // The largest window is 596 x 460 pixels at zoom 1; its frame adds 10 x 40, and the window may
    // take 85% of the available width and height.
    void theLargestZoomThatFitsIsChosen_data()
    {
        QTest::addColumn<QSize>("available");
        QTest::addColumn<double>("zoom");
        QTest::newRow("640 x 480, too small for any") << QSize(640, 480) << 1.0;
        QTest::newRow("800 x 600") << QSize(800, 600) << 1.0;
        QTest::newRow("1280 x 720, 3 px short of 1.25") << QSize(1280, 720) << 1.0;
        QTest::newRow("1280 x 724") << QSize(1280, 724) << 1.25;
        QTest::newRow("1024 x 768") << QSize(1024, 768) << 1.25;
        QTest::newRow("1366 x 768") << QSize(1366, 768) << 1.25;
        QTest::newRow("1000 x 2000, held by the width") << QSize(1000, 2000) << 1.25;
        QTest::newRow("1600 x 900") << QSize(1600, 900) << 1.5;
        QTest::newRow("1920 x 1040, under a panel") << QSize(1920, 1040) << 1.75;
        QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.75;
        QTest::newRow("2560 x 1440") << QSize(2560, 1440) << 2.0;
        QTest::newRow("3840 x 2160, no more than twice") << QSize(3840, 2160) << 2.0;
    }

    void theLargestZoomThatFitsIsChosen()
    {
        QFETCH(QSize, available);
        QFETCH(double, zoom);
        QCOMPARE(ui::zoomToFit(available, {596, 460}), zoom);
    }

    // 375 twips are 25 pixels at zoom 1 and 37.5 at 1.5, which rounds up.
    void controlsKeepTheirPlacesInTwips()
    {
        FixtureForm form;
        QCOMPARE(form.client()->size(), QSize(600, 345));
        QCOMPARE(form.Tile7.geometry(), QRect(30, 15, 38, 38));
        QCOMPARE(form.Box.geometry(), QRect(30, 120, 62, 50));
        QCOMPARE(form.OptionA.geometry(), QRect(12, 30, 146, 26));
        QCOMPARE(form.Picture.geometry(), QRect(450, 15, 90, 90));
    }

    void aDropLandsOnTheZoomedBox()
    {
        FixtureForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        input::drag(form.Tile7, form.Box);
        QCOMPARE(form.Box.text(), QString("7"));
    }

    // 14.25 points are 19 pixels at zoom 1, 28.5 at 1.5; the toolkit's own font grows alike.
    void fontsGrow()
    {
        program::start();
        auto& calculator = program::screen<Form1>(FormId::Form1);
        QCOMPARE(calculator.client()->size(), QSize(728, 377));
        for (auto* label : calculator.findChildren<ui::Label*>()) {
            if (label->isTile()) {
                QCOMPARE(label->font().pixelSize(), 29);
                QCOMPARE(label->size(), QSize(38, 38));
            }
        }
        QCOMPARE(program::button(FormId::Form1, "عودة").font().pointSizeF(), drawnFont.pointSizeF() * 1.5);
        program::stop();
    }

    void pointersGrowWithTheirHotSpot()
    {
        const QCursor cursor = ui::toCursor(clipart::pointingHand);
        QCOMPARE(cursor.pixmap().deviceIndependentSize().toSize(), QSize(48, 48));
        QCOMPARE(cursor.hotSpot(), QPoint(18, 2)); // the fingertip at (12, 1), times 1.5
    }

    // What the style draws at sizes of its own grows too, so that a child can hit it: at zoom 2 the
    // picture game's option circles and the word list's scroll bar are twice as large as at zoom 1.
    void theStylesOwnSizesGrow()
    {
        const auto zoomBack = qScopeGuard([] { ui::setZoom(1.5); });
        std::map<double, std::pair<int, int>> circleAndBar;
        for (double zoom : {1.0, 2.0}) {
            ui::setZoom(zoom);
            program::start();
            app::show(FormId::Form2);
            const QScrollBar* bar =
                app::forms().instance(FormId::Form2)->findChild<ui::ListBox*>()->verticalScrollBar();
            QVERIFY(bar->isVisible());
            app::show(FormId::Form6);
            auto* option = app::forms().instance(FormId::Form6)->findChild<ui::OptionButton*>();
            circleAndBar[zoom] = {drawnCircleWidth(*option), bar->width()};
            program::stop();
        }
        const auto [circle, bar] = circleAndBar[1.0];
        QVERIFY(circle >= 10);
        QVERIFY(qAbs(circleAndBar[2.0].first - 2 * circle) <= 2);
        QCOMPARE(circleAndBar[2.0].second, 2 * bar);
    }

    // Drawn at its own size, the artwork would leave the lower right of the zoomed window bare.
    void theArtworkFillsTheZoomedWindow()
    {
        program::start();
        app::show(FormId::Form4);
        QWidget& client = *app::forms().instance(FormId::Form4)->client();
        QCOMPARE(client.size(), QSize(780, 566));
        const QImage shot = client.grab().toImage();
        const QColor buttonFace = client.palette().color(QPalette::Button);
        for (QPoint corner : {QPoint(770, 20), QPoint(20, 556), QPoint(770, 556)})
            QVERIFY(shot.pixelColor(corner) != buttonFace);
        program::stop();
    }
};

QTEST_MAIN(ZoomTest)
#include "tst_zoom.moc"
