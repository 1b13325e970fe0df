#include "ui/faultnotice.h"

#include "ui/font.h"
#include "ui/zoom.h"

#include <QApplication>

namespace ui {

FaultNotice::FaultNotice(QWidget* area)
    : QLabel(area)
{
    setObjectName(QStringLiteral("faultNotice"));
    setFont(toQFont({Face::Tahoma, 15.75}));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setLayoutDirection(Qt::RightToLeft);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QLabel { background: #fff8c4; color: #7a2e00; border: %1px solid #f0a020;"
                                 " border-radius: %2px; padding: %3px; }")
                      .arg(scaled(3))
                      .arg(scaled(12))
                      .arg(scaled(8)));
    setAccessibleName(tr("Message"));
    timer_.setSingleShot(true);
    timer_.setInterval(lifetimeMs);
    connect(&timer_, &QTimer::timeout, this, &FaultNotice::dismiss);
    hide();
}

void FaultNotice::present(const QString& message)
{
    setText(message);
    setAccessibleDescription(message);
    const QSize area = parentWidget()->size();
    const int margin = scaled(16);
    const QSize size(qMin(area.width() - margin, scaled(320)), qMin(area.height() - margin, scaled(90)));
    setGeometry(QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size));
    raise();
    show();
    timer_.start();
    // The presses go to other widgets, so they are watched where they all pass.
    qApp->installEventFilter(this);
}

bool FaultNotice::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress;
    if (press && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == window())
        dismiss();
    return false;
}

void FaultNotice::dismiss()
{
    hide();
    timer_.stop();
    qApp->removeEventFilter(this);
}

} // namespace ui
