#include "platform/Announce.h"

#include "platform/Services.h"

#include <QAccessible>
#include <QWidget>
#include <QtGlobal>

namespace platform {
namespace {

class BusAnnouncer : public Announcer {
  public:
    void announce(QWidget* source, const QString& text) override {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // Without a screen reader the bridge is off: nothing is built or sent.
        if (!source || !QAccessible::isActive())
            return;
        QAccessibleAnnouncementEvent event(source, text);
        // Polite: a stopped number and the verdict that follows it queue up
        // instead of cutting each other off.
        event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
        QAccessible::updateAccessibility(&event);
#else
        // Qt before 6.8 has no announcement; a changed name or a focus move
        // would be heard only by chance and would put events on the bus for
        // nothing, so nothing is sent.
        (void)source;
        (void)text;
#endif
    }
};

} // namespace

std::unique_ptr<Announcer> makeRealAnnouncer() {
    return std::make_unique<BusAnnouncer>();
}

bool announcementsAvailable() {
    return QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
}

void announce(QWidget* source, const QString& text) {
    if (!text.isEmpty())
        announcer().announce(source, text);
}

} // namespace platform
