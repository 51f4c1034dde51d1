#pragma once
// The peer of a form: a top-level window whose outer size, position and
// state follow the form's and report back to it, its caption, its menu,
// non-modal show and hide, the modal run until the form's ModalResult is
// set, and the close box, which asks the form to close (a busy form closes
// when it says so).

#include "gui/Peer.h"
#include "gui/WindowFrame.h"

#include "platform/forms/Form.h"

#include <deque>

namespace gui {

class FormWindow;

class FormPeer : public ControlPeer {
public:
    explicit FormPeer(TForm& form);

    TForm& form() const { return static_cast<TForm&>(*component()); }
    FormWindow* window() const;
    QWidget* container() const override;
    void place() override {}
    WindowFrame frame() const;

    // Runs the window modally until the form has a result, hides or closes.
    void execModal();

    // What the window reports.
    void closeRequested();
    // The Escape key: the form's cancel button is pressed; a modal window
    // without one closes as by its close box.
    void escapePressed();
    void windowResized();
    // The menu bar's height changed: the window grows or shrinks by as much,
    // so the client area keeps its size.
    void menuBarResized();
    void windowMoved();
    void windowStateChanged();

protected:
    void sync(TProperty property) override;
    void syncBounds() override;
    void syncVisible() override;
    void syncText() override;
    void syncColor() override;

private:
    void syncMenu();
    void syncState();
    void placeOnScreen();

    // Sizes asked of the window whose resize has not come back yet; a
    // window system may report them late, after a newer one was asked.
    std::deque<QSize> requested_;
    TMainMenu* menu_ = nullptr;
    bool inExec_ = false;
    bool placed_ = false;
};

} // namespace gui
