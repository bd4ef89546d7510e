// tornivex-calc: the calculator's arithmetic and field rules from the command line.
#include <iostream>
#include <string>
#include <vector>

#include <QLocale>

#include "CalcRun.h"
#include "Console.h"
#include "PlatformLocale.h"

int main(int argc, char** argv) {
    tornivex::platform::PrepareConsoleOutput();
    // The separators come from the user's regional settings, as in the window.
    tornivex::platform::ApplyLocaleSettings(QLocale::system());
    // Batch mode reads and writes many lines: the streams need not wait on C's stdio.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tornivex::calc::RunCalculator(args, std::cin, std::cout, std::cerr);
}
