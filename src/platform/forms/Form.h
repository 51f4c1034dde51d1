#pragma once
// A window: its outer size (frame, title and menu included) in designer
// pixels, its state, a main menu, its life-cycle events, modal use with a
// result, and a close request that the window can defer while it is busy.

#include "platform/forms/Control.h"
#include "platform/forms/Menus.h"

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

enum class TPosition { poDesigned, poScreenCenter, poMainFormCenter, poOwnerFormCenter };

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    // The non-client parts of the outer size.
    static constexpr int kTitleHeight = 58;
    static constexpr int kMenuHeight = 20;
    int ClientWidth() const override { return Width(); }
    int ClientHeight() const override;
    void SetClientWidth(int w) { SetWidth(w); }
    void SetClientHeight(int h);
    void SetBounds(int left, int top, int width, int height) override;

    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState s);
    TPosition Position = TPosition::poDesigned;

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult r);
    bool Modal() const { return modal_; }

    // Shows the window without blocking.
    void ShowForm();
    // Shows the window until a result is set; returns it.
    TModalResult ShowModal();
    // Asks the window to close: OnCloseQuery may refuse, OnClose decides
    // how. While the window is busy the request waits for EndBusy.
    void Close();
    bool ClosePending() const { return closePending_; }
    // True once the window closed for good (a main window, or one freed).
    bool Closed() const { return closed_; }
    void BeginBusy() { ++busy_; }
    void EndBusy();

    // Runs OnCreate; the application calls it once the window is built.
    void DoCreate();

    // Which of the program's text changes (a language load, say) reached
    // the window: one created after the last change is given the texts
    // before it shows (TApplication::GiveWindowTexts).
    int TextsVersion = 0;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnResize;
    TNotifyEvent OnActivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

private:
    TMainMenu* menu_ = nullptr;
    TWindowState windowState_ = TWindowState::wsNormal;
    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    bool closed_ = false;
    bool closePending_ = false;
    int busy_ = 0;
};

// The window a control is on, or nullptr.
TForm* GetParentForm(TControl* control);

// Keeps a window busy for a scope: a close asked for meanwhile is carried out
// when the scope ends.
class TBusyScope {
public:
    explicit TBusyScope(TForm& form) : form_(form) { form_.BeginBusy(); }
    ~TBusyScope() { form_.EndBusy(); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    TForm& form_;
};
