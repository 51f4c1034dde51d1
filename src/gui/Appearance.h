#pragma once
// The library's colours, fonts and cursors as Qt's.

#include "platform/forms/Control.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QPalette>

#include <optional>

class QWidget;

namespace gui {

// A plain colour as it is; a system colour as the application palette's
// colour for it.
QColor ToQColor(TColor color);
// The palette role a system colour stands for, or nothing for a plain one.
std::optional<QPalette::ColorRole> SystemColorRole(TColor color);

// Sizes are designer pixels at 96 dots per inch, like the geometry, so the
// font is sized in pixels: text fits the designed controls on any screen.
QFont ToQFont(const TFont& font);

// Nothing for the default cursor, which the widget's own kind decides.
std::optional<QCursor> ToQCursor(TCursor cursor);

// Paints the widget's background with the colour (the palette's own for the
// system colour the widget has by default).
void ApplyBackground(QWidget& widget, TColor color, QPalette::ColorRole role, bool fill);
// The text colours of the widget in its active and inactive state; the
// disabled state keeps the style's greyed text.
void ApplyTextColor(QWidget& widget, TColor color);

} // namespace gui
