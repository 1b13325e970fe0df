#include "screens/picture_words/form6.h"
#include "tests/support/input.h"

#include <QTest>

#include <map>

using app::FormId;

namespace {

const QString praise = "أحسنت الكلمة صحيحة   :   ";
const QString tryAgain = "حاول مرة أخرى لإن الكلمة خاطئة  ";
const QString writeFirst = "فضلاً :أكتب أولاً الكلمة. ثم اضغط الزر :  ";

// A picture as the child reaches it: group option, page option, the picture and its word button.
struct Choice {
    int group;
    int page;
    int picture;
    int button;
};

} // namespace

Q_DECLARE_METATYPE(Choice)

class TestPictureWords : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstVisit();
    void keyboardOrder();
    void pages_data();
    void pages();
    void groupClickClearsPages();
    void words_data();
    void words();
    void builtWords_data();
    void builtWords();
    void emptyCheck();
    void nextPicture_data();
    void nextPicture();
    void wordButtonSurvivesGroupSwitch();
    void fruitGroupHidesOrangesButton();
    void borderKept();
    void backAndReturn();
    void rightToLeftLabelsStartOnTheRight();

private:
    template <class Control> using Members = std::map<int, Control Form6::*>;
    static const Members<ui::OptionButton> options;
    static const Members<ui::Image> images;
    static const Members<ui::CommandButton> wordButtons;
    static const Members<ui::TextBox> letterBoxes; // in letter order

    Form6& form() { return program::screen<Form6>(FormId::Form6); }
    ui::OptionButton& option(int number) { return form().*options.at(number); }
    ui::Image& image(int number) { return form().*images.at(number); }
    ui::CommandButton& wordButton(int number) { return form().*wordButtons.at(number); }
    ui::TextBox& letterBox(int position) { return form().*std::next(letterBoxes.begin(), position)->second; }
    ui::Label& tile(const QString& caption) { return program::tile(form(), caption); }

    void choose(const Choice& choice);
    void spell(const QStringList& tiles);
    // The numbers of the controls that are shown.
    template <class Control> QList<int> shown(const Members<Control>& controls);
};

const TestPictureWords::Members<ui::OptionButton> TestPictureWords::options{
    {1, &Form6::Option1}, {2, &Form6::Option2}, {4, &Form6::Option4}, {5, &Form6::Option5},
    {6, &Form6::Option6}, {7, &Form6::Option7}, {8, &Form6::Option8}};

const TestPictureWords::Members<ui::Image> TestPictureWords::images{
    {1, &Form6::Image1},   {2, &Form6::Image2},   {3, &Form6::Image3},   {4, &Form6::Image4},
    {5, &Form6::Image5},   {6, &Form6::Image6},   {7, &Form6::Image7},   {8, &Form6::Image8},
    {9, &Form6::Image9},   {10, &Form6::Image10}, {11, &Form6::Image11}, {12, &Form6::Image12},
    {13, &Form6::Image13}, {14, &Form6::Image14}, {15, &Form6::Image15}, {16, &Form6::Image16},
    {17, &Form6::Image17}, {18, &Form6::Image18}, {19, &Form6::Image19}, {20, &Form6::Image20}};

const TestPictureWords::Members<ui::CommandButton> TestPictureWords::wordButtons{
    {2, &Form6::Command2},   {3, &Form6::Command3},   {4, &Form6::Command4},   {5, &Form6::Command5},
    {6, &Form6::Command6},   {7, &Form6::Command7},   {8, &Form6::Command8},   {9, &Form6::Command9},
    {10, &Form6::Command10}, {11, &Form6::Command11}, {12, &Form6::Command12}, {13, &Form6::Command13},
    {14, &Form6::Command14}, {15, &Form6::Command15}, {16, &Form6::Command16}, {17, &Form6::Command17},
    {18, &Form6::Command18}, {19, &Form6::Command19}, {20, &Form6::Command20}, {22, &Form6::Command22}};

const TestPictureWords::Members<ui::TextBox> TestPictureWords::letterBoxes{
    {1, &Form6::Text1}, {2, &Form6::Text2}, {3, &Form6::Text4}, {4, &Form6::Text5},
    {5, &Form6::Text6}, {6, &Form6::Text7}, {7, &Form6::Text8}};

