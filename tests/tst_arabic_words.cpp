#include "screens/arabic_words/form2.h"
#include "tests/support/input.h"

#include "screens/main_menu/form4.h"

#include <QApplication>
#include <QTest>

#include <functional>

using Tile = ui::Label screens::ArabicLetterTiles::*;
Q_DECLARE_METATYPE(Tile)

namespace {

const QString praise = QStringLiteral("أحسنت الكلمة صحيحة   :   ");
const QString tryAgain = QStringLiteral("حاول مرة أخرى لإن الكلمة خاطئة  ");
const QString saying =
    QStringLiteral("قال رسول الله صلى الله عليه وسلم : اطلبوا العلم من المهد إلى اللحد . ");
const QString yehHint = QStringLiteral("ياء تكتب في وسط وآخر الكلمة");
const QString instruction =
    QStringLiteral("من مربع الكلمات حدد الكلمة المطلوب تكوينها . ثم اضغط مع السحب على الحرف الذي تريده ثم "
                   "ألقه في المربع المخصص له كي تكون الكلمة المطلوبة . ");

// A point of the client area given in twips, as the control tables place things.
QPoint twips(int left, int top)
{
    return {ui::pixels(left), ui::pixels(top)};
}

// Runs a check at the moment the main menu appears.
class MenuShowWatch : public QObject {
public:
    explicit MenuShowWatch(std::function<void()> check)
        : check_(std::move(check))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Form4*>(watched))
            check_();
        return false;
    }

private:
    std::function<void()> check_;
};

} // namespace

class TestArabicWords : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstSight();
    void listShowsWordsInArabicOrder();
    void buildsEveryListedWord_data();
    void buildsEveryListedWord();
    void pictureFollowsTheBuiltWord_data();
    void pictureFollowsTheBuiltWord();
    void plainYehIsNotTheMedialYeh();
    void emptyBoxesAreSkipped();
    void emptyCheck_data();
    void emptyCheck();
    void choosingAWordPreparesItsBoxes_data();
    void choosingAWordPreparesItsBoxes();
    void choosingAWordKeepsTheLastAnswer();
    void dropCopiesTheWholeCaption_data();
    void dropCopiesTheWholeCaption();
    void dropsElsewhereChangeNothing_data();
    void dropsElsewhereChangeNothing();
    void hoverHints_data();
    void hoverHints();
    void focusOrder_data();
    void focusOrder();
    void backCleansTheScreenAndKeepsTheChoice();

private:
    Form2& screen() { return program::screen<Form2>(app::FormId::Form2); }
    QList<ui::Label*> tilesSpelling(const QString& word);
    void choose(const QString& text);
    void build(const QList<ui::Label*>& tiles);
    void spell(const QString& text) { build(tilesSpelling(text)); }
    void check() { input::click(screen().Command1); }
    QList<int> shownPictures();
    QList<ui::TextBox*> shownLetterBoxes();
};

void TestArabicWords::init()
{
    program::start();
    // As the main menu opens it: the new screen shown, the one left hidden.
    app::forms().show(app::FormId::Form2);
    app::forms().hide(app::FormId::Form1);
    QVERIFY(QTest::qWaitForWindowExposed(&screen()));
}

void TestArabicWords::cleanup()
{
    program::stop();
}

// The tiles that spell a word, first letter first: at each place, the tile with the longest
// caption that the rest of the word begins with.
QList<ui::Label*> TestArabicWords::tilesSpelling(const QString& word)
{
    QList<ui::Label*> tiles;
    for (qsizetype at = 0; at < word.size();) {
        ui::Label* longest = nullptr;
        for (ui::Label* tile : screen().findChildren<ui::Label*>()) {
            if (tile->isTile() && QStringView(word).sliced(at).startsWith(tile->caption()) &&
                (!longest || tile->caption().size() > longest->caption().size()))
                longest = tile;
        }
        if (!longest)
            qFatal("no tile for the letter at %lld of %s", at, qPrintable(word));
        tiles.append(longest);
        at += longest->caption().size();
    }
    return tiles;
}

void TestArabicWords::choose(const QString& text)
{
    ui::ListBox& list = screen().List1;
    input::choose(list, text);
    QCOMPARE(list.List(list.ListIndex()), text);
}

void TestArabicWords::build(const QList<ui::Label*>& tiles)
{
    const std::array<ui::TextBox*, 8> boxes = screen().letterBoxes();
    for (qsizetype i = 0; i < tiles.size(); ++i)
        input::drag(*tiles[i], *boxes[i]);
}

QList<int> TestArabicWords::shownPictures()
{
    QList<int> shown;
    const std::array<ui::Image*, 19> pictures = screen().pictures();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        if (!pictures[i]->isHidden())
            shown.append(int(i) + 1);
    }
    return shown;
}

