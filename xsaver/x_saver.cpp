#include "xsaver/x_saver.h"

#include <X11/Xlib.h>

#include "saver/monitor_index.h"
#include "saver/wall_clock_schedule.h"
#include "xsaver/x_errors.h"
#include "xsaver/x_render_device.h"
#include "xsaver/x_target_window.h"

namespace vorrith {
namespace {

// The root window shows every monitor itself; any other window counts from the
// monitor that holds it, so that savers on several monitors differ.
int PictureOffset(Display* display, const SaverOptions& options, const XTargetWindow& target) {
    if (options.samePicture || target.root) return 0;
    return MonitorIndexOf(target.onScreen, XMonitorRects(display));
}

int RunOnDisplay(Display* display, const SaverOptions& options, const TargetChoice& choice, RenderParams& params,
                 std::string& error) {
    RecordXErrors(0);
    XTargetWindow target;
    if (!OpenTargetWindow(display, choice, options.fullScreen, target, error)) return 1;
    RecordXErrors(target.window);
    const Visual* visual = target.visual;
    PixelLayout layout{};
    if (!PixelLayoutOfVisual(visual->red_mask, visual->green_mask, visual->blue_mask, target.depth, layout)) {
        error = "the window's visual (depth " + std::to_string(target.depth) +
                ") is not 24-bit true colour, the only kind drawn";
        return 1;
    }
    WallClockSchedule schedule(options.holdMs, options.startNumber, PictureOffset(display, options, target));
    XRenderDevice device(display, target, layout, params);
    RunRenderLoop(params, device, schedule);
    error = device.Failure();
    return error.empty() ? 0 : 1;
}

}  // namespace

int RunXSaver(const SaverOptions& options, const TargetChoice& choice, RenderParams& params, std::string& error) {
    Display* display = XOpenDisplay(options.display.empty() ? nullptr : options.display.c_str());
    if (display == nullptr) {
        const char* name = XDisplayName(options.display.empty() ? nullptr : options.display.c_str());
        error = std::string("cannot open the X display '") + name + "'";
        return 1;
    }
    const int status = RunOnDisplay(display, options, choice, params, error);
    XCloseDisplay(display);
    return status;
}

}  // namespace vorrith
