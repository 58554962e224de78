#include "app/lock_keys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

std::function<LockKeyState()>& Query() {
    static std::function<LockKeyState()> query;
    return query;
}

bool Indicator(Display* display, const char* name) {
    Atom atom = XInternAtom(display, name, True);
    if (atom == None) return false;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr)) return false;
    return on;
}

}  // namespace

LockKeyState QueryLockKeys() {
    if (Query()) return Query()();
    LockKeyState state;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->display() == nullptr) return state;
    Display* display = x11->display();
    state.known = true;
    state.caps = Indicator(display, "Caps Lock");
    state.num = Indicator(display, "Num Lock");
    state.scroll = Indicator(display, "Scroll Lock");
    return state;
}

void SetLockKeyQuery(std::function<LockKeyState()> query) { Query() = std::move(query); }
