#pragma once
// Visible controls: geometry in designer pixels, captions, hints, fonts,
// colours and the mouse events every control has, and parents that hold
// children and lay out aligned ones.

#include "platform/forms/Component.h"
#include "platform/forms/Types.h"

#include <functional>
#include <string>
#include <vector>

struct TFont {
    std::string Name = "Arial";
    int Size = 10;  // points; the height at 96 dots per inch is -Size * 96 / 72
    TColor Color = clWindowText;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int Charset = 1;  // the Windows character-set identifier; 1 is the default set

    int Height() const { return -MulDiv(Size, 96, 72); }
    bool operator==(const TFont&) const = default;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
// A press in a window that is not the active one: the handler may say
// whether the press activates the window and whether it reaches the control.
enum class TMouseActivate { maDefault, maActivate, maActivateAndEat, maNoActivate, maNoActivateAndEat };
using TMouseActivateEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y,
                                               int HitTest, TMouseActivate& MouseActivate)>;

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to the window.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Caption and Text are one property, as in the library: labels and
    // buttons call it a caption, edits a text.
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& s) { SetText(s); }
    const std::string& Text() const { return text_; }
    virtual void SetText(const std::string& s);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& s);
    bool ShowHint() const { return showHint_; }
    // Setting it stops the control taking its parent's.
    void SetShowHint(bool v);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v);
    // Whether the hint shows: the control's own ShowHint, or its parent's
    // while it takes that one.
    bool HintShown() const;

    // The font in effect: the control's own, or its parent's while ParentFont.
    const TFont& Font() const;
    void SetFont(const TFont& font);
    void SetFontColor(TColor color);
    void SetFontSize(int size);
    void SetFontBold(bool bold);
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);

    // Scales the size (not the position) of the control and the positions,
    // sizes and fonts of everything on it by M / D.
    virtual void ScaleBy(int M, int D);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseActivateEvent OnMouseActivate;

    // User input, as the front end and tests deliver it.
    virtual void Click();
    void DblClick();
    void MouseDown(TMouseButton b, TShiftState s, int x, int y);
    // A press that activates the control's window, before its MouseDown.
    TMouseActivate MouseActivate(TMouseButton b, TShiftState s, int x, int y, int hitTest);
    void MouseUp(TMouseButton b, TShiftState s, int x, int y);
    void MouseMove(TShiftState s, int x, int y);

protected:
    // Scales position, size and font: how a control on a scaled parent changes.
    virtual void ChangeScale(int M, int D);
    void fontChanged();
    virtual void ParentFontChanged();

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TFont font_;
    bool parentFont_ = true;
    TColor color_ = clBtnFace;
    TCursor cursor_ = crDefault;
};

// A control that holds other controls.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_[static_cast<size_t>(index)]; }
    const std::vector<TControl*>& ControlList() const { return controls_; }

    // The inner area children are placed in; a plain container's is its size.
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }

    void SetBounds(int left, int top, int width, int height) override;
    void ScaleBy(int M, int D) override;
    // Places aligned children: top and bottom first, then left and right,
    // then the one that fills the rest.
    void Realign();

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    void DoEnter();
    virtual void DoExit();

protected:
    void ChangeScale(int M, int D) override;
    void ParentFontChanged() override;
private:
    friend class TControl;
    std::vector<TControl*> controls_;
    bool realigning_ = false;
};
