#include "gui/FormWindow.h"

#include "gui/FormPeer.h"

#include "gui/CaptionFit.h"
#include "gui/OneControlInput.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QMenuBar>
#include <QTimer>

namespace gui {

FormWindow::FormWindow(FormPeer& peer) : QDialog(nullptr), peer_(peer), client_(new QWidget(this)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setSizeGripEnabled(false);
    // A tick after the wait: a timer's ticks wait with the program.
    reportLater_.setSingleShot(true);
    reportLater_.setInterval(0);
    connect(&reportLater_, &QTimer::timeout, this, [this] {
        peer_.windowStateChanged();
        peer_.windowResized();
        peer_.windowMoved();
    });
}

void FormWindow::report(void (FormPeer::*what)()) {
    if (InputOnHold::Active()) {
        reportLater_.start();
        return;
    }
    (peer_.*what)();
}

void FormWindow::setMenuBar(QMenuBar* bar) {
    if (bar == menuBar_) return;
    if (menuBar_) {
        menuBar_->removeEventFilter(this);
        menuBar_->setFont(QFont());
        menuBar_->hide();
        menuBar_->setParent(nullptr);
    }
    menuBar_ = bar;
    if (bar) {
        bar->setParent(this);
        menuBarHeight_ = bar->sizeHint().height();
        bar->installEventFilter(this);
        bar->show();
    }
    layoutParts();
    fitMenuBar();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar_ && !fittingMenu_ && !menuFitPending_) {
        switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionChanged:
        case QEvent::ActionRemoved:
        case QEvent::StyleChange:
        case QEvent::FontChange:
            // The bar takes the change in when the event reaches it; a
            // caption change of every item at a language switch is one fit.
            menuFitPending_ = true;
            QTimer::singleShot(0, this, [this] { fitMenuBar(); });
            break;
        default: break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormWindow::fitMenuBar() {
    menuFitPending_ = false;
    if (!menuBar_) return;
    fittingMenu_ = true;
    // The bar draws in the window's font unless that is too wide for it.
    menuBar_->setFont(QFont());
    const QFont full = menuBar_->font();
    const int size = QFontInfo(full).pixelSize();
    const int smallest = MinimumCaptionPixels(full);
    for (int s = size - 1; s >= smallest && width() > 0 && menuBar_->sizeHint().width() > width(); --s) {
        QFont smaller;
        smaller.setPixelSize(s);
        menuBar_->setFont(smaller);
    }
    fittingMenu_ = false;
    const int height = menuBar_->sizeHint().height();
    if (height == menuBarHeight_) return;
    menuBarHeight_ = height;
    layoutParts();
    peer_.menuBarResized();
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
    if (menuBar_ && event->size().width() != event->oldSize().width()) fitMenuBar();
    report(&FormPeer::windowResized);
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QDialog::moveEvent(event);
    report(&FormPeer::windowMoved);
}

void FormWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) report(&FormPeer::windowStateChanged);
}

} // namespace gui
