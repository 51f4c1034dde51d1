#pragma once
// The shapes the main window's pages repeat: a check box, a counter (an
// edit with its up-down) and a label, at designer coordinates.

#include "app/DataLabelTag.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Designer.h"

constexpr int kEditHeight = 21;
constexpr int kCheckHeight = 17;
constexpr int kLabelHeight = 16;
constexpr int kButtonHeight = 25;
constexpr int kUpDownWidth = 16;

inline TCheckBox* PlaceCheck(TComponent* owner, TCheckBox*& field, const char* name, TWinControl* parent, int left,
                             int top, int width, const std::string& caption, bool checked,
                             const std::string& hint = {}) {
    Place(owner, field, name, parent, left, top, width, kCheckHeight, caption, hint);
    field->SetChecked(checked);
    return field;
}

// An edit showing an up-down's position; the up-down sits right of it.
inline TUpDown* PlaceCounter(TComponent* owner, TEdit*& edit, const char* editName, TUpDown*& upDown,
                             const char* upDownName, TWinControl* parent, int left, int top, int min, int max,
                             int position, int editWidth = 36, const std::string& editHint = {}) {
    Place(owner, edit, editName, parent, left, top, editWidth, kEditHeight, {}, editHint);
    Place(owner, upDown, upDownName, parent, left + editWidth, top, kUpDownWidth, kEditHeight);
    upDown->SetMin(min);
    upDown->SetMax(max);
    upDown->SetAssociate(edit);
    upDown->SetPosition(position);
    return upDown;
}

inline TLabel* PlaceLabel(TComponent* owner, TLabel*& field, const char* name, TWinControl* parent, int left,
                          int top, int width, const std::string& caption, int lines = 1) {
    Place(owner, field, name, parent, left, top, width, kLabelHeight * lines, caption);
    if (lines > 1) field->WordWrap = true;
    return field;
}
