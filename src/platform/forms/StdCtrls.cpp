#include "platform/forms/StdCtrls.h"

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"

#include <algorithm>

TLabel::TLabel(TComponent* owner) : TControl(owner) {}

void TImage::SetPictureFile(const std::string& path) {
    if (path == picture_) return;
    picture_ = path;
    Changed(TProperty::Picture);
}

TEdit::TEdit(TComponent* owner) : TWinControl(owner) { SetColor(clWindow); }

void TEdit::SetText(const std::string& s) {
    if (s == Text()) return;
    TControl::SetText(s);
    if (upDown_) upDown_->associateTextChanged();
    if (OnChange) OnChange(this);
}

void TEdit::DoExit() {
    if (upDown_) upDown_->ShowPosition();
    TWinControl::DoExit();
}

void TEdit::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    Changed(TProperty::ReadOnly);
}

void TButtonControl::Click() {
    // The handler runs first; then the modal result closes the window.
    TControl::Click();
    if (ModalResult != mrNone)
        if (TForm* form = GetParentForm(this)) form->SetModalResult(ModalResult);
}

void TBitBtn::Click() {
    TButtonControl::Click();
    if (kind_ == TBitBtnKind::bkClose)
        if (TForm* form = GetParentForm(this)) form->Close();
}

void TBitBtn::SetKind(TBitBtnKind kind) {
    kind_ = kind;
    struct Standard {
        const char* caption;
        TModalResult result;
    };
    static const Standard standards[] = {
        {"", mrNone},          {"OK", mrOk},        {"Abbrechen", mrCancel}, {"&Abbrechen", mrAbort},
        {"&Wiederholen", mrRetry}, {"&Ignorieren", mrIgnore}, {"&Ja", mrYes}, {"&Nein", mrNo},
        {"&Schließen", mrNone},
    };
    const Standard& s = standards[static_cast<int>(kind)];
    if (kind != TBitBtnKind::bkCustom) {
        SetCaption(s.caption);
        ModalResult = s.result;
        // OK and Yes answer the Enter key, Cancel and No the Escape key.
        SetDefault(kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes);
        Cancel = kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo;
    }
}

void TButtonControl::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    Changed(TProperty::Other);
}

void TCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(TProperty::Checked);
    TControl::Click();
}

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner) {
    items_.OnChange = [this] {
        if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
        Changed(TProperty::Items);
    };
}

void TRadioGroup::SetItemIndex(int index) {
    index = std::clamp(index, -1, items_.Count() - 1);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Changed(TProperty::ItemIndex);
    TControl::Click();
}

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    items_.OnChange = [this] {
        if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
        Changed(TProperty::Items);
    };
}

void TListBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Changed(TProperty::ItemIndex);
}

void TListBox::SetTopIndex(int index) {
    index = std::clamp(index, 0, std::max(items_.Count() - 1, 0));
    if (index == topIndex_) return;
    topIndex_ = index;
    Changed(TProperty::Other);
}

void TListBox::SetTabWidth(int w) {
    if (w == tabWidth_) return;
    tabWidth_ = w;
    Changed(TProperty::TabWidth);
}

void TListBox::SetTabRun(int run) {
    if (run == tabRun_) return;
    tabRun_ = run;
    Changed(TProperty::TabWidth);
}

int TListBox::ItemAtPos(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || ItemHeight <= 0) return -1;
    int index = topIndex_ + y / ItemHeight;
    return index < items_.Count() ? index : -1;
}

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    items_.OnChange = [this] {
        if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
        Changed(TProperty::Items);
    };
}

void TComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= items_.Count()) index = -1;
    itemIndex_ = index;
    Changed(TProperty::ItemIndex);
    if (index >= 0) TControl::SetText(items_[index]);
}

void TComboBox::SetText(const std::string& s) {
    if (s == Text()) return;
    TControl::SetText(s);
    itemIndex_ = items_.IndexOf(s);
}

void TComboBox::UserSetText(const std::string& s) {
    SetText(s);
    if (OnChange) OnChange(this);
}

TMemo::TMemo(TComponent* owner) : TWinControl(owner) {
    SetColor(clWindow);
    lines_.OnChange = [this] {
        Changed(TProperty::Lines);
        if (OnChange) OnChange(this);
    };
}

void TButtonControl::SetGlyph(const std::string& name) {
    if (name == glyph_) return;
    glyph_ = name;
    Changed(TProperty::Picture);
}
