#include "gui/FormPeer.h"

#include "gui/Appearance.h"
#include "gui/Attach.h"
#include "gui/FormWindow.h"
#include "gui/Guard.h"
#include "gui/MenuPeers.h"
#include "gui/Text.h"

#include "platform/forms/Application.h"
#include "platform/forms/StdCtrls.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace gui {

namespace {

TWindowState fromQt(Qt::WindowStates states) {
    if (states & Qt::WindowMinimized) return TWindowState::wsMinimized;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
}

Qt::WindowStates toQt(TWindowState state, Qt::WindowStates current) {
    current &= ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    switch (state) {
    case TWindowState::wsMinimized: return current | Qt::WindowMinimized;
    case TWindowState::wsMaximized: return current | Qt::WindowMaximized;
    case TWindowState::wsNormal: break;
    }
    return current;
}

} // namespace

FormPeer::FormPeer(TForm& form) : ControlPeer(form, new FormWindow(*this)) {
    watchInput(*window()->client(), Input::Mouse | Input::Clicks);
}

FormWindow* FormPeer::window() const { return static_cast<FormWindow*>(widget()); }

QWidget* FormPeer::container() const { return window() ? window()->client() : nullptr; }

WindowFrame FormPeer::frame() const {
    WindowFrame f;
    f.hasMenu = form().Menu() != nullptr;
    f.menuBarHeight = window() ? window()->menuBarHeight() : 0;
    return f;
}

void FormPeer::sync(TProperty property) {
    if (!window()) return;
    switch (property) {
    case TProperty::WindowState: syncState(); break;
    case TProperty::ModalResult:
        if (inExec_ && form().ModalResult() != mrNone) window()->done(form().ModalResult());
        break;
    case TProperty::Other:
        // The menu was set, or the window closed for good.
        syncMenu();
        if (form().Closed()) window()->hide();
        break;
    default: ControlPeer::sync(property); break;
    }
}

void FormPeer::syncBounds() {
    FormWindow* w = window();
    // A maximised or minimised window has the size the window system gives
    // it; the form learns it from there.
    if (w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) return;
    const TForm& f = form();
    QSize size = frame().windowSize(f.Width(), f.Height());
    if (w->size() != size) {
        requested_.push_back(size);
        if (requested_.size() > 8) requested_.pop_front();
        w->resize(size);
    }
    if (w->pos() != QPoint(f.Left(), f.Top())) w->move(f.Left(), f.Top());
}

void FormPeer::windowResized() {
    if (!component()) return;
    QSize size = window()->size();
    auto echo = std::find(requested_.begin(), requested_.end(), size);
    if (echo != requested_.end()) {
        bool newerPending = echo + 1 != requested_.end();
        requested_.erase(requested_.begin(), echo + 1);
        if (newerPending) return;
    } else {
        requested_.clear();
    }
    const TForm& f = form();
    WindowFrame fr = frame();
    if (size == fr.windowSize(f.Width(), f.Height())) return;
    QSize outer = fr.outerSize(size);
    Guarded([&] { form().SetBounds(f.Left(), f.Top(), outer.width(), outer.height()); });
}

void FormPeer::menuBarResized() {
    if (component()) syncBounds();
}

void FormPeer::windowMoved() {
    if (!component()) return;
    QPoint p = window()->pos();
    const TForm& f = form();
    if (p != QPoint(f.Left(), f.Top())) Guarded([&] { form().SetBounds(p.x(), p.y(), f.Width(), f.Height()); });
}

void FormPeer::windowStateChanged() {
    if (!component()) return;
    TWindowState state = fromQt(window()->windowState());
    if (state != form().WindowState()) Guarded([&] { form().SetWindowState(state); });
}

void FormPeer::syncState() {
    FormWindow* w = window();
    Qt::WindowStates wanted = toQt(form().WindowState(), w->windowState());
    // Back to normal, the window system restores the normal size and
    // reports it; the form's size meanwhile is the maximised one.
    if (wanted != w->windowState()) w->setWindowState(wanted);
}

void FormPeer::syncVisible() {
    FormWindow* w = window();
    const TForm& f = form();
    if (!f.Visible() || f.Closed()) {
        w->hide();
        return;
    }
    // A modal window is shown by its modal run.
    if (f.Modal() || w->isVisible()) return;
    placeOnScreen();
    w->show();
    w->raise();
    w->activateWindow();
}

void FormPeer::syncText() { window()->setWindowTitle(ToQt(form().Caption())); }

void FormPeer::syncColor() { ApplyBackground(*window()->client(), form().Color(), QPalette::Window, true); }

void FormPeer::syncMenu() {
    TMainMenu* menu = form().Menu();
    FormWindow* w = window();
    if (menu == menu_ && (menu == nullptr) == (w->menuBar() == nullptr)) return;
    menu_ = menu;
    QMenuBar* bar = nullptr;
    if (menu)
        if (auto* peer = dynamic_cast<MainMenuPeer*>(Attach(*menu))) bar = peer->bar();
    w->setMenuBar(bar);
    syncBounds();
}

void FormPeer::placeOnScreen() {
    if (placed_) return;
    placed_ = true;
    TForm& f = form();
    if (f.Position == TPosition::poDesigned) return;
    QRect area;
    QWidget* mainWindow = Application && Application->MainForm && Application->MainForm != &f
                              ? WindowOf(*Application->MainForm)
                              : nullptr;
    if (f.Position == TPosition::poMainFormCenter && mainWindow && mainWindow->isVisible()) {
        area = mainWindow->frameGeometry();
    } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    int left = area.left() + (area.width() - f.Width()) / 2;
    int top = area.top() + (area.height() - f.Height()) / 2;
    Guarded([&] { f.SetBounds(left, top, f.Width(), f.Height()); });
}

void FormPeer::execModal() {
    FormWindow* w = window();
    if (!w || form().ModalResult() != mrNone) return;
    // Modality takes effect when a window is shown.
    if (w->isVisible()) w->hide();
    placeOnScreen();
    // Kept above the window it was opened from, and off the task bar.
    if (Application && Application->MainForm && Application->MainForm != &form()) {
        QWidget* main = WindowOf(*Application->MainForm);
        w->winId();
        if (main && main->windowHandle() && w->windowHandle() && main != w)
            w->windowHandle()->setTransientParent(main->windowHandle());
    }
    inExec_ = true;
    w->exec();
    inExec_ = false;
}

void FormPeer::closeRequested() {
    if (component()) Guarded([&] { form().Close(); });
}

namespace {

TButtonControl* cancelButton(const TWinControl& parent) {
    for (TControl* c : parent.ControlList()) {
        if (!c->Visible() || !c->Enabled()) continue;
        if (auto* button = dynamic_cast<TButtonControl*>(c); button && button->Cancel) return button;
        if (auto* inner = dynamic_cast<TWinControl*>(c))
            if (TButtonControl* found = cancelButton(*inner)) return found;
    }
    return nullptr;
}

}  // namespace

void FormPeer::escapePressed() {
    if (!component()) return;
    if (TButtonControl* button = cancelButton(form())) {
        Guarded([&] { button->Click(); });
    } else if (form().Modal()) {
        // A dialog without a cancel button is left as its close box leaves it.
        closeRequested();
    }
}

} // namespace gui
