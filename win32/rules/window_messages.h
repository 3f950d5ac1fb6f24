// The window message numbers and command values the host's decisions deal with, as plain
// constants so that the decisions can be tested without the platform's headers. The
// values are the platform's own; the Windows glue checks them against its headers.
#pragma once

#include <cstdint>

namespace vorrith {

namespace msg {
constexpr uint32_t kCreate = 0x0001;
constexpr uint32_t kDestroy = 0x0002;
constexpr uint32_t kSetText = 0x000C;
constexpr uint32_t kPaint = 0x000F;
constexpr uint32_t kClose = 0x0010;
constexpr uint32_t kEraseBackground = 0x0014;
constexpr uint32_t kShowWindow = 0x0018;
constexpr uint32_t kActivateApp = 0x001C;
constexpr uint32_t kSetCursor = 0x0020;
constexpr uint32_t kPower = 0x0048;
constexpr uint32_t kHelp = 0x0053;
constexpr uint32_t kContextMenu = 0x007B;
constexpr uint32_t kKeyDown = 0x0100;
constexpr uint32_t kSysKeyDown = 0x0104;
constexpr uint32_t kSysCommand = 0x0112;
constexpr uint32_t kTimer = 0x0113;
constexpr uint32_t kMouseMove = 0x0200;
constexpr uint32_t kLeftButtonDown = 0x0201;
constexpr uint32_t kRightButtonDown = 0x0204;
constexpr uint32_t kMiddleButtonDown = 0x0207;
constexpr uint32_t kPowerBroadcast = 0x0218;
constexpr uint32_t kVerifyPassword = 0x8000;  // WM_APP: the saver's verify request
}  // namespace msg

constexpr uintptr_t kScNextWindow = 0xF040;
constexpr uintptr_t kScPrevWindow = 0xF050;
constexpr uintptr_t kScScreenSave = 0xF140;
constexpr uintptr_t kPowerCriticalResume = 3;

// WM_POWERBROADCAST events that only report a state (battery charge, power source, a
// power setting) rather than a suspend or resume.
constexpr uintptr_t kPowerStatusChange = 0x000A;   // PBT_APMPOWERSTATUSCHANGE
constexpr uintptr_t kPowerSettingChange = 0x8013;  // PBT_POWERSETTINGCHANGE

}  // namespace vorrith
