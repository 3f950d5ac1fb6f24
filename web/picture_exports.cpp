// The picture library's face to the page's script: plain C functions that the page calls
// through the WebAssembly module (exported under these names with a leading underscore).
//
// The picture view calls them on the page's own thread (a picture takes a few
// milliseconds); the slideshow and the larger sizes run in a worker.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>

#include "core/canvas.h"
#include "core/random.h"
#include "describe/picture_sentence.h"
#include "scene/scene_driver.h"
#include "present/frame_buffers.h"
#include "web/rgba_picture.h"

namespace {

vorrith::RgbaPicture rgba;
std::string sentence;

}  // namespace

extern "C" {

// Creates the canvas for browsing; false when there is no memory for it.
EMSCRIPTEN_KEEPALIVE bool VorrithStart() {
    return vorrith::CreateFrameBuffers(vorrith::kPictureWidth, vorrith::kPictureHeight, vorrith::kCanvasOnly) ==
           vorrith::kCanvasOnly;
}

// The highest image number; the page accepts 0 ... this.
EMSCRIPTEN_KEEPALIVE int VorrithMaxImageNumber() { return vorrith::kMaxImageNumber; }

// Draws picture imageNumber (0 ... VorrithMaxImageNumber()) on the canvas, exactly as the
// native renderer.
EMSCRIPTEN_KEEPALIVE void VorrithDrawPicture(int imageNumber) { vorrith::GenerateScene(imageNumber, nullptr); }

// The canvas as 640 x 480 RGBA bytes, opaque, ready for an ImageData. The pointer stays
// valid until the next call.
EMSCRIPTEN_KEEPALIVE const uint8_t* VorrithCanvasRgba() {
    vorrith::CopyToRgba(vorrith::Canvas, rgba);
    return rgba.bytes.data();
}

// What picture imageNumber shows, in one sentence of UTF-8 ending in a zero byte, for
// its caption; valid until the next call. Plans the scene, so call it between pictures.
EMSCRIPTEN_KEEPALIVE const char* VorrithPictureSentence(int imageNumber) {
    sentence = vorrith::PictureSentence(imageNumber);
    return sentence.c_str();
}

}  // extern "C"
