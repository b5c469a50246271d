// An X11 clipboard manager as desktops run one, keeping text only: a program
// that owns the clipboard asks it, as the program ends, to save the targets
// (SAVE_TARGETS on CLIPBOARD_MANAGER); it takes the text and prints it on a
// line of its own, which is what a desktop's manager then keeps and serves.
// Prints "ready" once it is the manager.
#include <X11/Xlib.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    const Window window =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const auto atom = [display](const char* name) { return XInternAtom(display, name, False); };
    const Atom manager = atom("CLIPBOARD_MANAGER"), saveTargets = atom("SAVE_TARGETS");
    const Atom clipboard = atom("CLIPBOARD"), utf8 = atom("UTF8_STRING");
    XSetSelectionOwner(display, manager, window, CurrentTime);
    if (XGetSelectionOwner(display, manager) != window) return 1;
    std::puts("ready");
    std::fflush(stdout);

    XSelectionRequestEvent saving{};  // the request being answered, while the text comes
    const auto reply = [display](const XSelectionRequestEvent& request, Atom property) {
        XEvent event{.xselection = {SelectionNotify, 0, True, display, request.requestor,
                                    request.selection, request.target, property, request.time}};
        XSendEvent(display, request.requestor, False, NoEventMask, &event);
    };
    for (XEvent event;; XFlush(display)) {
        XNextEvent(display, &event);
        if (event.type == SelectionRequest && event.xselectionrequest.target == saveTargets) {
            saving = event.xselectionrequest;
            XConvertSelection(display, clipboard, utf8, utf8, window, saving.time);
        } else if (event.type == SelectionRequest) {
            reply(event.xselectionrequest, None);
        } else if (event.type == SelectionNotify && saving.requestor != 0) {
            Atom type = None;
            int format = 0;
            unsigned long items = 0, left = 0;
            unsigned char* text = nullptr;
            const bool copied = event.xselection.property != None &&
                                XGetWindowProperty(display, window, utf8, 0, 1 << 20, True,
                                                   AnyPropertyType, &type, &format, &items, &left,
                                                   &text) == Success &&
                                text != nullptr;
            if (copied) std::printf("%.*s\n", static_cast<int>(items), text);
            std::fflush(stdout);
            XFree(text);
            reply(saving, copied ? saving.property : None);
            saving = {};
        }
    }
}
