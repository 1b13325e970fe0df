#include "tests/support/announcements.h"

#include <private/qguiapplication_p.h>
#include <QList>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QPointer>

#include <algorithm>

namespace {

struct Heard {
    QPointer<QObject> object;
    QAccessible::Event type;
};

QList<Heard>& heard()
{
    static QList<Heard> events;
    return events;
}

// Qt tells nothing while no screen reader listens; the test stands in for one.
void listen(bool active)
{
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(active);
}

void record(QAccessibleEvent* event)
{
    heard().append({event->object(), event->type()});
}

} // namespace

Announcements::Announcements()
{
    heard().clear();
    QAccessible::installUpdateHandler(record);
    listen(true);
}

Announcements::~Announcements()
{
    listen(false);
    QAccessible::installUpdateHandler(nullptr);
}

bool Announcements::changed(const QObject& object) const
{
    return std::any_of(heard().cbegin(), heard().cend(), [&](const Heard& event) {
        return event.object == &object &&
               (event.type == QAccessible::NameChanged || event.type == QAccessible::TextUpdated);
    });
}
