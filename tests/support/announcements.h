#pragma once

#include <QAccessible>

class QObject;

// What a screen reader would be told while one of these lives: every accessibility event Qt sends.
class Announcements {
public:
    Announcements();
    ~Announcements();
    Announcements(const Announcements&) = delete;
    Announcements& operator=(const Announcements&) = delete;

    // Whether a change of the object's name or text was announced.
    bool changed(const QObject& object) const;
};
