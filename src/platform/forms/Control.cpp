#include "platform/forms/Control.h"

#include "platform/forms/ComCtrls.h"

#include <algorithm>

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() {
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == parent_) return;
    TWinControl* previous = parent_;
    if (parent_) {
        auto& siblings = parent_->controls_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
        if (align_ != TAlign::alNone) parent_->Realign();
    }
    parent_ = parent;
    if (parent_) {
        parent_->controls_.push_back(this);
        if (align_ != TAlign::alNone) parent_->Realign();
    }
    Changed(TProperty::Parent);
    if (previous) previous->Changed(TProperty::Controls);
    if (parent_) parent_->Changed(TProperty::Controls);
    if (parentFont_) ParentFontChanged();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    Changed(TProperty::Bounds);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

void TControl::SetAlign(TAlign align) {
    if (align == align_) return;
    align_ = align;
    Changed(TProperty::Align);
    if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(TProperty::Visible);
    if (parent_ && align_ != TAlign::alNone) parent_->Realign();
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void TControl::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(TProperty::Enabled);
}

void TControl::SetText(const std::string& s) {
    if (s == text_) return;
    text_ = s;
    Changed(TProperty::Caption);
}

void TControl::SetHint(const std::string& s) {
    if (s == hint_) return;
    hint_ = s;
    Changed(TProperty::Hint);
}

bool TControl::HintShown() const {
    const TControl* c = this;
    while (c->parentShowHint_ && c->parent_) c = c->parent_;
    return c->showHint_;
}

void TControl::SetParentShowHint(bool v) {
    if (v == parentShowHint_) return;
    parentShowHint_ = v;
    Changed(TProperty::ShowHint);
}

void TControl::SetShowHint(bool v) {
    bool inherited = parentShowHint_;
    parentShowHint_ = false;
    if (v == showHint_ && !inherited) return;
    showHint_ = v;
    Changed(TProperty::ShowHint);
}

const TFont& TControl::Font() const {
    if (parentFont_ && parent_) return parent_->Font();
    return font_;
}

void TControl::SetFont(const TFont& font) {
    bool same = !parentFont_ && font == font_;
    font_ = font;
    parentFont_ = false;
    if (!same) fontChanged();
}

void TControl::SetFontColor(TColor color) {
    TFont f = Font();
    f.Color = color;
    SetFont(f);
}

void TControl::SetFontSize(int size) {
    TFont f = Font();
    f.Size = size;
    SetFont(f);
}

void TControl::SetFontBold(bool bold) {
    TFont f = Font();
    f.Bold = bold;
    SetFont(f);
}

void TControl::SetParentFont(bool v) {
    if (v == parentFont_) return;
    if (!v) font_ = Font();
    parentFont_ = v;
    fontChanged();
}

void TControl::fontChanged() {
    Changed(TProperty::Font);
    if (auto* win = dynamic_cast<TWinControl*>(this))
        for (TControl* child : win->controls_)
            if (child->parentFont_) child->ParentFontChanged();
}

void TControl::ParentFontChanged() { Changed(TProperty::Font); }

void TControl::SetColor(TColor c) {
    if (c == color_) return;
    color_ = c;
    Changed(TProperty::Color);
}

void TControl::SetCursor(TCursor c) {
    if (c == cursor_) return;
    cursor_ = c;
    Changed(TProperty::Cursor);
}

void TControl::ChangeScale(int M, int D) {
    if (M == D) return;
    int x = MulDiv(left_, M, D);
    int y = MulDiv(top_, M, D);
    int w = MulDiv(left_ + width_, M, D) - x;
    int h = MulDiv(top_ + height_, M, D) - y;
    SetBounds(x, y, w, h);
    if (!parentFont_) {
        font_.Size = MulDiv(font_.Size, M, D);
        fontChanged();
    }
}

void TControl::ScaleBy(int M, int D) {
    if (M == D || D == 0) return;
    SetBounds(left_, top_, MulDiv(width_, M, D), MulDiv(height_, M, D));
    // A control on its own keeps the font of its parent; one with its own
    // font is scaled like its size.
    if (!parentFont_) {
        font_.Size = MulDiv(font_.Size, M, D);
        fontChanged();
    }
}

void TControl::Click() {
    TUpDown::ShowPendingPositions();
    if (OnClick) OnClick(this);
}

void TControl::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, b, s, x, y);
}

TMouseActivate TControl::MouseActivate(TMouseButton b, TShiftState s, int x, int y, int hitTest) {
    TMouseActivate result = TMouseActivate::maDefault;
    if (OnMouseActivate) OnMouseActivate(this, b, s, x, y, hitTest, result);
    return result;
}

void TControl::MouseUp(TMouseButton b, TShiftState s, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, b, s, x, y);
}

void TControl::MouseMove(TShiftState s, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, s, x, y);
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
    // The children are destroyed later by their owner; they must not reach
    // back into this half-destroyed parent.
    for (TControl* child : controls_) child->parent_ = nullptr;
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    bool resized = width != Width() || height != Height();
    TControl::SetBounds(left, top, width, height);
    if (resized) Realign();
}

void TWinControl::ChangeScale(int M, int D) {
    if (M == D) return;
    realigning_ = true;  // the scaled children keep their scaled places
    for (TControl* child : controls_) child->ChangeScale(M, D);
    TControl::ChangeScale(M, D);
    realigning_ = false;
    Realign();
}

void TWinControl::ScaleBy(int M, int D) {
    if (M == D || D == 0) return;
    realigning_ = true;
    for (TControl* child : controls_) child->ChangeScale(M, D);
    TControl::ScaleBy(M, D);
    realigning_ = false;
    Realign();
}

void TWinControl::ParentFontChanged() { fontChanged(); }

void TWinControl::Realign() {
    if (realigning_) return;
    realigning_ = true;
    int left = 0, top = 0, right = ClientWidth(), bottom = ClientHeight();
    auto place = [&](TAlign which) {
        for (TControl* c : controls_) {
            if (c->align_ != which || !c->visible_) continue;
            switch (which) {
            case TAlign::alTop:
                c->SetBounds(left, top, right - left, c->height_);
                top += c->height_;
                break;
            case TAlign::alBottom:
                c->SetBounds(left, bottom - c->height_, right - left, c->height_);
                bottom -= c->height_;
                break;
            case TAlign::alLeft:
                c->SetBounds(left, top, c->width_, bottom - top);
                left += c->width_;
                break;
            case TAlign::alRight:
                c->SetBounds(right - c->width_, top, c->width_, bottom - top);
                right -= c->width_;
                break;
            case TAlign::alClient:
                c->SetBounds(left, top, right - left, bottom - top);
                break;
            case TAlign::alNone:
                break;
            }
        }
    };
    place(TAlign::alTop);
    place(TAlign::alBottom);
    place(TAlign::alLeft);
    place(TAlign::alRight);
    place(TAlign::alClient);
    realigning_ = false;
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}
