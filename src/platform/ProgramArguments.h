#pragma once
// The program's arguments as text. On Windows argv holds them in the ANSI code page, which loses
// what it cannot spell (a skin in a folder named in Greek, say): there they come from the wide
// command line instead.
#include <QStringList>

namespace tornivex::platform {

// Starts with the program's own name, as argv does.
QStringList ProgramArguments(int argc, char** argv);

}  // namespace tornivex::platform
