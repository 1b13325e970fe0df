#include "ui/caption.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QTextLayout>

namespace ui {

QString displayed(QString caption)
{
    while (caption.endsWith(QStringLiteral("\r\n")))
        caption.chop(2);
    caption.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
    // After right-to-left text the bidirectional algorithm puts a number's sign on the far side of
    // its digits ("2-"); isolated as a left-to-right run, the number reads as it is written.
    static const QRegularExpression signedNumber(
        QStringLiteral("(?<![\\p{L}\\p{N}])([-+]\\p{Nd}+(?:\\.\\p{Nd}+)?)"));
    caption.replace(signedNumber, QStringLiteral("\u2066\\1\u2069"));
    return caption;
}

// The faces that stand in for the declared ones are taller, so where the lines would not fit,
// their pitch closes up a little (never below 85%) so that the last line's dots below the letters
// stay in.
QRectF drawCaption(QPainter& painter, const QRectF& area, const QString& caption, Qt::Alignment horizontal,
                   bool centred)
{
    QTextOption option(QStyle::visualAlignment(painter.layoutDirection(), horizontal));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(painter.layoutDirection());
    QTextLayout layout(caption, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.setCacheEnabled(true); // or drawing would shape the caption a second time
    QList<QTextLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        lines.append(line);
    }
    layout.endLayout();
    if (lines.isEmpty())
        return {};
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qsizetype gaps = lines.size() - 1;
    qreal pitch = metrics.lineSpacing();
    if (gaps > 0 && gaps * pitch + metrics.height() > area.height())
        pitch = qMax(0.85 * pitch, (area.height() - metrics.height()) / gaps);
    const qreal height = gaps * pitch + metrics.height();
    const qreal top = centred ? (area.height() - height) / 2 : 0;
    QRectF taken;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        lines[i].setPosition({0, top + i * pitch});
        taken |= lines[i].naturalTextRect();
    }
    painter.setClipRect(area);
    layout.draw(&painter, area.topLeft());
    return taken.translated(area.topLeft()) & area;
}

} // namespace ui
