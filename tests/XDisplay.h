// The X side of tests that run the real program: finding its window on the suite's X display
// and asking it to close as a window manager would. Include it last: Xlib defines macros (None,
// Bool, Status...) that would break Qt and GoogleTest headers included after it.
#pragma once

#include <QString>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <thread>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

class XDisplay {
  public:
    XDisplay() : display(openDisplay()) {
        // Windows may go away while the tree is walked; such errors only end that branch.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    }
    ~XDisplay() {
        if (display) XCloseDisplay(display);
    }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // A mapped top-level window of process `pid`, by its _NET_WM_PID, anywhere in the window tree.
    // Top-level means it speaks the window manager's protocols; the program's native child
    // windows (the view, the callouts) carry its process id too but take no close request. While
    // the main window comes up they can pass for top-level windows for a moment, so a caller asks
    // again once the program runs.
    std::optional<Window> windowOf(qint64 pid) { return search(DefaultRootWindow(display), pid); }

    QString wmClass(Window window) {
        XClassHint hint{};
        if (!XGetClassHint(display, window, &hint)) return {};
        const QString name = QString::fromLocal8Bit(hint.res_class);
        XFree(hint.res_name);
        XFree(hint.res_class);
        return name;
    }

    void requestClose(Window window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, window, False, NoEventMask, &event);
        XFlush(display);
    }

    Display* const display;

  private:
    // An X server without clients resets itself (Xvfb does unless told not to) and refuses
    // connections meanwhile, which happens between the test programs of a suite: try again for a
    // moment.
    static Display* openDisplay() {
        for (int attempt = 0; attempt < 40; ++attempt) {
            if (Display* opened = XOpenDisplay(nullptr)) return opened;
            if (!std::getenv("DISPLAY")) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return nullptr;
    }

    std::optional<qint64> pidOf(Window window) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
        if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data) != Success ||
            !data) {
            return std::nullopt;
        }
        std::optional<qint64> pid;
        if (type == XA_CARDINAL && format == 32 && count == 1)
            pid = qint64(*reinterpret_cast<unsigned long*>(data));
        XFree(data);
        return pid;
    }

    bool isTopLevel(Window window) {
        Atom* protocols = nullptr;
        int count = 0;
        if (!XGetWMProtocols(display, window, &protocols, &count)) return false;
        XFree(protocols);
        return count > 0;
    }

    std::optional<Window> search(Window window, qint64 pid) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable && pidOf(window) == pid && isTopLevel(window)) {
            return window;
        }
        Window rootWindow = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &rootWindow, &parent, &children, &count)) return {};
        std::optional<Window> found;
        for (unsigned int i = 0; i < count && !found; ++i) found = search(children[i], pid);
        if (children) XFree(children);
        return found;
    }
};
