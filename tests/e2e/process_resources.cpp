#include "tests/e2e/process_resources.h"

#include <winternl.h>

#include <cstddef>
#include <vector>

namespace vorrith::e2e {
namespace {

template <typename Function>
Function Export(const char* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

// NtQuerySystemInformation's SystemExtendedHandleInformation: every open handle of every
// process, after a count.
constexpr ULONG kSystemExtendedHandleInformation = 64;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);
constexpr size_t kLargestHandleList = size_t{64} << 20;

struct SystemHandle {
    PVOID object;
    ULONG_PTR processId;
    ULONG_PTR handle;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct SystemHandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    SystemHandle handles[1];
};

DWORD HandlesInSystemList(DWORD processId) {
    using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    static const auto query = Export<Query>("ntdll.dll", "NtQuerySystemInformation");
    if (query == nullptr) return 0;
    std::vector<BYTE> list(size_t{1} << 16);
    NTSTATUS status = 0;
    ULONG needed = 0;
    while ((status = query(kSystemExtendedHandleInformation, list.data(), static_cast<ULONG>(list.size()), &needed)) ==
               kInfoLengthMismatch &&
           list.size() < kLargestHandleList) {
        list.resize(list.size() * 2);
    }
    if (status != 0) return 0;
    const auto* handles = reinterpret_cast<const SystemHandleList*>(list.data());
    DWORD count = 0;
    for (ULONG_PTR i = 0; i < handles->count; ++i) {
        if (handles->handles[i].processId == processId) ++count;
    }
    return count;
}

// Wine keeps each process's GDI objects in a table of the process's own, which its
// environment block points to as Windows' does to the shared one: 65536 entries of 24
// bytes; an entry in use has a type, and a stock object's has bit 7 of its unique word.
struct WineGdiEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24, "an entry of Wine's GDI handle table");
constexpr size_t kWineGdiEntries = 0x10000;
constexpr USHORT kStockObjectFlag = 0x80;
// Where the environment block holds the table's address (GdiSharedHandleTable).
constexpr size_t kGdiTableInEnvironmentBlock = sizeof(void*) == 8 ? 0xF8 : 0x94;

DWORD ObjectsInWineGdiTable(HANDLE process) {
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    static const auto query = Export<Query>("ntdll.dll", "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr || query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) return 0;
    const auto* tableAddress = reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + kGdiTableInEnvironmentBlock;
    void* table = nullptr;
    std::vector<WineGdiEntry> entries(kWineGdiEntries);
    if (!ReadProcessMemory(process, tableAddress, &table, sizeof table, nullptr) || table == nullptr ||
        !ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiEntry), nullptr)) {
        return 0;
    }
    DWORD count = 0;
    for (const WineGdiEntry& entry : entries) {
        if (entry.type != 0 && (entry.unique & kStockObjectFlag) == 0) ++count;
    }
    return count;
}

}  // namespace

DWORD KernelHandles(const Program& program) {
    using Count = BOOL(WINAPI*)(HANDLE, PDWORD);
    static const auto count = Export<Count>("kernel32.dll", "GetProcessHandleCount");
    DWORD handles = 0;
    if (count != nullptr && count(program.process, &handles) && handles > 0) return handles;
    return HandlesInSystemList(program.processId);
}

DWORD GdiObjects(const Program& program) {
    const DWORD objects = GetGuiResources(program.process, GR_GDIOBJECTS);
    return objects > 0 ? objects : ObjectsInWineGdiTable(program.process);
}

}  // namespace vorrith::e2e
