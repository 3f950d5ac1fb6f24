// Command lines that name no usable mode end the program at once with -1 and show
// nothing: an unknown letter, a preview without a window, a preview of a number that
// is no window, and the password change outside the Windows 9x family.
#include "tests/e2e/window_driver.h"

#include <cstdio>

using namespace vorrith::e2e;

E2E_SCENARIO(bad_command_line_e2e) {
    for (const char* arguments : {"/x", "/p 0", "/p 987654", "/l", "/a"}) {
        Program saver = StartSaver(arguments);
        REQUIRE(saver.process != nullptr);
        bool showedWindow = false;
        DWORD exitCode = 0;
        const bool ended = WaitUntil(
            [&] {
                showedWindow = showedWindow || !VisibleWindowsOf(saver.processId).empty();
                return WaitForSingleObject(saver.process, 0) == WAIT_OBJECT_0;
            },
            10000);
        if (ended) GetExitCodeProcess(saver.process, &exitCode);
        std::printf("Vorrith.scr %s: exit code %ld\n", arguments, static_cast<long>(exitCode));
        CHECK(ended);
        CHECK(exitCode == 0xFFFFFFFFu);
        CHECK(!showedWindow);
        EndProgram(saver);
    }
}
