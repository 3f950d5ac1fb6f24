// The registry, library loader and system calls behind the password services.
#include <windows.h>

#include <cstring>

#include "win32/saver_host_win32.h"

namespace vorrith {
namespace {

using VerifyScreenSavePwd = BOOL(WINAPI*)(HWND);
using PwdChangePasswordA = DWORD(WINAPI*)(LPCSTR, HWND, DWORD, DWORD);

// Function addresses travel through the portable interface as plain pointers.
template <typename To, typename From>
To FunctionCast(From from) {
    static_assert(sizeof(To) == sizeof(From), "pointer sizes differ");
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

class Win32PasswordPlatform : public PasswordPlatform {
public:
    bool ReadUsePassword(uint32_t& value) override {
        HKEY desktop = nullptr;
        if (RegOpenKeyA(HKEY_CURRENT_USER, "Control Panel\\Desktop", &desktop) != ERROR_SUCCESS) return false;
        DWORD size = sizeof value;
        const LONG read = RegQueryValueExA(desktop, "ScreenSaveUsePassword", nullptr, nullptr,
                                           reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(desktop);
        return read == ERROR_SUCCESS;
    }
    void* LoadLibrary(const char* name) override { return LoadLibraryA(name); }
    void* FindFunction(void* library, const char* name) override {
        return FunctionCast<void*>(GetProcAddress(static_cast<HMODULE>(library), name));
    }
    void FreeLibrary(void* library) override { ::FreeLibrary(static_cast<HMODULE>(library)); }
    void SystemSaverRunning(bool on) override {
        UINT previous = 0;
        SystemParametersInfoA(SPI_SCREENSAVERRUNNING, on ? TRUE : FALSE, &previous, 0);
    }
    bool CallVerifier(void* verifier, uintptr_t window) override {
        return FunctionCast<VerifyScreenSavePwd>(verifier)(reinterpret_cast<HWND>(window)) != FALSE;
    }
    void CallChangePassword(void* change, uintptr_t owner) override {
        FunctionCast<PwdChangePasswordA>(change)("SCRSAVE", reinterpret_cast<HWND>(owner), 0, 0);
    }
};

}  // namespace

SaverHostState& HostState() {
    static SaverHostState state;
    return state;
}

// Created at its first use, after DispatchMode has determined the platform family.
PasswordServices& Passwords() {
    static Win32PasswordPlatform platform;
    static PasswordServices services(platform, HostState().win9xFamily);
    return services;
}

}  // namespace vorrith
