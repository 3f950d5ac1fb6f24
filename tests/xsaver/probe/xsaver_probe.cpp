// xsaver-probe: the X side of tools/run-xsaver-tests.sh.
//
//   xsaver-probe window WIDTHxHEIGHT [X Y]   maps a black window, prints its id in hex
//                                            and decimal, and keeps it until the probe
//                                            is killed
//   xsaver-probe expect NUMBER WINDOW SECONDS
//                                            waits until WINDOW (an id, or root) shows
//                                            picture NUMBER as a fade leaves it: the
//                                            picture over the window's centred 4:3 area,
//                                            black around it; exit 1 when it does not
//
// The expected picture is drawn here by the scene driver, as vorrith-render draws it,
// and stretched by the plain nearest-neighbour formula, not by the saver's code.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "core/canvas.h"
#include "present/render_geometry.h"
#include "scene/scene_driver.h"
#include "xsaver/saver_options.h"

namespace {

using vorrith::ScreenRect;

int ChannelOf(unsigned long pixel, unsigned long mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1) == 0) {
        mask >>= 1;
        ++shift;
    }
    return static_cast<int>((pixel >> shift) & 0xFF);
}

uint32_t CanvasColour(int x, int y) {
    const uint8_t* bgr = vorrith::Canvas.PixelAddress(x, y);
    return uint32_t{bgr[2]} << 16 | uint32_t{bgr[1]} << 8 | bgr[0];
}

struct Difference {
    long count = 0;
    int x = 0, y = 0;
    uint32_t got = 0, expected = 0;
};

// Compares what the window shows with the canvas stretched over its picture area.
Difference Compare(Display* display, Window window) {
    Difference difference;
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes)) return {1, 0, 0, 0, 0};
    const int w = attributes.width, h = attributes.height;
    XImage* image =
        XGetImage(display, window, 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), AllPlanes, ZPixmap);
    if (image == nullptr) return {1, 0, 0, 0, 0};
    const ScreenRect area = vorrith::PictureAreaRect({0, 0, w, h});
    const int aw = area.right - area.left, ah = area.bottom - area.top;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            const uint32_t got =
                static_cast<uint32_t>(ChannelOf(pixel, image->red_mask) << 16 |
                                      ChannelOf(pixel, image->green_mask) << 8 | ChannelOf(pixel, image->blue_mask));
            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            const uint32_t expected = inside ? CanvasColour((x - area.left) * 640 / aw, (y - area.top) * 480 / ah) : 0;
            if (got != expected && difference.count++ == 0) difference = {1, x, y, got, expected};
        }
    }
    XDestroyImage(image);
    return difference;
}

int Expect(Display* display, int number, const std::string& windowName, double seconds) {
    uint32_t id = 0;
    if (windowName != "root" && !vorrith::ParseWindowId(windowName, id)) {
        std::fprintf(stderr, "xsaver-probe: not a window: %s\n", windowName.c_str());
        return 2;
    }
    const Window window = windowName == "root" ? DefaultRootWindow(display) : id;
    vorrith::CreateCanvas(vorrith::kPictureWidth, vorrith::kPictureHeight);
    vorrith::GenerateScene(number, nullptr);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    Difference difference;
    do {
        difference = Compare(display, window);
        if (difference.count == 0) {
            std::printf("window %s shows picture %d\n", windowName.c_str(), number);
            return 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    std::fprintf(
        stderr, "xsaver-probe: window %s differs from picture %d in %ld pixels, first at %d,%d: #%06x, not #%06x\n",
        windowName.c_str(), number, difference.count, difference.x, difference.y, difference.got, difference.expected);
    return 1;
}

int MapWindow(Display* display, int width, int height, int x, int y) {
    const int screen = DefaultScreen(display);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display, screen);
    attributes.override_redirect = True;  // exactly where asked, window manager or not
    const Window window = XCreateWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(width),
                                        static_cast<unsigned>(height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                        CWBackPixel | CWOverrideRedirect, &attributes);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    XEvent event;
    do XNextEvent(display, &event);
    while (event.type != MapNotify);
    std::printf("0x%lx %lu\n", window, window);
    std::fflush(stdout);
    for (;;) pause();
}

int Usage() {
    std::fprintf(stderr, "usage: xsaver-probe window WIDTHxHEIGHT [X Y] | expect NUMBER WINDOW SECONDS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xsaver-probe: cannot open the display\n");
        return 2;
    }
    int width = 0, height = 0;
    int status = 2;
    if (command == "window" && (argc == 3 || argc == 5) && std::sscanf(argv[2], "%dx%d", &width, &height) == 2) {
        status =
            MapWindow(display, width, height, argc == 5 ? std::atoi(argv[3]) : 0, argc == 5 ? std::atoi(argv[4]) : 0);
    } else if (command == "expect" && argc == 5) {
        status = Expect(display, std::atoi(argv[2]), argv[3], std::atof(argv[4]));
        vorrith::ReleaseCanvas();
    } else {
        status = Usage();
    }
    XCloseDisplay(display);
    return status;
}
