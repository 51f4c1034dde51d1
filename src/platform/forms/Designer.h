#pragma once
// Building a window as a designer would: a control of a kind, named, on a
// parent at designer coordinates, with its caption and hint.

#include "platform/forms/Control.h"

#include <string>

template <class T>
T* Place(TComponent* owner, T*& field, const std::string& name, TWinControl* parent, int left, int top,
         int width, int height, const std::string& caption = {}, const std::string& hint = {}) {
    field = owner->Create<T>(name);
    field->SetParent(parent);
    field->SetBounds(left, top, width, height);
    if (!caption.empty()) field->SetCaption(caption);
    if (!hint.empty()) {
        field->SetHint(hint);
        field->SetShowHint(true);
    }
    return field;
}
