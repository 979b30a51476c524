#pragma once
// The registry of loaded windows: load on first show, show, hide, unload, and
// where the keyboard goes as windows come and go.

#include <QPointer>
#include <vector>

class QMdiArea;
class QMdiSubWindow;

namespace platform {

class GameWindow;

// Who asks a window to close: the player (its close box or system menu), who
// may be refused, or the game itself, which may not.
enum class CloseReason { User, Program };

// All loaded windows in load order.
class Windows {
  public:
    static Windows& instance();

    void setMdiArea(QMdiArea* area) { area_ = area; }
    QMdiArea* mdiArea() const { return area_; }

    template <class T> T* find() const {
        for (GameWindow* f : loaded_)
            if (auto* t = dynamic_cast<T*>(f))
                return t;
        return nullptr;
    }
    // The loaded window, loading it (running onLoad) when absent.
    template <class T> T& get() {
        if (T* t = find<T>())
            return *t;
        auto* t = new T();
        load(t);
        return *t;
    }
    // Load when absent, make visible, bring to front.
    template <class T> T& show() {
        T& t = get<T>();
        if (!t.isUnloaded())
            showWindow(&t);
        return t;
    }
    template <class T> void hide() {
        if (T* t = find<T>())
            hideWindow(t);
    }
    template <class T> bool close() {
        if (T* t = find<T>())
            return close(t);
        return true;
    }

    // Returns false when a user close was refused.
    bool close(GameWindow* form, CloseReason reason = CloseReason::Program);
    void showWindow(GameWindow* form);
    void hideWindow(GameWindow* form);

    int count() const { return static_cast<int>(loaded_.size()); }
    GameWindow* at(int index) const { return loaded_.at(static_cast<size_t>(index)); }
    const std::vector<GameWindow*>& loaded() const { return loaded_; }

    // Frees the windows unloaded while handlers were running.
    void flushUnloaded();

  private:
    void load(GameWindow* form);
    void giveKeyboardTo(GameWindow* form);
    void activateTopmost();
    void returnKeyboardFrom(GameWindow* form);
    QMdiArea* area_ = nullptr;
    QMdiArea* ownArea_ = nullptr;
    std::vector<GameWindow*> loaded_;
    std::vector<QPointer<QMdiSubWindow>> graveyard_;
};

} // namespace platform
