#include "gui/FormWindow.h"

#include "gui/FormPeer.h"

#include <QCloseEvent>
#include <QMenuBar>

namespace gui {

FormWindow::FormWindow(FormPeer& peer) : QDialog(nullptr), peer_(peer), client_(new QWidget(this)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
}

void FormWindow::setMenuBar(QMenuBar* bar) {
    if (bar == menuBar_) return;
    if (menuBar_) {
        menuBar_->hide();
        menuBar_->setParent(nullptr);
    }
    menuBar_ = bar;
    if (bar) {
        bar->setParent(this);
        menuBarHeight_ = bar->sizeHint().height();
        bar->show();
    }
    layoutParts();
}

void FormWindow::layoutParts() {
    int top = menuBarHeight();
    if (menuBar_) menuBar_->setGeometry(0, 0, width(), top);
    client_->setGeometry(0, top, width(), std::max(height() - top, 0));
}

void FormWindow::reject() { peer_.escapePressed(); }

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides whether and how it closes; it hides the window then.
    event->ignore();
    peer_.closeRequested();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layoutParts();
    peer_.windowResized();
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    peer_.windowMoved();
}

void FormWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) peer_.windowStateChanged();
}

} // namespace gui
