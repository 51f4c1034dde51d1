#pragma once
// A main window created headless, as the program creates it, in a fresh
// program folder with a scripted platform at a fixed date and a settings
// store of its own.

#include "app/LottoZahlen.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <array>
#include <memory>
#include <string>

class MainWindowHarness {
public:
    MainWindowHarness();
    ~MainWindowHarness();

    // Creates the main window (its creation step runs); only the first call creates.
    TForm1& create();
    TForm1& form() { return *form_; }
    // Closes the main window as the user does (its close step runs).
    void close();
    // Ends the program and starts it again with the same folders.
    TForm1& restart();

    TempDir dir;  // the program folder
    TempDir config;  // the settings store's folder
    ScriptedPlatform platform;
    std::unique_ptr<TApplication> app;

private:
    void startApplication();
    TForm1* form_ = nullptr;
};

// Grid row 1..12 as its five number texts and two star texts.
using RowTexts = std::array<std::string, 7>;
void SetRowTexts(TForm1& form, int row, const RowTexts& texts);
RowTexts GetRowTexts(const TForm1& form, int row);
