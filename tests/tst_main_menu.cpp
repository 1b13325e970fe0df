#include "screens/calculator/form1.h"
#include "screens/main_menu/form4.h"
#include "screens/screens.h"
#include "tests/support/announcements.h"
#include "tests/support/input.h"

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using app::FormId;

class MainMenuTest : public QObject {
    Q_OBJECT

    Form4& menu() { return program::screen<Form4>(FormId::Form4); }

    // Opens the menu as a child does: the calculator's Back.
    void openMenu()
    {
        input::click(program::button(FormId::Form1, "عودة"));
        QVERIFY(program::visibleForm() == &menu());
    }

    ui::Label& hotspot(const QString& name)
    {
        const std::map<QString, ui::Label*> hotspots = {
            {"Label1", &menu().Label1}, {"Label2", &menu().Label2}, {"Label3", &menu().Label3},
            {"Label4", &menu().Label4}, {"Label6", &menu().Label6}, {"Label7", &menu().Label7},
            {"Label8", &menu().Label8}};
        return *hotspots.at(name);
    }

    QWidget& client() { return *menu().client(); }

    // Over the plain picture: the digit 1, which no hotspot covers.
    static constexpr QPoint freePicture{255, 50};

private slots:
    void init()
    {
        program::start();
        openMenu();
    }
    void cleanup() { program::stop(); }

