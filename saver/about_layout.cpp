#include "saver/about_layout.h"

namespace vorrith {

AboutBoxLayout LayOutAboutBox(int clientRight, int clientBottom, int okWidth, int buttonHeight, int webWidth) {
    const int gap = buttonHeight / 2;
    const int buttonTop = clientBottom - gap - buttonHeight;
    const int okLeft = clientRight - okWidth - gap;
    const int webLeft = okLeft - webWidth - gap;
    return {{okLeft, buttonTop, okWidth, buttonHeight},
            {webLeft, buttonTop, webWidth, buttonHeight},
            {0, 0, clientRight, clientBottom - 2 * buttonHeight}};
}

}  // namespace vorrith
