#include "ui/artwork.h"

#include "ui/zoom.h"

#include <QCoreApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <future>
#include <map>
#include <tuple>
#include <vector>

namespace ui {

namespace {

// Drawn afresh at the zoomed size rather than stretched, so it stays sharp.
QImage draw(const QString& resource, qreal devicePixelRatio, double zoom)
{
    QSvgRenderer renderer(resource);
    const QSizeF size = QSizeF(renderer.defaultSize()) * zoom;
    QImage image((size * devicePixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(), size));
    painter.end();
    return image;
}

using Key = std::tuple<QString, qreal, double>;

// Touched only by the GUI thread; the drawing thread just keeps its promises.
std::map<Key, std::shared_future<QImage>>& drawings()
{
    static std::map<Key, std::shared_future<QImage>> drawings;
    return drawings;
}

std::vector<std::future<void>>& drawingThreads()
{
    static std::vector<std::future<void>> threads;
    return threads;
}

void waitForDrawings()
{
    for (const std::future<void>& thread : drawingThreads())
        thread.wait();
}

} // namespace

void prepareArtwork(const QStringList& resources, qreal devicePixelRatio)
{
    std::vector<std::pair<QString, std::promise<QImage>>> jobs;
    for (const QString& resource : resources) {
        const Key key{resource, devicePixelRatio, zoom()};
        if (drawings().contains(key))
            continue;
        std::promise<QImage> promise;
        drawings().emplace(key, promise.get_future().share());
        jobs.emplace_back(resource, std::move(promise));
    }
    if (jobs.empty())
        return;
    // A drawing still going when the application object goes would use fonts that are gone.
    static const bool waitsAtExit = (qAddPostRoutine(waitForDrawings), true);
    Q_UNUSED(waitsAtExit);
    // One after the other, so that only one drawing's fonts and buffers are held at a time.
    drawingThreads().push_back(
        std::async(std::launch::async, [jobs = std::move(jobs), devicePixelRatio, zoom = zoom()]() mutable {
            for (auto& [resource, promise] : jobs)
                promise.set_value(draw(resource, devicePixelRatio, zoom));
        }));
}

QImage artwork(const QString& resource, qreal devicePixelRatio)
{
    const Key key{resource, devicePixelRatio, zoom()};
    auto found = drawings().find(key);
    if (found == drawings().end()) {
        std::promise<QImage> drawn;
        drawn.set_value(draw(resource, devicePixelRatio, zoom()));
        found = drawings().emplace(key, drawn.get_future().share()).first;
    }
    return found->second.get();
}

} // namespace ui