void TestPictureWords::init()
{
    program::start();
    app::forms().show(FormId::Form6);
    app::forms().hide(FormId::Form1); // as the main menu would leave it, one screen shown
    QVERIFY(QTest::qWaitForWindowActive(&form()));
}

void TestPictureWords::cleanup()
{
    program::stop();
}

void TestPictureWords::choose(const Choice& choice)
{
    input::click(option(choice.group));
    input::click(option(choice.page));
    input::click(image(choice.picture));
}

// Drops the tiles into the letter boxes, first letter in the first box.
void TestPictureWords::spell(const QStringList& tiles)
{
    for (int position = 0; position < tiles.size(); ++position)
        input::drag(tile(tiles[position]), letterBox(position));
}

template <class Control> QList<int> TestPictureWords::shown(const Members<Control>& controls)
{
    QList<int> numbers;
    for (const auto& [number, member] : controls)
        if (!(form().*member).isHidden())
            numbers << number;
    return numbers;
}

void TestPictureWords::firstVisit()
{
    Form6& screen = form();
    QCOMPARE(screen.windowTitle(), "صورة وكلمة... سلسلة برامج Marzun");
    QCOMPARE(screen.client()->size(), QSize(596, 460));
    QVERIFY(!(screen.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(screen.Label11.caption(), "اختر أولاً مجموعة الصور ");
    QVERIFY(!screen.Option1.value() && !screen.Option2.value());
    QVERIFY(!screen.Frame1.isHidden());
    QVERIFY(screen.Frame2.isHidden() && screen.Frame3.isHidden());
    QVERIFY(shown(images).isEmpty());
    QVERIFY(shown(wordButtons).isEmpty());
    QCOMPARE(shown(letterBoxes).size(), 0);
    QVERIFY(!screen.Text3.isHidden() && screen.Text3.text().isEmpty());
    QVERIFY(!screen.Command21.isHidden());

    QStringList lineEnded;
    int tiles = 0;
    for (const ui::Label* label : screen.findChildren<ui::Label*>()) {
        if (!label->isTile())
            continue;
        QVERIFY(!label->isHidden());
        ++tiles;
        if (label->caption().endsWith("\r\n"))
            lineEnded << label->caption();
    }
    QCOMPARE(tiles, 33);
    lineEnded.sort();
    QCOMPARE(lineEnded, (QStringList{"ء\r\n", "ؤ\r\n", "ـئ\r\n", "ي\r\n"}));
    QCOMPARE(screen.Tiles.Label32.caption(), "ـي");
    QCOMPARE(screen.Command14.text(), "الصورة هي ");
    QCOMPARE(screen.Command2.text(), "الصورة هي :");

    QCOMPARE(screen.Image16.accessibleName(), "لـيمون");
}

void TestPictureWords::keyboardOrder()
{
    Form6& f = form();
    const QList<QWidget*> expected{
        &f.Option1,   &f.Option2,   &f.Text8,     &f.Text7,     &f.Text6,     &f.Text5,
        &f.Text4,     &f.Text1,     &f.Text2,     &f.Text3,     &f.Option4,   &f.Option5,
        &f.Option6,   &f.Command2,  &f.Command3,  &f.Command4,  &f.Command5,  &f.Command6,
        &f.Command7,  &f.Command8,  &f.Command9,  &f.Command10, &f.Command11, &f.Command12,
        &f.Command13, &f.Option7,   &f.Option8,   &f.Command14, &f.Command15, &f.Command16,
        &f.Command17, &f.Command18, &f.Command19, &f.Command20, &f.Command21, &f.Command22};
    QList<QWidget*> chain{&f.Option1};
    for (QWidget* next = f.Option1.nextInFocusChain(); next != &f.Option1; next = next->nextInFocusChain())
        if (expected.contains(next))
            chain << next;
    QCOMPARE(chain, expected);
}

void TestPictureWords::pages_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("pageClicks");
    QTest::addColumn<QList<int>>("pictures");

    QTest::newRow("animal 1") << 1 << QList<int>{6} << QList<int>{1, 2, 3, 4};
    QTest::newRow("animal 2") << 1 << QList<int>{5} << QList<int>{5, 6, 7, 8};
    QTest::newRow("animal 3") << 1 << QList<int>{4} << QList<int>{9, 10, 11, 12};
    QTest::newRow("animal 1 after 3") << 1 << QList<int>{4, 6} << QList<int>{1, 2, 3, 4};
    QTest::newRow("fruit 1") << 2 << QList<int>{7} << QList<int>{13, 14, 15, 16};
    QTest::newRow("fruit 2") << 2 << QList<int>{8} << QList<int>{17, 18, 19, 20};
    QTest::newRow("fruit 1 after 2") << 2 << QList<int>{8, 7} << QList<int>{13, 14, 15, 16};
}

void TestPictureWords::pages()
{
    QFETCH(int, group);
    QFETCH(QList<int>, pageClicks);
    QFETCH(QList<int>, pictures);

    input::click(option(group));
    QVERIFY(shown(images).isEmpty());
    for (int page : pageClicks)
        input::click(option(page));
    QCOMPARE(shown(images), pictures);
    for (int number : pictures) {
        input::hover(image(number));
        QCOMPARE(image(number).cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(image(number).cursor().hotSpot(), QPoint(12, 1));
    }
}

void TestPictureWords::groupClickClearsPages()
{
    Form6& f = form();
    input::click(f.Option1);
    QVERIFY(!f.Frame2.isHidden() && f.Frame3.isHidden());
    input::click(f.Option5);
    input::click(f.Option2);
    QVERIFY(f.Frame2.isHidden() && !f.Frame3.isHidden());
    QVERIFY(!f.Option7.value() && !f.Option8.value());
    QVERIFY(shown(images).isEmpty());
    input::click(f.Option8);
    input::click(f.Option1);
    QVERIFY(!f.Option4.value() && !f.Option5.value() && !f.Option6.value());
    QVERIFY(shown(images).isEmpty());
    input::click(f.Option2);
    QVERIFY(!f.Option7.value() && !f.Option8.value());
    QVERIFY(shown(images).isEmpty());
}

void TestPictureWords::words_data()
{
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QString>("word");

    QTest::newRow("dog") << Choice{1, 6, 1, 2} << QStringList{"ك", "ل", "ب"} << "كلب";
    QTest::newRow("butterfly") << Choice{1, 6, 2, 5} << QStringList{"ف", "ر", "ا", "ش", "ة"} << "فراشة";
    QTest::newRow("bee") << Choice{1, 6, 3, 8} << QStringList{"ن", "ح", "ل", "ة"} << "نحلة";
    QTest::newRow("sparrow") << Choice{1, 6, 4, 11} << QStringList{"ع", "ص", "ف", "و", "ر"} << "عصفور";
    QTest::newRow("cow") << Choice{1, 5, 5, 3} << QStringList{"ب", "ق", "ر", "ة"} << "بقرة";
    QTest::newRow("frog") << Choice{1, 5, 6, 6} << QStringList{"ض", "ف", "د", "ع"} << "ضفدع";
    QTest::newRow("fish") << Choice{1, 5, 7, 9} << QStringList{"س", "م", "ك", "ة"} << "سمكة";
    QTest::newRow("cat") << Choice{1, 5, 8, 12} << QStringList{"ق", "ط", "ة"} << "قطة";
    QTest::newRow("bear") << Choice{1, 4, 9, 4} << QStringList{"د", "ب"} << "دب";
    QTest::newRow("ant") << Choice{1, 4, 10, 7} << QStringList{"ن", "م", "ل", "ة"} << "نملة";
    QTest::newRow("lion") << Choice{1, 4, 11, 10} << QStringList{"ا", "س", "د"} << "اسد";
    QTest::newRow("rabbit") << Choice{1, 4, 12, 13} << QStringList{"ا", "ر", "ن", "ب"} << "ارنب";
    QTest::newRow("grapes") << Choice{2, 7, 13, 14} << QStringList{"ع", "ن", "ب"} << "عنب";
    QTest::newRow("bananas") << Choice{2, 7, 14, 15} << QStringList{"م", "و", "ز"} << "موز";
    QTest::newRow("strawberry") << Choice{2, 7, 15, 16} << QStringList{"ف", "ر", "ا", "و", "ل", "ة"}
                                << "فراولة";
    QTest::newRow("lemon") << Choice{2, 7, 16, 17} << QStringList{"ل", "ـي", "م", "و", "ن"} << "لـيمون";
    QTest::newRow("carrots") << Choice{2, 8, 17, 20} << QStringList{"ج", "ز", "ر"} << "جزر";
    QTest::newRow("watermelon") << Choice{2, 8, 18, 19} << QStringList{"ب", "ط", "ـي", "خ"} << "بطـيخ";
    QTest::newRow("apple") << Choice{2, 8, 19, 18} << QStringList{"ت", "ف", "ا", "ح", "ة"} << "تفاحة";
    QTest::newRow("oranges") << Choice{2, 8, 20, 22} << QStringList{"ب", "ر", "ت", "ق", "ا", "ل"} << "برتقال";
}

void TestPictureWords::words()
{
    QFETCH(Choice, choice);
    QFETCH(QStringList, tiles);
    QFETCH(QString, word);

    choose(choice);
    QCOMPARE(image(choice.picture).borderStyle(), 1);
    QCOMPARE(shown(wordButtons), QList<int>{choice.button});
    QCOMPARE(shown(letterBoxes).size(), tiles.size());
    for (int position = 0; position < tiles.size(); ++position)
        QVERIFY(!letterBox(position).isHidden() && letterBox(position).text().isEmpty());
    QVERIFY(form().Label11.caption().isEmpty());

    spell(tiles);
    input::click(wordButton(choice.button));
    QCOMPARE(form().Text3.text(), word);
    QCOMPARE(form().Label11.caption(), praise + word);
}

void TestPictureWords::builtWords_data()
{
    QTest::addColumn<Choice>("choice");
    QTest::addColumn<QStringList>("tiles");
    QTest::addColumn<QList<int>>("positions"); // the letter box each tile is dropped on, in turn
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("answer");

    QTest::newRow("wrong order") << Choice{1, 6, 1, 2} << QStringList{"ب", "ل", "ك"} << QList<int>{0, 1, 2}
                                 << "بلك" << tryAgain;
    QTest::newRow("skipped box") << Choice{1, 6, 1, 2} << QStringList{"ك", "ب"} << QList<int>{0, 2} << "كب"
                                 << tryAgain;
    QTest::newRow("second drop replaces")
        << Choice{1, 6, 1, 2} << QStringList{"ك", "ل", "د", "ب"} << QList<int>{0, 1, 2, 2} << "كلب" << praise;
    QTest::newRow("lemon with plain yeh") << Choice{2, 7, 16, 17} << QStringList{"ل", "ي\r\n", "م", "و", "ن"}
                                          << QList<int>{0, 1, 2, 3, 4} << "لي\r\nمون" << tryAgain;
}

void TestPictureWords::builtWords()
{
    QFETCH(Choice, choice);
    QFETCH(QStringList, tiles);
    QFETCH(QList<int>, positions);
    QFETCH(QString, built);
    QFETCH(QString, answer);

    choose(choice);
    for (int drop = 0; drop < tiles.size(); ++drop)
        input::drag(tile(tiles[drop]), letterBox(positions[drop]));
    input::click(wordButton(choice.button));
    QCOMPARE(form().Text3.text(), built);
    QCOMPARE(form().Label11.caption(), answer + built);
}

void TestPictureWords::emptyCheck()
{
    Form6& f = form();
    choose({1, 6, 1, 2});
    spell({"ك", "ل", "ب"});
    input::click(f.Command2);
    input::click(f.Image1);
    QCOMPARE(f.Text3.text(), "كلب");
    input::click(f.Command2);
    QVERIFY(f.Text3.text().isEmpty());
    QCOMPARE(f.Label11.caption(), writeFirst);
}

void TestPictureWords::nextPicture_data()
{
    QTest::addColumn<Choice>("next");
    QTest::addColumn<QString>("result");

    QTest::newRow("bee, same page") << Choice{1, 6, 3, 8} << "كلب";
    QTest::newRow("sparrow") << Choice{1, 6, 4, 11} << "";
    QTest::newRow("cat, other page") << Choice{1, 5, 8, 12} << "كلب";
    QTest::newRow("lion") << Choice{1, 4, 11, 10} << "";
    QTest::newRow("grapes, the group switch empties") << Choice{2, 7, 13, 14} << "";
}

void TestPictureWords::nextPicture()
{
    QFETCH(Choice, next);
    QFETCH(QString, result);

    Form6& f = form();
    choose({1, 6, 1, 2});
    spell({"ك", "ل", "ب"});
    input::click(f.Command2);
    choose(next); // the group option already chosen does nothing
    QCOMPARE(f.Text3.text(), result);
    for (int position = 0; position < 3; ++position)
        QVERIFY(letterBox(position).text().isEmpty());
    QVERIFY(f.Label11.caption().isEmpty());
    QCOMPARE(shown(wordButtons), QList<int>{next.button});
}

void TestPictureWords::wordButtonSurvivesGroupSwitch()
{
    Form6& f = form();
    choose({1, 6, 1, 2});
    spell({"ك", "ل", "ب"});
    input::click(f.Command2);
    input::click(f.Option2);
    QVERIFY(f.Text3.text().isEmpty());
    QCOMPARE(f.Label11.caption(), praise + "كلب");
    QCOMPARE(shown(wordButtons), QList<int>{2});
    QCOMPARE(shown(letterBoxes).size(), 3);
    QCOMPARE(f.Text4.text(), "ب");
    input::click(f.Command2);
    QCOMPARE(f.Text3.text(), "كلب");
    QCOMPARE(f.Label11.caption(), praise + "كلب");
}

void TestPictureWords::fruitGroupHidesOrangesButton()
{
    Form6& f = form();
    choose({2, 8, 20, 22});
    input::click(f.Option1);
    QCOMPARE(shown(wordButtons), QList<int>{22});
    input::click(f.Option2);
    QVERIFY(shown(wordButtons).isEmpty());
    QCOMPARE(shown(letterBoxes).size(), 6);
}

void TestPictureWords::borderKept()
{
    Form6& f = form();
    choose({1, 6, 1, 2});
    input::click(f.Image3);
    input::click(f.Option5);
    input::click(f.Option2);
    input::click(f.Option1);
    input::click(f.Option6);
    QCOMPARE(f.Image1.borderStyle(), 1);
    QCOMPARE(f.Image3.borderStyle(), 1);
    QCOMPARE(f.Image2.borderStyle(), 0);
    QCOMPARE(f.Image4.borderStyle(), 0);
}

namespace {

// What the child can see of every control: shown or not, and its text, choice or border.
QStringList looks(const ui::Form& form)
{
    QStringList state;
    for (const QWidget* control : form.client()->findChildren<QWidget*>()) {
        QString look = control->isHidden() ? "hidden" : "shown";
        if (const auto* label = qobject_cast<const ui::Label*>(control))
            look += " " + label->caption();
        else if (const auto* box = qobject_cast<const ui::TextBox*>(control))
            look += " " + box->text();
        else if (const auto* option = qobject_cast<const ui::OptionButton*>(control))
            look += option->value() ? " selected" : "";
        else if (const auto* picture = qobject_cast<const ui::Image*>(control))
            look += picture->borderStyle() ? " border" : "";
        state << look;
    }
    return state;
}

} // namespace

void TestPictureWords::backAndReturn()
{
    Form6& f = form();
    choose({2, 7, 16, 17});
    spell({"ل", "ي\r\n", "م", "و", "ن"});
    input::click(f.Command17);
    const QStringList left = looks(f);

    input::click(f.Command21);
    QVERIFY(f.isHidden());
    QCOMPARE(program::visibleForm(), app::forms().instance(FormId::Form4));
    app::forms().show(FormId::Form6); // as the menu's picture-word hotspot does
    app::forms().hide(FormId::Form4);
    QCOMPARE(program::visibleForm(), &f);
    QCOMPARE(looks(f), left);
    QCOMPARE(f.Label11.caption(), tryAgain + "لي\r\nمون");
    QVERIFY(f.Option2.value() && f.Option7.value());
}

// The hint label reads right to left; a caption without an alignment of its own starts on the right.
void TestPictureWords::rightToLeftLabelsStartOnTheRight()
{
    ui::Label probe{
        form(), {0, 0, 3000, 450}, {.caption = "ب", .font = {ui::Face::Tahoma, 15.75}, .rightToLeft = true}};
    const QImage image = probe.grab().toImage();
    const QColor background = image.pixelColor(image.width() / 2, image.height() - 1);
    int leftmostInk = image.width();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != background)
                leftmostInk = std::min(leftmostInk, x);
    QVERIFY(leftmostInk > image.width() / 2);
}

QTEST_MAIN(TestPictureWords)
#include "tst_picture_words.moc"
