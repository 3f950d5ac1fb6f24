#include "win32/host_instance_win32.h"

namespace vorrith {
namespace {
HINSTANCE programInstance = nullptr;
}  // namespace

HINSTANCE HostInstance() { return programInstance; }
void SetHostInstance(HINSTANCE instance) { programInstance = instance; }

}  // namespace vorrith
