#pragma once
// What the smoke tests share: the Qt platform with every message box, input
// box, shell call and started program failing the test; letting Qt settle;
// the folder the pictures go to; and running the program in process with a
// driver that acts on its windows once they are shown.

#include "app/ProgramWindows.h"
#include "gui/FrontEnd.h"
#include "platform/forms/Application.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace smoke {

class SmokePlatform : public Platform {
public:
    explicit SmokePlatform(Platform& qt) : qt_(qt) {}
    int MessageBox(const std::string& text, const std::string& caption, int) override {
        ADD_FAILURE() << "message box: " << text << " (" << caption << ")";
        return IDOK;
    }
    std::string InputBox(const std::string& caption, const std::string&, const std::string& defaultText) override {
        ADD_FAILURE() << "input box: " << caption;
        return defaultText;
    }
    bool ExecuteOpenDialog(TOpenDialog&) override { return false; }
    bool ExecuteSaveDialog(TSaveDialog&) override { return false; }
    void ShowModal(TForm& form) override { qt_.ShowModal(form); }
    void ProcessMessages() override { qt_.ProcessMessages(); }
    void Repaint() override { qt_.Repaint(); }
    void PaintWhileWaiting() override { qt_.PaintWhileWaiting(); }
    void ProcessMessagesFor(TControl& control) override { qt_.ProcessMessagesFor(control); }
    bool ShellExecute(const std::string&, const std::string& file, const std::string&, const std::string&) override {
        ADD_FAILURE() << "shell: " << file;
        return false;
    }
    void PlaySoundAsync(const std::string&) override {}
    bool StartProgram(const std::string& program, const std::vector<std::string>&) override {
        ADD_FAILURE() << "program: " << program;
        return false;
    }
    void Sleep(int) override {}
    TDateTime Now() override { return qt_.Now(); }
    TFormatSettings UserFormatSettings() override { return qt_.UserFormatSettings(); }
    void ScreenCursorChanged(TCursor cursor) override { qt_.ScreenCursorChanged(cursor); }
    void LongCommandStarted() override { qt_.LongCommandStarted(); }
    void LongCommandEnded() override { qt_.LongCommandEnded(); }
    void LanguageChanged(const std::string& locale) override { qt_.LanguageChanged(locale); }
    void Terminate() override { qt_.Terminate(); }

private:
    Platform& qt_;
};

inline std::string picture(const std::string& name) { return std::string(GUI_TEST_OUTPUT_DIR) + "/" + name; }

inline void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

using PlatformFactory = gui::PlatformWrapper;

// Starts the program from its folder, runs `drive` once the message loop
// runs, and gives the program's exit code.
inline int RunProgram(
    const std::string& folder, const std::function<void()>& drive,
    const PlatformFactory& platform = [](Platform& qt) { return std::make_unique<SmokePlatform>(qt); }) {
    char name[] = "Stellix";
    char* argv[] = {name, nullptr};
    int argc = 1;
    return gui::RunFrontEnd(
        argc, argv, folder,
        [&](TApplication& app) {
            CreateProgram(app);
            // A timer's tick, not a queued call: the update at start holds
            // every tick until it ends, while a queued call would run inside
            // it (while the window comes on screen).
            QTimer::singleShot(1, [&] { drive(); });
        },
        platform);
}

}  // namespace smoke
