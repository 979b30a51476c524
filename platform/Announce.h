#pragma once
// What a player who cannot see the screen is told: a short text handed to the
// screen reader once, when the game shows what it says. Message boxes are read
// as dialogs already and are never announced.

#include <QString>
#include <memory>

class QWidget;

namespace platform {

class Announcer {
  public:
    virtual ~Announcer() = default;
    // `source` is the control that shows what is said (its window is where
    // the screen reader hears it from).
    virtual void announce(QWidget* source, const QString& text) = 0;
};

void announce(QWidget* source, const QString& text);

// Through Qt's announcements to the accessibility bus, where Qt has them
// (6.8 and later); older Qt has no way to say it and the call does nothing.
std::unique_ptr<Announcer> makeRealAnnouncer();

// Whether this build of Qt can announce at all.
bool announcementsAvailable();

} // namespace platform
