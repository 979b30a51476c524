#include "platform/KeyRouting.h"

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
