#include "platform/keyboardstate.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>

namespace scrivlet {

std::optional<LockKeyState> currentLockKeyState()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    // Each indicator is looked up by its name: keyboards number them differently.
    const auto isLit = [display](const char* name) {
        const Atom atom = XInternAtom(display, name, True);
        Bool on = False;
        return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
    };
    return LockKeyState{isLit("Caps Lock"), isLit("Num Lock"), isLit("Scroll Lock")};
}

} // namespace scrivlet
