#include "ui/form.h"
#include "ui/label.h"

#include <QTest>

namespace {

class DirectionForm : public ui::Form {
public:
    DirectionForm()
        : ui::Form({.caption = "direction", .width = 5400, .height = 2400})
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

    // Two lines in a label of two lines' height, as the tables declare it, and the same with room.
    static ui::LabelProps twoLines()
    {
        return {.caption = "الحرف الذي تريده في المربع كي تكون", .font = {ui::Face::ArabicTransparent, 12}};
    }
    ui::Label Tight{*this, {3000, 0, 2400, 615}, twoLines()};
    ui::Label Roomy{*this, {3000, 700, 2400, 1200}, twoLines()};
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
        QVERIFY(rtlRight > form.LeftOnRightToLeft.width() - 20 &&
                rtlLeft > form.LeftOnRightToLeft.width() / 2);
        QVERIFY(ltrLeft < 20 && ltrRight < form.LeftOnLeftToRight.width() / 2);
    }

    // The stand-in faces are taller than the declared ones; the lines close up so that nothing
    // below the last line's letters, such as a yeh's dots, is cut off.
    void twoLinesFitWhereTheTableGivesTwoLines()
    {
        const auto ink = [](const QImage& image) {
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    count += qGray(image.pixel(x, y)) < 128;
            return count;
        };
        const int tight = ink(form.Tight.grab().toImage());
        const int roomy = ink(form.Roomy.grab().toImage());
        QVERIFY2(tight >= roomy * 0.995, qPrintable(QString("%1 of %2").arg(tight).arg(roomy)));
    }
};

QTEST_MAIN(TestLabelDirection)
#include "tst_label_direction.moc"
