// The program's version, read from its own version resource.
#include "shell/shell_win32.h"

namespace velmora::win32 {

ProgramVersion program_version() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    if (!resource) return {};
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    const DWORD size = SizeofResource(module, resource);
    // The fixed file information starts with its signature, 32-bit aligned, inside the block.
    for (DWORD offset = 0; bytes && offset + sizeof(VS_FIXEDFILEINFO) <= size; offset += 4) {
        VS_FIXEDFILEINFO info;
        CopyMemory(&info, bytes + offset, sizeof info);
        if (info.dwSignature == 0xFEEF04BD)
            return {HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS), HIWORD(info.dwFileVersionLS)};
    }
    return {};
}

}  // namespace velmora::win32