    void theWindowIsItsArtwork()
    {
        QCOMPARE(menu().windowTitle(), QString("Tarsel... سلسلة برامج Marzun"));
        QCOMPARE(client().size(), QSize(520, 377));
        QVERIFY(menu().windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(menu().windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(menu().Label5.caption(), QString());
        QCOMPARE(menu().Label5.foreColor(), ui::Color(0x0000FFFF));
        QCOMPARE(menu().Label5.font().pixelSize(), 27);
        QVERIFY(menu().Label5.font().bold());
    }

    // The hints carry a shadda followed by a kasra on the second letter: that order, exactly.
    void hotspots_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<int>("target");
        QTest::newRow("trophy") << "Label8" << QRect(248, 112, 57, 49) << "صور وكلمات " << int(FormId::Form6);
        QTest::newRow("magnifying glass")
            << "Label7" << QRect(312, 216, 57, 49) << "اتصل بنا " << int(FormId::Form5);
        QTest::newRow("red digit 2") << "Label4" << QRect(312, 16, 49, 65) << "Jumvar" << int(FormId::Form1);
        QTest::newRow("yellow letter")
            << "Label3" << QRect(160, 80, 49, 73) << "كوِّن كلمات عربي" << int(FormId::Form2);
        QTest::newRow("red A") << "Label2" << QRect(392, 104, 41, 65) << "كوِّن كلمات English"
                               << int(FormId::Form3);
        QTest::newRow("yellow letters")
            << "Label1" << QRect(392, 24, 97, 49) << "كوِّن كلمات عربي" << int(FormId::Form2);
    }

    void hotspots()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QString, hint);
        QFETCH(int, target);
        ui::Label& spot = hotspot(name);
        QCOMPARE(spot.geometry(), place);
        input::hover(client(), place.topLeft() + QPoint(3, 3));
        QCOMPARE(menu().Label5.caption(), hint);
        if (hint.startsWith(u'\u0643'))
            QCOMPARE(hint.mid(2, 2), QStringView(u"\u0651\u0650").toString());
        QCOMPARE(QAccessible::queryAccessibleInterface(&spot)->text(QAccessible::Name), hint);
        QTest::mouseClick(&client(), Qt::LeftButton, {}, place.center());
        QVERIFY(program::visibleForm() == app::forms().instance(FormId(target)));
        QVERIFY(menu().isHidden());
        QCOMPARE(menu().Label5.caption(), hint); // a click does not empty the hint
    }

    void theHintUnderThePointerIsAnnounced()
    {
        const Announcements announcements;
        input::hover(menu().Label7);
        QVERIFY(announcements.changed(menu().Label5));
        QAccessibleInterface* hint = QAccessible::queryAccessibleInterface(&menu().Label5);
        QCOMPARE(hint->role(), QAccessible::StaticText);
        QCOMPARE(hint->text(QAccessible::Name), QString("اتصل بنا "));
    }

    void theCalculatorComesBackEmpty()
    {
        input::click(menu().Label4);
        auto& calculator = program::screen<Form1>(FormId::Form1);
        for (auto* box : calculator.findChildren<ui::TextBox*>())
            QCOMPARE(box->text(), QString());
    }

    void theContactHotspotLiesInFrontOfTheHintLabel()
    {
        const QPoint overlap(320, 240); // inside both Label7 and Label5
        QVERIFY(menu().Label5.geometry().contains(overlap));
        input::hover(client(), overlap);
        QCOMPARE(menu().Label5.caption(), QString("اتصل بنا "));
        QTest::mouseClick(&client(), Qt::LeftButton, {}, overlap);
        QVERIFY(program::visibleForm() == app::forms().instance(FormId::Form5));
    }

    void theHintStaysUntilThePointerReachesFreePicture()
    {
        input::hover(menu().Label4);
        input::hover(client(), {150, 260}); // the hint label, outside every hotspot
        QCOMPARE(menu().Label5.caption(), QString("Jumvar"));
        QTest::mouseMove(&client(), {client().width() + 40, 30}); // out of the window
        QCOMPARE(menu().Label5.caption(), QString("Jumvar"));
        input::hover(client(), freePicture);
        QCOMPARE(menu().Label5.caption(), QString());
        input::hover(client(), {350, 200}); // the blue panel outside the glass
        input::hover(menu().Label6);
        QCOMPARE(menu().Label5.caption(), QString("صاحبتكم السلامة "));
        QTest::mouseClick(&client(), Qt::LeftButton, {}, freePicture);
        QVERIFY(program::visibleForm() == &menu());
    }

    void theHintOfTheWayOutIsStillThereOnReturn()
    {
        input::hover(menu().Label4);
        input::click(menu().Label4);
        input::click(program::button(FormId::Form1, "عودة"));
        QVERIFY(program::visibleForm() == &menu());
        QCOMPARE(menu().Label5.caption(), QString("Jumvar"));
    }

    void theRoadSignEndsTheProgramWithOtherScreensHidden()
    {
        input::click(menu().Label8);
        app::show(FormId::Form4);
        app::hide(FormId::Form6);
        QVERIFY(app::forms().instance(FormId::Form1) && app::forms().instance(FormId::Form6));
        input::hover(menu().Label6);
        QVERIFY(menu().Label6.cursor().shape() == Qt::ArrowCursor);
        input::click(menu().Label6);
        QVERIFY(program::ended());
        for (FormId id : {FormId::Form1, FormId::Form4, FormId::Form6})
            QVERIFY(!app::forms().instance(id));
    }

    void hotspotsShowTheirPointers()
    {
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label7", "Label8"}) {
            QCOMPARE(hotspot(name).cursor().shape(), Qt::ArrowCursor); // not drawn before it is needed
            input::hover(hotspot(name));
            QCOMPARE(hotspot(name).cursor().shape(), Qt::BitmapCursor);
        }
    }

    void theMenuBarOpensThreeActivities_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("target");
        QTest::newRow("f_mun") << 0 << "كون كلمات عربي" << int(FormId::Form2);
        QTest::newRow("f1_mun") << 1 << " E كون كلمات " << int(FormId::Form3);
        QTest::newRow("f2_mun") << 2 << "صور وكلمات" << int(FormId::Form6);
    }

    void theMenuBarOpensThreeActivities()
    {
        QFETCH(int, item);
        QFETCH(QString, caption);
        QFETCH(int, target);
        QMenuBar* bar = menu().menuBar();
        QCOMPARE(bar->actions().size(), 2); // the second turns the voice off and on
        QAction* view = bar->actions().front();
        QCOMPARE(view->text(), QString("عرض"));
        QVERIFY(bar->actionGeometry(view).right() > bar->width() / 2); // laid out from the right
        QMenu* dropDown = view->menu();
        QCOMPARE(dropDown->actions().size(), 3);
        QAction* chosen = dropDown->actions().at(item);
        QCOMPARE(chosen->text(), caption);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(view).center());
        QTRY_VERIFY(dropDown->isVisible());
        QTest::mouseClick(dropDown, Qt::LeftButton, {}, dropDown->actionGeometry(chosen).center());
        QTRY_VERIFY(program::visibleForm() == app::forms().instance(FormId(target)));
    }

    // The voice's item names its key at its far end, clear of the menu's frame.
    void theVoiceItemNamesItsKeyInsideTheMenu()
    {
        QMenuBar* bar = menu().menuBar();
        QAction* sound = bar->actions().at(1);
        QMenu* dropDown = sound->menu();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(sound).center());
        QTRY_VERIFY(dropDown->isVisible());
        QVERIFY(dropDown->actions().front()->text().endsWith("\tF2"));
        const QImage drawn = dropDown->grab().toImage();
        const QRect item = dropDown->actionGeometry(dropDown->actions().front());
        int leftmostInk = item.right();
        for (int y = item.top(); y <= item.bottom(); ++y)
            for (int x = item.left(); x < leftmostInk; ++x)
                if (qGray(drawn.pixel(x, y)) < 100)
                    leftmostInk = x;
        QVERIFY2(leftmostInk > item.left() + 4 && leftmostInk < item.center().x(),
                 qPrintable(QString::number(leftmostInk)));
    }

    // The menu loads ahead the fonts that the table of screens declares, so that none of the
    // screens waits for its fonts when it opens; a font that a screen uses and does not declare
    // would make it wait.
    void everyScreenDeclaresTheFontsOfItsControls()
    {
        for (const screens::Screen& screen : screens::table()) {
            QList<QFont> declared;
            for (const ui::Font& font : screen.fonts)
                declared.append(ui::toQFont(font));
            QList<QFont> used;
            app::show(screen.id);
            for (const QWidget* control : app::forms().instance(screen.id)->findChildren<QWidget*>()) {
                if (control->testAttribute(Qt::WA_SetFont))
                    used.append(control->font());
            }
            for (const QFont& font : used)
                QVERIFY2(declared.contains(font), qPrintable(QString("%1 uses %2 and does not declare it")
                                                                 .arg(screen.name.data(), font.toString())));
            for (const QFont& font : declared)
                QVERIFY2(used.contains(font), qPrintable(QString("%1 declares %2 and does not use it")
                                                             .arg(screen.name.data(), font.toString())));
        }
    }

    // Each symbol of the artwork lies under its hotspot: there the picture differs from the plain
    // gradient behind it, and where no symbol is drawn it does not.
    void everySymbolLiesUnderItsHotspot()
    {
        QSvgRenderer artwork(QStringLiteral(":/assets/main_menu.svg"));
        QImage full(artwork.defaultSize(), QImage::Format_ARGB32);
        QImage plain = full;
        {
            QPainter painter(&full);
            artwork.render(&painter);
        }
        {
            QPainter painter(&plain);
            artwork.render(&painter, QStringLiteral("background"), artwork.boundsOnElement("background"));
        }
        const auto differing = [&](const QRect& area) {
            int count = 0;
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor a = full.pixelColor(x, y), b = plain.pixelColor(x, y);
                    count +=
                        qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) >
                        90;
                }
            return double(count) / (area.width() * area.height());
        };
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label6", "Label7", "Label8"})
            QVERIFY2(differing(hotspot(name).geometry()) > 0.2, name);
        QVERIFY(differing({470, 140, 40, 40}) < 0.01); // free picture right of the A
    }
};

QTEST_MAIN(MainMenuTest)
#include "tst_main_menu.moc"
