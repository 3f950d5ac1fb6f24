// What the program does on a processor without SSE2, which its pictures need: decided
// from the command line alone, before anything else of the program runs. The system
// starts the saver and its preview unasked, so they end quietly; the user opened the
// configuration or the password change, and is told why nothing opens.
//
// Built without SSE2 in the 32-bit Windows program, like the command-line reading it
// calls (win32/rules/CMakeLists.txt).
#pragma once

namespace vorrith {

enum class ProcessorRefusal { kQuietExit, kExplainInMessageBox };

// commandLine: the whole command line, program name first.
ProcessorRefusal RefusalWithoutSse2(const char* commandLine);

constexpr char kNoSse2Caption[] = "Vorrith";
constexpr char kNoSse2Text[] =
    "Vorrith needs a processor with SSE2 (a Pentium 4, Athlon 64 or later) and cannot run on this one.";

}  // namespace vorrith
