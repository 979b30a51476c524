#include "platform/Windows.h"

#include "platform/GameWindow.h"
#include "platform/Guard.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QMdiArea>
#include <QTimer>
#include <algorithm>

namespace platform {

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
            close(form);
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

bool Windows::close(GameWindow* form, CloseReason reason) {
    if (form->isUnloaded())
        return true;
    if (!form->canClose(reason) && reason == CloseReason::User)
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

} // namespace platform
