#pragma once

#include <QImage>
#include <QWidget>

// A window's first paint is timed as its painting into a canvas made and touched beforehand. A
// window paints into its own backing store, made when it is shown, the bare window alike; a new
// image for each paint would time the allocator's first touch of fresh memory instead.
class Canvas {
public:
    Canvas()
        : image_(1280, 1024, QImage::Format_ARGB32_Premultiplied)
    {
        image_.fill(Qt::transparent);
    }

    void paint(QWidget& window) { window.render(&image_); }

private:
    QImage image_;
};
