#pragma once
// Buttons, check boxes and radio groups: Qt's click goes through the
// control, so OnClick and a button's modal result act as in tests.

#include "gui/Peer.h"

#include "platform/forms/StdCtrls.h"

#include <vector>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace gui {

// A push button (TButton, TBitBtn). It is never a default button: Enter
// in an edit presses nothing, as in the library.
class ButtonPeer : public ControlPeer {
public:
    explicit ButtonPeer(TButtonControl& button);
    ButtonPeer(TButtonControl& button, QAbstractButton* widget);
    TButtonControl& button() const { return static_cast<TButtonControl&>(control()); }

protected:
    void sync(TProperty property) override;
    void syncText() override;
    void syncFont() override;
    void syncBounds() override;
    void syncGlyph();
    // Draws the caption within the button: smaller, or cut.
    void fitCaption();
};

// A speed button takes no focus, so clicking it leaves the focused edit
// where it is (no OnExit).
class SpeedButtonPeer : public ButtonPeer {
public:
    explicit SpeedButtonPeer(TSpeedButton& button);
};

class CheckBoxPeer : public ControlPeer {
public:
    explicit CheckBoxPeer(TCheckBox& box);
    TCheckBox& box() const { return static_cast<TCheckBox&>(control()); }
    QCheckBox* checkBox() const;

protected:
    void sync(TProperty property) override;
    void syncText() override;
    void syncFont() override;
    void syncBounds() override;
    void syncColor() override;

private:
    void fitCaption();
};

// A group box of radio buttons, one per item, laid out in columns as the
// library lays them out.
class RadioGroupPeer : public ControlPeer {
public:
    explicit RadioGroupPeer(TRadioGroup& group);
    TRadioGroup& group() const { return static_cast<TRadioGroup&>(control()); }
    QGroupBox* groupBox() const;
    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

protected:
    void sync(TProperty property) override;
    void syncBounds() override;
    void syncText() override;
    void syncFont() override;

private:
    void rebuild();
    void arrange();
    void fitCaptions();
    void syncIndex();

    QButtonGroup* buttonGroup_;
    std::vector<QRadioButton*> buttons_;
};

} // namespace gui
