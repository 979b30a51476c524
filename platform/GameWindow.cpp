#include "platform/GameWindow.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace platform {

// ---- Form ------------------------------------------------------------------

GameWindow::GameWindow(const QString& objectName) {
    setObjectName(objectName);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

GameWindow::~GameWindow() = default;

void GameWindow::setTitle(const QString& caption) {
    setWindowTitle(caption);
    if (frame_)
        frame_->setWindowTitle(caption);
}

void GameWindow::translateTexts() {
    retranslate();
    reloadPictures(this);
    fitTexts(this);
}

void GameWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange)
        translateTexts();
    QWidget::changeEvent(e);
}

QString GameWindow::title() const {
    return windowTitle();
}

void GameWindow::setClientSizeTwips(int width, int height) {
    setFixedSize(twipsToPx(width), twipsToPx(height));
    if (frame_)
        frame_->adjustSize();
}

double GameWindow::leftTw() const {
    return frame_ ? frame_->x() * kTwipsPerPixel : 0;
}
double GameWindow::topTw() const {
    return frame_ ? frame_->y() * kTwipsPerPixel : 0;
}
double GameWindow::widthTw() const {
    return frame_ ? frame_->width() * kTwipsPerPixel : 0;
}
double GameWindow::heightTw() const {
    return frame_ ? frame_->height() * kTwipsPerPixel : 0;
}
void GameWindow::setLeftTw(double twips) {
    if (frame_)
        frame_->move(twipsToPx(twips), frame_->y());
}
void GameWindow::setTopTw(double twips) {
    if (frame_)
        frame_->move(frame_->x(), twipsToPx(twips));
}

bool GameWindow::isShown() const {
    return frame_ && frame_->isVisible();
}

void GameWindow::onClick(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, h = std::move(handler)] { runGuarded(this, h); });
}

Timer* GameWindow::makeTimer(int intervalMs, std::function<void()> onTick) {
    return new Timer(this, intervalMs, std::move(onTick));
}

// ---- FormFrame ---------------------------------------------------------------

WindowFrame::WindowFrame(GameWindow* form) : form_(form) {
    setWidget(form);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setOption(QMdiSubWindow::RubberBandResize, false);
}

void WindowFrame::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (programClose)
        return;
    // The close box or the system menu: the window decides, reason 0.
    QPointer<GameWindow> f(form_);
    runGuarded(form_, [f] {
        if (f && !f->isUnloaded())
            Windows::instance().unload(f, vbFormControlMenu);
    });
}

// ---- Timer -------------------------------------------------------------------

namespace {
qint64 monotonicNs() {
    static QElapsedTimer since = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return since.nsecsElapsed();
}
} // namespace

namespace {

// The one clock of every paced timer: one wake-up for all of them, on a frame
// of the screen, so the two rolls change in the same pass of the event loop and
// reach the screen in one paint. Ticks fall due tickMs() apart, each on the
// first frame at or after its time: about 60 a second, as the game's rolls
// were made for, and on a faster screen some frames show no new value.
class FrameClock : public QObject {
  public:
    static FrameClock& instance() {
        static auto* clock = new FrameClock();
        return *clock;
    }
    void add(Timer* t) {
        paced_.push_back(t);
        if (!timer_.isActive())
            schedule(true);
    }
    void remove(Timer* t) {
        std::erase_if(paced_, [t](const QPointer<Timer>& p) { return !p || p == t; });
        if (paced_.empty())
            timer_.stop();
    }

  private:
    FrameClock() {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setSingleShot(true);
        connect(&timer_, &QTimer::timeout, this, [this] {
            // Scheduled before the ticks run, so a long tick (a pause) does
            // not push the next one later than its frame.
            schedule(false);
            const auto due = paced_;
            for (const QPointer<Timer>& t : due)
                if (t && t->isEnabled())
                    t->fire();
        });
    }
    void schedule(bool fresh) {
        const qint64 now = monotonicNs();
        const auto frameNs = qint64(std::llround(frameMs() * 1e6));
        const auto tickNs = qint64(std::llround(tickMs() * 1e6));
        // Ticks are counted in periods of their own length: a screen whose
        // rate changes starts the count afresh rather than wait for its old one.
        if (tickNs != tickNs_)
            fresh = true;
        tickNs_ = tickNs;
        // A tick that was missed is not made up for: the next is the next one.
        const qint64 tick = now / tickNs + 1;
        nextTick_ = fresh ? tick : std::max(nextTick_ + 1, tick);
        // Shown on the first frame at or after the tick's time.
        const qint64 dueNs = (nextTick_ * tickNs + frameNs - 1) / frameNs * frameNs;
        timer_.start(std::max(0, int(std::ceil(double(dueNs - now) / 1e6))));
    }
    QTimer timer_;
    std::vector<QPointer<Timer>> paced_;
    qint64 nextTick_ = 0;
    qint64 tickNs_ = 0;
};

} // namespace

