#include "win32/rules/host_routing.h"

#include <gtest/gtest.h>

#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

TEST(RouteHostMessage, TitleNeverChangesAndTaskSwitchingIsSwallowedFullScreen) {
    SaverHostState state;
    EXPECT_EQ(RouteHostMessage(msg::kSetText, 0, state).route, HostRoute::kReturnZero);
    EXPECT_EQ(RouteHostMessage(msg::kSysCommand, kScScreenSave, state).route, HostRoute::kReturnZero);
    EXPECT_EQ(RouteHostMessage(msg::kSysCommand, kScNextWindow, state).route, HostRoute::kReturnZero);
    EXPECT_EQ(RouteHostMessage(msg::kSysCommand, 0xF060, state).route, HostRoute::kSaverProc);
    state.previewMode = true;
    EXPECT_EQ(RouteHostMessage(msg::kSysCommand, kScScreenSave, state).route, HostRoute::kSaverProc);
}

TEST(RouteHostMessage, HelpGoesToThePreviewParent) {
    SaverHostState state;
    EXPECT_EQ(RouteHostMessage(msg::kHelp, 0, state).route, HostRoute::kSaverProc);
    state.previewMode = true;
    EXPECT_EQ(RouteHostMessage(msg::kHelp, 0, state).route, HostRoute::kSendToParent);
    EXPECT_EQ(RouteHostMessage(msg::kContextMenu, 0, state).route, HostRoute::kPostToParent);
}

TEST(RouteHostMessage, AfterAcceptedCloseInputPaintAndTimerSkipTheSaver) {
    SaverHostState state;
    const HostDecision paint = RouteHostMessage(msg::kPaint, 0, state);
    EXPECT_EQ(paint.route, HostRoute::kSaverProc);
    EXPECT_TRUE(paint.hideCursor);
    EXPECT_TRUE(RouteHostMessage(msg::kTimer, 0, state).yieldFirst);
    state.closeAccepted = true;
    EXPECT_EQ(RouteHostMessage(msg::kPaint, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kKeyDown, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kMouseMove, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kTimer, 0, state).route, HostRoute::kReturnZero);
    EXPECT_EQ(RouteHostMessage(msg::kClose, 0, state).route, HostRoute::kSaverProc);
}

}  // namespace
}  // namespace vorrith
