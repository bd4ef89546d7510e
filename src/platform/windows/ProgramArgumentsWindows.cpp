#include "ProgramArguments.h"

#include <windows.h>
#include <shellapi.h>

namespace tornivex::platform {

QStringList ProgramArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    QStringList list;
    if (wide != nullptr && count == argc) {
        for (int i = 0; i < count; ++i) list << QString::fromWCharArray(wide[i]);
    } else {
        for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    }
    LocalFree(wide);
    return list;
}

}  // namespace tornivex::platform
