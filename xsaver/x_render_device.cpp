#include "xsaver/x_render_device.h"

#include <X11/XKBlib.h>
#include <X11/keysym.h>
#include <poll.h>

#include "core/canvas.h"
#include "xsaver/stop_signals.h"
#include "xsaver/x_errors.h"

namespace vorrith {

XRenderDevice::XRenderDevice(Display* display, const XTargetWindow& target, const PixelLayout& layout,
                             RenderParams& params)
    : display_(display),
      target_(target),
      layout_(layout),
      params_(params),
      gc_(XCreateGC(display, target.window, 0, nullptr)),
      image_(display, target.visual, target.depth) {}

XRenderDevice::~XRenderDevice() { XFreeGC(display_, gc_); }

// The root window shows every monitor, each with a picture area of its own; any other
// window is one area, whatever monitors it spans.
std::vector<ScreenRect> XRenderDevice::Monitors() {
    areas_.clear();
    if (target_.root) areas_ = XMonitorRects(display_);
    std::vector<ScreenRect> monitors = areas_;
    if (areas_.empty()) areas_.push_back(ClientRect());
    return monitors;
}

void XRenderDevice::Begin(const ScreenRect& client) {
    if (areas_.empty()) Monitors();
    XSetForeground(display_, gc_, BlackPixel(display_, DefaultScreen(display_)));
    XFillRectangle(display_, target_.window, gc_, 0, 0, static_cast<unsigned>(client.right - client.left),
                   static_cast<unsigned>(client.bottom - client.top));
    lastPart_ = {};
    const FrameSize largest = LargestPictureArea(areas_);
    if (largest.width > 0 && largest.height > 0 && !image_.Reserve(largest.width, largest.height)) {
        failure_ = "no memory for a frame of " + std::to_string(largest.width) + "x" + std::to_string(largest.height);
        Stop();
    }
}

void XRenderDevice::Present(const ScreenRect& dest) {
    const ScreenRect part = VisibleFramePart(dest, areas_);
    if (part.right <= part.left || part.bottom <= part.top) return;
    StretchPicture(Canvas, dest, part, layout_, image_.Pixels(), image_.StridePixels());
    image_.Put(target_.window, gc_, part.left, part.top, part.right - part.left, part.bottom - part.top);
    lastPart_ = part;
}

void XRenderDevice::DrawLowMemory(const ScreenRect& client) {
    static const char kNote[] = "Low Memory !";
    XFontStruct* font = XQueryFont(display_, XGContextFromGC(gc_));
    const int width = font != nullptr ? XTextWidth(font, kNote, sizeof kNote - 1) : 0;
    const int ascent = font != nullptr ? font->ascent : 0;
    if (font != nullptr) XFreeFontInfo(nullptr, font, 0);
    XSetForeground(display_, gc_, WhitePixel(display_, DefaultScreen(display_)));
    XDrawString(display_, target_.window, gc_, (client.left + client.right - width) / 2,
                (client.top + client.bottom + ascent) / 2, kNote, sizeof kNote - 1);
}

// Sleeps until the time is up, an event comes or a signal arrives.
void XRenderDevice::Wait(uint32_t milliseconds) {
    XFlush(display_);
    HandleEvents();
    if ((params_.control.load() & kStopRequest) != 0) return;
    pollfd waits[2] = {{ConnectionNumber(display_), POLLIN, 0}, {StopSignalFd(), POLLIN, 0}};
    poll(waits, StopSignalFd() >= 0 ? 2 : 1, static_cast<int>(milliseconds));
    HandleEvents();  // a closed connection ends the process in here
}

void XRenderDevice::HandleEvents() {
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        HandleEvent(event);
    }
    if (!XErrorReport().empty()) failure_ = XErrorReport();
    if (XWindowGone() || !failure_.empty()) Stop();
}

void XRenderDevice::HandleEvent(const XEvent& event) {
    switch (event.type) {
    case DestroyNotify:
        if (event.xdestroywindow.window == target_.window) Stop();
        break;
    case ConfigureNotify:
        if (event.xconfigure.window == target_.window &&
            (event.xconfigure.width != target_.width || event.xconfigure.height != target_.height)) {
            target_.width = event.xconfigure.width;
            target_.height = event.xconfigure.height;
            areas_.clear();
            params_.displayChanges.fetch_add(1);
        }
        break;
    case Expose:
        if (event.xexpose.count == 0 && lastPart_.right > lastPart_.left) {
            image_.Put(target_.window, gc_, lastPart_.left, lastPart_.top, lastPart_.right - lastPart_.left,
                       lastPart_.bottom - lastPart_.top);
        }
        break;
    case KeyPress: {
        const KeySym key = XkbKeycodeToKeysym(display_, static_cast<KeyCode>(event.xkey.keycode), 0, 0);
        if (target_.own && (key == XK_Escape || key == XK_q)) Stop();
        break;
    }
    case ClientMessage:
        if (target_.own && static_cast<Atom>(event.xclient.data.l[0]) == target_.deleteWindow) Stop();
        break;
    default: break;
    }
}

}  // namespace vorrith
