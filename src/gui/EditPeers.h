#pragma once
// Text input: edits, memos (and rich edits, which the program uses as
// plain text buffers) and combo boxes. What the user types goes through
// the control's setters, so OnChange fires for every keystroke; what the
// program sets is shown unless the widget already shows it.

#include "gui/Peer.h"

#include "platform/forms/StdCtrls.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace gui {

class EditPeer : public ControlPeer {
public:
    explicit EditPeer(TEdit& edit);
    TEdit& edit() const { return static_cast<TEdit&>(control()); }
    QLineEdit* lineEdit() const;

protected:
    void sync(TProperty property) override;
    void syncText() override;
    void syncColor() override;
};

// A memo's lines, one paragraph each. A hidden memo (a text buffer) is
// brought up to date when it is shown, not at every added line.
class MemoPeer : public ControlPeer {
public:
    explicit MemoPeer(TMemo& memo);
    TMemo& memo() const { return static_cast<TMemo&>(control()); }
    QPlainTextEdit* textEdit() const;

protected:
    void sync(TProperty property) override;
    void syncVisible() override;
    void syncColor() override;

private:
    void syncLines();
    void userEdited();

    bool fromUser_ = false;
    bool stale_ = false;
};

// An editable combo box: typing sets the text, choosing an item selects it
// and fires OnChange.
class ComboBoxPeer : public ControlPeer {
public:
    explicit ComboBoxPeer(TComboBox& combo);
    TComboBox& combo() const { return static_cast<TComboBox&>(control()); }
    QComboBox* comboBox() const;

protected:
    void sync(TProperty property) override;
    void syncText() override;
    void syncColor() override;

private:
    void chosen(int index);
};

} // namespace gui
