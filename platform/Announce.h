#pragma once
// What a player who cannot see the screen is told: a short text handed to the
// screen reader once, when the game shows what it says. Message boxes are read
// as dialogs already and are never announced.

#include <QString>
#include <QStringList>
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
std::unique_ptr<Announcer> makeBusAnnouncer();

// What is said within kGatherMs of a first text is handed to `out` as one text, in order,
// and no two texts reach `out` closer together than that.
constexpr int kGatherMs = 200;
std::unique_ptr<Announcer> makeGatheringAnnouncer(std::unique_ptr<Announcer> out);

// Called through a pause: sends what was gathered before it, as soon as the spacing allows.
void sendAnnouncementsBeforePause();

// What was said and not yet sent, joined, taken from the gathering: a message box says it.
QString takeGatheredAnnouncements();

// The texts said together, as one: sentences in a row in the game's language.
QString joinAnnouncements(const QStringList& texts);

// The game's: gathered, then to the bus.
std::unique_ptr<Announcer> makeRealAnnouncer();

// Whether this build of Qt can announce at all.
bool announcementsAvailable();

} // namespace platform