QList<ui::TextBox*> TestArabicWords::shownLetterBoxes()
{
    QList<ui::TextBox*> shown;
    for (ui::TextBox* box : screen().letterBoxes()) {
        if (!box->isHidden())
            shown.append(box);
    }
    return shown;
}

void TestArabicWords::firstSight()
{
    Form2& form = screen();
    QCOMPARE(form.windowTitle(), QStringLiteral("كون كلمات عربي...سلسلة برامج Marzun"));
    QCOMPARE(form.client()->size(), QSize(581, 455));
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!form.windowIcon().isNull());
    QCOMPARE(form.Label30.caption(), instruction);
    QCOMPARE(form.List1.ListCount(), 16);
    QCOMPARE(form.List1.ListIndex(), -1);
    QCOMPARE(shownLetterBoxes(), (QList<ui::TextBox*>{&form.Text1, &form.Text2, &form.Text4}));
    QVERIFY(!form.Text3.isHidden());
    QCOMPARE(form.Text3.text(), QString());
    QCOMPARE(form.Label11.caption(), QString());
    QCOMPARE(shownPictures(), QList<int>{});
    QCOMPARE(QApplication::focusWidget(), &form.Command1);
}

void TestArabicWords::listShowsWordsInArabicOrder()
{
    const QStringList expected{"ارنب",  "الـيد", "باب", "بنت", "تفاحة", "ساعة",  "سفـينة", "سـيارة",
                               "عصفور", "قطار",  "قطة", "كلب", "مرسام", "مفتاح", "موز",    "وردة"};
    QStringList shown;
    ui::ListBox& list = screen().List1;
    for (int row = 0; row < list.ListCount(); ++row)
        shown.append(list.List(row));
    QCOMPARE(shown, expected);
}

void TestArabicWords::buildsEveryListedWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("picture");
    QTest::newRow("banana") << QStringLiteral("موز") << 1;
    QTest::newRow("bird") << QStringLiteral("عصفور") << 2;
    QTest::newRow("dog") << QStringLiteral("كلب") << 3;
    QTest::newRow("apple") << QStringLiteral("تفاحة") << 4;
    QTest::newRow("girl") << QStringLiteral("بنت") << 5;
    QTest::newRow("car") << QStringLiteral("سـيارة") << 6;
    QTest::newRow("rabbit") << QStringLiteral("ارنب") << 7;
    QTest::newRow("train") << QStringLiteral("قطار") << 8;
    QTest::newRow("pencil") << QStringLiteral("مرسام") << 9;
    QTest::newRow("ship") << QStringLiteral("سفـينة") << 19;
    QTest::newRow("hand") << QStringLiteral("الـيد") << 11;
    QTest::newRow("clock") << QStringLiteral("ساعة") << 18;
    QTest::newRow("door") << QStringLiteral("باب") << 13;
    QTest::newRow("key") << QStringLiteral("مفتاح") << 14;
    QTest::newRow("flower") << QStringLiteral("وردة") << 15;
    QTest::newRow("cat") << QStringLiteral("قطة") << 16;
}

void TestArabicWords::buildsEveryListedWord()
{
    QFETCH(QString, word);
    QFETCH(int, picture);
    choose(word);
    QCOMPARE(shownLetterBoxes().size(), int(tilesSpelling(word).size()));
    spell(word);
    check();
    QCOMPARE(screen().Text3.text(), word);
    QCOMPARE(screen().Label11.caption(), praise + word);
    QCOMPARE(shownPictures(), QList<int>{picture});
}

void TestArabicWords::pictureFollowsTheBuiltWord_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("built");
    QTest::addColumn<int>("picture");
    QTest::newRow("dog for the cat") << QStringLiteral("قطة") << QStringLiteral("كلب") << 3;
    QTest::newRow("clock for the train") << QStringLiteral("قطار") << QStringLiteral("ساعة") << 18;
    QTest::newRow("train for the clock") << QStringLiteral("ساعة") << QStringLiteral("قطار") << 8;
    QTest::newRow("child for the door") << QStringLiteral("باب") << QStringLiteral("طفل") << 12;
    QTest::newRow("tree for the flower") << QStringLiteral("وردة") << QStringLiteral("شجرة") << 17;
    QTest::newRow("child with no word chosen") << QString() << QStringLiteral("طفل") << 12;
}

void TestArabicWords::pictureFollowsTheBuiltWord()
{
    QFETCH(QString, chosen);
    QFETCH(QString, built);
    QFETCH(int, picture);
    spell("باب");
    check();
    if (!chosen.isEmpty())
        choose(chosen);
    spell(built);
    check();
    QCOMPARE(screen().Label11.caption(), tryAgain + built);
    QCOMPARE(shownPictures(), QList<int>{picture});
}

