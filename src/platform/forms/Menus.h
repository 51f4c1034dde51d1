#pragma once
// The main menu and its items: captions with accelerator marks, check marks,
// shortcuts, and the click each item runs.

#include "platform/forms/Control.h"

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TMenuItem"; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& s);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    TShortCut ShortCut() const { return shortCut_; }
    void SetShortCut(TShortCut s);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& s) { hint_ = s; }

    // Sub-items in order; an item with sub-items opens a submenu.
    void Add(TMenuItem* item);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_[static_cast<size_t>(index)]; }
    TMenuItem* ParentItem() const { return parent_; }
    bool IsSeparator() const { return caption_ == "-"; }

    TNotifyEvent OnClick;
    // Runs the item's command.
    void Click();

private:
    std::string caption_;
    std::string hint_;
    bool checked_ = false, visible_ = true, enabled_ = true;
    TShortCut shortCut_ = 0;
    std::vector<TMenuItem*> items_;
    TMenuItem* parent_ = nullptr;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* owner) : TComponent(owner), root_(nullptr) {}
    const char* ClassName() const override { return "TMainMenu"; }
    TMenuItem& Items() { return root_; }
    const TMenuItem& Items() const { return root_; }
    // The visible, enabled item anywhere in the menu bound to a shortcut.
    TMenuItem* FindShortCut(TShortCut s);
    // Runs the item bound to a shortcut; false when there is none.
    bool DispatchShortCut(TShortCut s);

private:
    TMenuItem root_;
};

// "Ctrl+A" and the like, as menus show shortcuts.
std::string ShortCutToText(TShortCut s);
