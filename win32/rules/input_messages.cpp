#include "win32/rules/input_messages.h"

#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

std::optional<InputKind> UserInputKindOf(uint32_t message) {
    switch (message) {
    case msg::kKeyDown:
    case msg::kSysKeyDown: return InputKind::kKey;
    case msg::kLeftButtonDown:
    case msg::kRightButtonDown:
    case msg::kMiddleButtonDown: return InputKind::kMouseButton;
    case msg::kMouseMove: return InputKind::kMouseMoved;
    default: return std::nullopt;
    }
}

bool IsPowerReport(uintptr_t event) { return event == kPowerStatusChange || event == kPowerSettingChange; }

}  // namespace

bool IsUserInput(uint32_t message) { return UserInputKindOf(message).has_value(); }

std::optional<InputKind> InputKindOf(uint32_t message, uintptr_t wParam) {
    switch (message) {
    case msg::kActivateApp: return wParam == 0 ? std::optional(InputKind::kFocusLost) : std::nullopt;
    case msg::kPower: return wParam == kPowerCriticalResume ? std::optional(InputKind::kSuspendOrResume) : std::nullopt;
    case msg::kPowerBroadcast: return IsPowerReport(wParam) ? InputKind::kPowerReport : InputKind::kSuspendOrResume;
    default: return UserInputKindOf(message);
    }
}

}  // namespace vorrith
