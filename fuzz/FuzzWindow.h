#pragma once
// The main window for targets that drive commands: created once per fuzzing
// process, headless as the tests create it, in a program folder of its own.
// Every box is answered with its first button, and what the platform records
// is forgotten before each input so that a long run does not grow.

#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "support/MainWindow.h"

#include <memory>

inline MainWindowHarness& FuzzWindow() {
    static const std::unique_ptr<MainWindowHarness> harness = [] {
        auto h = std::make_unique<MainWindowHarness>();
        h->platform.tolerateMessages = true;
        h->platform.now = EncodeDate(2025, 2, 10) + 0.5;
        SetClockSource([] { return EncodeDate(2025, 2, 10) + 0.5; });
        TForm1& f = h->create();
        f.Home = h->dir.home();
        f.ZahlenFile = "ZahlenEU.dat";
        f.SternenzahlMax = 12;
        return h;
    }();
    ScriptedPlatform& p = harness->platform;
    p.messages.clear();
    p.inputPrompts.clear();
    p.fileDialogFilters.clear();
    p.modalForms.clear();
    p.shellCalls.clear();
    p.sounds.clear();
    p.programs.clear();
    p.sleeps.clear();
    return *harness;
}

// Runs a command as the front end does: the runtime's own errors end it with
// a box. Anything else (a standard library exception, a crash) is a fault
// the fuzzer reports.
template <class F>
void RunCommand(F&& command) {
    try {
        command();
    } catch (const Exception&) {
    }
}
