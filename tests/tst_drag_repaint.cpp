#include "tests/support/input.h"
#include "ui/form.h"
#include "ui/label.h"

#include <QPaintEvent>
#include <QTest>

using app::FormId;

// Records, in the client area's coordinates, every region painted on one form.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(ui::Form& form)
        : form_(form)
    {
        qApp->installEventFilter(this);
    }
    ~PaintRecorder() override { qApp->removeEventFilter(this); }

    QRegion painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &form_) {
            const QPoint offset = widget->mapTo(&form_, QPoint()) - form_.client()->mapTo(&form_, QPoint());
            painted += static_cast<QPaintEvent*>(event)->region().translated(offset);
        }
        return false;
    }

private:
    ui::Form& form_;
};

class DragRepaintTest : public QObject {
    Q_OBJECT

    static void paintPending()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    static QWidget* outline(QWidget& client)
    {
        for (QWidget* child : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (child->testAttribute(Qt::WA_TransparentForMouseEvents) && child->isVisible())
                return child;
        }
        return nullptr;
    }

private slots:
    void init() { program::start(); }
    void cleanup() { program::stop(); }

    // A pointer move during a drag repaints the outline's old and new places and nothing else of
    // the window, whether the two places overlap or lie apart.
    void aMoveRepaintsOnlyTheOutlinesOldAndNewPlaces_data()
    {
        QTest::addColumn<QPoint>("step");
        QTest::newRow("overlapping") << QPoint(-6, 4);
        QTest::newRow("apart") << QPoint(150, 90);
    }
    void aMoveRepaintsOnlyTheOutlinesOldAndNewPlaces()
    {
        QFETCH(QPoint, step);
        ui::Form& form = *app::forms().instance(FormId::Form1);
        QWidget& client = *form.client();
        const auto labels = client.findChildren<ui::Label*>();
        const auto tile =
            std::find_if(labels.begin(), labels.end(), [](auto* label) { return label->isTile(); });
        QVERIFY(tile != labels.end());
        const QPoint from = (*tile)->mapTo(&client, (*tile)->rect().center());
        QTest::mousePress(&client, Qt::LeftButton, {}, from);
        QTest::mouseMove(&client, from + QPoint(-2, 2));
        paintPending();
        QWidget* dragged = outline(client);
        QVERIFY(dragged);
        const QRect before = dragged->geometry();

        const QPoint to = from + QPoint(-2, 2) + step;
        QRegion painted;
        {
            PaintRecorder recorder(form);
            QTest::mouseMove(&client, to);
            paintPending();
            painted = recorder.painted;
        }
        QTest::mouseRelease(&client, Qt::LeftButton, {}, to);

        const QRect after = dragged->geometry();
        QCOMPARE(after, before.translated(step));
        QVERIFY(painted.contains(after));
        QCOMPARE(painted - (QRegion(before) + after), QRegion());
    }
};

QTEST_MAIN(DragRepaintTest)
#include "tst_drag_repaint.moc"
