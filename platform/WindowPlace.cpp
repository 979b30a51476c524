#include "platform/WindowPlace.h"

#include "platform/PlayerSettings.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace platform {
namespace {

std::vector<QRect> screenRooms() {
    std::vector<QRect> rooms;
    for (const QScreen* s : QGuiApplication::screens())
        rooms.push_back(s->availableGeometry());
    return rooms;
}

// Writes the place once the window has kept still for a moment: a drag
// moves it hundreds of times.
class PlaceKeeper : public QObject {
  public:
    explicit PlaceKeeper(QWidget* window) : QObject(window), window_(window) {
        timer_.setSingleShot(true);
        timer_.setInterval(300);
        connect(&timer_, &QTimer::timeout, this, [this] { write(); });
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (watched == window_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                                   e->type() == QEvent::WindowStateChange))
            timer_.start();
        return false;
    }

  private:
    void write() {
        if (!window_->isVisible() || window_->isMinimized())
            return;
        const bool maximized = window_->isMaximized() || window_->isFullScreen();
        // Maximised, the size to return to is the one to keep.
        const QRect normal = maximized ? window_->normalGeometry() : window_->geometry();
        WindowPlace place{normal.isValid() ? normal : window_->geometry(), maximized};
        if (last_ && last_->geometry == place.geometry && last_->maximized == place.maximized)
            return;
        rememberWindowPlace(place);
        last_ = place;
    }

    QWidget* window_;
    QTimer timer_;
    std::optional<WindowPlace> last_;
};

} // namespace

std::optional<bool> restoreWindowPlace(QWidget* window) {
    const std::optional<WindowPlace> place = rememberedWindowPlace();
    if (!place)
        return std::nullopt;
    const std::optional<QRect> there = onScreens(place->geometry, screenRooms());
    if (!there)
        return std::nullopt;
    window->setGeometry(*there);
    return place->maximized;
}

void keepWindowPlace(QWidget* window) {
    new PlaceKeeper(window);
}

} // namespace platform
