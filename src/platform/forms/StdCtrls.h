#pragma once
// The simple control kinds: labels, edits, buttons, check boxes, radio
// groups, lists, memos, panels and images.

#include "platform/forms/Control.h"
#include "platform/rtl/StringList.h"

class TUpDown;

class TLabel : public TControl {
public:
    explicit TLabel(TComponent* owner);
    const char* ClassName() const override { return "TLabel"; }
    bool Transparent = true;
    // A caption longer than the width breaks into lines within the height.
    bool WordWrap = false;
};

class TPanel : public TWinControl {
public:
    explicit TPanel(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TPanel"; }
};

class TImage : public TControl {
public:
    explicit TImage(TComponent* owner) : TControl(owner) {}
    const char* ClassName() const override { return "TImage"; }
    const std::string& PictureFile() const { return picture_; }
    void SetPictureFile(const std::string& path);

private:
    std::string picture_;
};

class TEdit : public TWinControl {
public:
    explicit TEdit(TComponent* owner);
    const char* ClassName() const override { return "TEdit"; }
    // Setting a different text fires OnChange; the same text fires nothing.
    void SetText(const std::string& s) override;
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    // The counter whose position the edit shows, or nullptr.
    TUpDown* AssociatedUpDown() const { return upDown_; }
    // A counter's edit that is left shows the counter's position again.
    void DoExit() override;
    TNotifyEvent OnChange;

private:
    friend class TUpDown;
    TUpDown* upDown_ = nullptr;  // the counter this edit shows, if any
    bool readOnly_ = false;
};

// Push buttons, speed buttons and bitmap buttons; a button with a modal
// result closes the modal window it is on.
class TButtonControl : public TWinControl {
public:
    explicit TButtonControl(TComponent* owner) : TWinControl(owner) {}
    TModalResult ModalResult = mrNone;
    void Click() override;
    // The picture on the button, by a symbolic name the front end draws
    // ("previous", "save", ...); empty for none.
    const std::string& Glyph() const { return glyph_; }
    void SetGlyph(const std::string& name);
    // The button that the Enter key presses in its window.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    // The button that the Escape key stands for.
    bool Cancel = false;

private:
    std::string glyph_;
    bool default_ = false;
};

class TButton : public TButtonControl {
public:
    explicit TButton(TComponent* owner) : TButtonControl(owner) {}
    const char* ClassName() const override { return "TButton"; }
};

class TSpeedButton : public TButtonControl {
public:
    explicit TSpeedButton(TComponent* owner) : TButtonControl(owner) {}
    const char* ClassName() const override { return "TSpeedButton"; }
};

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkAbort, bkRetry, bkIgnore, bkYes, bkNo, bkClose };

class TBitBtn : public TButtonControl {
public:
    explicit TBitBtn(TComponent* owner) : TButtonControl(owner) {}
    const char* ClassName() const override { return "TBitBtn"; }
    // A kind gives the button its standard caption and modal result.
    void SetKind(TBitBtnKind kind);
    TBitBtnKind Kind() const { return kind_; }
    // A close-kind button closes the window it is on once its handler ran.
    void Click() override;

private:
    TBitBtnKind kind_ = TBitBtnKind::bkCustom;
};

class TCheckBox : public TWinControl {
public:
    explicit TCheckBox(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    // A change of state fires OnClick, whoever made it.
    void SetChecked(bool v);
    // The user's click toggles the state.
    void Click() override { SetChecked(!checked_); }

private:
    bool checked_ = false;
};

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TComponent* owner);
    const char* ClassName() const override { return "TRadioGroup"; }
    TStringList& Items() { return items_; }
    const TStringList& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // Clamped to -1 .. Count - 1; a change fires OnClick.
    void SetItemIndex(int index);
    int Columns = 1;

private:
    TStringList items_;
    int itemIndex_ = -1;
};

// A list of lines with one selected line (-1 for none).
class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    const char* ClassName() const override { return "TListBox"; }
    TStringList& Items() { return items_; }
    const TStringList& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // An index outside the items selects nothing; no event fires.
    void SetItemIndex(int index);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    // Tab stops in dialog units, as the list box expands TABs.
    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int w);
    // A run of this many TABs in a line is drawn as one TAB (0: every TAB
    // is drawn), for lines whose readers take such a run as one separator.
    int TabRun() const { return tabRun_; }
    void SetTabRun(int run);
    int ItemHeight = 16;
    // The line under a point of the client area, or -1.
    int ItemAtPos(int x, int y) const;

private:
    TStringList items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int tabWidth_ = 0;
    int tabRun_ = 0;
};

class TComboBox : public TWinControl {
public:
    explicit TComboBox(TComponent* owner);
    const char* ClassName() const override { return "TComboBox"; }
    TStringList& Items() { return items_; }
    const TStringList& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    // Selecting an item shows its text.
    void SetItemIndex(int index);
    // Only the user's typing fires OnChange, not a text set by the program.
    void SetText(const std::string& s) override;
    void UserSetText(const std::string& s);
    TNotifyEvent OnChange;

private:
    TStringList items_;
    int itemIndex_ = -1;
};

// A multi-line text; Lines is the text line by line.
class TMemo : public TWinControl {
public:
    explicit TMemo(TComponent* owner);
    const char* ClassName() const override { return "TMemo"; }
    TStringList& Lines() { return lines_; }
    const TStringList& Lines() const { return lines_; }
    bool WordWrap = true;
    bool ReadOnly = false;
    TNotifyEvent OnChange;

private:
    TStringList lines_;
};

class TRichEdit : public TMemo {
public:
    explicit TRichEdit(TComponent* owner) : TMemo(owner) {}
    const char* ClassName() const override { return "TRichEdit"; }
    bool PlainText = true;
};

class TGroupBox : public TWinControl {
public:
    explicit TGroupBox(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TGroupBox"; }
};
