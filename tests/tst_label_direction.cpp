#include "ui/form.h"
#include "ui/label.h"

#include <QTest>

namespace {

class DirectionForm : public ui::Form {
public:
    DirectionForm()
        : ui::Form({.caption = "direction", .width = 3000, .height = 2400})
    {
    }

    static ui::LabelProps props(const QString& caption, ui::Align alignment, bool rightToLeft)
    {
        return {.caption = caption,
                .alignment = alignment,
                .font = {ui::Face::Tahoma, 15.75},
                .rightToLeft = rightToLeft};
    }

    ui::Label RightToLeft{*this, {0, 0, 3000, 600}, props("ب .", ui::Align::Centre, true)};
    ui::Label ArabicOnLeftToRight{*this, {0, 600, 3000, 600}, props("ب .", ui::Align::Centre, false)};
    ui::Label LeftOnRightToLeft{*this, {0, 1200, 3000, 600}, props("ب", ui::Align::Left, true)};
    ui::Label LeftOnLeftToRight{*this, {0, 1800, 3000, 600}, props("ب", ui::Align::Left, false)};
};

// The columns of the label that hold any of the text's pixels.
std::pair<int, int> inkColumns(const QImage& image)
{
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    return {left, right};
}

} // namespace

class TestLabelDirection : public QObject {
    Q_OBJECT

    DirectionForm form;

private slots:
    void initTestCase()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    // An Arabic caption reads right to left, its closing full stop at the left end, whether or not
    // the label itself is right-to-left.
    void anArabicCaptionReadsRightToLeft()
    {
        QCOMPARE(form.ArabicOnLeftToRight.grab().toImage(), form.RightToLeft.grab().toImage());
    }

    // Left alignment means the right edge on a right-to-left label, and stays left on the others.
    void alignmentFollowsTheLabelsDirection()
    {
        const auto [rtlLeft, rtlRight] = inkColumns(form.LeftOnRightToLeft.grab().toImage());
        const auto [ltrLeft, ltrRight] = inkColumns(form.LeftOnLeftToRight.grab().toImage());
        QVERIFY(rtlRight > form.LeftOnRightToLeft.width() - 20 && rtlLeft > form.width() / 2);
        QVERIFY(ltrLeft < 20 && ltrRight < form.width() / 2);
    }
};

QTEST_MAIN(TestLabelDirection)
#include "tst_label_direction.moc"
