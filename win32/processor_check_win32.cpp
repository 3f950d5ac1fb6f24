// The program's entry point, ahead of the C++ runtime's: the runtime's start-up runs the
// constructors of globals, which already use SSE2, so a processor without it would
// crash before WinMain. Built without SSE2 (win32/CMakeLists.txt); on a processor with
// it, the runtime's own entry point runs as usual.
#include <windows.h>

#include <cpuid.h>

#include "win32/rules/processor_refusal.h"

extern "C" int WinMainCRTStartup();

namespace {

bool ProcessorHasSse2() {
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    return __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0 && (edx & bit_SSE2) != 0;
}

}  // namespace

extern "C" int VorrithEntry() {
    if (ProcessorHasSse2()) return WinMainCRTStartup();
    const char* commandLine = GetCommandLineA();
    if (vorrith::RefusalWithoutSse2(commandLine) == vorrith::ProcessorRefusal::kExplainInMessageBox) {
        MessageBoxA(nullptr, vorrith::kNoSse2Text, vorrith::kNoSse2Caption, MB_OK | MB_ICONERROR);
    }
    ExitProcess(1);
}
