// Layout of the resizable About box: the OK button in the bottom right corner and the
// web-site button to its left, each half a button height from its neighbours and the
// edges; the text fills the client area above a band of two button heights.
#pragma once

namespace vorrith {

struct ControlBox {
    int x, y, width, height;
    bool operator==(const ControlBox& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
};

struct AboutBoxLayout {
    ControlBox okButton;
    ControlBox webButton;
    ControlBox text;
};

// okWidth and buttonHeight: the OK button's current size; webWidth: the web-site
// button's current width. Both buttons take the OK button's height.
AboutBoxLayout LayOutAboutBox(int clientRight, int clientBottom, int okWidth, int buttonHeight, int webWidth);

}  // namespace vorrith
