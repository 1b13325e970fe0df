#include "screens/english_words/form3.h"
#include "tests/support/input.h"

#include <QApplication>
#include <QTest>

#include <algorithm>
#include <map>

using app::FormId;

namespace {

const QString praise = QStringLiteral("Very Good . The word is:   ");
const QString tryAgain = QStringLiteral(" The word is rong . Try Again ");

} // namespace

class TestEnglishWords : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void freshScreen();
    void firstFocusIsOnWordList();
    void tilesStandInLetterOrderWithCyclingColours();
    void everyWordIsPraisedWithItsPicture_data();
    void everyWordIsPraisedWithItsPicture();
    void wrongWordsAskForAnotherTry_data();
    void wrongWordsAskForAnotherTry();
    void checkWithoutChoice_data();
    void checkWithoutChoice();
    void keyboardChoosesAWord();
    void choosingAnotherWordKeepsResultAndPicture();
    void secondDropReplacesLetter();
    void dropsElsewhereChangeNothing_data();
    void dropsElsewhereChangeNothing();
    void backEmptiesScreenAndKeepsChoice();
    void pointerMovesNeverChangeHint();

private:
    Form3& form() { return program::screen<Form3>(FormId::Form3); }
    std::array<ui::TextBox*, 6> boxes() { return form().dropBoxes(); }
    std::array<ui::Image*, 17> pictures() { return form().pictures(); }
    ui::Label& tile(QChar letter) { return program::tile(form(), letter); }
    std::vector<ui::Label*> tileRow(int top);
    void choose(const QString& word);
    // One letter a box from the first box on; a blank leaves its box alone.
    void fill(const QString& letters);
    void check() { input::click(form().Command1); }
    int visiblePicture();
    std::size_t visibleBoxes();
    QStringList state();
};

void TestEnglishWords::init()
{
    program::start();
    app::forms().show(FormId::Form3);
    app::hide(FormId::Form1);
    QVERIFY(QTest::qWaitForWindowActive(&form()));
}

void TestEnglishWords::cleanup()
{
    program::stop();
}

std::vector<ui::Label*> TestEnglishWords::tileRow(int top)
{
    std::vector<ui::Label*> row;
    for (ui::Label* label : form().client()->findChildren<ui::Label*>())
        if (label->isTile() && label->y() == ui::pixels(top))
            row.push_back(label);
    std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return row;
}

void TestEnglishWords::choose(const QString& word)
{
    ui::ListBox& list = form().List1;
    input::choose(list, word);
    QCOMPARE(list.List(list.ListIndex()), word);
}

void TestEnglishWords::fill(const QString& letters)
{
    for (qsizetype i = 0; i < letters.size(); ++i)
        if (letters[i] != u' ')
            input::drag(tile(letters[i]), *boxes()[i]);
}

int TestEnglishWords::visiblePicture()
{
    const auto all = pictures();
    const auto shown =
        std::count_if(all.begin(), all.end(), [](auto* picture) { return !picture->isHidden(); });
    if (shown != 1)
        return shown == 0 ? 0 : -1;
    const auto picture =
        std::find_if(all.begin(), all.end(), [](auto* picture) { return !picture->isHidden(); });
    return int(picture - all.begin()) + 1;
}

std::size_t TestEnglishWords::visibleBoxes()
{
    const auto all = boxes();
    return std::count_if(all.begin(), all.end(), [](auto* box) { return !box->isHidden(); });
}

// Everything the child can see change on this screen.
QStringList TestEnglishWords::state()
{
    QStringList seen;
    for (ui::TextBox* box : boxes())
        seen << box->text() + (box->isHidden() ? "/hidden" : "");
    seen << form().Text3.text() << form().Label11.caption() << QString::number(form().List1.ListIndex())
         << QString::number(visiblePicture()) << QString::number(program::visibleForm() == &form());
    return seen;
}

