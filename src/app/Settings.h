#pragma once
// The main window's settings: read at start-up in groups, where the first
// value that cannot be read ends its group, and written back at close.

#include "platform/registry/Registry.h"

#include <array>
#include <functional>
#include <string>

class TForm1;

// The texts of the slip window's six layout edits as far as they were read.
struct SlipLayoutTexts {
    std::array<std::string, 6> Text{};
    std::array<bool, 6> Read{};
};

class SettingsReader {
public:
    SettingsReader(TForm1& form, TRegistry& registry) : form_(form), reg_(registry) {}

    // Each read leaves a missing value alone; a value of the wrong type
    // fails with the registry's type error.
    void readLosnummer();
    void readNeuerSchein();
    void readGroup1();
    void readStarOption(const char* name);
    void readGroup2();
    void readGroup3(SlipLayoutTexts& texts);
    void readGroup4();
    void readGroup5();
    void readGroup6();
    void readGroup7();

    // Runs a group: the first failing read ends it quietly.
    static void group(const std::function<void()>& reads);

private:
    bool has(const std::string& name) { return reg_.ValueExists(name); }

    TForm1& form_;
    TRegistry& reg_;
};

// Writes every value on its own: a failing write loses only that value.
class SettingsWriter {
public:
    SettingsWriter(TForm1& form, TRegistry& registry) : form_(form), reg_(registry) {}

    void writeSwitches();
    void writeSize();
    void writeView(bool listView);
    void writeRest();
    void writeSlipLayout();

private:
    void write(const std::function<void()>& one);

    TForm1& form_;
    TRegistry& reg_;
};
