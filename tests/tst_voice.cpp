#include "tests/support/heard.h"
#include "tests/support/input.h"

#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/optionbutton.h"
#include "ui/textbox.h"

#include <QHash>
#include <QListWidgetItem>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

using app::FormId;
using ui::Language;
using ui::Speech;

Q_DECLARE_METATYPE(FormId)
Q_DECLARE_METATYPE(ui::Speech)
Q_DECLARE_METATYPE(ui::Language)

namespace {

QPoint twips(int left, int top)
{
    return {ui::pixels(left), ui::pixels(top)};
}

ui::Form& open(FormId id)
{
    app::forms().show(id);
    ui::Form& form = *app::forms().instance(id);
    if (!QTest::qWaitForWindowExposed(&form))
        qFatal("the screen did not show");
    return form;
}

using program::tile;

void choose(ui::Form& form, const QString& word)
{
    input::choose(*form.findChild<ui::ListBox*>(), word);
}

// Drops the tiles into the boxes in the order of the word's letters.
void build(ui::Form& form, const QStringList& letters, const QList<ui::TextBox*>& boxes)
{
    for (int i = 0; i < letters.size(); ++i)
        input::drag(tile(form, letters[i]), *boxes[i]);
}

// The box whose top-left corner is at this place of the control table, in twips.
ui::TextBox& box(ui::Form& form, int left, int top)
{
    ui::TextBox* found = ui::TextBox::of(form.client()->childAt(twips(left + 60, top + 60)));
    if (!found)
        qFatal("no box at %d, %d", left, top);
    return *found;
}

// Every word of the word lists and the pictures, as it is written on its screen and as it is said.
const QHash<QString, Speech> spokenWords{
    {"موز", Speech{"مَوْز"}},
    {"عصفور", Speech{"عُصْفُور"}},
    {"كلب", Speech{"كَلْب"}},
    {"تفاحة", Speech{"تُفَّاحَةٌ"}},
    {"بنت", Speech{"بِنْت"}},
    {"سـيارة", Speech{"سَيَّارَةٌ"}},
    {"ارنب", Speech{"أَرْنَب"}},
    {"قطار", Speech{"قِطَار"}},
    {"مرسام", Speech{"مِرْسَام"}},
    {"سفـينة", Speech{"سَفِينَةٌ"}},
    {"الـيد", Speech{"اليَد"}},
    {"ساعة", Speech{"سَاعَةٌ"}},
    {"باب", Speech{"بَاب"}},
    {"مفتاح", Speech{"مِفْتَاح"}},
    {"وردة", Speech{"وَرْدَةٌ"}},
    {"قطة", Speech{"قِطَّةٌ"}},
    {"فراشة", Speech{"فَرَاشَةٌ"}},
    {"نحلة", Speech{"نَحْلَةٌ"}},
    {"بقرة", Speech{"بَقَرَةٌ"}},
    {"ضفدع", Speech{"ضِفْدَع"}},
    {"سمكة", Speech{"سَمَكَةٌ"}},
    {"دب", Speech{"دُبّ"}},
    {"نملة", Speech{"نَمْلَةٌ"}},
    {"اسد", Speech{"أَسَد"}},
    {"عنب", Speech{"عِنَب"}},
    {"فراولة", Speech{"فَرَاوِلَةٌ"}},
    {"لـيمون", Speech{"لَيْمُون"}},
    {"جزر", Speech{"جَزَر"}},
    {"بطـيخ", Speech{"بَطِّيخ"}},
    {"برتقال", Speech{"بُرْتُقَال"}},
    {"DOOR", Speech{"door", Language::English}},
    {"RABBIT", Speech{"rabbit", Language::English}},
    {"CAR", Speech{"car", Language::English}},
    {"PANANA", Speech{"panana", Language::English}},
    {"APPLE", Speech{"apple", Language::English}},
    {"CAT", Speech{"cat", Language::English}},
    {"GIRL", Speech{"girl", Language::English}},
    {"PENCIL", Speech{"pencil", Language::English}},
    {"HAND", Speech{"hand", Language::English}},
    {"SHIP", Speech{"ship", Language::English}},
    {"KEY", Speech{"key", Language::English}},
    {"DOG", Speech{"dog", Language::English}},
    {"BIRD", Speech{"bird", Language::English}},
    {"FLOWER", Speech{"flower", Language::English}},
    {"BABY", Speech{"baby", Language::English}},
    {"TRAIN", Speech{"train", Language::English}},
    {"TREE", Speech{"tree", Language::English}},
};

// What each word of the screen's list, or each of its pictures, says when it is chosen: every group
// and every page of the picture game is gone through.
QList<std::pair<QString, QList<Speech>>> sayEveryWord(ui::Form& form, Heard& heard)
{
    QList<std::pair<QString, QList<Speech>>> said;
    const auto record = [&](const QString& word, const auto& chooseIt) {
        heard.said.clear();
        chooseIt();
        said.append({word, heard.said});
    };
    if (auto* list = form.findChild<ui::ListBox*>()) {
        for (int row = 0; row < list->count(); ++row) {
            const QString word = list->item(row)->text();
            record(word, [&] { choose(form, word); });
        }
        return said;
    }
    const QList<ui::OptionButton*> options = form.findChildren<ui::OptionButton*>();
    QList<ui::OptionButton*> groups;
    for (ui::OptionButton* option : options)
        if (option->isVisibleTo(&form))
            groups.append(option);
    for (ui::OptionButton* group : groups) {
        input::click(*group);
        for (ui::OptionButton* page : options) {
            if (groups.contains(page) || !page->isVisibleTo(&form))
                continue;
            input::click(*page);
            for (ui::Image* picture : form.findChildren<ui::Image*>())
                if (picture->isVisibleTo(&form))
                    record(picture->accessibleName(), [&] { input::click(*picture); });
        }
    }
    return said;
}

// The picture game with the dog's picture clicked: the animals, their first page.
ui::Form& dogChosen()
{
    ui::Form& form = open(FormId::Form6);
    for (ui::OptionButton* option : form.findChildren<ui::OptionButton*>())
        if (option->text() == "صور حيوانات")
            input::click(*option);
    for (ui::OptionButton* option : form.findChildren<ui::OptionButton*>())
        if (option->isVisibleTo(&form) && option->text() == "1")
            input::click(*option);
    for (ui::Image* image : form.findChildren<ui::Image*>())
        if (image->accessibleName() == "كلب")
            input::click(*image);
    return form;
}

// Short vowels, tanween, shadda and sukun.
bool isMark(QChar c)
{
    return c.unicode() >= 0x064B && c.unicode() <= 0x0652;
}

bool isLetter(QChar c)
{
    return c.unicode() >= 0x0621 && c.unicode() <= 0x064A && c.unicode() != 0x0640;
}

// Every letter of every word carries its vowel or sukun, but for the last, said in pause; an alef,
// which carries none; a long vowel after its short one; and the lam of the article.
QString unvowelled(const QString& text)
{
    for (const QString& word :
         text.split(QRegularExpression("[^\\x{0621}-\\x{0652}]+"), Qt::SkipEmptyParts)) {
        QList<int> letters;
        for (int i = 0; i < word.size(); ++i)
            if (isLetter(word[i]))
                letters.append(i);
        for (int n = 0; n + 1 < letters.size(); ++n) {
            const int at = letters[n];
            const QChar letter = word[at];
            const QChar before = at > 0 ? word[at - 1] : QChar();
            const bool marked = isMark(word[at + 1]);
            const bool alef = letter == u'ا' || letter == u'آ' || letter == u'ى';
            const bool longVowel =
                (letter == u'و' && before == u'\u064F') || (letter == u'ي' && before == u'\u0650');
            const bool article = n == 1 && word.startsWith(u"ال");
            if (!marked && !alef && !longVowel && !article)
                return word;
        }
    }
    return {};
}

} // namespace

class VoiceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { program::quietPlatformNoise(); }

    void init()
    {
        program::start();
        heard = std::make_unique<Heard>();
        checkVowels = true;
    }

    void cleanup()
    {
        // Whatever a case heard in Arabic carries its vowels, but a word built as it was built.
        for (const Speech& speech : heard->said)
            if (checkVowels && speech.language == Language::Arabic)
                QVERIFY2(unvowelled(speech.text).isEmpty(),
                         qPrintable(speech.text + " | " + unvowelled(speech.text)));
        heard.reset();
        ui::voice().setMuted(false);
        program::stop();
    }

    void pressingATileSaysItsName_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Speech>("name");
        QTest::newRow("seven") << FormId::Form1 << "7" << Speech{"سَبْعَةٌ"};
        QTest::newRow("six") << FormId::Form1 << "6" << Speech{"سِتَّةٌ"};
        QTest::newRow("zero") << FormId::Form1 << "0" << Speech{"صِفْر"};
        QTest::newRow("baa") << FormId::Form2 << "ب" << Speech{"بَاء"};
        QTest::newRow("taa marbuta") << FormId::Form2 << "ة" << Speech{"تَاءٌ مَرْبُوطَةٌ"};
        QTest::newRow("hamza") << FormId::Form2 << "ء\r\n" << Speech{"هَمْزَةٌ"};
        QTest::newRow("yeh with a line break") << FormId::Form2 << "ي\r\n" << Speech{"يَاء"};
        QTest::newRow("yeh with a tatweel") << FormId::Form6 << "ـي" << Speech{"يَاءٌ مُتَّصِلَةٌ"};
        QTest::newRow("hamza on a seat") << FormId::Form6 << "ـئ\r\n" << Speech{"هَمْزَةٌ عَلَى نَبْرَةٍ"};
        QTest::newRow("hamza on waw") << FormId::Form6 << "ؤ\r\n" << Speech{"هَمْزَةٌ عَلَى وَاوٍ"};
        QTest::newRow("A") << FormId::Form3 << "A" << Speech{"A", Language::English};
        QTest::newRow("W") << FormId::Form3 << "W" << Speech{"W", Language::English};
    }

    void pressingATileSaysItsName()
    {
        QFETCH(FormId, screen);
        QFETCH(QString, caption);
        QFETCH(Speech, name);
        input::click(tile(open(screen), caption));
        QCOMPARE(heard->said, QList<Speech>{name});
    }

    // Every tile of every screen has a name of its own, in the screen's language.
    void everyTileHasAName_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<Language>("language");
        QTest::newRow("calculator") << FormId::Form1 << 10 << Language::Arabic;
        QTest::newRow("Arabic words") << FormId::Form2 << 33 << Language::Arabic;
        QTest::newRow("English words") << FormId::Form3 << 26 << Language::English;
        QTest::newRow("pictures and words") << FormId::Form6 << 33 << Language::Arabic;
    }

    void everyTileHasAName()
    {
        QFETCH(FormId, screen);
        QFETCH(int, tiles);
        QFETCH(Language, language);
        ui::Form& form = open(screen);
        QSet<QString> names;
        int count = 0;
        for (ui::Label* label : form.findChildren<ui::Label*>()) {
            if (!label->isTile())
                continue;
            input::click(*label);
            QVERIFY(heard->said.contains(label->speech()));
            QCOMPARE(label->speech().language, language);
            names.insert(label->speech().text);
            ++count;
        }
        QVERIFY(!names.contains(QString()));
        QCOMPARE(count, tiles);
        QCOMPARE(names.size(), tiles);
    }

    // Every word a child can choose, in a list or as a picture, is said as the table above says it.
    void everyWordIsSaid_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<int>("words");
        QTest::newRow("Arabic words") << FormId::Form2 << 16;
        QTest::newRow("English words") << FormId::Form3 << 17;
        QTest::newRow("pictures and words") << FormId::Form6 << 20;
    }

    void everyWordIsSaid()
    {
        QFETCH(FormId, screen);
        QFETCH(int, words);
        QSet<QString> reached;
        for (const auto& [word, said] : sayEveryWord(open(screen), *heard)) {
            QVERIFY2(spokenWords.contains(word), qPrintable(word));
            QCOMPARE(said, QList<Speech>{spokenWords.value(word)});
            reached.insert(word);
        }
        QCOMPARE(reached.size(), words);
    }

    void aCheckSaysTheAnswerAndTheWord_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("letters");
        QTest::addColumn<Speech>("said");
        const QString praise = "أَحْسَنْتَ، الكَلِمَةُ صَحِيحَةٌ: ";
        const QString tryAgain = "حَاوِلْ مَرَّةً أُخْرَى، لِأَنَّ الكَلِمَةَ خَاطِئَةٌ: ";
        QTest::newRow("Arabic words, right")
            << FormId::Form2 << "كلب" << QStringList{"ك", "ل", "ب"} << Speech{praise + "كَلْب"};
        QTest::newRow("Arabic words, wrong")
            << FormId::Form2 << "كلب" << QStringList{"ب", "ل", "ك"} << Speech{tryAgain + "بلك"};
        // The child and the tree are in no list: a child reaches them only by building them.
        QTest::newRow("Arabic words, the child built")
            << FormId::Form2 << "باب" << QStringList{"ط", "ف", "ل"} << Speech{tryAgain + "طِفْل"};
        QTest::newRow("Arabic words, the tree built")
            << FormId::Form2 << "وردة" << QStringList{"ش", "ج", "ر", "ة"} << Speech{tryAgain + "شَجَرَةٌ"};
        QTest::newRow("pictures, right")
            << FormId::Form6 << "كلب" << QStringList{"ك", "ل", "ب"} << Speech{praise + "كَلْب"};
        QTest::newRow("pictures, another word")
            << FormId::Form6 << "كلب" << QStringList{"د", "ب"} << Speech{tryAgain + "دُبّ"};
        QTest::newRow("pictures, nothing built")
            << FormId::Form6 << "كلب" << QStringList{} << Speech{"فَضْلًا، اُكْتُبِ الكَلِمَةَ قَبْلَ أَنْ تَضْغَطَ الزِّرَّ"};
        QTest::newRow("English words, right") << FormId::Form3 << "DOG" << QStringList{"D", "O", "G"}
                                              << Speech{"Very good. The word is: dog", Language::English};
        QTest::newRow("English words, wrong")
            << FormId::Form3 << "DOG" << QStringList{"G", "O", "D"}
            << Speech{"The word is wrong. Try again. You built: god", Language::English};
    }

    void aCheckSaysTheAnswerAndTheWord()
    {
        QFETCH(FormId, screen);
        QFETCH(QString, chosen);
        QFETCH(QStringList, letters);
        QFETCH(Speech, said);
        ui::Form& form = screen == FormId::Form6 ? dogChosen() : open(screen);
        if (screen != FormId::Form6)
            choose(form, chosen);
        // Text1, Text2, Text4 and Text5 of each screen.
        const QList<QPoint> boxes =
            screen == FormId::Form2   ? QList<QPoint>{{7560, 2880}, {6840, 2880}, {6120, 2880}, {5400, 2880}}
            : screen == FormId::Form3 ? QList<QPoint>{{840, 1920}, {1560, 1920}, {2280, 1920}, {3000, 1920}}
                                      : QList<QPoint>{{7680, 2400}, {6960, 2400}, {6240, 2400}};
        QList<ui::TextBox*> targets;
        for (QPoint at : boxes.first(letters.size()))
            targets.append(&box(form, at.x(), at.y()));
        build(form, letters, targets);
        heard->said.clear();
        input::click(program::button(screen, screen == FormId::Form6 ? "الصورة هي :" : "الكلمة هي"));
        QCOMPARE(heard->said, QList<Speech>{said});
        checkVowels = letters.isEmpty() || !said.text.endsWith(letters.join(QString()));
    }

    void anOperationSaysItsResultAndAFaultItsMessage_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("button");
        QTest::addColumn<Speech>("said");
        QTest::newRow("7 + 2") << "7"
                               << "2"
                               << " ( + )   اجمع" << Speech{"النَّاتِجُ هُوَ 9"};
        QTest::newRow("3 - 9") << "3"
                               << "9"
                               << " ( - )   اطرح" << Speech{"النَّاتِجُ هُوَ سَالِبُ 6"};
        QTest::newRow("5 / 0") << "5"
                               << "0"
                               << " ( / )   اقسم" << Speech{"لَا يُمْكِنُ القِسْمَةُ عَلَى صِفْرٍ"};
    }

    void anOperationSaysItsResultAndAFaultItsMessage()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, button);
        QFETCH(Speech, said);
        ui::Form& form = open(FormId::Form1);
        input::drag(tile(form, first), box(form, 240, 1080));
        input::drag(tile(form, second), box(form, 2280, 1080));
        heard->said.clear();
        input::click(program::button(FormId::Form1, button));
        QCOMPARE(heard->said, QList<Speech>{said});
    }

    // Only typing goes beyond the double range: the conversion reads digits, not exponents.
    void anOverflowSaysItsMessage()
    {
        ui::Form& form = open(FormId::Form1);
        const QString huge(200, u'9');
        input::type(box(form, 240, 1080), huge);
        input::type(box(form, 2280, 1080), huge);
        input::click(program::button(FormId::Form1, " ( * )   اضرب"));
        QCOMPARE(heard->said, QList<Speech>{Speech{"العَدَدُ كَبِيرٌ جِدًّا"}});
    }

    // A hint is said as the pointer comes onto its control, not again while it moves over it;
    // it is said again on the next visit.
    void aHintIsSaidOncePerVisit_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<QPoint>("over");
        QTest::addColumn<QPoint>("away");
        QTest::addColumn<Speech>("hint");
        QTest::newRow("calculator hotspot")
            << FormId::Form4 << twips(5000, 600) << twips(300, 300) << Speech{"جُمْفَار"};
        QTest::newRow("Arabic letters hotspot")
            << FormId::Form4 << twips(6000, 600) << twips(300, 300) << Speech{"كَوِّنْ كَلِمَاتٍ عَرَبِيَّةً"};
        QTest::newRow("road sign, away onto the hint label")
            << FormId::Form4 << twips(6900, 4900) << twips(3000, 3600) << Speech{"صَاحَبَتْكُمُ السَّلَامَةُ"};
        QTest::newRow("web line") << FormId::Form5 << twips(2000, 4800) << twips(300, 2300)
                                  << Speech{"مَوْقِعُنَا عَلَى الشَّبَكَةِ العَنْكَبُوتِيَّةِ"};
        QTest::newRow("YAHOO line") << FormId::Form5 << twips(2000, 2900) << twips(300, 2300)
                                    << Speech{"البَرِيدُ الإِلِكْتْرُونِيُّ، يَاهُو"};
        QTest::newRow("medial yeh tile") << FormId::Form2 << twips(5100, 2340) << twips(60, 840)
                                         << Speech{"يَاءٌ تُكْتَبُ فِي وَسَطِ الكَلِمَةِ وَآخِرِهَا"};
        QTest::newRow("free area, away onto a tile")
            << FormId::Form2 << twips(60, 840) << twips(7200, 1100)
            << Speech{"قَالَ رَسُولُ اللَّهِ صَلَّى اللَّهُ عَلَيْهِ وَسَلَّمَ: اُطْلُبُوا العِلْمَ مِنَ المَهْدِ إِلَى اللَّحْدِ"};
    }

    void aHintIsSaidOncePerVisit()
    {
        QFETCH(FormId, screen);
        QFETCH(QPoint, over);
        QFETCH(QPoint, away);
        QFETCH(Speech, hint);
        QWidget& client = *open(screen).client();
        for (int step = 0; step < 3; ++step)
            input::hover(client, over + QPoint(step, step));
        QCOMPARE(heard->said.count(hint), 1);
        input::hover(client, away);
        input::hover(client, over);
        QCOMPARE(heard->said.count(hint), 2);
    }

    void theInstructionsAreSaid_data()
    {
        QTest::addColumn<FormId>("screen");
        QTest::addColumn<QPoint>("over");
        QTest::addColumn<QString>("begins");
        QTest::newRow("Arabic words") << FormId::Form2 << twips(4000, 300) << "مِنْ مُرَبَّعِ الكَلِمَاتِ";
        QTest::newRow("pictures and words") << FormId::Form6 << twips(3000, 3500) << "اِخْتَرْ مَجْمُوعَةَ الصُّوَرِ";
    }

    void theInstructionsAreSaid()
    {
        QFETCH(FormId, screen);
        QFETCH(QPoint, over);
        QFETCH(QString, begins);
        input::hover(*open(screen).client(), over);
        QCOMPARE(heard->said.size(), 1);
        QVERIFY(heard->said.front().text.startsWith(begins));
    }

    // F2 turns the voice off and on on every screen, and the main menu's item shows it.
    void theKeyAndTheMenuTurnTheVoiceOff()
    {
        ui::Form& calculator = open(FormId::Form1);
        QTest::keyClick(&calculator, Qt::Key_F2);
        input::click(tile(calculator, "7"));
        QVERIFY(heard->said.isEmpty());
        QTest::keyClick(&calculator, Qt::Key_F2);
        input::click(tile(calculator, "7"));
        QCOMPARE(heard->said.size(), 1);

        ui::Form& menu = open(FormId::Form4);
        QMenuBar* bar = menu.menuBar();
        QAction* sound = bar->actions().at(1);
        QAction* mute = sound->menu()->actions().front();
        QVERIFY(mute->isCheckable());
        QVERIFY(!mute->isChecked());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(sound).center());
        QTRY_VERIFY(sound->menu()->isVisible());
        QTest::mouseClick(sound->menu(), Qt::LeftButton, {}, sound->menu()->actionGeometry(mute).center());
        QVERIFY(mute->isChecked());
        QVERIFY(ui::voice().muted());
        input::hover(*menu.client(), twips(5000, 600));
        QCOMPARE(heard->said.size(), 1);
        QTest::keyClick(&menu, Qt::Key_F2);
        QVERIFY(!mute->isChecked());
        input::hover(*menu.client(), twips(6000, 600));
        QCOMPARE(heard->said.size(), 2);
    }

    // The rule the vowel check of every case holds the texts to.
    void theVowelCheckFindsBareWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("bare");
        QTest::newRow("bare") << "أحسنت"
                              << "أحسنت";
        QTest::newRow("one bare word") << "أَحْسَنْتَ، الكلمة"
                                       << "الكلمة";
        QTest::newRow("vowelled") << "أَحْسَنْتَ، الكَلِمَةُ صَحِيحَةٌ"
                                  << "";
        QTest::newRow("in pause") << "كَلْب"
                                  << "";
    }

    void theVowelCheckFindsBareWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, bare);
        QCOMPARE(unvowelled(text), bare);
    }

private:
    std::unique_ptr<Heard> heard;
    bool checkVowels = true;
};

QTEST_MAIN(VoiceTest)
#include "tst_voice.moc"
