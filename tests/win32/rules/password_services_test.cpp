#include "win32/rules/password_services.h"

#include <gtest/gtest.h>

#include "tests/win32/rules/fake_host_platform.h"

namespace vorrith {
namespace {

class PasswordServicesTest : public ::testing::Test {
protected:
    void SetUp() override { platform.libraries["PASSWORD.CPL"] = {"VerifyScreenSavePwd"}; }
    FakePasswordPlatform platform;
};

TEST_F(PasswordServicesTest, LoadsVerifierAndMarksSaverRunningOnTheNineXFamily) {
    PasswordServices services(platform, true);
    services.LoadPasswordVerifier();
    EXPECT_TRUE(services.VerifierLoaded());
    EXPECT_EQ(platform.runningCalls, std::vector<bool>{true});
    services.UnloadPasswordVerifier();
    EXPECT_FALSE(services.VerifierLoaded());
    EXPECT_EQ(platform.frees, 1);
    EXPECT_EQ(platform.runningCalls, (std::vector<bool>{true, false}));
}

TEST_F(PasswordServicesTest, PasswordOptionOffOrMissingLoadsNothing) {
    for (bool hasSetting : {true, false}) {
        platform.hasSetting = hasSetting;
        platform.usePassword = 0;
        PasswordServices services(platform, true);
        services.LoadPasswordVerifier();
        EXPECT_FALSE(services.VerifierLoaded());
    }
    EXPECT_TRUE(platform.loads.empty());
    EXPECT_TRUE(platform.runningCalls.empty());
}

TEST_F(PasswordServicesTest, LibraryWithoutVerifierIsReleasedAndSaverNeverRunning) {
    platform.libraries["PASSWORD.CPL"] = {"SomethingElse"};
    PasswordServices services(platform, true);
    services.LoadPasswordVerifier();
    EXPECT_FALSE(services.VerifierLoaded());
    EXPECT_EQ(platform.frees, 1);
    EXPECT_TRUE(platform.runningCalls.empty());
    EXPECT_TRUE(services.Verify(7));  // no verifier: every close passes
}

TEST_F(PasswordServicesTest, LoadingTwiceReleasesTheFirstLibrary) {
    PasswordServices services(platform, true);
    services.LoadPasswordVerifier();
    services.LoadPasswordVerifier();
    EXPECT_EQ(platform.frees, 1);
    EXPECT_EQ(platform.runningCalls, (std::vector<bool>{true, false, true}));
}

TEST_F(PasswordServicesTest, OtherPlatformsDoNothing) {
    PasswordServices services(platform, false);
    services.LoadPasswordVerifier();
    services.SetSaverRunning(true);
    services.UnloadPasswordVerifier();
    EXPECT_TRUE(platform.loads.empty());
    EXPECT_TRUE(platform.runningCalls.empty());
}

TEST_F(PasswordServicesTest, ChangePasswordCallsTheDialogAndReleasesTheLibrary) {
    PasswordServices services(platform, true);
    services.ChangeSaverPassword(99);  // MPR.DLL missing: nothing happens
    EXPECT_TRUE(platform.changeOwners.empty());
    platform.libraries["MPR.DLL"] = {"PwdChangePasswordA"};
    services.ChangeSaverPassword(99);
    EXPECT_EQ(platform.changeOwners, std::vector<uintptr_t>{99});
    EXPECT_EQ(platform.frees, 1);
}

}  // namespace
}  // namespace vorrith
