#pragma once
// The application object: title, main window, the platform's services,
// the screen cursor, and the one place where an error that leaves a
// handler is shown.

#include "platform/forms/Form.h"
#include "platform/forms/Platform.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

class TApplication : public TComponent {
public:
    // Makes itself the global Application and installs the platform's
    // clock for the runtime's dates and its random seed.
    explicit TApplication(Platform& services);
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    std::string Title;
    // The program's executable; its folder is the program folder.
    std::string ExeName;
    TForm* MainForm = nullptr;

    Platform& Services() { return *services_; }

    // Creates a window owned by the application and runs its OnCreate; the
    // first window created is the main window.
    template <class T, class... Args>
    T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        if (!MainForm) MainForm = form;
        Changed(TProperty::Components);
        form->DoCreate();
        return form;
    }

    // The program's window texts (its language) change for every window
    // it has, but a window it creates afterwards, for one use, is built
    // with its designed texts. So the program counts its changes, marks
    // the windows a change reached, and gives it here the way to give the
    // current texts to one window; every window is brought up to date
    // before it shows.
    int TextsVersion = 0;
    std::function<void(TForm&)> GiveWindowTexts;
    void WindowTextsChanged(const std::vector<TForm*>& reached);
    void BringTextsUpToDate(TForm& form);

    // The standard error box: the message under the application title.
    void HandleException(const std::exception& e);
    // Runs a piece of event handling; an error that leaves it is shown and
    // the program goes on. Returns false when an error was shown.
    template <class F>
    bool Invoke(F&& handler) {
        try {
            handler();
            return true;
        } catch (const std::exception& e) {
            HandleException(e);
        } catch (...) {
            HandleException(std::runtime_error("Unbekannter Fehler"));
        }
        return false;
    }

    // A message box whose empty caption becomes the title.
    int MessageBox(const std::string& text, const std::string& caption = {}, int flags = MB_OK);
    void ProcessMessages() { services_->ProcessMessages(); }

    TCursor ScreenCursor() const { return cursor_; }
    void SetScreenCursor(TCursor c);

    void Terminate();
    bool Terminated() const { return terminated_; }

private:
    Platform* services_;
    TCursor cursor_ = crDefault;
    bool terminated_ = false;
};

extern TApplication* Application;

// A message box under the application title.
void ShowMessage(const std::string& text);
