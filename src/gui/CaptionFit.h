#pragma once
// Captions drawn within their controls. The controls keep their designed
// sizes in every language, so a caption longer than its control is drawn in
// a smaller font, down to a readable minimum, and only when it is still too
// long, cut with "…"; the control then shows the whole caption as a tooltip.

#include <QFont>
#include <QSize>
#include <QString>

#include <functional>

class QAbstractButton;
class QGroupBox;
class QWidget;

namespace gui {

struct FittedCaption {
    QString text;       // what the widget is given (accelerator marks kept where they survive)
    int pixelSize = 0;  // the font's pixel size to draw it in
    bool elided = false;

    // `base` at the size the caption is drawn in.
    QFont fontFrom(QFont base) const {
        base.setPixelSize(pixelSize);
        return base;
    }
};

// Whether a text, as it is drawn (accelerator marks removed), fits in a font.
using TextFits = std::function<bool(const QFont&, const QString&)>;

// One line within `room` pixels.
TextFits FitsOnOneLine(int room);
// Word-wrapped lines within `room`.
TextFits FitsWrapped(QSize room);

// The caption in the largest font from `font` down to `minPixelSize` in
// which it fits, else cut to the longest start that fits with "…" in the
// smallest. With `mnemonics`, "&" marks the accelerator as in a button's
// text. A room that holds nothing at all leaves the caption as it is.
FittedCaption FitCaption(const QString& caption, bool mnemonics, const QFont& font, int minPixelSize,
                         const TextFits& fits);

// The smallest pixel size a caption of a window with this font may shrink to.
int MinimumCaptionPixels(const QFont& windowFont);

// The text a widget shows of a caption with "&" marks, as the button draws it.
QString VisibleText(const QString& caption, bool mnemonics);

// The width a button leaves for its text: its contents without the frame,
// the indicator of a check box or radio button, or the icon beside the text.
int ButtonTextRoom(const QAbstractButton& button);

// Gives a group box `width` pixels wide its title within the frame, in the
// box's font or smaller, or cut; the controls in the box keep fonts of
// their own. Returns the whole title when it is drawn cut, else nothing.
QString FitGroupBoxTitle(QGroupBox& box, const QString& title, const QFont& font, int width, int minPixelSize);

// The tooltip of a control: the whole caption when it is drawn cut, then
// the hint.
QString ToolTipWith(const QString& wholeCaption, const QString& hint);

}  // namespace gui