void TestArabicWords::plainYehIsNotTheMedialYeh()
{
    Form2& form = screen();
    choose("موز");
    spell("موز");
    check();
    choose("سـيارة");
    screens::ArabicLetterTiles& tiles = form.Tiles;
    build({&tiles.Label13, &tiles.Label31, &tiles.Label1, &tiles.Label10, &tiles.Label29});
    check();
    const QString built = QStringLiteral("سي\r\nارة");
    QCOMPARE(form.Text3.text(), built);
    QCOMPARE(form.Label11.caption(), tryAgain + built);
    QCOMPARE(shownPictures(), QList<int>{1});
}

void TestArabicWords::emptyBoxesAreSkipped()
{
    Form2& form = screen();
    choose("عصفور");
    input::drag(form.Tiles.Label12, form.Text1);
    input::drag(form.Tiles.Label23, form.Text1);
    input::drag(form.Tiles.Label24, form.Text4);
    input::drag(form.Tiles.Label2, form.Text6);
    check();
    QCOMPARE(form.Text3.text(), QStringLiteral("كلب"));
    QCOMPARE(form.Label11.caption(), tryAgain + "كلب");
    QCOMPARE(shownPictures(), QList<int>{3});
}

void TestArabicWords::emptyCheck_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QList<int>>("pictures");
    // With no word chosen the list yields the empty text, which the empty built word equals.
    QTest::newRow("no word chosen") << "" << praise << QList<int>{};
    QTest::newRow("word chosen") << "موز" << tryAgain << QList<int>{13};
}

void TestArabicWords::emptyCheck()
{
    QFETCH(QString, chosen);
    QFETCH(QString, answer);
    QFETCH(QList<int>, pictures);
    if (!chosen.isEmpty()) {
        choose("باب");
        spell("باب");
        check();
        choose(chosen);
    }
    check();
    QCOMPARE(screen().Text3.text(), QString());
    QCOMPARE(screen().Label11.caption(), answer);
    QCOMPARE(shownPictures(), pictures);
}

void TestArabicWords::choosingAWordPreparesItsBoxes_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("boxes");
    QTest::newRow("three letters") << "قطة" << 3;
    QTest::newRow("four letters") << "وردة" << 4;
    QTest::newRow("five letters") << "مفتاح" << 5;
}

void TestArabicWords::choosingAWordPreparesItsBoxes()
{
    QFETCH(QString, word);
    QFETCH(int, boxes);
    Form2& form = screen();
    choose("عصفور");
    spell("عصفور");
    choose(word);
    const std::array<ui::TextBox*, 8> letterBoxes = form.letterBoxes();
    QCOMPARE(shownLetterBoxes(), QList<ui::TextBox*>(letterBoxes.begin(), letterBoxes.begin() + boxes));
    for (ui::TextBox* box : letterBoxes)
        QCOMPARE(box->text(), QString());
    QCOMPARE(form.Label11.caption(), QString());
}

void TestArabicWords::choosingAWordKeepsTheLastAnswer()
{
    Form2& form = screen();
    choose("قطار");
    spell("قطار");
    check();
    choose("مفتاح");
    QCOMPARE(form.Text3.text(), QStringLiteral("قطار"));
    QCOMPARE(shownPictures(), QList<int>{8});
    QCOMPARE(form.Label11.caption(), QString());
}

void TestArabicWords::dropCopiesTheWholeCaption_data()
{
    QTest::addColumn<Tile>("tile");
    QTest::addColumn<QString>("text");
    QTest::newRow("alef") << &screens::ArabicLetterTiles::Label1 << "ا";
    QTest::newRow("tatweel and yeh") << &screens::ArabicLetterTiles::Label32 << "ـي";
    QTest::newRow("yeh") << &screens::ArabicLetterTiles::Label31 << "ي\r\n";
    QTest::newRow("tatweel and yeh with hamza") << &screens::ArabicLetterTiles::Label33 << "ـئ\r\n";
    QTest::newRow("hamza") << &screens::ArabicLetterTiles::Label34 << "ء\r\n";
    QTest::newRow("waw with hamza") << &screens::ArabicLetterTiles::Label35 << "ؤ\r\n";
}

void TestArabicWords::dropCopiesTheWholeCaption()
{
    QFETCH(Tile, tile);
    QFETCH(QString, text);
    Form2& form = screen();
    input::drag(form.Tiles.Label2, form.Text2);
    input::drag(form.Tiles.*tile, form.Text2);
    QCOMPARE(form.Text2.text(), text);
}

void TestArabicWords::dropsElsewhereChangeNothing_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::newRow("result box") << twips(1200, 3100);
    QTest::newRow("word list") << twips(7500, 5100);
    QTest::newRow("hidden box") << twips(5700, 3100);
    QTest::newRow("another tile") << twips(6780, 1140);
    QTest::newRow("free area") << twips(60, 840);
}

