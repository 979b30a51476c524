#pragma once
// The window layer: every screen of the game is a Form, a child window of the
// main frame with the life the game relies on (load on first show, hide that
// keeps contents, unload with a close request that may be refused).

#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

class QAbstractButton;
class QKeyEvent;
class QMdiArea;

class QTimer;

namespace platform {

class Timer;

// Close request reasons.
inline constexpr int vbFormControlMenu = 0; // the user: close box or system menu
inline constexpr int vbFormCode = 1;        // the program itself

class GameWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GameWindow(const QString& objectName);
    ~GameWindow() override;

    // ---- Handlers a window may override ----
    virtual void onLoad() {}
    // Set cancel to non-zero to refuse a close asked for by the user.
    virtual void canClose(int& cancel, int unloadMode) {
        (void)cancel;
        (void)unloadMode;
    }
    // With key preview on, sees every key pressed in the window before the
    // focused control. Setting keyCode to 0 keeps the key from the control.
    virtual void onKeyPreview(int& keyCode, int shift) {
        (void)keyCode;
        (void)shift;
    }
    // A key pressed while `control` has the focus (after the window's preview).
    virtual void onControlKey(QWidget* control, int& keyCode, int shift) {
        (void)control;
        (void)keyCode;
        (void)shift;
    }
    // After a close request has passed, before the window goes.
    virtual void onUnload() {}
    virtual void onActivate() {}
    // After a run-time error in one of this window's handlers, once the game
    // state has been restored: leave the player on a usable screen.
    virtual void onError() {}
    // Sets every text the window shows in the language of the moment. Runs
    // once the window is built and again whenever the language changes, so
    // it reads what it shows from the game's state, never from a control.
    virtual void retranslate() {}

    // ---- Properties ----
    void setTitle(const QString& caption);
    QString title() const;
    void setClientSizeTwips(int width, int height);
    void setKeyPreview(bool on) { keyPreview_ = on; }
    bool keyPreview() const { return keyPreview_; }
    void setEnterButton(QPushButton* b) { defaultButton_ = b; }
    void setEscapeButton(QPushButton* b) { cancelButton_ = b; }
    QPushButton* enterButton() const { return defaultButton_; }
    QPushButton* escapeButton() const { return cancelButton_; }

    // Outer position and size in twips, relative to the frame's client area.
    double leftTw() const;
    double topTw() const;
    double widthTw() const;
    double heightTw() const;
    void setLeftTw(double twips);
    void setTopTw(double twips);

    // True from the moment the window is unloaded; a handler that let events
    // run checks it and stops.
    bool isUnloaded() const { return unloaded_; }
    bool isShown() const;

    QMdiSubWindow* frame() const { return frame_; }

    // Connects a button's click to a handler, entered through the error guard.
    void onClick(QAbstractButton* button, std::function<void()> handler);
    // A 1 ms-capable timer owned by this window, disabled at first.
    Timer* makeTimer(int intervalMs, std::function<void()> onTick);

  protected:
    // retranslate(), then the window's pictures in the language of the
    // moment and each text fitted to its control. The window calls it at the
    // end of its construction.
    void translateTexts();
    void changeEvent(QEvent* e) override;

  private:
    friend class Windows;
    friend class WindowFrame;
    QPointer<QMdiSubWindow> frame_;
    // The window that was active when this one was shown: it takes the
    // keyboard back when this one goes.
    QPointer<GameWindow> opener_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool keyPreview_ = false;
    QPointer<QPushButton> defaultButton_;
    QPointer<QPushButton> cancelButton_;
};

class WindowFrame : public QMdiSubWindow {
    Q_OBJECT
  public:
    explicit WindowFrame(GameWindow* form);
    GameWindow* form() const { return form_; }
    bool programClose = false;

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    GameWindow* form_;
};

// The timer of a window: VB-like Enabled switch, precise interval, ticks
// entered through the error guard. A tick never runs inside another handler of
// the same timer. An interval of a sixtieth of a second or less ticks on the
// frame clock: about 60 times a second on any screen, never more than once a
// frame and always on one, so a roll of a hundred ticks lasts as long as it did
// on the window systems the game was made for.
class Timer : public QObject {
    Q_OBJECT
  public:
    Timer(GameWindow* owner, int intervalMs, std::function<void()> onTick);
    ~Timer() override;
    void setEnabled(bool on);
    bool isEnabled() const;
    void setInterval(int ms);
    // Runs one tick now (tests, and a tick that is due).
    void fire();

  private:
    void start();
    void stop();
    GameWindow* owner_;
    QTimer* timer_;
    std::function<void()> onTick_;
    int interval_;
    bool enabled_ = false;
    bool pacedNow_ = false; // running on the frame clock
};

// Milliseconds a frame of the screen lasts (1000 / its refresh rate; 60 Hz
// when the screen does not say).
double frameMs();
// Milliseconds between the ticks of the frame clock: a sixtieth of a second,
// or a frame of a screen slower than that.
double tickMs();
// Tests stand in for a screen of `hz` (0: the screen's own rate).
void setRefreshRateForTests(double hz);

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
    template <class T> bool unload() {
        if (T* t = find<T>())
            return unload(t, vbFormCode);
        return true;
    }

    // Returns false when a user close was refused.
    bool unload(GameWindow* form, int reason);
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

// The key code the game's handlers expect (8 Backspace, 13 Enter, 27 Esc,
// 33 Page Up, 65..90 letters ...), 0 for keys it has no code for.
int vbKeyCode(int qtKey);
// Called by the application for every key press, once, with the widget that
// received it: the window's preview, default and cancel buttons. True when the
// key was used up.
bool routeKeyPress(QObject* receiver, QKeyEvent* event);
// Shift state bits: 1 Shift, 2 Ctrl, 4 Alt.
int vbShift(Qt::KeyboardModifiers m);

} // namespace platform
