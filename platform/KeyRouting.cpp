#include "platform/KeyRouting.h"

#include "platform/Controls.h"
#include "platform/GameWindow.h"
#include "platform/Guard.h"

#include <QKeyEvent>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>

namespace platform {

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
    const Qt::KeyboardModifiers modifiers = ke->modifiers();
    const bool enter = ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter;

    if (enter) {
        // A focused button takes Enter itself; elsewhere the default button
        // does. A button that reports mouse presses has no click of its own,
        // so Enter on it goes to the default button too.
        QPushButton* target = qobject_cast<QPushButton*>(w);
        if (!target || !form->isAncestorOf(target) || qobject_cast<MousePressButton*>(target))
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
    const auto key = static_cast<Qt::Key>(ke->key());
    if (key == Qt::Key_unknown)
        return false;
    bool usedUp = false;
    QPointer<GameWindow> f(form);
    QPointer<QWidget> target(w);
    const bool onWindow = target == f || target == f->frame();
    if (f->keyPreview() || onWindow) {
        runGuarded(f, [&] { usedUp = f->onKeyPreview(key, modifiers); });
        if (!f || f->isUnloaded() || usedUp)
            return true;
    }
    if (target && !onWindow) {
        runGuarded(f, [&] { usedUp = f->onControlKey(target, key, modifiers); });
        if (!f || f->isUnloaded() || usedUp)
            return true;
    }
    return false;
}

} // namespace platform
