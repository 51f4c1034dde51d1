#pragma once
// The services the front end provides to the program: dialogs, modal
// windows, the message pump, the shell, sound, started programs, the clock
// and the user's regional settings. The Qt front end implements it; tests
// script it.

#include "platform/forms/Types.h"
#include "platform/rtl/DateTime.h"

#include <string>
#include <vector>

class TControl;
class TForm;
class TOpenDialog;
class TSaveDialog;
struct TPreparedPage;
struct TPageSettings;

class Platform {
public:
    virtual ~Platform() = default;

    // Shows a message; flags are MB_ buttons and icon; returns the ID of the
    // button pressed.
    virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
    // Asks for a line of text; Cancel gives the default text back.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText) = 0;
    // File dialogs: true when a file was chosen; the dialog then holds its
    // name and the chosen filter index.
    virtual bool ExecuteOpenDialog(TOpenDialog& dialog) = 0;
    virtual bool ExecuteSaveDialog(TSaveDialog& dialog) = 0;
    // Runs a window modally until its ModalResult is set (or it is closed).
    virtual void ShowModal(TForm& form) = 0;
    // Dispatches the pending window messages (input included), then returns.
    virtual void ProcessMessages() = 0;
    // Paints what changed, dispatching no input.
    virtual void Repaint() = 0;
    // A call that holds the program (a web request) waits and calls this
    // every 25 ms or so: the windows show what changed and paint again what
    // the window system asks for (an area another window uncovered, a
    // window restored from its icon). No input, timer tick or program event
    // is handled meanwhile; they wait for the call's end.
    virtual void PaintWhileWaiting() { Repaint(); }
    // Dispatches the pending input of one control only (the stop button of
    // a long command that holds the window) and lets the windows paint;
    // input to every other control and every timer tick wait. Escape,
    // wherever it is pressed, counts as a click on that control, so the
    // stop is in reach from every page. A platform that cannot single out a
    // control's input only paints.
    virtual void ProcessMessagesFor(TControl& control) {
        (void)control;
        Repaint();
    }
    // A long command (a calculation, a back-test, the update, the search)
    // starts and ends: while it runs, the window may show its changes at a
    // steady rate rather than each as it comes, and shows all of them at
    // its end.
    virtual void LongCommandStarted() {}
    virtual void LongCommandEnded() {}
    // The shell's verbs ("open", "edit") on a file or web address.
    virtual bool ShellExecute(const std::string& verb, const std::string& file, const std::string& parameters,
                              const std::string& directory) = 0;
    virtual void PlaySoundAsync(const std::string& path) = 0;
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;
    virtual void Sleep(int milliseconds) = 0;
    virtual TDateTime Now() = 0;
    virtual TFormatSettings UserFormatSettings() = 0;
    // The screen cursor changed (hourglass while busy).
    virtual void ScreenCursorChanged(TCursor) {}
    // The program's texts switched to a language (a locale name such as "de"
    // or "zh_CN"): the platform's own dialogs follow it where they can.
    virtual void LanguageChanged(const std::string& /*locale*/) {}
    // The main window closed: end the message loop.
    virtual void Terminate() {}

    // Printing: the print dialog, then the page on the printer it chose;
    // false when the user cancelled or nothing could print.
    virtual bool PrintPage(const TPreparedPage&) { return false; }
    // The page set-up dialog on a page's paper; true (and the paper changed)
    // when the user confirmed it.
    virtual bool PageSetupDialog(TPageSettings&) { return false; }
};
