#include "Console.h"

#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <io.h>

#include <windows.h>

namespace tornivex::platform {
namespace {

bool HasStream(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

UINT& SavedCodePage() {
    static UINT page = 0;
    return page;
}

// The console keeps its code page after the program ends: the shell gets its own back.
void RestoreCodePage() { SetConsoleOutputCP(SavedCodePage()); }

}  // namespace

void PrepareConsoleOutput() {
    // A windowed program has no streams unless they were redirected; then they stay as they are.
    if ((!HasStream(STD_OUTPUT_HANDLE) || !HasStream(STD_ERROR_HANDLE)) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (!HasStream(STD_OUTPUT_HANDLE) && std::freopen("CONOUT$", "w", stdout)) {
            SetStdHandle(STD_OUTPUT_HANDLE, CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                        FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        }
        if (!HasStream(STD_ERROR_HANDLE) && std::freopen("CONOUT$", "w", stderr)) {
            SetStdHandle(STD_ERROR_HANDLE, CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                                       FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        }
    }
    // Lines end as on Linux, so that what a script reads from a pipe is the same bytes everywhere
    // (a console and every Windows editor of today take either ending).
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const UINT page = GetConsoleOutputCP();
    if (page != 0 && page != CP_UTF8) {
        SavedCodePage() = page;
        SetConsoleOutputCP(CP_UTF8);
        std::atexit(&RestoreCodePage);
    }
}

}  // namespace tornivex::platform
