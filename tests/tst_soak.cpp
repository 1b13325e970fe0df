// A long run of a child's random input over the whole program, checking after every event what
// must always hold. MARZUN_SOAK_SEED and MARZUN_SOAK_EVENTS choose another run, e.g.
//   MARZUN_SOAK_SEED=7 MARZUN_SOAK_EVENTS=1000000 QTEST_FUNCTION_TIMEOUT=3600000
//   QT_QPA_PLATFORM=offscreen QT_NO_GLIB=1 QT_SCALE_FACTOR=1 build/test/tests/tst_soak
// (all on one line; the timeout lifts Qt Test's five-minute limit on a test function, and the last
// two settings are those that CTest runs the tests with).
#include "screens/screens.h"
#include "tests/support/input.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/numbers.h"
#include "ui/optionbutton.h"
#include "ui/textbox.h"

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QRandomGenerator>
#include <QTest>

#include <deque>
#include <map>

using app::FormId;

namespace {

const QString praise = "أحسنت الكلمة صحيحة   :   ";
const QString tryAgain = "حاول مرة أخرى لإن الكلمة خاطئة  ";

// What each screen's hint label may show: whole texts, and prefixes that a built word follows.
struct Hints {
    QRect place;
    QStringList texts;
    QStringList prefixes;
};

const std::map<FormId, Hints>& hints()
{
    static const std::map<FormId, Hints> table = {
        {FormId::Form1, {{88, 136, 217, 33}, {""}, {"الناتج هو   :   "}}},
        {FormId::Form2,
         {{24, 248, 393, 65},
          {"", "قال رسول الله صلى الله عليه وسلم : اطلبوا العلم من المهد إلى اللحد . ",
           "ياء تكتب في وسط وآخر الكلمة"},
          {praise, tryAgain}}},
        {FormId::Form3,
         {{152, 200, 417, 57}, {"", " The word is rong . Try Again "}, {"Very Good . The word is:   "}}},
        {FormId::Form4,
         {{112, 224, 273, 49},
          {"", "كوِّن كلمات عربي", "كوِّن كلمات English", "Jumvar", "صاحبتكم السلامة ", "اتصل بنا ",
           "صور وكلمات "},
          {}}},
        {FormId::Form5,
         {{48, 240, 457, 41},
          {"\r\n\r\n", "", "موقعنا على الشبكة العنكبوتية", "البريد الالكتروني  YAHOO ",
           "البريد الالكتروني  HOTMAIL "},
          {}}},
        {FormId::Form6,
         {{24, 216, 433, 57},
          {"", "اختر أولاً مجموعة الصور ", "فضلاً :أكتب أولاً الكلمة. ثم اضغط الزر :  "},
          {praise, tryAgain}}},
    };
    return table;
}

// The pictures of one page of the picture-word game, by the words they show.
const QList<QStringList> pages = {{"كلب", "فراشة", "نحلة", "عصفور"},
                                  {"بقرة", "ضفدع", "سمكة", "قطة"},
                                  {"دب", "نملة", "اسد", "ارنب"},
                                  {"عنب", "موز", "فراولة", "لـيمون"},
                                  {"جزر", "بطـيخ", "تفاحة", "برتقال"}};

template <class Control> QList<Control*> visible(ui::Form& form)
{
    QList<Control*> shown;
    for (Control* control : form.findChildren<Control*>())
        if (control->isVisible())
            shown.append(control);
    return shown;
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

    QRandomGenerator random;
    std::deque<QString> recent;
    quint64 seed = 1;
    qsizetype events = 20000;
    std::map<FormId, int> eventsOn;

    ui::Form* form = nullptr;
    FormId formId = FormId::Form1;

    // The last event's drop of a tile on a visible drop box, which must have taken its caption.
    struct Drop {
        QPointer<ui::TextBox> box;
        QString caption;
    } drop;

    int below(int n) { return int(random.bounded(quint32(qMax(n, 1)))); }
    QPoint anywhere() { return {below(form->client()->width()), below(form->client()->height())}; }

    void note(const QString& event)
    {
        recent.push_back(event);
        if (recent.size() > 25)
            recent.pop_front();
    }

    QString randomText()
    {
        static const QStringList pieces = {"7",   "٣",   "۹",  "-",  "+", ".",          " ",  "12",
                                           "abc", "كلب", "ـي", "\t", "0", "9999999999", "1e9"};
        QString text;
        const int length = below(100) == 0 ? 2000 + below(100000) : 1 + below(6);
        while (text.size() < length)
            text += pieces.at(below(pieces.size()));
        return text;
    }

    template <class Control> Control* pick()
    {
        const QList<Control*> shown = visible<Control>(*form);
        return shown.isEmpty() ? nullptr : shown.at(below(shown.size()));
    }

    void act();
    QStringList calculatorState();
    QString failure(const QStringList& calculatorBefore);
    QString report(const QString& problem);
    void locateForm();

private slots:
    void initTestCase()
    {
        seed = qEnvironmentVariableIsSet("MARZUN_SOAK_SEED") ? qgetenv("MARZUN_SOAK_SEED").toULongLong()
                                                             : 20261210;
        if (qEnvironmentVariableIsSet("MARZUN_SOAK_EVENTS"))
            events = qgetenv("MARZUN_SOAK_EVENTS").toLongLong();
        random.seed(seed);
        program::quietPlatformNoise();
    }

    void aChildPlaysForALongTime()
    {
        program::start();
        int restarts = 0;
        for (qsizetype event = 0; event < events; ++event) {
            locateForm();
            if (!form) {
                QVERIFY2(program::ended(), qPrintable(report("no window is visible, yet the program runs")));
                program::start();
                ++restarts;
                continue;
            }
            ++eventsOn[formId];
            const QStringList before = calculatorState();
            drop = {};
            act();
            const QString problem = [&] {
                locateForm();
                return form ? failure(before) : QString();
            }();
            QVERIFY2(problem.isEmpty(), qPrintable(problem));
        }
        QString perScreen;
        for (const screens::Screen& screen : screens::table())
            perScreen += QString(" %1 %2").arg(screen.name.data()).arg(eventsOn[screen.id]);
        qInfo("seed %llu: %lld events, %d fresh starts; events per screen:%s", seed, qlonglong(events),
              restarts, qPrintable(perScreen));
        program::stop();
    }
};

void SoakTest::locateForm()
{
    form = nullptr;
    for (const screens::Screen& screen : screens::table()) {
        ui::Form* candidate = app::forms().instance(screen.id);
        if (candidate && candidate->isVisible()) {
            form = candidate;
            formId = screen.id;
        }
    }
}

void SoakTest::act()
{
    QWidget& client = *form->client();
    const int kind = below(100);
    if (kind < 30) {
        const QPoint at = anywhere();
        note(QString("move %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseMove(&client, at);
    } else if (kind < 45) {
        const QPoint at = anywhere();
        note(QString("click %1,%2").arg(at.x()).arg(at.y()));
        QTest::mouseClick(&client, Qt::LeftButton, {}, at);
    } else if (kind < 55) {
        QWidget* target = below(2) ? static_cast<QWidget*>(pick<QAbstractButton>()) : pick<ui::Image>();
        if (!target)
            return;
        note("click control " + target->accessibleName());
        input::click(*target);
    } else if (kind < 75) {
        QList<ui::Label*> tiles;
        for (ui::Label* label : visible<ui::Label>(*form))
            if (label->isTile())
                tiles.append(label);
        if (tiles.isEmpty())
            return;
        ui::Label& tile = *tiles.at(below(tiles.size()));
        ui::TextBox* box = below(3) ? pick<ui::TextBox>() : nullptr;
        const QPoint to = box ? box->mapTo(&client, box->rect().center()) : anywhere();
        note(QString("drag %1 to %2,%3").arg(tile.caption().trimmed()).arg(to.x()).arg(to.y()));
        input::dragTo(tile, to);
        if (box && box->isDropBox())
            drop = {box, tile.caption()};
    } else if (kind < 85) {
        static const Qt::Key keys[] = {Qt::Key_Tab,  Qt::Key_Space, Qt::Key_Return,
                                       Qt::Key_Down, Qt::Key_Up,    Qt::Key_Backspace};
        const Qt::Key key = keys[below(std::size(keys))];
        note(QString("key %1").arg(key));
        QTest::keyClick(form, key);
    } else if (kind < 92) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || focused->window() != form)
            return;
        const QString text = randomText();
        if (text.size() > 100) {
            // Nobody types that much: a long text arrives by pasting.
            note(QString("paste %1 characters").arg(text.size()));
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(focused, Qt::Key_V, Qt::ControlModifier);
        } else {
            note(QString("type %1 characters").arg(text.size()));
            input::type(*focused, text);
        }
    } else if (kind < 96) {
        ui::ListBox* list = pick<ui::ListBox>();
        if (!list || list->count() == 0)
            return;
        const int row = below(list->count());
        note(QString("choose row %1").arg(row));
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    } else if (kind < 99) {
        if (!form->menuBar() || form->menuBar()->actions().isEmpty())
            return;
        const QList<QAction*> items = form->menuBar()->actions().front()->menu()->actions();
        QAction* item = items.at(below(items.size()));
        note("menu " + item->text());
        item->trigger();
    } else if (below(3) == 0) {
        note("close box");
        form->close();
    }
}

QString SoakTest::failure(const QStringList& calculatorBefore)
{
    QStringList problems;
    const auto expect = [&](bool holds, const QString& what) {
        if (!holds)
            problems << what;
    };
    int shown = 0;
    for (const screens::Screen& screen : screens::table())
        shown += app::forms().instance(screen.id) && app::forms().instance(screen.id)->isVisible();
    expect(shown == 1, QString("%1 windows visible").arg(shown));

    const Hints& allowed = hints().at(formId);
    for (ui::Label* label : form->findChildren<ui::Label*>()) {
        if (label->geometry() != allowed.place)
            continue;
        const QString caption = label->caption();
        const bool known = allowed.texts.contains(caption) ||
                           std::any_of(allowed.prefixes.begin(), allowed.prefixes.end(),
                                       [&](const QString& prefix) { return caption.startsWith(prefix); });
        expect(known, "hint label shows " + caption.left(80));
    }

    if (drop.box)
        expect(drop.box->text() == drop.caption,
               "a tile dropped on a drop box left it holding " + drop.box->text());

    const QList<ui::TextBox*> boxes = form->findChildren<ui::TextBox*>();
    for (ui::TextBox* box : boxes)
        if (box->isDropBox() && box->isHidden() && formId != FormId::Form6)
            expect(box->text().isEmpty(), "a hidden drop box holds " + box->text());

    switch (formId) {
    case FormId::Form1: {
        // The sentence repeats the result as the conversion wrote it, and only an operation writes
        // it, never touching the operands.
        const QStringList now = calculatorState();
        const QString sentencePrefix = allowed.prefixes.front();
        const QString result = now[2].mid(sentencePrefix.size());
        expect(now[2].isEmpty() || ui::toText(ui::toNumber(result).value) == result,
               "the result reads " + result.left(80));
        if (calculatorBefore.size() == 3 && now[2] != calculatorBefore[2])
            expect(now[0] == calculatorBefore[0] && now[1] == calculatorBefore[1],
                   "an operation changed an operand");
        break;
    }
    case FormId::Form2:
    case FormId::Form3:
        if (form->findChildren<ui::ListBox*>().isEmpty())
            break;
        expect(visible<ui::Image>(*form).size() <= 1, "several word pictures");
        expect(form->findChildren<ui::ListBox*>().front()->count() == (formId == FormId::Form2 ? 16 : 17),
               "the word list lost or gained words");
        break;
    case FormId::Form6: {
        int wordButtons = 0;
        for (ui::CommandButton* button : visible<ui::CommandButton>(*form))
            wordButtons += button->text().startsWith("الصورة هي");
        expect(wordButtons <= 1, "several word buttons");
        for (ui::TextBox* box : boxes)
            expect(!(box->geometry() == QRect(224, 160, 41, 33) && box->isVisible()),
                   "the seventh box shows");
        QStringList pictures;
        for (ui::Image* image : visible<ui::Image>(*form))
            pictures << image->accessibleName();
        pictures.sort();
        const bool onePage =
            pictures.isEmpty() || std::any_of(pages.begin(), pages.end(), [&](QStringList page) {
                page.sort();
                return page == pictures;
            });
        expect(onePage, "pictures shown: " + pictures.join(' '));
        break;
    }
    default:
        break;
    }
    return problems.isEmpty() ? QString() : report(problems.join("; "));
}

// The calculator's operands and sentence, while the calculator is the visible screen.
QStringList SoakTest::calculatorState()
{
    if (!form || formId != FormId::Form1)
        return {};
    QStringList state(3);
    for (ui::TextBox* box : form->findChildren<ui::TextBox*>()) {
        if (box->pos() == QPoint(16, 72))
            state[0] = box->text();
        else if (box->pos() == QPoint(152, 72))
            state[1] = box->text();
    }
    for (ui::Label* label : form->findChildren<ui::Label*>())
        if (label->geometry() == hints().at(FormId::Form1).place)
            state[2] = label->caption();
    return state;
}

QString SoakTest::report(const QString& problem)
{
    QStringList lines = {QString("seed %1: %2").arg(seed).arg(problem), "last events:"};
    for (const QString& event : recent)
        lines << "  " + event;
    return lines.join('\n');
}

QTEST_MAIN(SoakTest)
#include "tst_soak.moc"
