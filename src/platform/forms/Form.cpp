#include "platform/forms/Form.h"

#include "platform/forms/Application.h"

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetParentFont(false);
}

TForm::~TForm() = default;

int TForm::ClientHeight() const {
    return std::max(Height() - kTitleHeight - (menu_ ? kMenuHeight : 0), 0);
}

void TForm::SetClientHeight(int h) { SetHeight(h + kTitleHeight + (menu_ ? kMenuHeight : 0)); }

void TForm::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TWinControl::SetBounds(left, top, width, height);
    if (resized && OnResize) OnResize(this);
}

void TForm::SetMenu(TMainMenu* menu) {
    menu_ = menu;
    Changed(TProperty::Other);
    Realign();
}

void TForm::SetWindowState(TWindowState s) {
    if (s == windowState_) return;
    windowState_ = s;
    Changed(TProperty::WindowState);
}

void TForm::SetModalResult(TModalResult r) {
    modalResult_ = r;
    Changed(TProperty::ModalResult);
}

void TForm::ShowForm() {
    bool wasVisible = Visible();
    if (!wasVisible && Application) Application->BringTextsUpToDate(*this);
    SetVisible(true);
    if (!wasVisible && OnShow) OnShow(this);
}

TModalResult TForm::ShowModal() {
    if (Application) Application->BringTextsUpToDate(*this);
    modalResult_ = mrNone;
    modal_ = true;
    SetVisible(true);
    try {
        if (OnShow) OnShow(this);
        Application->Services().ShowModal(*this);
    } catch (...) {
        modal_ = false;
        SetVisible(false);
        throw;
    }
    modal_ = false;
    SetVisible(false);
    if (OnHide) OnHide(this);
    return modalResult_;
}

void TForm::Close() {
    if (busy_ > 0) {
        closePending_ = true;
        return;
    }
    closePending_ = false;
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return;
    bool isMain = Application && Application->MainForm == this;
    TCloseAction action = isMain ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose) OnClose(this, action);
    if (action == TCloseAction::caNone) return;
    if (modal_) {
        if (modalResult_ == mrNone) SetModalResult(mrCancel);
        return;
    }
    if (action == TCloseAction::caMinimize) {
        SetWindowState(TWindowState::wsMinimized);
        return;
    }
    SetVisible(false);
    if (OnHide) OnHide(this);
    if (action == TCloseAction::caFree || isMain) {
        closed_ = true;
        Changed(TProperty::Other);
        if (isMain) Application->Terminate();
    }
}

void TForm::EndBusy() {
    if (busy_ > 0) --busy_;
    // Runs where the busy work ended, perhaps while an error unwinds: an
    // error of the close itself is shown, never passed on.
    if (busy_ == 0 && closePending_) {
        if (Application)
            Application->Invoke([this] { Close(); });
        else
            try {
                Close();
            } catch (...) {
            }
    }
}

void TForm::DoCreate() {
    if (!OnCreate) return;
    // An error in the creation step is shown, and the window still opens.
    try {
        OnCreate(this);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
}

TForm* GetParentForm(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TForm*>(c)) return form;
    return nullptr;
}
