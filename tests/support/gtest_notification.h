// GoogleTest's Notification for MinGW's win32 thread model, whose standard library has
// no std::mutex or std::condition_variable (the ones GoogleTest's own would use). Built
// into the Windows test programs only, ahead of GoogleTest's headers. GoogleTest uses it
// only to test its own threading, so a spinning wait is enough.
#pragma once

#include <atomic>

namespace testing {
namespace internal {

class Notification {
public:
    void Notify() { notified_.store(true); }
    void WaitForNotification() {
        while (!notified_.load()) {}
    }

private:
    std::atomic<bool> notified_{false};
};

}  // namespace internal
}  // namespace testing

#define GTEST_HAS_NOTIFICATION_ 1
