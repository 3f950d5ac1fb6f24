#include "saver/ending_rules.h"

#include <gtest/gtest.h>

#include "saver/window_messages.h"
#include "tests/saver/fake_host_platform.h"

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
    state.closeAccepted = 1;
    EXPECT_EQ(RouteHostMessage(msg::kPaint, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kKeyDown, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kMouseMove, 0, state).route, HostRoute::kDefWindowProc);
    EXPECT_EQ(RouteHostMessage(msg::kTimer, 0, state).route, HostRoute::kReturnZero);
    EXPECT_EQ(RouteHostMessage(msg::kClose, 0, state).route, HostRoute::kSaverProc);
}

TEST(MouseTravel, FourPixelsStayFiveClose) {
    EXPECT_FALSE(ExceedsMouseTravel({10, 10}, {12, 8}, 4));
    EXPECT_TRUE(ExceedsMouseTravel({10, 10}, {13, 8}, 4));
    EXPECT_TRUE(ExceedsMouseTravel({10, 10}, {5, 10}, 4));
}

TEST(PasswordThrottle, TwoHundredMillisecondsAcrossTickWrapAround) {
    EXPECT_FALSE(PasswordCheckThrottled(SaverHostState::kNeverChecked, 0));
    EXPECT_TRUE(PasswordCheckThrottled(1000, 1199));
    EXPECT_FALSE(PasswordCheckThrottled(1000, 1200));
    EXPECT_TRUE(PasswordCheckThrottled(0xFFFFFFF0u, 100));   // 116 ms after wrapping
    EXPECT_FALSE(PasswordCheckThrottled(0xFFFFFF00u, 200));  // 456 ms after wrapping
}

// The Windows 9x family, where the password services exist.
class EndingRulesTest : public ::testing::Test {
protected:
    void SetUp() override { state.win9xFamily = true; }
    MessageOutcome Send(uint32_t message, uintptr_t wParam = 0) { return rules.DefaultSaverMessage(message, wParam, 1); }

    SaverHostState state;
    FakeHostPlatform host;
    FakePasswordPlatform passwordPlatform;
    PasswordServices passwords{passwordPlatform, true};
    EndingRules rules{state, host, passwords};
};

TEST_F(EndingRulesTest, KeysButtonsAndPowerEventsPostClose) {
    for (uint32_t message : {msg::kKeyDown, msg::kSysKeyDown, msg::kLeftButtonDown, msg::kRightButtonDown,
                             msg::kMiddleButtonDown, msg::kPowerBroadcast}) {
        EXPECT_FALSE(Send(message).handled);
    }
    EXPECT_EQ(host.closesPosted, 6);
    Send(msg::kPower, 1);
    Send(msg::kActivateApp, 1);
    EXPECT_EQ(host.closesPosted, 6);
    Send(msg::kPower, kPowerCriticalResume);
    Send(msg::kActivateApp, 0);
    EXPECT_EQ(host.closesPosted, 8);
}

TEST_F(EndingRulesTest, SuspendAndResumeEndTheSaverStatusReportsDoNot) {
    const struct {
        uintptr_t event;
        bool ends;
    } cases[] = {
        {0x0000, true},  // query suspend
        {0x0004, true},  // suspend
        {0x0007, true},  // resume from suspend
        {0x0012, true},  // automatic resume
        {kPowerStatusChange, false},
        {kPowerSettingChange, false},
    };
    for (const auto& c : cases) {
        const int before = host.closesPosted;
        Send(msg::kPowerBroadcast, c.event);
        EXPECT_EQ(host.closesPosted - before, c.ends ? 1 : 0) << std::hex << c.event;
    }
}

TEST_F(EndingRulesTest, MouseTravelClosesAndMovesTheReference) {
    state.lastCursorPos = {100, 100};
    host.cursor = {102, 102};
    Send(msg::kMouseMove);
    EXPECT_EQ(host.closesPosted, 0);
    host.cursor = {103, 102};
    Send(msg::kMouseMove);
    EXPECT_EQ(host.closesPosted, 1);
    EXPECT_EQ(state.lastCursorPos.x, 103);
}

TEST_F(EndingRulesTest, CursorStaysHidden) {
    const MessageOutcome setCursor = Send(msg::kSetCursor);
    EXPECT_TRUE(setCursor.handled);
    EXPECT_EQ(setCursor.result, 1);
    Send(msg::kShowWindow, 1);
    EXPECT_EQ(host.cursorHidden, 2);
}

TEST_F(EndingRulesTest, PreviewNeverEndsItself) {
    state.previewMode = true;
    Send(msg::kKeyDown);
    Send(msg::kActivateApp, 0);
    EXPECT_EQ(host.closesPosted, 0);
    EXPECT_FALSE(Send(msg::kSetCursor).handled);
}

TEST_F(EndingRulesTest, WithoutVerifierTheCloseIsAcceptedAtOnce) {
    EXPECT_FALSE(Send(msg::kClose).handled);  // default handling destroys the window
    EXPECT_EQ(state.closeAccepted, 1);
    EXPECT_EQ(host.prompts, 0);
}

TEST_F(EndingRulesTest, RefusedPasswordKeepsTheSaverAndThrottlesNewPrompts) {
    passwordPlatform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"};
    passwords.LoadPasswordVerifier();
    host.verifyAnswer = 0;
    host.cursor = {300, 200};
    const MessageOutcome refused = Send(msg::kClose);
    EXPECT_TRUE(refused.handled);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(host.prompts, 1);
    EXPECT_EQ(host.timerSweeps, 2);
    EXPECT_EQ(state.lastCursorPos.x, 300);
    host.now += 150;
    EXPECT_TRUE(Send(msg::kClose).handled);
    EXPECT_EQ(host.prompts, 1);  // a second click within 200 ms opens no dialog
    host.now += 100;
    host.verifyAnswer = 1;
    EXPECT_FALSE(Send(msg::kClose).handled);
    EXPECT_EQ(host.prompts, 2);
    EXPECT_EQ(state.closeAccepted, 1);
}

TEST_F(EndingRulesTest, InputDuringThePasswordDialogIsIgnored) {
    state.checkingPassword = 1;
    Send(msg::kKeyDown);
    EXPECT_EQ(host.closesPosted, 0);
}

TEST_F(EndingRulesTest, VerifyRequestAsksTheLoadedVerifier) {
    EXPECT_EQ(Send(msg::kVerifyPassword).result, 1);  // none loaded
    passwordPlatform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"};
    passwords.LoadPasswordVerifier();
    passwordPlatform.verifierAnswer = 0;
    EXPECT_EQ(Send(msg::kVerifyPassword).result, 0);
}

TEST_F(EndingRulesTest, AutoPlayQueryClosesAndCancelsOnlyWithAPassword) {
    state.queryCancelAutoPlayMsg = 0xC123;
    MessageOutcome query = Send(0xC123);
    EXPECT_TRUE(query.handled);
    EXPECT_EQ(query.result, 0);
    passwordPlatform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"};
    passwords.LoadPasswordVerifier();
    query = Send(0xC123);
    EXPECT_EQ(query.result, 1);
    EXPECT_EQ(host.closesPosted, 2);
}

TEST_F(EndingRulesTest, OtherPlatformsCloseWithoutAsking) {
    state.win9xFamily = false;
    EXPECT_FALSE(Send(msg::kClose).handled);
    EXPECT_FALSE(Send(msg::kVerifyPassword).handled);
    EXPECT_EQ(host.prompts, 0);
}

}  // namespace
}  // namespace vorrith
