#pragma once
// A menu shortcut (virtual key and modifiers) as Qt's key sequence.

#include "platform/forms/Types.h"

#include <QKeySequence>

namespace gui {

QKeySequence ToQKeySequence(TShortCut shortCut);

} // namespace gui