void TestEnglishWords::window()
{
    QCOMPARE(form().windowTitle(), QStringLiteral("كَوِّن كلمات  E...سلسلة برامج Marzun"));
    QCOMPARE(form().client()->size(), QSize(580, 398));
    QVERIFY(!(form().windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(form().windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form().windowIcon().isNull());
    QCOMPARE(form().Command1.text(), QStringLiteral("الكلمة هي"));
    QCOMPARE(form().Command2.text(), QStringLiteral("BACK"));
}

void TestEnglishWords::freshScreen()
{
    QCOMPARE(visibleBoxes(), 3u);
    for (ui::TextBox* box : {boxes()[0], boxes()[1], boxes()[2]})
        QVERIFY(!box->isHidden());
    for (ui::TextBox* box : boxes())
        QVERIFY(box->text().isEmpty());
    QVERIFY(form().Text3.text().isEmpty());
    QVERIFY(form().Label11.caption().isEmpty());
    QCOMPARE(visiblePicture(), 0);
    QCOMPARE(form().List1.ListIndex(), -1);
    QStringList items;
    for (int i = 0; i < form().List1.ListCount(); ++i)
        items << form().List1.List(i);
    QCOMPARE(items, QStringList({"APPLE", "BABY", "BIRD", "CAR", "CAT", "DOG", "DOOR", "FLOWER", "GIRL",
                                 "HAND", "KEY", "PANANA", "PENCIL", "RABBIT", "SHIP", "TRAIN", "TREE"}));
}

void TestEnglishWords::firstFocusIsOnWordList()
{
    QCOMPARE(QApplication::focusWidget(), &form().List1);
    QTest::keyClick(&form(), Qt::Key_Tab);
    // The hidden boxes come earlier in the keyboard order but are passed over.
    QCOMPARE(QApplication::focusWidget(), &form().Text4);
}

void TestEnglishWords::tilesStandInLetterOrderWithCyclingColours()
{
    const std::vector<QColor> cycle{{255, 192, 192}, {255, 255, 192}, {192, 192, 255}, {192, 255, 192}};
    const std::map<int, std::pair<QString, std::size_t>> rows{{480, {"ABCDEFGHIJKLMN", 0}},
                                                              {1080, {"OPQRSTUVXWYZ", 3}}};
    for (const auto& [top, expected] : rows) {
        QString letters;
        std::size_t colour = expected.second;
        for (ui::Label* label : tileRow(top)) {
            letters += label->caption();
            QCOMPARE(label->grab().toImage().pixelColor(3, 3), cycle[colour++ % cycle.size()]);
        }
        QCOMPARE(letters, expected.first);
    }
}

void TestEnglishWords::everyWordIsPraisedWithItsPicture_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("picture");
    const std::pair<const char*, int> table[] = {
        {"DOOR", 13}, {"RABBIT", 7},  {"CAR", 6},   {"PANANA", 1}, {"APPLE", 4}, {"CAT", 16},
        {"GIRL", 5},  {"PENCIL", 9},  {"HAND", 11}, {"SHIP", 10},  {"KEY", 14},  {"DOG", 3},
        {"BIRD", 2},  {"FLOWER", 15}, {"BABY", 12}, {"TRAIN", 8},  {"TREE", 17}};
    for (const auto& [word, picture] : table)
        QTest::newRow(word) << QString(word) << picture;
}

void TestEnglishWords::everyWordIsPraisedWithItsPicture()
{
    QFETCH(QString, word);
    QFETCH(int, picture);
    choose(word);
    QCOMPARE(visibleBoxes(), std::size_t(word.size()));
    fill(word);
    for (int press = 0; press < 2; ++press) {
        check();
        QCOMPARE(form().Text3.text(), word);
        QCOMPARE(form().Label11.caption(), praise + word);
        QCOMPARE(visiblePicture(), picture);
        QCOMPARE(pictures()[picture - 1]->accessibleName(), word);
    }
}

void TestEnglishWords::wrongWordsAskForAnotherTry_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("built");
    QTest::addColumn<int>("picture");
    // Before each row KEY has been built, so its picture (14) stands unless a table word replaces it.
    QTest::newRow("CAT for CAR") << "CAR"
                                 << "CAT"
                                 << "CAT" << 16;
    QTest::newRow("RAB for RABBIT") << "RABBIT"
                                    << "RAB"
                                    << "RAB" << 14;
    QTest::newRow("DOG in boxes 2 to 4 for DOOR") << "DOOR"
                                                  << " DOG"
                                                  << "DOG" << 3;
    QTest::newRow("BANANA for PANANA") << "PANANA"
                                       << "BANANA"
                                       << "BANANA" << 14;
}

void TestEnglishWords::wrongWordsAskForAnotherTry()
{
    QFETCH(QString, chosen);
    QFETCH(QString, letters);
    QFETCH(QString, built);
    QFETCH(int, picture);
    choose("KEY");
    fill("KEY");
    check();
    QCOMPARE(visiblePicture(), 14);
    choose(chosen);
    fill(letters);
    check();
    QCOMPARE(form().Text3.text(), built);
    QCOMPARE(form().Label11.caption(), tryAgain);
    QCOMPARE(visiblePicture(), picture);
}

void TestEnglishWords::checkWithoutChoice_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("picture");
    // With no choice the word to match is the empty text, which only empty boxes build.
    QTest::newRow("empty boxes") << "" << praise << 0;
    QTest::newRow("CAT") << "CAT" << tryAgain << 16;
    QTest::newRow("XYZ") << "XYZ" << tryAgain << 0;
}

void TestEnglishWords::checkWithoutChoice()
{
    QFETCH(QString, letters);
    QFETCH(QString, message);
    QFETCH(int, picture);
    fill(letters);
    check();
    QCOMPARE(form().Text3.text(), letters);
    QCOMPARE(form().Label11.caption(), message);
    QCOMPARE(visiblePicture(), picture);
}