Timer::Timer(GameWindow* owner, int intervalMs, std::function<void()> onTick)
    : QObject(owner), owner_(owner), timer_(new QTimer(this)), onTick_(std::move(onTick)),
      interval_(intervalMs) {
    timer_->setTimerType(Qt::PreciseTimer);
    connect(timer_, &QTimer::timeout, this, &Timer::fire);
}

Timer::~Timer() {
    if (pacedNow_)
        FrameClock::instance().remove(this);
}

namespace {
double& refreshRateOverride() {
    static double hz = 0;
    return hz;
}
} // namespace

void setRefreshRateForTests(double hz) {
    refreshRateOverride() = hz;
}

double frameMs() {
    const QScreen* s = QGuiApplication::primaryScreen();
    double rate = s ? s->refreshRate() : 60.0;
    if (refreshRateOverride() > 0)
        rate = refreshRateOverride();
    if (!(rate >= 20.0 && rate <= 500.0))
        return 1000.0 / 60.0;
    return 1000.0 / rate;
}

double tickMs() {
    return std::max(frameMs(), 1000.0 / 60.0);
}

void Timer::start() {
    if (double(interval_) <= tickMs()) {
        pacedNow_ = true;
        FrameClock::instance().add(this);
    } else {
        timer_->start(interval_);
    }
}

void Timer::stop() {
    timer_->stop();
    if (pacedNow_) {
        pacedNow_ = false;
        FrameClock::instance().remove(this);
    }
}

void Timer::setEnabled(bool on) {
    if (on && owner_->isUnloaded())
        return;
    if (on == enabled_)
        return;
    enabled_ = on;
    if (on)
        start();
    else
        stop();
}

bool Timer::isEnabled() const {
    return enabled_;
}
void Timer::setInterval(int ms) {
    interval_ = ms;
    if (enabled_) {
        stop();
        start();
    }
}

void Timer::fire() {
    static thread_local std::vector<const Timer*> running;
    if (owner_->isUnloaded() || std::find(running.begin(), running.end(), this) != running.end())
        return;
    running.push_back(this);
    QPointer<Timer> self(this);
    runGuarded(owner_, onTick_);
    running.erase(std::find(running.begin(), running.end(), this));
}

// ---- Forms -------------------------------------------------------------------

Windows& Windows::instance() {
    static Windows* f = [] {
        auto* forms = new Windows();
        setOutermostExitHook([forms] { forms->flushUnloaded(); });
        return forms;
    }();
    return *f;
}

void Windows::load(GameWindow* form) {
    if (!area_) {
        // Tests may create windows without the main frame.
        ownArea_ = new QMdiArea();
        area_ = ownArea_;
    }
    auto* frame = new WindowFrame(form);
    form->frame_ = frame;
    frame->setWindowTitle(form->windowTitle());
    area_->addSubWindow(frame);
    frame->adjustSize();
    frame->hide();
    loaded_.push_back(form);
    QObject::connect(area_, &QMdiArea::subWindowActivated, form, [form](QMdiSubWindow* w) {
        if (w && w == form->frame() && !form->isUnloaded())
            runGuarded(form, [form] { form->onActivate(); });
    });
    // Registered before its load handler runs, so a Show from inside the load
    // finds it and does not load it twice.
    try {
        form->onLoad();
        form->loaded_ = true;
    } catch (...) {
        if (!form->isUnloaded())
            unload(form, vbFormCode);
        throw;
    }
}

void Windows::showWindow(GameWindow* form) {
    if (!form->frame_ || form->isUnloaded())
        return;
    QMdiSubWindow* frame = form->frame_;
    if (!frame->isVisible() && area_) {
        auto* active = qobject_cast<WindowFrame*>(area_->activeSubWindow());
        form->opener_ = active && active->form() != form ? active->form() : nullptr;
    }
    frame->show();
    frame->raise();
    if (area_)
        area_->setActiveSubWindow(frame);
    giveKeyboardTo(form);
}

void Windows::giveKeyboardTo(GameWindow* form) {
    // The keyboard goes to the window: its last focused control, else the
    // first one in tab order.
    QWidget* focus = QApplication::focusWidget();
    if (focus && form->isAncestorOf(focus))
        return;
    QWidget* target = form->focusWidget();
    if (!target) {
        for (QWidget* w = form->nextInFocusChain(); w && w != form; w = w->nextInFocusChain())
            if (form->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()) {
                target = w;
                break;
            }
    }
    if (target)
        target->setFocus(Qt::ActiveWindowFocusReason);
    else
        form->setFocus(Qt::ActiveWindowFocusReason);
}

void Windows::activateTopmost() {
    // When the active window goes, the one used before it takes over, as a
    // player expects (Page Up reaches the town menu after name entry closes).
    if (!area_)
        return;
    QMdiSubWindow* active = area_->activeSubWindow();
    if (active && active->isVisible())
        return;
    const auto order = area_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        auto* ff = qobject_cast<WindowFrame*>(*it);
        if (ff && ff->isVisible() && !ff->form()->isUnloaded()) {
            area_->setActiveSubWindow(ff);
            giveKeyboardTo(ff->form());
            return;
        }
    }
}

