#pragma once
// The program's start-up after its application object, in one place so the program and the
// start-up benchmark run the same steps: the skin engine, the interface font and the title
// before the windows, the regional settings (read before the fields format their texts), then
// the main window, wired to an About dialog that is built the first time it is asked for.
#include <memory>

#include "PlatformLocale.h"
#include "TApplication.h"
#include "Unit1.h"
#include "TuningAssistant.h"
#include "Unit2.h"

namespace tornivex {

class TProgramStart {
public:
    explicit TProgramStart(platform::TApplication& app);
    ~TProgramStart();

    // The About dialog, built hidden on first use (most starts never open it) and then reused.
    // `Form1` and `Form2` point at the windows while they exist.
    TForm2& About();
    // The tuning assistant, built on first use from the last calculation, then following every
    // "Calculate". `AssistantForm` points at it while it exists.
    TTuningAssistant& Assistant();

private:
    // Runs first: members below are built in declaration order.
    bool engineStarted_;

public:
    platform::LocaleWatcher Locale;
    TForm1 MainWindow;

private:
    std::unique_ptr<TForm2> about_;
    std::unique_ptr<TTuningAssistant> assistant_;
};

}  // namespace tornivex
