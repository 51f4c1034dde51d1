#include "gui/SimplePeers.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"
#include "gui/Text.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

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

void LabelPeer::syncBounds() {
    const TLabel& l = label();
    const QString whole = WithoutAccelerators(l.Caption());
    const QFont font = ToQFont(l.Font());
    int width = l.Width();
    FittedCaption fit;
    if (l.WordWrap) {
        fit = FitCaption(whole, false, font, minimumCaptionPixels(), FitsWrapped(QSize(width, l.Height())));
    } else {
        const int natural = QFontMetrics(font).horizontalAdvance(whole) + 1;
        int limit = room();
        if (limit <= 0) limit = width;  // placed off its parent: as designed
        width = std::min(std::max(width, natural), limit);
        fit = FitCaption(whole, false, font, minimumCaptionPixels(), FitsOnOneLine(width));
    }
    const QFont shown = fit.fontFrom(font);
    qtLabel()->setFont(shown);
    // A smaller line sits on the baseline of the full-size one, in line
    // with the captions beside it.
    const int drop = l.WordWrap ? 0 : QFontMetrics(font).ascent() - QFontMetrics(shown).ascent();
    qtLabel()->setContentsMargins(0, std::max(drop, 0), 0, 0);
    if (qtLabel()->text() != fit.text) qtLabel()->setText(fit.text);
    widget()->setGeometry(l.Left(), l.Top(), width, l.Height());
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
