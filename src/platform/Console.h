#pragma once
// The console a program's text goes to. A windowed program on Windows starts without one: typed
// in a console window, it takes its parent's, so that --help and --version print there. Text is
// written as UTF-8 with Linux's line ends; a Windows console is told so, pipes and files get the
// bytes as they are.
namespace tornivex::platform {

// Call first in main, before anything is printed.
void PrepareConsoleOutput();

}  // namespace tornivex::platform
