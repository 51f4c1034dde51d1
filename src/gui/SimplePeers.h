#pragma once
// Labels and images: controls without a window of their own in the
// library, so their click is made of the mouse's press and release.

#include "gui/Peer.h"

#include "platform/forms/StdCtrls.h"

class QLabel;

namespace gui {

// A label's caption without its accelerator marks. A single-line label
// sizes itself to its caption as the library's labels do (a translated
// caption is often longer than the designed one), but grows no further than
// the next control to its right or its parent's edge, so it never paints
// over a neighbour; a word-wrapping one keeps its size. A caption that
// still does not fit is drawn smaller, or cut.
class LabelPeer : public ControlPeer {
public:
    explicit LabelPeer(TLabel& label);
    TLabel& label() const { return static_cast<TLabel&>(control()); }
    QLabel* qtLabel() const;
    void neighbourChanged() override { syncBounds(); }

protected:
    void syncBounds() override;
    void syncText() override;
    void syncFont() override;
    void syncColor() override;

private:
    // The width the label may take from its left edge.
    int room() const;

    bool blank_ = true;
};

// An image shows its picture file at the top left, unscaled.
class ImagePeer : public ControlPeer {
public:
    explicit ImagePeer(TImage& image);
    TImage& image() const { return static_cast<TImage&>(control()); }

protected:
    void sync(TProperty property) override;
};

} // namespace gui