void TestEnglishWords::keyboardChoosesAWord()
{
    QTest::keyClick(&form().List1, Qt::Key_End);
    QCOMPARE(form().List1.List(form().List1.ListIndex()), QStringLiteral("TREE"));
    QCOMPARE(visibleBoxes(), 4u);
    QTest::keyClick(&form().List1, Qt::Key_Home);
    QCOMPARE(form().List1.List(form().List1.ListIndex()), QStringLiteral("APPLE"));
    QCOMPARE(visibleBoxes(), 5u);
    QTest::keyClick(&form().List1, Qt::Key_Up);
    QTest::keyClick(&form().List1, Qt::Key_Down);
    QCOMPARE(form().List1.List(form().List1.ListIndex()), QStringLiteral("BABY"));
    QCOMPARE(visibleBoxes(), 4u);
}

void TestEnglishWords::choosingAnotherWordKeepsResultAndPicture()
{
    choose("RABBIT");
    fill("RABBIT");
    check();
    choose("CAR");
    QCOMPARE(state(),
             QStringList({"", "", "", "/hidden", "/hidden", "/hidden", "RABBIT", "", "3", "7", "1"}));
    choose("FLOWER");
    QCOMPARE(state(), QStringList({"", "", "", "", "", "", "RABBIT", "", "7", "7", "1"}));
}

void TestEnglishWords::secondDropReplacesLetter()
{
    input::drag(tile('C'), form().Text1);
    input::drag(tile('D'), form().Text1);
    input::drag(tile('A'), form().Text2);
    input::drag(tile('A'), form().Text4);
    QCOMPARE(form().Text1.text(), QStringLiteral("D"));
    QCOMPARE(form().Text2.text(), QStringLiteral("A"));
    QCOMPARE(form().Text4.text(), QStringLiteral("A"));
}

void TestEnglishWords::dropsElsewhereChangeNothing_data()
{
    QTest::addColumn<QString>("target");
    for (const char* target : {"the tile itself", "another tile", "result box", "word list", "check button",
                               "back button", "hint label", "visible picture", "hidden box", "free area"})
        QTest::newRow(target) << QString(target);
}

void TestEnglishWords::dropsElsewhereChangeNothing()
{
    QFETCH(QString, target);
    Form3& f = form();
    const auto centre = [&](QWidget& widget) { return widget.geometry().center(); };
    const std::map<QString, QPoint> places{
        {"the tile itself", centre(f.Label15)}, {"another tile", centre(f.Label19)},
        {"result box", centre(f.Text3)},        {"word list", centre(f.List1)},
        {"check button", centre(f.Command1)},   {"back button", centre(f.Command2)},
        {"hint label", centre(f.Label11)},      {"visible picture", centre(f.Image14)},
        {"hidden box", centre(f.Text5)},        {"free area", QPoint(10, 10)}};
    choose("KEY");
    fill("KEY");
    check();
    const QStringList before = state();
    input::dragTo(f.Label15, places.at(target));
    QCOMPARE(state(), before);
}

void TestEnglishWords::backEmptiesScreenAndKeepsChoice()
{
    choose("RABBIT");
    fill("RABBIT");
    check();
    bool menuShownBeforeHiding = false;
    struct HideWatch : QObject {
        bool& seen;
        explicit HideWatch(bool& seen)
            : seen(seen)
        {
        }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Hide) {
                const ui::Form* menu = app::forms().instance(FormId::Form4);
                seen = menu && menu->isVisible();
            }
            return false;
        }
    } watch(menuShownBeforeHiding);
    form().installEventFilter(&watch);
    input::click(form().Command2);
    form().removeEventFilter(&watch);
    QVERIFY(menuShownBeforeHiding);
    QCOMPARE(program::visibleForm(), app::forms().instance(FormId::Form4));
    QCOMPARE(state(), QStringList({"", "", "", "", "", "", "", "", "13", "0", "0"}));
    for (int visit = 0; visit < 3; ++visit) {
        app::forms().show(FormId::Form3);
        app::hide(FormId::Form4);
        input::click(form().Command2);
    }
    app::forms().show(FormId::Form3);
    app::hide(FormId::Form4);
    QCOMPARE(form().List1.ListCount(), 17);
    check();
    QCOMPARE(state(), QStringList({"", "", "", "", "", "", "", tryAgain, "13", "0", "1"}));
}

void TestEnglishWords::pointerMovesNeverChangeHint()
{
    choose("DOG");
    fill("DOG");
    check();
    const QString shown = form().Label11.caption();
    QCOMPARE(shown, praise + "DOG");
    for (QWidget* control : form().client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (control->isVisible())
            input::hover(*control);
    input::hover(*form().client(), {10, 10});
    input::hover(*form().client(), {570, 390});
    QCOMPARE(form().Label11.caption(), shown);
}

QTEST_MAIN(TestEnglishWords)
#include "tst_english_words.moc"
