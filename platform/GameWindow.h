#pragma once
// The window layer: every screen of the game is a GameWindow, a child window of
// the main frame with the life the game relies on (load on first show, hide
// that keeps contents, unload with a close request that may be refused).

// The registry that loads, shows and unloads windows, and the close reasons
// it passes to canClose, come with this header; so do the windows' timers.
#include "platform/Timer.h"
#include "platform/Windows.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <functional>

class QAbstractButton;

namespace platform {

class GameWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GameWindow(const QString& objectName);
    ~GameWindow() override;

    // ---- Handlers a window may override ----
    virtual void onLoad() {}
    // Whether the window may close now. Only the player's request can be
    // refused; the game's own closes always go ahead.
    virtual bool canClose(CloseReason reason) {
        (void)reason;
        return true;
    }
    // With key preview on, sees every key pressed in the window before the
    // focused control. Returns true to keep the key from the control.
    virtual bool onKeyPreview(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        (void)key;
        (void)modifiers;
        return false;
    }
    // A key pressed while `control` has the focus (after the window's preview).
    // Returns true when the key is used up.
    virtual bool onControlKey(QWidget* control, Qt::Key key, Qt::KeyboardModifiers modifiers) {
        (void)control;
        (void)key;
        (void)modifiers;
        return false;
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

} // namespace platform
