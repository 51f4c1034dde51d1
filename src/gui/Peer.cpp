#include "gui/Peer.h"

#include "gui/Appearance.h"
#include "gui/Attach.h"
#include "gui/CaptionFit.h"
#include "gui/InputFilter.h"
#include "gui/PaintThrottle.h"
#include "gui/Text.h"

#include "platform/forms/Menus.h"

namespace gui {

Peer::Peer(TComponent& component) : component_(&component) {}

Peer::~Peer() {
    if (PaintThrottle* throttle = PaintThrottle::Holding()) throttle->forget(*this);
    if (component_ && component_->Peer() == this) component_->SetPeer(nullptr);
}

void Peer::PropertyChanged(TComponent&, TProperty property) {
    if (!component_) return;
    // While a long command runs, its changes reach the widgets with the
    // next paint.
    if (PaintThrottle* throttle = PaintThrottle::Holding(); throttle && throttle->holdChange(*this, property)) return;
    sync(property);
}

void Peer::ComponentDestroyed(TComponent& component) {
    if (component.Peer() == this) component.SetPeer(nullptr);
    component_ = nullptr;
    delete this;
}

Peer* PeerOf(const TComponent* component) {
    return component ? dynamic_cast<Peer*>(component->Peer()) : nullptr;
}

QWidget* PeerWidget(const TComponent* component) {
    Peer* peer = PeerOf(component);
    return peer ? peer->widget() : nullptr;
}

ControlPeer::ControlPeer(TControl& control, QWidget* widget) : Peer(control), widget_(widget) {}

ControlPeer::~ControlPeer() {
    InputFilter::Teardown teardown;
    delete widget_.data();
}

QWidget* ControlPeer::container() const {
    return dynamic_cast<TWinControl*>(component()) ? widget_.data() : nullptr;
}

void ControlPeer::adopt(ControlPeer& child) {
    QWidget* w = child.widget();
    QWidget* into = container();
    if (!w || !into) return;
    if (w->parentWidget() != into) w->setParent(into);
    child.syncBounds();
    child.syncVisible();
}

void ControlPeer::place() {
    if (!widget_) return;
    auto* parent = dynamic_cast<ControlPeer*>(PeerOf(control().Parent()));
    if (parent && parent->container()) {
        parent->adopt(*this);
    } else {
        widget_->hide();
        widget_->setParent(nullptr);
    }
}

void ControlPeer::syncAll() {
    // Visible comes last: a widget appears with everything in place.
    static const TProperty all[] = {
        TProperty::Font,      TProperty::Color,      TProperty::Caption,   TProperty::Text,
        TProperty::Items,     TProperty::ItemIndex,  TProperty::Checked,   TProperty::Range,
        TProperty::Position,  TProperty::Lines,      TProperty::Date,      TProperty::ActivePage,
        TProperty::TabVisible, TProperty::Panels,    TProperty::Cells,     TProperty::ReadOnly,
        TProperty::TabWidth,  TProperty::Picture,    TProperty::WindowState, TProperty::Other,
        TProperty::Bounds,    TProperty::Enabled,    TProperty::Hint,      TProperty::Cursor,
        TProperty::Visible,
    };
    for (TProperty p : all) sync(p);
}

void ControlPeer::sync(TProperty property) {
    if (!widget_) return;
    switch (property) {
    case TProperty::Bounds:
    case TProperty::Align: {
        const QRect before = widget_->geometry();
        syncBounds();
        // The labels on its left grow up to it: those of the row it left
        // and of the row it came to measure their room again. A scaled
        // page moves its controls one by one, and a label placed before its
        // neighbours would keep the room it saw between them and the
        // unmoved ones.
        if (widget_->geometry() != before && control().Visible()) {
            tellNeighbours(before);
            tellNeighbours();
        }
        break;
    }
    case TProperty::Visible:
        syncVisible();
        tellNeighbours();
        break;
    case TProperty::Enabled: widget_->setEnabled(control().Enabled()); break;
    case TProperty::Caption:
    case TProperty::Text: syncText(); break;
    case TProperty::Hint: syncHint(); break;
    case TProperty::ShowHint: cascadeHint(); break;
    case TProperty::Font: syncFont(); break;
    case TProperty::Color: syncColor(); break;
    case TProperty::Cursor:
        if (auto cursor = ToQCursor(control().Cursor())) widget_->setCursor(*cursor);
        else widget_->unsetCursor();
        break;
    case TProperty::Parent: place(); break;
    case TProperty::Controls: attachChildren(); break;
    case TProperty::Components: attachOwned(); break;
    default: break;
    }
}

void ControlPeer::syncBounds() {
    const TControl& c = control();
    widget_->setGeometry(c.Left(), c.Top(), c.Width(), c.Height());
}

void ControlPeer::syncVisible() {
    // A widget without a parent would become a window of its own.
    widget_->setVisible(control().Visible() && widget_->parentWidget());
}

void ControlPeer::tellNeighbours() {
    const TControl& c = control();
    tellNeighbours(QRect(c.Left(), c.Top(), c.Width(), c.Height()));
}

void ControlPeer::tellNeighbours(const QRect& area) {
    const TControl& c = control();
    const TWinControl* parent = c.Parent();
    if (!parent || area.isEmpty()) return;
    for (TControl* other : parent->ControlList()) {
        if (other == &c || other->Left() >= area.left()) continue;
        if (other->Top() >= area.top() + area.height() || area.top() >= other->Top() + other->Height()) continue;
        if (auto* peer = dynamic_cast<ControlPeer*>(PeerOf(other))) peer->neighbourChanged();
    }
}

void ControlPeer::syncFont() {
    const TFont& font = control().Font();
    widget_->setFont(ToQFont(font));
    ApplyTextColor(*widget_, font.Color);
}

void ControlPeer::syncColor() {}

void ControlPeer::syncHint() {
    if (!widget_) return;
    widget_->setToolTip(ToolTipWith(captionCut_, control().HintShown() ? ShortHint(control().Hint()) : QString()));
}

void ControlPeer::setCaptionCut(const QString& wholeCaption) {
    if (wholeCaption == captionCut_) return;
    captionCut_ = wholeCaption;
    syncHint();
}

int ControlPeer::minimumCaptionPixels() const {
    const TControl* window = &control();
    while (window->Parent()) window = window->Parent();
    return MinimumCaptionPixels(ToQFont(window->Font()));
}

void ControlPeer::cascadeHint() {
    syncHint();
    if (auto* win = dynamic_cast<TWinControl*>(&control()))
        for (TControl* child : win->ControlList())
            if (auto* peer = dynamic_cast<ControlPeer*>(PeerOf(child))) peer->cascadeHint();
}

void ControlPeer::attachChildren() {
    if (auto* win = dynamic_cast<TWinControl*>(&control()))
        for (TControl* child : win->ControlList())
            if (!child->Peer()) Attach(*child);
}

void ControlPeer::attachOwned() {
    for (TComponent* owned : control().ComponentList()) {
        if (owned->Peer() || dynamic_cast<TControl*>(owned) || dynamic_cast<TMenuItem*>(owned)) continue;
        Attach(*owned);
    }
}

void ControlPeer::watchInput(QWidget& source, unsigned input) {
    if (!filter_) filter_ = new InputFilter(*this, widget_);
    filter_->watch(source, input);
}

} // namespace gui
