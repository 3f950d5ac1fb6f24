// The system password services of the Windows 9x family: the screensaver password
// verifier ("VerifyScreenSavePwd" of "PASSWORD.CPL"), loaded when the user's
// "ScreenSaveUsePassword" setting is on, the system's saver-running state, and the
// password-change dialog ("PwdChangePasswordA" of "MPR.DLL"). Outside the 9x family
// every operation does nothing. Any missing key, value, library or export leaves the
// saver without a password: closes are then accepted at once.
//
// PasswordPlatform stands for the registry, the library loader and the system calls.
#pragma once

#include <cstdint>

namespace vorrith {

class PasswordPlatform {
public:
    virtual ~PasswordPlatform() = default;
    // "ScreenSaveUsePassword" under HKEY_CURRENT_USER "Control Panel\Desktop" as a 4-byte
    // integer; false when the key or the value cannot be read.
    virtual bool ReadUsePassword(uint32_t& value) = 0;
    virtual void* LoadLibrary(const char* name) = 0;
    virtual void* FindFunction(void* library, const char* name) = 0;
    virtual void FreeLibrary(void* library) = 0;
    virtual void SystemSaverRunning(bool on) = 0;
    // Calls a verifier: true when the password was entered correctly.
    virtual bool CallVerifier(void* verifier, uintptr_t window) = 0;
    // Calls the change dialog with "SCRSAVE", owner, 0, 0.
    virtual void CallChangePassword(void* change, uintptr_t owner) = 0;
};

class PasswordServices {
public:
    PasswordServices(PasswordPlatform& platform, bool win9xFamily) : platform_(platform), win9xFamily_(win9xFamily) {}

    void LoadPasswordVerifier();
    void UnloadPasswordVerifier();
    void SetSaverRunning(bool on);
    void ChangeSaverPassword(uintptr_t owner);

    bool VerifierLoaded() const { return verifier_ != nullptr; }
    // The verifier's answer for the window; true when none is loaded.
    bool Verify(uintptr_t window);

private:
    PasswordPlatform& platform_;
    bool win9xFamily_;
    void* library_ = nullptr;
    void* verifier_ = nullptr;
};

}  // namespace vorrith
