// Entry point of Vorrith.scr.
#include <windows.h>

#include "host/host_instance_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    vorrith::SetHostInstance(GetModuleHandleA(nullptr));
    ExitProcess(0);
}
