#include "win32/present_canvas_win32.h"

#include <gtest/gtest.h>

#include "present/frame_buffers.h"

namespace vorrith {
namespace {

// Stretches a canvas with a red left half and a blue right half into a 64 x 48 memory
// bitmap and reads the pixels back.
TEST(PresentCanvas, StretchesTheWholeCanvasOntoTheDestination) {
    ASSERT_EQ(CreateFrameBuffers(640, 480, kCanvasOnly), kCanvasOnly);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) Canvas.PutPixel(x, y, x < 320 ? 0xFF0000u : 0x0000FFu);
    }
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 48);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SetStretchBltMode(memory, COLORONCOLOR);
    PresentCanvas(memory, RECT{0, 0, 64, 48});
    const COLORREF left = GetPixel(memory, 5, 24);
    const COLORREF right = GetPixel(memory, 60, 24);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DestroyFrameBuffers();
    EXPECT_EQ(left, RGB(255, 0, 0));
    EXPECT_EQ(right, RGB(0, 0, 255));
}

}  // namespace
}  // namespace vorrith
