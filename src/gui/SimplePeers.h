#pragma once
// Labels and images: controls without a window of their own in the
// library, so their click is made of the mouse's press and release.

#include "gui/CaptionFit.h"
#include "gui/Peer.h"

#include "platform/forms/StdCtrls.h"

#include <vector>

class QLabel;

namespace gui {

// A label's caption without its accelerator marks. A single-line label
// sizes itself to its caption as the library's labels do (a translated
// caption is often longer than the designed one), but grows no further than
// the next control to its right or its parent's edge, so it never paints
// over a neighbour; a word-wrapping one keeps its size. A caption that
// still does not fit is drawn smaller, or cut; the other labels of its
// column (same parent, left edge, width and font) are drawn as small.
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
    // The measured labels of the column at `left` with `width` and `font`.
    std::vector<LabelPeer*> columnMates(int left, int width, const TFont& font) const;
    std::vector<LabelPeer*> columnMates() const;
    // Draws the caption as measured, in the smallest size its column needs.
    void render(const std::vector<LabelPeer*>& mates);

    bool blank_ = true;
    bool measured_ = false;
    int width_ = 0;
    FittedCaption fit_;
    int needed_ = 0;  // the pixel size the caption needs on its own
    // Where it stood when last measured: the column it may have left.
    int columnLeft_ = 0, columnWidth_ = 0;
    TFont columnFont_;
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
