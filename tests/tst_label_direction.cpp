#include "ui/form.h"
#include "ui/label.h"

#include <QTest>

namespace {

// Two labels alike but for their captions and reading direction.
class DirectionForm : public ui::Form {
public:
    DirectionForm()
        : ui::Form({.caption = "direction", .width = 3000, .height = 1200}) {}

    static ui::LabelProps props(const QString& caption, bool rightToLeft) {
        return {.caption = caption,
                .alignment = ui::Align::Centre,
                .font = {ui::Face::Tahoma, 15.75},
                .rightToLeft = rightToLeft};
    }

    ui::Label RightToLeft{*this, {0, 0, 3000, 600}, props("ب .", true)};
    ui::Label LeftToRight{*this, {0, 600, 3000, 600}, props(". ب", false)};
};

} // namespace

class TestLabelDirection : public QObject {
    Q_OBJECT

private slots:
    // A closing full stop stands at the left end of a right-to-left caption.
    void rightToLeftCaptionEndsOnTheLeft() {
        DirectionForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage rightToLeft = form.RightToLeft.grab().toImage();
        QCOMPARE(rightToLeft, form.LeftToRight.grab().toImage());
    }
};

QTEST_MAIN(TestLabelDirection)
#include "tst_label_direction.moc"
