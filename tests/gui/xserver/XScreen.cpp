#include "XScreen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

namespace {

// A window gone meanwhile (a cover, a closed dialog) is no reason to end the
// test program, as Xlib's own handler would.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

struct XScreen::Connection {
    Display* display = nullptr;
    Window root = 0;
    int screen = 0;
};

XScreen::XScreen(const std::string& display) : x_(new Connection) {
    XSetErrorHandler(IgnoreError);
    x_->display = XOpenDisplay(display.empty() ? nullptr : display.c_str());
    if (!x_->display) {
        delete x_;
        throw std::runtime_error("no X display " + display);
    }
    x_->screen = DefaultScreen(x_->display);
    x_->root = RootWindow(x_->display, x_->screen);
}

XScreen::~XScreen() {
    XCloseDisplay(x_->display);
    delete x_;
}

XScreen::Rect XScreen::Place(unsigned long window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x_->display, window, &attributes)) return {};
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(x_->display, window, x_->root, 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

std::vector<std::uint32_t> XScreen::Grab(const Rect& area) {
    std::vector<std::uint32_t> pixels;
    XImage* image = XGetImage(x_->display, x_->root, area.x, area.y, static_cast<unsigned>(area.width),
                              static_cast<unsigned>(area.height), AllPlanes, ZPixmap);
    if (!image) return pixels;
    pixels.reserve(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
    for (int y = 0; y < area.height; ++y)
        for (int x = 0; x < area.width; ++x) pixels.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xffffffu);
    XDestroyImage(image);
    return pixels;
}

unsigned long XScreen::Cover(const Rect& area, std::uint32_t rgb) {
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.background_pixel = rgb;
    const Window cover = XCreateWindow(x_->display, x_->root, area.x, area.y, static_cast<unsigned>(area.width),
                                       static_cast<unsigned>(area.height), 0, CopyFromParent, InputOutput,
                                       CopyFromParent, CWOverrideRedirect | CWBackPixel, &attributes);
    XMapRaised(x_->display, cover);
    XSync(x_->display, False);
    return cover;
}

void XScreen::Uncover(unsigned long cover) {
    XDestroyWindow(x_->display, cover);
    XSync(x_->display, False);
}

void XScreen::Minimise(unsigned long window) {
    XIconifyWindow(x_->display, window, x_->screen);
    XSync(x_->display, False);
}

void XScreen::Restore(unsigned long window) {
    // As a pager asks for it: the window manager brings the window back
    // from its icon and activates it.
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x_->display, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(x_->display, x_->root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(x_->display, False);
}

bool XScreen::Viewable(unsigned long window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(x_->display, window, &attributes) && attributes.map_state == IsViewable;
}

void XScreen::MovePointer(int x, int y) {
    XWarpPointer(x_->display, 0, x_->root, 0, 0, 0, 0, x, y);
    XSync(x_->display, False);
}

bool XScreen::WindowManagerRuns() {
    const Atom check = XInternAtom(x_->display, "_NET_SUPPORTING_WM_CHECK", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(x_->display, x_->root, check, 0, 1, False, XA_WINDOW, &type, &format, &count,
                                          &after, &data) == Success &&
                       count == 1;
    if (data) XFree(data);
    return found;
}
