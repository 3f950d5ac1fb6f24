#include "win32/rules/input_messages.h"

#include <gtest/gtest.h>

#include "win32/rules/window_messages.h"

namespace vorrith {
namespace {

constexpr std::nullopt_t kNoEvent = std::nullopt;

TEST(InputKindOf, KeysButtonsMovesActivationAndPower) {
    const struct {
        uint32_t message;
        uintptr_t wParam;
        std::optional<InputKind> kind;
    } cases[] = {
        {msg::kKeyDown, 0, InputKind::kKey},
        {msg::kSysKeyDown, 0, InputKind::kKey},
        {msg::kLeftButtonDown, 0, InputKind::kMouseButton},
        {msg::kRightButtonDown, 0, InputKind::kMouseButton},
        {msg::kMiddleButtonDown, 0, InputKind::kMouseButton},
        {msg::kMouseMove, 0, InputKind::kMouseMoved},
        {msg::kActivateApp, 0, InputKind::kFocusLost},
        {msg::kActivateApp, 1, kNoEvent},
        {msg::kPower, kPowerCriticalResume, InputKind::kSuspendOrResume},
        {msg::kPower, 1, kNoEvent},
        {msg::kPowerBroadcast, 0x0000, InputKind::kSuspendOrResume},  // query suspend
        {msg::kPowerBroadcast, 0x0004, InputKind::kSuspendOrResume},  // suspend
        {msg::kPowerBroadcast, 0x0007, InputKind::kSuspendOrResume},  // resume from suspend
        {msg::kPowerBroadcast, 0x0012, InputKind::kSuspendOrResume},  // automatic resume
        {msg::kPowerBroadcast, kPowerStatusChange, InputKind::kPowerReport},
        {msg::kPowerBroadcast, kPowerSettingChange, InputKind::kPowerReport},
        {msg::kClose, 0, kNoEvent},
        {msg::kSetCursor, 0, kNoEvent},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InputKindOf(c.message, c.wParam), c.kind) << std::hex << c.message << " " << c.wParam;
    }
}

}  // namespace
}  // namespace vorrith