void Windows::returnKeyboardFrom(GameWindow* form) {
    // The window that opened this one (the match for its skills window, the
    // shop for its purchase windows) takes the keyboard back, whatever the
    // frame chose to activate meanwhile.
    GameWindow* opener = form->opener_;
    form->opener_ = nullptr;
    if (area_ && opener && !opener->isUnloaded() && opener->isShown()) {
        area_->setActiveSubWindow(opener->frame_);
        giveKeyboardTo(opener);
        return;
    }
    activateTopmost();
}

void Windows::hideWindow(GameWindow* form) {
    const bool wasActive = form->frame_ && area_ && area_->activeSubWindow() == form->frame_;
    if (form->frame_)
        form->frame_->hide();
    if (wasActive)
        returnKeyboardFrom(form);
    else
        activateTopmost();
}

bool Windows::unload(GameWindow* form, int reason) {
    if (form->isUnloaded())
        return true;
    int cancel = 0;
    form->canClose(cancel, reason);
    if (cancel && reason == vbFormControlMenu)
        return false;
    if (form->isUnloaded()) // the close handler unloaded it itself
        return true;
    const bool wasActive = form->frame_ && area_ && area_->activeSubWindow() == form->frame_;
    form->unloaded_ = true;
    form->onUnload();
    for (Timer* t : form->findChildren<Timer*>())
        t->setEnabled(false);
    for (QTimer* t : form->findChildren<QTimer*>())
        t->stop();
    loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), form), loaded_.end());
    if (QMdiSubWindow* frame = form->frame_) {
        if (auto* ff = qobject_cast<WindowFrame*>(frame))
            ff->programClose = true;
        frame->hide();
        if (area_)
            area_->removeSubWindow(frame);
        frame->setParent(nullptr);
        graveyard_.push_back(frame);
    }
    if (wasActive)
        returnKeyboardFrom(form);
    else
        activateTopmost();
    // Freed only when no handler is running, so the handler that unloaded its
    // own window can still return through it.
    if (guardDepth() == 0)
        flushUnloaded();
    return true;
}

void Windows::flushUnloaded() {
    auto dead = std::move(graveyard_);
    graveyard_.clear();
    for (auto& f : dead)
        if (f)
            f->deleteLater();
}

namespace {

GameWindow* formOf(QObject* o) {
    for (QObject* p = o; p; p = p->parent()) {
        if (auto* f = qobject_cast<GameWindow*>(p))
            return f;
        if (auto* ff = qobject_cast<WindowFrame*>(p))
            return ff->form();
        if (qobject_cast<QMdiArea*>(p))
            return nullptr;
    }
    return nullptr;
}

} // namespace

bool routeKeyPress(QObject* receiver, QKeyEvent* ke) {
    if (!receiver->isWidgetType())
        return false;
    auto* w = static_cast<QWidget*>(receiver);
    GameWindow* form = formOf(w);
    if (!form || form->isUnloaded())
        return false;
    const int shift = vbShift(ke->modifiers());
    const bool enter = ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter;

    if (enter) {
        // A focused button takes Enter itself; elsewhere the default button does.
        QPushButton* target = qobject_cast<QPushButton*>(w);
        if (!target || !form->isAncestorOf(target))
            target = form->enterButton();
        if (target && target->isEnabled() && target->isVisible()) {
            target->click();
            return true;
        }
    }
    if (ke->key() == Qt::Key_Escape) {
        if (QPushButton* c = form->escapeButton(); c && c->isEnabled() && c->isVisible()) {
            c->click();
            return true;
        }
    }
    int code = vbKeyCode(ke->key());
    if (code == 0)
        return false;
    QPointer<GameWindow> f(form);
    QPointer<QWidget> target(w);
    const bool onWindow = target == f || target == f->frame();
    if (f->keyPreview() || onWindow) {
        runGuarded(f, [&] { f->onKeyPreview(code, shift); });
        if (!f || f->isUnloaded() || code == 0)
            return true;
    }
    if (target && !onWindow) {
        runGuarded(f, [&] { f->onControlKey(target, code, shift); });
        if (!f || f->isUnloaded() || code == 0)
            return true;
    }
    return false;
}

int vbKeyCode(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k; // 65..90, as the game numbers letters
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12)
        return 112 + (k - Qt::Key_F1);
    switch (k) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    default:
        return 0;
    }
}

int vbShift(Qt::KeyboardModifiers m) {
    int s = 0;
    if (m & Qt::ShiftModifier)
        s |= 1;
    if (m & Qt::ControlModifier)
        s |= 2;
    if (m & Qt::AltModifier)
        s |= 4;
    return s;
}

} // namespace platform