void TestArabicWords::dropsElsewhereChangeNothing()
{
    QFETCH(QPoint, at);
    Form2& form = screen();
    input::dragTo(form.Tiles.Label1, at);
    QCOMPARE(form.Text3.text(), QString());
    for (ui::TextBox* box : form.letterBoxes())
        QCOMPARE(box->text(), QString());
    QCOMPARE(form.List1.ListCount(), 16);
    QCOMPARE(form.Tiles.Label2.caption(), QStringLiteral("ب"));
}

void TestArabicWords::hoverHints_data()
{
    const QString answer = praise + "موز";
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("hint");
    QTest::newRow("tile ا") << twips(7260, 1140) << answer;
    QTest::newRow("tile ي") << twips(780, 1740) << answer;
    QTest::newRow("tile ـي") << twips(5100, 2340) << yehHint;
    QTest::newRow("drop box") << twips(7860, 3120) << answer;
    QTest::newRow("result box") << twips(1200, 3120) << answer;
    QTest::newRow("shown picture") << twips(3780, 5700) << answer;
    QTest::newRow("hint label") << twips(500, 3800) << answer;
    QTest::newRow("instruction") << twips(300, 300) << answer;
    QTest::newRow("check button") << twips(7560, 4080) << answer;
    QTest::newRow("word list") << twips(7500, 5100) << answer;
    QTest::newRow("free area") << twips(60, 840) << saying;
    QTest::newRow("hidden picture's place") << twips(2800, 6000) << saying;
}

void TestArabicWords::hoverHints()
{
    QFETCH(QPoint, at);
    QFETCH(QString, hint);
    choose("موز");
    spell("موز");
    check();
    input::hover(*screen().client(), at);
    QCOMPARE(screen().Label11.caption(), hint);
}

void TestArabicWords::focusOrder_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("order");
    const QStringList three{"Command1", "Text3", "Text2", "Text1", "Text4", "List1", "Command2", "Command1"};
    const QStringList five{"Command1", "Text3", "Text2", "Text1",    "Text4",
                           "Text5",    "Text6", "List1", "Command2", "Command1"};
    QTest::newRow("no word chosen") << "" << three;
    QTest::newRow("five letters") << "تفاحة" << five;
}

void TestArabicWords::focusOrder()
{
    QFETCH(QString, word);
    QFETCH(QStringList, order);
    Form2& form = screen();
    const QHash<QWidget*, QString> names{
        {&form.Command1, "Command1"}, {&form.Command2, "Command2"}, {&form.List1, "List1"},
        {&form.Text1, "Text1"},       {&form.Text2, "Text2"},       {&form.Text3, "Text3"},
        {&form.Text4, "Text4"},       {&form.Text5, "Text5"},       {&form.Text6, "Text6"}};
    if (!word.isEmpty())
        choose(word);
    check();
    QStringList visited{names.value(QApplication::focusWidget())};
    while (visited.size() < order.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(names.value(QApplication::focusWidget(), "other"));
        if (visited.back() == "List1")
            QCOMPARE(form.Label11.caption(), QString());
    }
    QCOMPARE(visited, order);
}

void TestArabicWords::backCleansTheScreenAndKeepsTheChoice()
{
    Form2& form = screen();
    choose("عصفور");
    spell("عصفور");
    check();
    bool hiddenBeforeMenu = false;
    QString resultWhenMenuShown;
    {
        const MenuShowWatch watch([&] {
            hiddenBeforeMenu = form.isHidden();
            resultWhenMenuShown = form.Text3.text();
        });
        input::click(form.Command2);
    }
    QVERIFY(hiddenBeforeMenu);
    QCOMPARE(resultWhenMenuShown, QStringLiteral("عصفور")); // emptied only once the menu is up
    QCOMPARE(program::visibleForm(), app::forms().instance(app::FormId::Form4));
    QVERIFY(form.isHidden());
    for (ui::TextBox* box : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5, &form.Text6,
                             &form.Text7, &form.Text8, &form.Text9})
        QCOMPARE(box->text(), QString());
    QCOMPARE(form.Label11.caption(), QString());
    QCOMPARE(shownPictures(), QList<int>{});

    app::forms().show(app::FormId::Form2);
    app::forms().hide(app::FormId::Form4);
    QCOMPARE(&screen(), &form);
    QCOMPARE(program::visibleForm(), &form);
    QCOMPARE(form.List1.ListCount(), 16);
    QCOMPARE(form.List1.List(form.List1.ListIndex()), QStringLiteral("عصفور"));
    QCOMPARE(shownLetterBoxes().size(), 5);
    QCOMPARE(form.Label30.caption(), instruction);
}

QTEST_MAIN(TestArabicWords)
#include "tst_arabic_words.moc"
