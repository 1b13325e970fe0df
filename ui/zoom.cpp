#include "ui/zoom.h"

#include "ui/zoomedstyle.h"

#include <QApplication>
#include <QFont>

namespace ui {

namespace {

double factor = 1.0;

constexpr QSize frameAllowance{10, 40}; // borders and title bar, drawn by the desktop and not zoomed
constexpr double shareOfScreen = 0.85;

bool fits(QSize available, QSize client, double step)
{
    return client.width() * step + frameAllowance.width() <= available.width() * shareOfScreen &&
           client.height() * step + frameAllowance.height() <= available.height() * shareOfScreen;
}

} // namespace

double zoom()
{
    return factor;
}

void setZoom(double zoom)
{
    // The toolkit's own font serves the controls that declare none, the menus and the messages.
    static const QFont drawn = QGuiApplication::font();
    // What the style draws at sizes of its own grows alike.
    static const bool styled = (QApplication::setStyle(new ZoomedStyle), true);
    Q_UNUSED(styled);
    factor = zoom;
    QFont font = drawn;
    if (drawn.pointSizeF() > 0)
        font.setPointSizeF(drawn.pointSizeF() * zoom);
    else
        font.setPixelSize(scaled(drawn.pixelSize()));
    QGuiApplication::setFont(font);
}

int scaled(int pixels)
{
    return static_cast<int>(pixels * factor + 0.5);
}

double zoomToFit(QSize available, QSize client)
{
    double chosen = zoomSteps.front();
    for (double step : zoomSteps) {
        if (fits(available, client, step))
            chosen = step;
    }
    return chosen;
}

} // namespace ui
