#include "ProgramArguments.h"

namespace tornivex::platform {

QStringList ProgramArguments(int argc, char** argv) {
    QStringList list;
    for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

}  // namespace tornivex::platform
