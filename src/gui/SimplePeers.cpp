#include "gui/SimplePeers.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"
#include "gui/Text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include <algorithm>
#include <climits>

namespace gui {

LabelPeer::LabelPeer(TLabel& label) : ControlPeer(label, new QLabel) {
    qtLabel()->setTextFormat(Qt::PlainText);
    qtLabel()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    watchInput(*qtLabel(), Input::Mouse | Input::Clicks);
}

QLabel* LabelPeer::qtLabel() const { return static_cast<QLabel*>(widget()); }

namespace {

// Kept free between a grown label and the control it stops at.
constexpr int kNeighbourGap = 3;

// A transparent label without a caption draws nothing (the ticket number's
// while none is stored): the label on its left may grow over it.
bool DrawsNothing(const TControl& control) {
    const auto* label = dynamic_cast<const TLabel*>(&control);
    return label && label->Transparent && label->Caption().empty();
}

}  // namespace

int LabelPeer::room() const {
    const TLabel& l = label();
    const TWinControl* parent = l.Parent();
    if (!parent) return l.Width();
    int room = std::max(parent->ClientWidth() - l.Left(), 0);
    for (const TControl* other : parent->ControlList()) {
        if (other == &l || !other->Visible() || other->Left() <= l.Left() || DrawsNothing(*other)) continue;
        if (SideBySide(*other, l)) room = std::min(room, other->Left() - l.Left() - kNeighbourGap);
    }
    return std::max(room, 0);
}

namespace {

bool SameLook(const TFont& a, const TFont& b) {
    return a.Name == b.Name && a.Size == b.Size && a.Bold == b.Bold && a.Italic == b.Italic &&
           a.Underline == b.Underline;
}

}  // namespace

// Labels stacked at the same left edge with the same width and font, on one
// parent, are a column (the row labels of the tip grid, say): a caption that
// needs a smaller font draws its column in it, so the column stays even.
// Hidden labels count as well, so a column that shows again is even.
std::vector<LabelPeer*> LabelPeer::columnMates(int left, int width, const TFont& font) const {
    std::vector<LabelPeer*> mates;
    const TLabel& l = label();
    if (!l.Parent() || l.WordWrap) return mates;
    for (TControl* other : l.Parent()->ControlList()) {
        auto* mate = dynamic_cast<TLabel*>(other);
        if (!mate || mate == &l || mate->WordWrap || mate->Left() != left || mate->Width() != width ||
            !SameLook(mate->Font(), font))
            continue;
        if (auto* peer = dynamic_cast<LabelPeer*>(PeerOf(mate)); peer && peer->measured_) mates.push_back(peer);
    }
    return mates;
}

std::vector<LabelPeer*> LabelPeer::columnMates() const {
    return columnMates(label().Left(), label().Width(), label().Font());
}

void LabelPeer::syncBounds() {
    const TLabel& l = label();
    const QString whole = WithoutAccelerators(l.Caption());
    const QFont font = ToQFont(l.Font());
    width_ = l.Width();
    if (l.WordWrap) {
        fit_ = FitCaption(whole, false, font, minimumCaptionPixels(), FitsWrapped(QSize(width_, l.Height())));
    } else {
        const int natural = QFontMetrics(font).horizontalAdvance(whole) + 1;
        int limit = room();
        if (limit <= 0) limit = width_;  // placed off its parent: as designed
        width_ = std::min(std::max(width_, natural), limit);
        fit_ = FitCaption(whole, false, font, minimumCaptionPixels(), FitsOnOneLine(width_));
    }
    // An empty caption needs nothing of its column.
    const int needed = whole.isEmpty() ? INT_MAX : fit_.pixelSize;
    const bool moved = measured_ && (columnLeft_ != l.Left() || columnWidth_ != l.Width() ||
                                     !SameLook(columnFont_, l.Font()));
    const bool changed = !measured_ || moved || needed != needed_;
    // The column it left is drawn without it.
    const std::vector<LabelPeer*> left =
        moved ? columnMates(columnLeft_, columnWidth_, columnFont_) : std::vector<LabelPeer*>();
    needed_ = needed;
    measured_ = true;
    columnLeft_ = l.Left();
    columnWidth_ = l.Width();
    columnFont_ = l.Font();
    const std::vector<LabelPeer*> mates = columnMates();
    render(mates);
    // What this caption needs may change what its column is drawn in.
    if (changed) {
        for (LabelPeer* mate : mates) mate->render(mate->columnMates());
        for (LabelPeer* mate : left) mate->render(mate->columnMates());
    }
}

void LabelPeer::render(const std::vector<LabelPeer*>& mates) {
    const TLabel& l = label();
    const QString whole = WithoutAccelerators(l.Caption());
    const QFont font = ToQFont(l.Font());
    FittedCaption fit = fit_;
    for (const LabelPeer* mate : mates) {
        if (mate->needed_ < fit.pixelSize && !whole.isEmpty()) {
            // Smaller than it needs itself: the whole caption fits.
            fit.pixelSize = mate->needed_;
            fit.text = whole;
            fit.elided = false;
        }
    }
    const QFont shown = fit.fontFrom(font);
    qtLabel()->setFont(shown);
    // A smaller line sits on the baseline of the full-size one, in line
    // with the captions beside it.
    const int drop = l.WordWrap ? 0 : QFontMetrics(font).ascent() - QFontMetrics(shown).ascent();
    qtLabel()->setContentsMargins(0, std::max(drop, 0), 0, 0);
    if (qtLabel()->text() != fit.text) qtLabel()->setText(fit.text);
    widget()->setGeometry(l.Left(), l.Top(), width_, l.Height());
    setCaptionCut(fit.elided ? whole : QString());
}

void LabelPeer::syncText() {
    qtLabel()->setWordWrap(label().WordWrap);
    syncBounds();
    // Given a caption, or without one again, it takes or leaves the room of
    // the label on its left.
    if (const bool blank = DrawsNothing(label()); blank != blank_) {
        blank_ = blank;
        tellNeighbours();
    }
}

void LabelPeer::syncFont() {
    ControlPeer::syncFont();
    syncBounds();
}

void LabelPeer::syncColor() {
    ApplyBackground(*widget(), label().Color(), QPalette::Window, !label().Transparent);
}

ImagePeer::ImagePeer(TImage& image) : ControlPeer(image, new QLabel) {
    static_cast<QLabel*>(widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    watchInput(*widget(), Input::Mouse | Input::Clicks);
}

void ImagePeer::sync(TProperty property) {
    if (property != TProperty::Picture) {
        ControlPeer::sync(property);
        return;
    }
    auto* view = static_cast<QLabel*>(widget());
    if (!view) return;
    const std::string& file = image().PictureFile();
    view->setPixmap(file.empty() ? QPixmap() : QPixmap(ToQt(file)));
}

} // namespace gui
