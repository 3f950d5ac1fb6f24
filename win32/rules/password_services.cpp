#include "win32/rules/password_services.h"

namespace vorrith {

void PasswordServices::SetSaverRunning(bool on) {
    if (win9xFamily_) platform_.SystemSaverRunning(on);
}

void PasswordServices::LoadPasswordVerifier() {
    if (!win9xFamily_) return;
    if (library_ != nullptr) UnloadPasswordVerifier();
    uint32_t usePassword = 0;
    if (!platform_.ReadUsePassword(usePassword) || usePassword == 0) return;
    library_ = platform_.LoadLibrary("PASSWORD.CPL");
    if (library_ == nullptr) return;
    void* verifier = platform_.FindFunction(library_, "VerifyScreenSavePwd");
    if (verifier == nullptr) {
        UnloadPasswordVerifier();
        return;
    }
    verifier_ = verifier;
    SetSaverRunning(true);
}

void PasswordServices::UnloadPasswordVerifier() {
    if (!win9xFamily_ || library_ == nullptr) return;
    platform_.FreeLibrary(library_);
    library_ = nullptr;
    if (verifier_ != nullptr) {
        verifier_ = nullptr;
        SetSaverRunning(false);
    }
}

void PasswordServices::ChangeSaverPassword(uintptr_t owner) {
    void* library = platform_.LoadLibrary("MPR.DLL");
    if (library == nullptr) return;
    void* change = platform_.FindFunction(library, "PwdChangePasswordA");
    if (change != nullptr) platform_.CallChangePassword(change, owner);
    platform_.FreeLibrary(library);
}

bool PasswordServices::Verify(uintptr_t window) {
    return verifier_ == nullptr || platform_.CallVerifier(verifier_, window);
}

}  // namespace vorrith
