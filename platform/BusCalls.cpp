#include "platform/BusCalls.h"

#include <QCoreApplication>
#include <QDBusVirtualObject>
#include <QEvent>
#include <QPointer>
#include <vector>

namespace platform {
namespace {

// Qt's AT-SPI bridge answers the screen reader through a D-Bus virtual object: each call
// reaches it in this thread as a posted call. The first call outside a pause tells which
// object that is (Orca asks as soon as the game's window appears).
class BusCallWatch : public QObject {
  public:
    explicit BusCallWatch(QObject* app) : QObject(app) { app->installEventFilter(this); }

    void answer() {
        for (const QPointer<QObject>& o : receivers_) {
            if (o)
                QCoreApplication::sendPostedEvents(o, QEvent::MetaCall);
        }
    }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MetaCall && qobject_cast<QDBusVirtualObject*>(o)) {
            bool known = false;
            for (const QPointer<QObject>& r : receivers_)
                known = known || r == o;
            if (!known)
                receivers_.emplace_back(o);
        }
        return false;
    }

  private:
    std::vector<QPointer<QObject>> receivers_;
};

QPointer<BusCallWatch>& watch() {
    static QPointer<BusCallWatch> w;
    return w;
}

} // namespace

void watchBusCalls() {
    if (!watch() && QCoreApplication::instance())
        watch() = new BusCallWatch(QCoreApplication::instance());
}

void answerBusCalls() {
    if (BusCallWatch* w = watch())
        w->answer();
}

} // namespace platform
