#include "xsaver/x_frame_image.h"

#include <sys/ipc.h>
#include <X11/Xutil.h>
#include <sys/shm.h>

#include <cstdlib>

#include "xsaver/x_errors.h"

namespace vorrith {

XFrameImage::XFrameImage(Display* display, Visual* visual, int depth)
    : display_(display),
      visual_(visual),
      depth_(depth),
      trySharing_(XShmQueryExtension(display) == True) {}

XFrameImage::~XFrameImage() { Release(); }

bool XFrameImage::Reserve(int width, int height) {
    if (image_ != nullptr && image_->width >= width && image_->height >= height) return true;
    if (image_ != nullptr) {
        width = width > image_->width ? width : image_->width;
        height = height > image_->height ? height : image_->height;
    }
    Release();
    return (trySharing_ && CreateShared(width, height)) || CreatePlain(width, height);
}

void XFrameImage::Put(Drawable drawable, GC gc, int x, int y, int width, int height) {
    if (shared_) {
        XShmPutImage(display_, drawable, gc, image_, 0, 0, x, y, static_cast<unsigned>(width),
                     static_cast<unsigned>(height), False);
        XSync(display_, False);  // the server has read the memory before the next frame writes it
    } else {
        XPutImage(display_, drawable, gc, image_, 0, 0, x, y, static_cast<unsigned>(width),
                  static_cast<unsigned>(height));
    }
}

// The segment is marked for removal as soon as the server holds it, so it goes away
// with this process however the process ends.
bool XFrameImage::CreateShared(int width, int height) {
    image_ = XShmCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, nullptr, &segment_,
                             static_cast<unsigned>(width), static_cast<unsigned>(height));
    if (image_ == nullptr) return false;
    segment_.shmid =
        shmget(IPC_PRIVATE, static_cast<size_t>(image_->bytes_per_line) * image_->height, IPC_CREAT | 0600);
    if (segment_.shmid >= 0) {
        segment_.shmaddr = image_->data = static_cast<char*>(shmat(segment_.shmid, nullptr, 0));
        if (segment_.shmaddr == reinterpret_cast<char*>(-1)) segment_.shmaddr = image_->data = nullptr;
    }
    if (segment_.shmaddr != nullptr) {
        segment_.readOnly = False;
        XErrorTrap trap(display_);
        XShmAttach(display_, &segment_);
        shared_ = !trap.Caught();  // refused by a server on another machine
    }
    if (segment_.shmid >= 0) shmctl(segment_.shmid, IPC_RMID, nullptr);
    if (shared_) return true;
    trySharing_ = false;
    Release();
    return false;
}

// The pixels are written in this machine's byte order, which Xlib converts when the
// server's differs.
bool XFrameImage::CreatePlain(int width, int height) {
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(uint32_t);
    char* data = static_cast<char*>(std::malloc(bytes));
    if (data == nullptr) return false;
    image_ = XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0, data,
                          static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
    if (image_ == nullptr) {
        std::free(data);
        return false;
    }
    image_->byte_order = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? LSBFirst : MSBFirst;
    return true;
}

void XFrameImage::Release() {
    if (image_ == nullptr) return;
    if (shared_) XShmDetach(display_, &segment_);
    if (segment_.shmaddr != nullptr) {
        XSync(display_, False);  // detached on the server's side before this side lets go
        shmdt(segment_.shmaddr);
        image_->data = nullptr;  // not XDestroyImage's to free
    }
    XDestroyImage(image_);
    image_ = nullptr;
    segment_ = {};
    shared_ = false;
}

}  // namespace vorrith
