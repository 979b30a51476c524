#include "platform/Announce.h"

#include "platform/Services.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
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

// Orca 48 speaks an announcement at once, cutting off the one it is speaking, and drops one
// that comes within 0.1 s of the last from the same program: a stopped number and the
// verdict it brings, said in one moment, would be heard as the verdict alone. They are
// gathered for a moment and sent as one text, and no two texts go out closer than that.
class GatheringAnnouncer;
GatheringAnnouncer* gathering = nullptr;

class GatheringAnnouncer : public Announcer {
  public:
    explicit GatheringAnnouncer(std::unique_ptr<Announcer> out) : out_(std::move(out)) {
        gathering = this;
    }
    ~GatheringAnnouncer() override {
        if (gathering == this)
            gathering = nullptr;
        delete timer_.data();
    }

    void announce(QWidget* source, const QString& text) override {
        pending_.append(text);
        if (source)
            source_ = source;
        if (!timer_) {
            // Owned by the application as well, so that it never outlives the event loop.
            timer_ = new QTimer(QCoreApplication::instance());
            timer_->setSingleShot(true);
            timer_->setTimerType(Qt::PreciseTimer); // never early
            QObject::connect(timer_, &QTimer::timeout, timer_, [this] { send(); });
        }
        if (!timer_->isActive())
            timer_->start(kGatherMs);
    }

    // A pause ends the moment: what was said before it is sent as soon as the spacing
    // allows, while the player is still paused on it.
    void sendBeforePause() {
        if (!pending_.isEmpty() && (!lastSent_.isValid() || lastSent_.elapsed() >= kGatherMs))
            send();
    }

    // A message box that opens now says what was still gathering, before its own text:
    // sent after it, it would cut the box's reading off.
    QString take() {
        const QString text = joinAnnouncements(pending_);
        pending_.clear();
        return text;
    }

  private:
    void send() {
        if (pending_.isEmpty())
            return;
        const QString text = joinAnnouncements(pending_);
        pending_.clear();
        // The control may have gone with its window meanwhile; the window in front says it.
        QWidget* from = source_ ? source_.data() : QApplication::activeWindow();
        if (from)
            out_->announce(from, text);
        lastSent_.start();
        // What is said next waits at least as long again.
        if (timer_)
            timer_->start(kGatherMs);
    }

    std::unique_ptr<Announcer> out_;
    QPointer<QTimer> timer_;
    QStringList pending_;
    QPointer<QWidget> source_;
    QElapsedTimer lastSent_;
};

} // namespace

std::unique_ptr<Announcer> makeBusAnnouncer() {
    return std::make_unique<BusAnnouncer>();
}

std::unique_ptr<Announcer> makeGatheringAnnouncer(std::unique_ptr<Announcer> out) {
    return std::make_unique<GatheringAnnouncer>(std::move(out));
}

QString joinAnnouncements(const QStringList& texts) {
    static const QString ends = QStringLiteral("。．.!！?？…」");
    QString joined;
    for (const QString& t : texts) {
        if (t.isEmpty())
            continue;
        if (!joined.isEmpty())
            joined += ends.contains(joined.back())
                          ? QStringLiteral(" ")
                          : QCoreApplication::translate("platform::Announce", "。");
        joined += t;
    }
    return joined;
}

void sendAnnouncementsBeforePause() {
    if (gathering)
        gathering->sendBeforePause();
}

QString takeGatheredAnnouncements() {
    return gathering ? gathering->take() : QString();
}

std::unique_ptr<Announcer> makeRealAnnouncer() {
    return makeGatheringAnnouncer(makeBusAnnouncer());
}

bool announcementsAvailable() {
    return QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);
}

void announce(QWidget* source, const QString& text) {
    if (!text.isEmpty())
        announcer().announce(source, text);
}

} // namespace platform
