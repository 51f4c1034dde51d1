#pragma once
// A view peer: the Qt side of one headless component. It mirrors every
// property change of the component into its widget and feeds the user's
// input back through the component's setters, so that the same events fire
// as in tests. A peer lives as long as its component and takes its widget
// with it.

#include "gui/InputFilter.h"
#include "platform/forms/Control.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>

namespace gui {

class Peer : public TViewPeer {
public:
    explicit Peer(TComponent& component);
    ~Peer() override;
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    // The component; nullptr once it is gone.
    TComponent* component() const { return component_; }
    // The widget that shows the component, if it has one.
    virtual QWidget* widget() const { return nullptr; }
    // Brings the whole view up to the component's state.
    virtual void syncAll() = 0;

    void PropertyChanged(TComponent& component, TProperty property) final;
    void ComponentDestroyed(TComponent& component) final;
    // Shows one property's state, a change held back until now.
    void show(TProperty property) {
        if (component_) sync(property);
    }

protected:
    virtual void sync(TProperty property) = 0;

private:
    friend class PaintThrottle;

    TComponent* component_;
    // The properties whose changes wait for the next paint (PaintThrottle).
    std::uint64_t heldChanges_ = 0;
};

// The front end's peer of a component, if it has one, and its widget.
Peer* PeerOf(const TComponent* component);
QWidget* PeerWidget(const TComponent* component);

// Whether two controls share a row: some line across the parent meets both.
// A label grows towards the next control it shares a row with on its right.
inline bool SideBySide(const TControl& a, const TControl& b) {
    return a.Top() < b.Top() + b.Height() && b.Top() < a.Top() + a.Height();
}

// The peer of a visible control: geometry, visibility, enabled state, font,
// colours, cursor and hint, the mouse events every control has, and the
// widgets of the controls on it.
class ControlPeer : public Peer {
public:
    ControlPeer(TControl& control, QWidget* widget);
    ~ControlPeer() override;

    TControl& control() const { return static_cast<TControl&>(*component()); }
    QWidget* widget() const override { return widget_; }
    // Where the widgets of the controls on this one go; nullptr for a
    // control that holds none.
    virtual QWidget* container() const;
    // Takes the widget of a control put on this one.
    virtual void adopt(ControlPeer& child);
    // Puts the widget where the control's parent shows it, or out of sight
    // while the parent shows nothing.
    virtual void place();

    void syncAll() override;
    // A hint shows as a tooltip while the control's HintShown() says so.
    void syncHint();
    // A control on the same parent, right of this one, appeared or went.
    virtual void neighbourChanged() {}

protected:
    void sync(TProperty property) override;
    virtual void syncBounds();
    virtual void syncVisible();
    virtual void syncText() {}
    virtual void syncFont();
    virtual void syncColor();

    // A caption drawn cut shows whole in the tooltip, before the hint;
    // an empty text: the caption is drawn whole.
    void setCaptionCut(const QString& wholeCaption);
    // The smallest pixel size the control's caption may shrink to: a part
    // of the window's font, so every caption of a window stays readable.
    int minimumCaptionPixels() const;
    // Tells the labels on its left in its row that what it takes of the row
    // changed (it appeared, went, moved, or drew nothing before); or those
    // on the left of a place it took before.
    void tellNeighbours();
    void tellNeighbours(const QRect& area);

    // Passes the user's input (a combination of Input's kinds) from the
    // widget or one of its parts on to the control.
    void watchInput(QWidget& source, unsigned input);

private:
    void attachChildren();
    void attachOwned();
    void cascadeHint();

    QPointer<QWidget> widget_;
    InputFilter* filter_ = nullptr;
    QString captionCut_;
};

} // namespace gui
