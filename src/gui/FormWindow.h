#pragma once
// The Qt window of a form: Qt's menu bar on top, the client area below it,
// where the form's controls sit at their designer coordinates. The close
// box, size, position and state changes go to the form's peer, which lets
// the form decide; Escape presses the form's cancel button, if it has one,
// and closes nothing by itself. While the program waits on a call that
// holds it, the window is laid out and painted at once, but the form hears
// of its new size, place and state only after the wait.

#include <QDialog>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace gui {

class FormPeer;

class FormWindow : public QDialog {
    Q_OBJECT
public:
    explicit FormWindow(FormPeer& peer);

    QWidget* client() const { return client_; }
    // Puts a menu bar on top (nullptr: none). Its height follows the font
    // its menus are drawn in (a Chinese caption is taller than a Latin one),
    // and its font shrinks when the menus would not fit side by side, so
    // every menu shows in the bar, none behind its overflow mark.
    void setMenuBar(QMenuBar* bar);
    QMenuBar* menuBar() const { return menuBar_; }
    int menuBarHeight() const { return menuBar_ ? menuBarHeight_ : 0; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutParts();
    void fitMenuBar();
    // Tells the peer of a change of size, place or state, now or after the
    // wait.
    void report(void (FormPeer::*what)());

    FormPeer& peer_;
    QWidget* client_;
    QPointer<QMenuBar> menuBar_;
    int menuBarHeight_ = 0;
    bool menuFitPending_ = false;
    bool fittingMenu_ = false;
    QTimer reportLater_;
};

} // namespace gui
