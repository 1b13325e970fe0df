#include "tests/support/announcements.h"
#include "tests/support/fixture.h"
#include "tests/support/input.h"
#include "ui/collation.h"
#include "ui/tiledrag.h"
#include "ui/zoom.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>

#include <memory>

class ControlsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FixtureForm> form;

    QPoint onClient(QWidget& widget, QPoint at) { return widget.mapTo(form->client(), at); }

    // The fixture's control of that name; null for any other name.
    QWidget* controlNamed(const QString& name)
    {
        const std::map<QString, QWidget*> controls = {
            {"Result", &form->Result},   {"Tile3", &form->Tile3},     {"Tile7", &form->Tile7},
            {"Plain", &form->Plain},     {"Hint", &form->Hint},       {"Button", &form->Button},
            {"List", &form->List},       {"Frame1", &form->Frame1},   {"OptionA", &form->OptionA},
            {"Picture", &form->Picture}, {"Hotspot", &form->Hotspot}, {"Box", &form->Box},
            {"Locked", &form->Locked}};
        const auto found = controls.find(name);
        return found != controls.end() ? found->second : nullptr;
    }

    // A point of the client area that no control covers.
    static constexpr QPoint freePoint{397, 227};

private slots:
    void init()
    {
        form = std::make_unique<FixtureForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void aDropReplacesTheBoxText()
    {
        input::drag(form->Tile3, form->Box);
        QCOMPARE(form->Box.text(), QString("3"));
        input::drag(form->Tile7, form->Box);
        QCOMPARE(form->Box.text(), QString("7"));
    }

    void aDropCopiesTheCaptionExactlyWithItsLineBreak()
    {
        input::drag(form->TileYeh, form->Box);
        QCOMPARE(form->Box.text(), QString("ي\r\n"));
    }

    void aDropGivesNeitherFocusNorSelection()
    {
        form->Button.setFocus();
        input::drag(form->Tile7, form->Box);
        QCOMPARE(QApplication::focusWidget(), &form->Button);
        QVERIFY(!form->Box.findChild<QLineEdit*>()->hasSelectedText());
    }

    void dropsOnAnythingButADropBoxChangeNothing_data()
    {
        QTest::addColumn<QString>("target");
        for (const char* name : {"Result", "Tile3", "Tile7", "Plain", "Hint", "Button", "List", "Frame1",
                                 "OptionA", "Picture", "free area"})
            QTest::newRow(name) << QString(name);
    }

    void dropsOnAnythingButADropBoxChangeNothing()
    {
        QFETCH(QString, target);
        if (QWidget* control = controlNamed(target))
            input::drag(form->Tile7, *control);
        else
            input::dragTo(form->Tile7, freePoint);
        for (ui::TextBox* box : {&form->Box, &form->Locked, &form->Result, &form->Hidden})
            QCOMPARE(box->text(), QString());
        QCOMPARE(form->Tile7.caption(), QString("7"));
        QCOMPARE(form->Tile7.geometry(), QRect(20, 10, 25, 25));
        QCOMPARE(form->clicks, 0);
    }

    void aHiddenBoxLetsTheDropThroughToWhatLiesBelow()
    {
        input::drag(form->Tile7, form->Box);
        QCOMPARE(form->Hidden.text(), QString());
        QCOMPARE(form->Box.text(), QString("7"));
    }

    void pressingAndReleasingATileIsNoClick()
    {
        QTest::mouseClick(&form->Tile7, Qt::LeftButton);
        input::dragTo(form->Tile7, onClient(form->Tile7, {3, 3}));
        QCOMPARE(form->clicks, 0);
        QVERIFY(!form->tileDrag().active());
    }

    void anOutlineOfTheTileFollowsThePointer()
    {
        QWidget& client = *form->client();
        const QPoint start = onClient(form->Tile7, {12, 12});
        QTest::mousePress(&client, Qt::LeftButton, {}, start);
        QTest::mouseMove(&client, start + QPoint(100, 60));
        const QList<QWidget*> outlines = client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const auto outline = std::find_if(outlines.begin(), outlines.end(), [](QWidget* w) {
            return w->isVisible() && w->testAttribute(Qt::WA_TransparentForMouseEvents);
        });
        QVERIFY(outline != outlines.end());
        QCOMPARE((*outline)->geometry(), QRect(form->Tile7.pos() + QPoint(100, 60), form->Tile7.size()));
        QCOMPARE(form->Tile7.geometry(), QRect(20, 10, 25, 25));
        QTest::mouseRelease(&client, Qt::LeftButton, {}, start + QPoint(100, 60));
        QVERIFY(!(*outline)->isVisible());
    }

    void lockedBoxesRefuseTypingDeletingAndPastingButTakeDrops()
    {
        input::drag(form->Tile7, form->Locked);
        form->Locked.setFocus();
        input::type(form->Locked, "12");
        QTest::keyClick(&form->Locked, Qt::Key_Backspace);
        QTest::keyClick(&form->Locked, Qt::Key_Delete);
        QGuiApplication::clipboard()->setText("99");
        QTest::keyClick(&form->Locked, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form->Locked.text(), QString("7"));
        form->Box.setFocus();
        input::type(form->Box, "12");
        QCOMPARE(form->Box.text(), QString("12"));
    }

    void nothingDraggedFromAnotherProgramLands()
    {
        QMimeData data;
        data.setText("5");
        const QPoint at = form->Box.rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form->Box, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&form->Box, &drop);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(form->Box.text(), QString());
    }

    void aFingerDragsATileAsTheMouseDoes()
    {
        QPointingDevice* screen = QTest::createTouchDevice();
        const QPoint from = form->Tile3.mapTo(form.get(), form->Tile3.rect().center());
        const QPoint to = form->Box.mapTo(form.get(), form->Box.rect().center());
        QTest::touchEvent(form.get(), screen).press(0, from, form.get());
        QTest::touchEvent(form.get(), screen).move(0, (from + to) / 2, form.get());
        QTest::touchEvent(form.get(), screen).move(0, to, form.get());
        QTest::touchEvent(form.get(), screen).release(0, to, form.get());
        QTRY_COMPARE(form->Box.text(), QString("3"));
    }

    void pointerMovesReachOnlyTheControlUnderThePointer()
    {
        input::hover(form->Hotspot, {5, 5});
        QCOMPARE(form->Hint.caption(), QString("hotspot"));
        input::hover(form->Hint, {form->Hint.width() - 5, form->Hint.height() - 5});
        QCOMPARE(form->Hint.caption(), QString("hotspot")); // the hint label has no handler
        for (QWidget* silent :
             std::initializer_list<QWidget*>{&form->Box, &form->Button, &form->Plain, &form->Tile3,
                                             &form->List, &form->OptionA, &form->Frame1, &form->Picture})
            input::hover(*silent);
        QCOMPARE(form->Hint.caption(), QString("hotspot"));
        input::hover(*form->client(), freePoint);
        QCOMPARE(form->Hint.caption(), QString("free"));
    }

    void aTransparentLabelTakesThePointerOnItsWholeRectangle()
    {
        // The hotspot lies in front of the hint label where they overlap.
        input::hover(*form->client(), freePoint);
        input::hover(*form->client(),
                     onClient(form->Hotspot, {form->Hotspot.width() - 2, form->Hotspot.height() - 2}));
        QCOMPARE(form->Hint.caption(), QString("hotspot"));
        input::click(form->Hotspot);
        QCOMPARE(form->clicks, 1);
    }

    void aHiddenControlLetsThePointerThroughToTheForm()
    {
        form->Picture.hide();
        input::hover(*form->client(), onClient(form->Picture, form->Picture.rect().center()));
        QCOMPARE(form->Hint.caption(), QString("free"));
        QTest::mouseClick(form->client(), Qt::LeftButton, {}, onClient(form->Picture, {5, 5}));
        QCOMPARE(form->imageClicks, 0);
    }

    void aClickNeedsPressAndReleaseOverTheControl()
    {
        QWidget& client = *form->client();
        QTest::mousePress(&client, Qt::LeftButton, {}, onClient(form->Hotspot, {5, 5}));
        QTest::mouseRelease(&client, Qt::LeftButton, {}, freePoint);
        QCOMPARE(form->clicks, 0);
        input::click(form->Picture);
        QCOMPARE(form->imageClicks, 1);
    }

    void focusFollowsTabIndexFromTheLowestVisible()
    {
        QCOMPARE(program::focusedControl(), &form->Button); // TabIndex 0; Hidden (1) is not shown
        const QList<QWidget*> expected = {&form->Locked, &form->Box, &form->Result, &form->List,
                                          &form->OptionA};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(program::focusedControl(), next);
        }
    }

    void spaceAndEnterClickTheFocusedButton()
    {
        form->Button.setFocus();
        QTest::keyClick(&form->Button, Qt::Key_Space);
        QTest::keyClick(&form->Button, Qt::Key_Return);
        QTest::keyClick(&form->Button, Qt::Key_Enter);
        QCOMPARE(form->clicks, 3);
    }

    void sortedListsOrderAsAnArabicReaderDoes()
    {
        const QStringList added = {"موز",   "عصفور",  "كلب",   "تفاحة", "بنت", "سـيارة", "ارنب", "قطار",
                                   "مرسام", "سفـينة", "الـيد", "ساعة",  "باب", "مفتاح",  "وردة", "قطة"};
        for (const QString& word : added)
            form->List.AddItem(word);
        QStringList shown;
        for (int i = 0; i < form->List.ListCount(); ++i)
            shown << form->List.List(i);
        QCOMPARE(shown, QStringList({"ارنب", "الـيد", "باب", "بنت", "تفاحة", "ساعة", "سفـينة", "سـيارة",
                                     "عصفور", "قطار", "قطة", "كلب", "مرسام", "مفتاح", "موز", "وردة"}));
        QVERIFY(ui::alphabeticallyBefore(u"APPLE", u"BABY"));
        QVERIFY(!ui::alphabeticallyBefore(u"TREE", u"TRAIN"));
    }

    void aListChoiceClicksOnceAndStays()
    {
        for (const char* word : {"CAT", "APPLE", "DOG"})
            form->List.AddItem(word);
        QCOMPARE(form->List.ListIndex(), -1);
        QCOMPARE(form->List.List(form->List.ListIndex()), QString());
        QCOMPARE(form->listClicks, 0);
        QWidget* rows = form->List.viewport();
        QTest::mouseClick(rows, Qt::LeftButton, {}, form->List.visualItemRect(form->List.item(1)).center());
        QCOMPARE(form->List.ListIndex(), 1);
        QCOMPARE(form->List.List(1), QString("CAT"));
        QCOMPARE(form->listClicks, 1);
        QTest::mouseClick(rows, Qt::LeftButton, Qt::ControlModifier,
                          form->List.visualItemRect(form->List.item(1)).center());
        QCOMPARE(form->List.ListIndex(), 1);
        QTest::mouseClick(rows, Qt::LeftButton, {}, {5, rows->height() - 3});
        QCOMPARE(form->List.ListIndex(), 1);
        QTest::keyClick(&form->List, Qt::Key_Down);
        QCOMPARE(form->List.ListIndex(), 2);
        QCOMPARE(form->listClicks, 2);
    }

    void aListTakingTheFocusRaisesGotFocus()
    {
        for (const char* word : {"CAT", "APPLE"})
            form->List.AddItem(word);
        form->Box.setFocus();
        QTest::keyClick(&form->Box, Qt::Key_Tab); // to Result
        QTest::keyClick(&form->Result, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &form->List);
        QCOMPARE(form->Hint.caption(), QString("list focus"));
        QCOMPARE(form->List.ListIndex(), -1);
        QTest::keyClick(&form->List, Qt::Key_Down);
        QCOMPARE(form->List.ListIndex(), 0);
        QCOMPARE(form->listClicks, 1);
    }

    void optionsAreExclusiveWithinTheirFrameOnly()
    {
        input::click(form->OptionA);
        input::click(form->OptionC);
        QVERIFY(form->OptionA.value());
        QVERIFY(form->OptionC.value());
        input::click(form->OptionB);
        QVERIFY(!form->OptionA.value());
        QVERIFY(form->OptionB.value());
        QCOMPARE(form->optionClicks, 2);
        form->OptionB.setValue(false);
        QVERIFY(!form->OptionA.value() && !form->OptionB.value());
        QCOMPARE(form->optionClicks, 2);
        input::click(form->OptionA);
        QVERIFY(form->OptionA.value());
        QCOMPARE(form->optionClicks, 3);
    }

    void aFrameHidesItsControls()
    {
        form->Frame1.hide();
        QVERIFY(!form->OptionA.isVisible());
        QVERIFY(!form->OptionA.isHidden()); // its own Visible flag stays
    }

    void aMenuItemClicks()
    {
        QMenuBar* bar = form->menuBar();
        QCOMPARE(bar->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(bar->actions().size(), 1);
        QCOMPARE(bar->actions().front()->text(), QString("عرض"));
        form->Item.action()->trigger();
        QCOMPARE(form->menuClicks, 1);
    }

    void colorsFollowTheTable()
    {
        QCOMPARE(ui::resolve(0x00C0FFFF, {}), QColor(255, 255, 192));
        QCOMPARE(ui::resolve(0x00C00000, {}), QColor(0, 0, 192));
        QPalette palette;
        palette.setColor(QPalette::ButtonText, Qt::darkCyan);
        QCOMPARE(ui::resolve(ui::SystemColor::ButtonText, palette), QColor(Qt::darkCyan));
        form->Hint.setCaption("colour");
        form->Hint.setForeColor(0x000000FF);
        const QImage shot = form->Hint.grab().toImage();
        bool red = false;
        for (int x = 0; x < shot.width() && !red; ++x)
            for (int y = 0; y < shot.height() && !red; ++y)
                red = shot.pixelColor(x, y) == QColor(255, 0, 0);
        QVERIFY(red);
    }

    // A text box sits sunken in the form: darker along its top and left edges than along its
    // bottom and right ones. The box that has the keyboard shows it, locked or not.
    void aTextBoxIsSunkenAndShowsTheKeyboardFocus_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("locked") << "Result";
        QTest::newRow("typed into") << "Box";
    }

    void aTextBoxIsSunkenAndShowsTheKeyboardFocus()
    {
        QFETCH(QString, box);
        QWidget& control = *controlNamed(box);
        form->Button.setFocus();
        const auto lightness = [](const QImage& shot, int x, int y) {
            return shot.pixelColor(x, y).lightness();
        };
        const QImage unfocused = control.grab().toImage();
        const int right = unfocused.width() - 1, bottom = unfocused.height() - 1;
        for (int edge : {0, 1}) {
            QVERIFY(lightness(unfocused, edge, bottom / 2) < lightness(unfocused, right - edge, bottom / 2));
            QVERIFY(lightness(unfocused, right / 2, edge) < lightness(unfocused, right / 2, bottom - edge));
        }
        const QColor highlight = control.palette().color(QPalette::Highlight);
        QVERIFY(unfocused.pixelColor(right / 2, 2) != highlight);
        input::click(control);
        QTRY_VERIFY(control.hasFocus());
        QCOMPARE(control.grab().toImage().pixelColor(right / 2, 2), highlight);
    }

    // A locked box shows what it holds in its own colour and font, on one line even where a
    // dropped letter brings a line break along.
    void aLockedBoxShowsItsTextOnOneLine()
    {
        ui::TextBox& box = form->Result;
        const auto inkRows = [&] { // rows inside the border with dark text on them
            const QImage shot = box.grab().toImage();
            const int margin = 4;
            QList<int> rows;
            for (int y = margin; y < shot.height() - margin; ++y)
                for (int x = margin; x < shot.width() - margin; ++x)
                    if (shot.pixelColor(x, y).lightness() < 128 && !rows.contains(y))
                        rows.append(y);
            return rows;
        };
        QVERIFY(inkRows().isEmpty());
        box.setText("ي\r\nب");
        const QList<int> rows = inkRows();
        QVERIFY(!rows.isEmpty());
        QVERIFY(rows.last() - rows.first() < QFontMetrics(box.font()).height());
    }

    // A command button stands out of the form, lighter along its top and left edges than along its
    // bottom and right ones, sinks while it is pressed and shows when it has the keyboard.
    void aCommandButtonStandsOutSinksWhilePressedAndShowsTheKeyboardFocus()
    {
        ui::CommandButton& button = form->Button;
        const auto standsOut = [&button] {
            const QImage shot = button.grab().toImage();
            const int right = shot.width() - 1, bottom = shot.height() - 1;
            const auto lightness = [&shot](int x, int y) { return shot.pixelColor(x, y).lightness(); };
            return lightness(0, bottom / 2) > lightness(right, bottom / 2) &&
                   lightness(right / 2, 0) > lightness(right / 2, bottom);
        };
        const QRgb highlight = button.palette().color(QPalette::Highlight).rgb();
        const auto showsFocus = [&] {
            return button.grab().toImage().pixel(button.width() / 2, 2) == highlight;
        };
        form->Box.setFocus();
        QTRY_VERIFY(!button.hasFocus());
        QVERIFY(standsOut());
        QVERIFY(!showsFocus());
        QTest::mousePress(&button, Qt::LeftButton, {}, button.rect().center());
        QVERIFY(!standsOut());
        QTest::mouseRelease(&button, Qt::LeftButton, {}, button.rect().center());
        QVERIFY(standsOut());
        QVERIFY(button.hasFocus()); // a click takes the keyboard along
        QVERIFY(showsFocus());
    }

    // A frame is an etched groove, a dark line with a lit one inside it, whose top line its caption
    // interrupts near the leading edge: on the left in a left-to-right frame, on the right otherwise.
    void aFrameIsAnEtchedGrooveWithItsCaptionInTheTopLine_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("left to right") << Qt::LeftToRight;
        QTest::newRow("right to left") << Qt::RightToLeft;
    }

    void aFrameIsAnEtchedGrooveWithItsCaptionInTheTopLine()
    {
        QFETCH(Qt::LayoutDirection, direction);
        ui::Frame& frame = form->Frame1;
        frame.setLayoutDirection(direction);
        const QImage shot = frame.grab().toImage();
        const QRgb groove = frame.palette().color(QPalette::Mid).rgb();
        const QRgb ridge = frame.palette().color(QPalette::Light).rgb();
        const int right = shot.width() - 1, bottom = shot.height() - 1, middle = shot.height() / 2;
        QCOMPARE(shot.pixel(0, middle), groove);
        QCOMPARE(shot.pixel(1, middle), ridge);
        QCOMPARE(shot.pixel(right - 1, middle), groove);
        QCOMPARE(shot.pixel(right, middle), ridge);
        QCOMPARE(shot.pixel(shot.width() / 2, bottom - 1), groove);
        QCOMPARE(shot.pixel(shot.width() / 2, bottom), ridge);
        const int topLine = int(QFontMetricsF(frame.font(), &frame).height() / 2);
        const int besideCaption = ui::scaled(8) - 1; // in the gap before the caption starts
        const int leading = direction == Qt::LeftToRight ? besideCaption : right - besideCaption;
        const int trailing = right - leading;
        QCOMPARE(shot.pixel(trailing, topLine), groove);
        QCOMPARE(shot.pixel(leading, topLine), frame.palette().color(QPalette::Window).rgb());
    }

    // A screen reader reads each control as what it is and says what it holds.
    void everyControlReadsAsWhatItIs_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("tile") << "Tile7" << QAccessible::StaticText << "7";
        QTest::newRow("hotspot") << "Hotspot" << QAccessible::StaticText << "hotspot";
        QTest::newRow("drop box") << "Box" << QAccessible::EditableText << "7";
        QTest::newRow("button") << "Button" << QAccessible::Button << "زر";
        QTest::newRow("picture") << "Picture" << QAccessible::Graphic << "apple";
        QTest::newRow("option") << "OptionA" << QAccessible::RadioButton << "A";
    }

    void everyControlReadsAsWhatItIs()
    {
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        input::drag(form->Tile7, form->Box);
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(controlNamed(control));
        QCOMPARE(spoken->role(), role);
        QCOMPARE(spoken->text(QAccessible::Name), name);
    }

    // A screen reader reads a box's characters, its caret and its selection, whether the box holds
    // an editor or shows its text itself.
    void aScreenReaderReadsTheCharactersOfABox_data()
    {
        QTest::addColumn<QString>("control");
        QTest::newRow("editable") << "Box";
        QTest::newRow("locked") << "Locked";
    }

    void aScreenReaderReadsTheCharactersOfABox()
    {
        QFETCH(QString, control);
        auto& box = *static_cast<ui::TextBox*>(controlNamed(control));
        input::drag(form->TileYeh, box);
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 3);
        QCOMPARE(text->text(0, 3), QString("ي\r\n"));
        QCOMPARE(text->text(0, 1), QString("ي"));
        box.setText("345");
        QCOMPARE(text->text(1, 3), QString("45"));
        int start = -1, end = -1;
        if (box.isLocked()) {
            QCOMPARE(text->cursorPosition(), 0);
            QCOMPARE(text->selectionCount(), 0);
            return;
        }
        input::click(box);
        QTest::keyClick(box.focusProxy(), Qt::Key_End);
        QCOMPARE(text->cursorPosition(), 3);
        QTest::keyClick(box.focusProxy(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(2, 3));
    }

    // A screen reader is told where each character of a locked box stands, as it is drawn.
    void aScreenReaderFindsTheCharactersOfALockedBoxWhereTheyAreDrawn()
    {
        ui::TextBox& box = form->Locked;
        box.setText("345");
        QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
        const QRect onScreen(box.mapToGlobal(QPoint()), box.size());
        QRegion characters;
        for (int i = 0; i < 3; ++i) {
            const QRect character = text->characterRect(i);
            QVERIFY(onScreen.contains(character) && !character.isEmpty());
            QVERIFY(i == 0 || character.left() >= text->characterRect(i - 1).right());
            QCOMPARE(text->offsetAtPoint(character.center()), i);
            characters += character.translated(-onScreen.topLeft()).adjusted(-1, -1, 1, 1);
        }
        QCOMPARE(text->offsetAtPoint(onScreen.bottomRight() + QPoint(1, 1)), -1);
        const QImage shot = box.grab().toImage();
        const int border = 4;
        int ink = 0;
        for (int y = border; y < shot.height() - border; ++y)
            for (int x = border; x < shot.width() - border; ++x)
                if (shot.pixelColor(x, y).lightness() < 128) {
                    ++ink;
                    QVERIFY2(characters.contains(QPoint(x, y)),
                             qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
                }
        QVERIFY(ink > 0);
    }

    void changesOfWhatIsShownAreAnnounced()
    {
        const Announcements announcements;
        input::hover(form->Hotspot);
        input::drag(form->Tile3, form->Box);
        QVERIFY(announcements.changed(form->Hint));
        QVERIFY(announcements.changed(form->Box));
        QVERIFY(!announcements.changed(form->Tile3));
    }
};

QTEST_MAIN(ControlsTest)
#include "tst_controls.moc"
