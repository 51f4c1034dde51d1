#pragma once
// A platform for benchmarks: no box, no dialog, no sound; a fixed clock.

#include "platform/forms/Application.h"

class SilentPlatform : public Platform {
public:
    int MessageBox(const std::string&, const std::string&, int) override {
        ++messages;
        return IDOK;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string& defaultText) override {
        return defaultText;
    }
    bool ExecuteOpenDialog(TOpenDialog&) override { return false; }
    bool ExecuteSaveDialog(TSaveDialog&) override { return false; }
    void ShowModal(TForm&) override {}
    void ProcessMessages() override {}
    void Repaint() override {}
    bool ShellExecute(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    void PlaySoundAsync(const std::string&) override { ++sounds; }
    bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
    void Sleep(int) override {}
    TDateTime Now() override { return EncodeDate(2025, 2, 11) + 0.5; }
    TFormatSettings UserFormatSettings() override { return TFormatSettings::German(); }

    int messages = 0;
    int sounds = 0;
};
