// Fakes of the platform behind the host's decisions: a scripted cursor and clock, and
// a record of the closes posted, cursor hidings and password prompts.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/fake_clock.h"
#include "win32/rules/default_saver_handling.h"
#include "win32/rules/password_services.h"

namespace vorrith {

// Also the program's clock while it lives: `now` is what the rules read as the time.
class FakeHostPlatform : public SaverHostPlatform, public InstalledFakeClock {
public:
    FakeHostPlatform() : InstalledFakeClock(5000) {}
    void PostClose() override { ++closesPosted; }
    void HideCursor() override { ++cursorHidden; }
    CursorPoint CursorPosition() override { return cursor; }
    void RemovePendingTimers() override { ++timerSweeps; }
    bool SendVerifyRequest() override {
        ++prompts;
        return verifyAnswer;
    }

    CursorPoint cursor{100, 100};
    bool verifyAnswer = false;
    int closesPosted = 0;
    int cursorHidden = 0;
    int timerSweeps = 0;
    int prompts = 0;
};

// Libraries are named handles; exports listed per library.
class FakePasswordPlatform : public PasswordPlatform {
public:
    bool ReadUsePassword(uint32_t& value) override {
        value = usePassword;
        return hasSetting;
    }
    void* LoadLibrary(const char* name) override {
        loads.push_back(name);
        return libraries.count(name) ? &libraries[name] : nullptr;
    }
    void* FindFunction(void* library, const char* name) override {
        auto* exports = static_cast<std::vector<std::string>*>(library);
        for (std::string& e : *exports) {
            if (e == name) return &e;
        }
        return nullptr;
    }
    void FreeLibrary(void*) override { ++frees; }
    void SystemSaverRunning(bool on) override { runningCalls.push_back(on); }
    bool CallVerifier(void*, uintptr_t) override { return verifierAnswer; }
    void CallChangePassword(void*, uintptr_t owner) override { changeOwners.push_back(owner); }

    bool hasSetting = true;
    uint32_t usePassword = 1;
    bool verifierAnswer = true;
    std::map<std::string, std::vector<std::string>> libraries;
    std::vector<std::string> loads;
    int frees = 0;
    std::vector<bool> runningCalls;
    std::vector<uintptr_t> changeOwners;
};

}  // namespace vorrith
