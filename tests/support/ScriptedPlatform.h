#pragma once
// The platform for tests: answers come from queues the test fills, every
// call is recorded, the clock stands still, the settings are German. A box
// the test did not expect fails the test.

#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/report/Report.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ScriptedPlatform : public Platform {
public:
    struct Message {
        std::string text;
        std::string caption;
        int flags;
    };
    struct ShellCall {
        std::string verb, file, parameters, directory;
    };
    struct ProgramCall {
        std::string program;
        std::vector<std::string> arguments;
    };

    ScriptedPlatform();
    // An answer the test queued for a box or dialog that never came fails it.
    ~ScriptedPlatform() override;

    // Answers, taken in order. A message answer may act while the box is up.
    void answerMessage(int id, std::function<void()> during = {});
    // nullopt: the user cancels (the default text comes back).
    void answerInput(std::optional<std::string> text);
    // An empty name: the user cancels the dialog.
    void answerFileDialog(const std::string& fileName, int filterIndex = 0);
    // Acts on the modal window (tick boxes, press buttons); when it leaves
    // no result, the window is closed as by its close box.
    void answerModal(std::function<void(TForm&)> during);
    // Runs at the next dispatch of pending messages (a posted click, say).
    void onProcessMessages(std::function<void()> action);
    // Runs at the next dispatch of one control's input (a click on a stop
    // button); the queue of onProcessMessages is left alone.
    void onControlInput(std::function<void()> action);
    // Unexpected message boxes are answered with their first button
    // instead of failing the test.
    bool tolerateMessages = false;
    // What StartProgram reports (the program is recorded either way).
    bool startProgramResult = true;

    std::vector<Message> messages;
    std::vector<std::string> inputPrompts;
    std::vector<std::string> fileDialogFilters;
    // The file name each file dialog proposed when it opened.
    std::vector<std::string> fileDialogNames;
    std::vector<std::string> modalForms;
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> sounds;
    std::vector<ProgramCall> programs;
    std::vector<int> sleeps;
    int processMessagesCalls = 0;
    // The control of each dispatch of one control's input, by name.
    std::vector<std::string> controlInputs;
    int repaints = 0;
    // Long commands the platform heard of: how many started, how many run.
    int longCommandsStarted = 0;
    int longCommandsRunning = 0;
    bool terminated = false;
    TDateTime now;
    TFormatSettings settings = TFormatSettings::German();

    int MessageBox(const std::string& text, const std::string& caption, int flags) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    bool ExecuteOpenDialog(TOpenDialog& dialog) override;
    bool ExecuteSaveDialog(TSaveDialog& dialog) override;
    void ShowModal(TForm& form) override;
    void ProcessMessages() override;
    void Repaint() override { ++repaints; }
    void LongCommandStarted() override {
        ++longCommandsStarted;
        ++longCommandsRunning;
    }
    void LongCommandEnded() override { --longCommandsRunning; }
    void ProcessMessagesFor(TControl& control) override;
    bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& directory) override;
    void PlaySoundAsync(const std::string& path) override { sounds.push_back(path); }
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    void Sleep(int ms) override { sleeps.push_back(ms); }
    TDateTime Now() override { return now; }
    TFormatSettings UserFormatSettings() override { return settings; }
    void Terminate() override { terminated = true; }

    // Printing: every page printed is kept; false makes the print dialog
    // cancelled.
    bool printConfirmed = true;
    std::vector<TPreparedPage> printedPages;
    bool PrintPage(const TPreparedPage& page) override;
    // The page set-up: the paper the user confirms; nullopt cancels. The
    // paper each dialog opened with is kept.
    void answerPageSetup(std::optional<TPageSettings> paper);
    std::vector<TPageSettings> pageSetups;
    bool PageSetupDialog(TPageSettings& paper) override;

private:
    bool executeFileDialog(TCommonFileDialog& dialog);

    struct MessageAnswer {
        int id;
        std::function<void()> during;
    };
    struct FileAnswer {
        std::string fileName;
        int filterIndex;
    };
    std::deque<MessageAnswer> messageAnswers_;
    std::deque<std::optional<std::string>> inputAnswers_;
    std::deque<FileAnswer> fileAnswers_;
    std::deque<std::function<void(TForm&)>> modalAnswers_;
    std::deque<std::function<void()>> pending_;
    std::deque<std::function<void()>> controlPending_;
    std::deque<std::optional<TPageSettings>> pageSetupAnswers_;
};
