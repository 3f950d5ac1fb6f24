#include "win32/rules/default_saver_handling.h"

#include <gtest/gtest.h>

#include "tests/win32/rules/fake_host_platform.h"
#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

TEST(PasswordThrottle, TwoHundredMillisecondsAcrossTickWrapAround) {
    EXPECT_FALSE(PasswordCheckThrottled(std::nullopt, 0));
    EXPECT_TRUE(PasswordCheckThrottled(1000, 1199));
    EXPECT_FALSE(PasswordCheckThrottled(1000, 1200));
    EXPECT_TRUE(PasswordCheckThrottled(0xFFFFFFF0u, 100));   // 116 ms after wrapping
    EXPECT_FALSE(PasswordCheckThrottled(0xFFFFFF00u, 200));  // 456 ms after wrapping
}

// The Windows 9x family, where the password services exist.
class DefaultSaverHandlingTest : public ::testing::Test {
protected:
    void SetUp() override { state.win9xFamily = true; }
    MessageOutcome Send(uint32_t message, uintptr_t wParam = 0) { return handling.Handle(message, wParam, 1); }

    SaverHostState state;
    FakeHostPlatform host;
    FakePasswordPlatform passwordPlatform;
    PasswordServices passwords{passwordPlatform, true};
    DefaultSaverHandling handling{state, host, passwords};
};

TEST_F(DefaultSaverHandlingTest, EndingInputPostsCloseAndLeavesTheResultToTheSystem) {
    for (uint32_t message : {msg::kKeyDown, msg::kMiddleButtonDown, msg::kPowerBroadcast}) {
        EXPECT_FALSE(Send(message).handled);
    }
    Send(msg::kActivateApp, 1);
    Send(msg::kPowerBroadcast, kPowerStatusChange);
    EXPECT_EQ(host.closesPosted, 3);
}

TEST_F(DefaultSaverHandlingTest, MouseTravelFromTheCursorAtTheStartCloses) {
    state.endingRules.MeasureTravelFrom({100, 100});
    host.cursor = {102, 102};
    Send(msg::kMouseMove);
    EXPECT_EQ(host.closesPosted, 0);
    host.cursor = {103, 102};
    Send(msg::kMouseMove);
    EXPECT_EQ(host.closesPosted, 1);
}

TEST_F(DefaultSaverHandlingTest, CursorStaysHidden) {
    const MessageOutcome setCursor = Send(msg::kSetCursor);
    EXPECT_TRUE(setCursor.handled);
    EXPECT_EQ(setCursor.result, 1);
    Send(msg::kShowWindow, 1);
    EXPECT_EQ(host.cursorHidden, 2);
}

TEST_F(DefaultSaverHandlingTest, PreviewNeverEndsItself) {
    state.previewMode = true;
    Send(msg::kKeyDown);
    Send(msg::kActivateApp, 0);
    EXPECT_EQ(host.closesPosted, 0);
    EXPECT_FALSE(Send(msg::kSetCursor).handled);
}

TEST_F(DefaultSaverHandlingTest, WithoutVerifierTheCloseIsAcceptedAtOnce) {
    EXPECT_FALSE(Send(msg::kClose).handled);  // default handling destroys the window
    EXPECT_TRUE(state.closeAccepted);
    EXPECT_EQ(host.prompts, 0);
}

TEST_F(DefaultSaverHandlingTest, RefusedPasswordKeepsTheSaverAndThrottlesNewPrompts) {
    passwordPlatform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"};
    passwords.LoadPasswordVerifier();
    host.verifyAnswer = false;
    host.cursor = {300, 200};
    const MessageOutcome refused = Send(msg::kClose);
    EXPECT_TRUE(refused.handled);
    EXPECT_EQ(refused.result, 0);
    EXPECT_EQ(host.prompts, 1);
    EXPECT_EQ(host.timerSweeps, 2);
    host.cursor = {304, 200};  // travel is measured from where the refusal left the cursor
    Send(msg::kMouseMove);
    EXPECT_EQ(host.closesPosted, 0);
    host.now += 150;
    EXPECT_TRUE(Send(msg::kClose).handled);
    EXPECT_EQ(host.prompts, 1);  // a second click within 200 ms opens no dialog
    host.now += 100;
    host.verifyAnswer = true;
    EXPECT_FALSE(Send(msg::kClose).handled);
    EXPECT_EQ(host.prompts, 2);
    EXPECT_TRUE(state.closeAccepted);
}

TEST_F(DefaultSaverHandlingTest, InputDuringThePasswordDialogIsIgnored) {
    state.checkingPassword = true;
    Send(msg::kKeyDown);
    EXPECT_EQ(host.closesPosted, 0);
}

TEST_F(DefaultSaverHandlingTest, VerifyRequestAsksTheLoadedVerifier) {
    EXPECT_EQ(Send(msg::kVerifyPassword).result, 1);  // none loaded
    passwordPlatform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"};
    passwords.LoadPasswordVerifier();
    passwordPlatform.verifierAnswer = false;
    EXPECT_EQ(Send(msg::kVerifyPassword).result, 0);
}

TEST_F(DefaultSaverHandlingTest, AutoPlayQueryClosesAndCancelsOnlyWithAPassword) {
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

TEST_F(DefaultSaverHandlingTest, OtherPlatformsCloseWithoutAsking) {
    state.win9xFamily = false;
    EXPECT_FALSE(Send(msg::kClose).handled);
    EXPECT_FALSE(Send(msg::kVerifyPassword).handled);
    EXPECT_EQ(host.prompts, 0);
}

}  // namespace
}  // namespace vorrith
