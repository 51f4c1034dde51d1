#pragma once
// The platform's services on Qt: message and input boxes, file dialogs,
// modal and non-modal windows, the message pump, timers (through the
// timers' peers), the shell, the win sound, started programs, the clock
// and the user's regional settings.

#include "platform/forms/Platform.h"

#include <memory>
#include <string>

class QWidget;

namespace gui {

class PaintThrottle;
class SoundPlayer;

// The width of a message or input box: as wide as its content asks, and as
// its title needs beside the window's buttons (some commands ask their
// question in the title), but never wider than the screen gives.
int BoxWidthForTitle(int contentWidth, int titleTextWidth, int availableWidth);

class QtPlatform : public Platform {
public:
    // Relative file names for the shell and the sound resolve against the
    // program folder, wherever the program was started from.
    explicit QtPlatform(std::string programFolder = {});
    ~QtPlatform() override;

    int MessageBox(const std::string& text, const std::string& caption, int flags) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText) override;
    bool ExecuteOpenDialog(TOpenDialog& dialog) override;
    bool ExecuteSaveDialog(TSaveDialog& dialog) override;
    void ShowModal(TForm& form) override;
    void ProcessMessages() override;
    void Repaint() override;
    void PaintWhileWaiting() override;
    void ProcessMessagesFor(TControl& control) override;
    bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                      const std::string& directory) override;
    void PlaySoundAsync(const std::string& path) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    void Sleep(int milliseconds) override;
    TDateTime Now() override;
    TFormatSettings UserFormatSettings() override;
    void ScreenCursorChanged(TCursor cursor) override;
    void LongCommandStarted() override;
    void LongCommandEnded() override;
    void LanguageChanged(const std::string& locale) override;
    void Terminate() override;
    bool PrintPage(const TPreparedPage& page) override;
    bool PageSetupDialog(TPageSettings& paper) override;

    const std::string& ProgramFolder() const { return programFolder_; }
    // The main window is being shown at the start (nullptr once it is): a
    // long command its showing starts first paints once it is on screen.
    void MainWindowComingUp(QWidget* window);

protected:
    // The window a dialog belongs to: the active one, else the main window.
    QWidget* DialogParent() const;

private:
    std::string resolve(const std::string& file) const;

    std::string programFolder_;
    std::unique_ptr<SoundPlayer> sound_;
    std::unique_ptr<PaintThrottle> paints_;
};

} // namespace gui
