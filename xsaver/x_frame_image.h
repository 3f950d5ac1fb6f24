// A 32-bit image in client memory that frames are stretched into and put on the window:
// in memory shared with the X server (MIT-SHM) when the server has the extension and
// can attach the memory (it is on this machine), else sent whole with XPutImage.
#pragma once

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <cstddef>
#include <cstdint>

namespace vorrith {

class XFrameImage {
public:
    XFrameImage(Display* display, Visual* visual, int depth);
    ~XFrameImage();
    XFrameImage(const XFrameImage&) = delete;
    XFrameImage& operator=(const XFrameImage&) = delete;

    // Makes room for width x height pixels, keeping a larger image; false without memory.
    bool Reserve(int width, int height);
    uint32_t* Pixels() { return reinterpret_cast<uint32_t*>(image_->data); }
    size_t StridePixels() const { return static_cast<size_t>(image_->bytes_per_line) / sizeof(uint32_t); }
    // Puts the image's top left width x height pixels at (x, y) of drawable; the image
    // may be written again once this returns.
    void Put(Drawable drawable, GC gc, int x, int y, int width, int height);
    bool Shared() const { return shared_; }

private:
    bool CreateShared(int width, int height);
    bool CreatePlain(int width, int height);
    void Release();

    Display* display_;
    Visual* visual_;
    int depth_;
    bool trySharing_;
    bool shared_ = false;
    XImage* image_ = nullptr;
    XShmSegmentInfo segment_{};
};

}  // namespace vorrith
