#include "win32/rules/processor_refusal.h"

#include "win32/rules/command_line.h"

namespace vorrith {

ProcessorRefusal RefusalWithoutSse2(const char* commandLine) {
    switch (ParseModeRequest(SkipProgramName(commandLine)).mode) {
    case SaverMode::kConfigure:
    case SaverMode::kConfigureOwned:
    case SaverMode::kChangePassword: return ProcessorRefusal::kExplainInMessageBox;
    case SaverMode::kFullScreen:
    case SaverMode::kPreview:
    case SaverMode::kUnknown: break;
    }
    return ProcessorRefusal::kQuietExit;
}

}  // namespace vorrith
