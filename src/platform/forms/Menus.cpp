#include "platform/forms/Menus.h"

#include "platform/forms/ComCtrls.h"

void TMenuItem::SetCaption(const std::string& s) {
    if (s == caption_) return;
    caption_ = s;
    Changed(TProperty::Caption);
}

void TMenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(TProperty::Checked);
}

void TMenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(TProperty::Visible);
}

void TMenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(TProperty::Enabled);
}

void TMenuItem::SetShortCut(TShortCut s) {
    if (s == shortCut_) return;
    shortCut_ = s;
    Changed(TProperty::ShortCut);
}

void TMenuItem::Add(TMenuItem* item) {
    item->parent_ = this;
    items_.push_back(item);
    Changed(TProperty::Items);
}

namespace {

TMenuItem* findIn(TMenuItem& item, TShortCut s) {
    for (int i = 0; i < item.Count(); ++i) {
        TMenuItem* child = item.Items(i);
        if (!child->Visible() || !child->Enabled()) continue;
        if (child->ShortCut() == s && s != 0) return child;
        if (TMenuItem* found = findIn(*child, s)) return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMainMenu::FindShortCut(TShortCut s) { return findIn(root_, s); }

bool TMainMenu::DispatchShortCut(TShortCut s) {
    TMenuItem* item = FindShortCut(s);
    if (!item) return false;
    item->Click();
    return true;
}

std::string ShortCutToText(TShortCut s) {
    if (s == 0) return {};
    std::string text;
    if (s & scCtrl) text += "Ctrl+";
    if (s & scAlt) text += "Alt+";
    if (s & scShift) text += "Shift+";
    text += static_cast<char>(s & 0xFF);
    return text;
}

void TMenuItem::Click() {
    if (!enabled_) return;
    TUpDown::ShowPendingPositions();
    if (OnClick) OnClick(this);
}
