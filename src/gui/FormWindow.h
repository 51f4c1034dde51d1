#pragma once
// The Qt window of a form: Qt's menu bar on top, the client area below it,
// where the form's controls sit at their designer coordinates. The close
// box, size, position and state changes go to the form's peer, which lets
// the form decide; Escape presses the form's cancel button, if it has one,
// and closes nothing by itself.

#include <QDialog>
#include <QMenuBar>
#include <QPointer>

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

    FormPeer& peer_;
    QWidget* client_;
    QPointer<QMenuBar> menuBar_;
    int menuBarHeight_ = 0;
    bool menuFitPending_ = false;
    bool fittingMenu_ = false;
};

} // namespace gui
