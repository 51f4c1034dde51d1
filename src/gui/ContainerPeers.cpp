#include "gui/ContainerPeers.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"
#include "gui/Text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace gui {

PanelWidget::PanelWidget() { setFrameStyle(QFrame::Panel | QFrame::Raised); }

void PanelWidget::setCaption(const QString& caption, const QFont& font) {
    if (caption == caption_ && font == captionFont_) return;
    caption_ = caption;
    captionFont_ = font;
    update();
}

void PanelWidget::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (caption_.isEmpty()) return;
    QPainter painter(this);
    painter.setFont(captionFont_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

PanelPeer::PanelPeer(TPanel& panel) : ControlPeer(panel, new PanelWidget) {
    watchInput(*widget(), Input::Mouse | Input::Clicks);
}

namespace {

// Room kept free inside a panel's bevel.
constexpr int kPanelPadding = 2;

}  // namespace

void PanelPeer::syncText() {
    auto* w = static_cast<PanelWidget*>(widget());
    const QString whole = WithoutAccelerators(panel().Caption());
    const QFont font = ToQFont(panel().Font());
    const int room = panel().Width() - 2 * (w->frameWidth() + kPanelPadding);
    FittedCaption fit = FitCaption(whole, false, font, minimumCaptionPixels(), FitsOnOneLine(room));
    w->setCaption(fit.text, fit.fontFrom(font));
    setCaptionCut(fit.elided ? whole : QString());
}

void PanelPeer::syncFont() {
    ControlPeer::syncFont();
    syncText();
}

void PanelPeer::syncBounds() {
    ControlPeer::syncBounds();
    syncText();
}

void PanelPeer::syncColor() { ApplyBackground(*widget(), panel().Color(), QPalette::Window, true); }

GroupBoxPeer::GroupBoxPeer(TGroupBox& box) : ControlPeer(box, new QGroupBox) {
    watchInput(*widget(), Input::Mouse | Input::Clicks);
}

QGroupBox* GroupBoxPeer::groupBox() const { return static_cast<QGroupBox*>(widget()); }

void GroupBoxPeer::syncText() {
    setCaptionCut(FitGroupBoxTitle(*groupBox(), WithoutAccelerators(box().Caption()), ToQFont(box().Font()),
                                   box().Width(), minimumCaptionPixels()));
}

void GroupBoxPeer::syncFont() {
    ControlPeer::syncFont();
    syncText();
}

void GroupBoxPeer::syncBounds() {
    ControlPeer::syncBounds();
    syncText();
}

void GroupBoxPeer::syncColor() { ApplyBackground(*widget(), box().Color(), QPalette::Window, true); }

namespace {

// A panel's text may be longer than the panel (a failure text with the
// library's detail, say): the panel under the mouse shows the whole of it as
// its tooltip. The panels let the mouse through to the bar, so the bar asks.
class PanelToolTips : public QObject {
public:
    explicit PanelToolTips(QWidget* bar) : QObject(bar) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* bar = static_cast<QWidget*>(watched);
        auto* help = static_cast<QHelpEvent*>(event);
        for (QLabel* panel : bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (!panel->geometry().contains(help->pos()) || panel->text().isEmpty()) continue;
            QToolTip::showText(help->globalPos(), panel->text(), bar, panel->geometry());
            return true;
        }
        return false;  // no text: the bar's own hint, if any
    }
};

} // namespace

StatusBarPeer::StatusBarPeer(TStatusBar& bar) : ControlPeer(bar, new QWidget) {
    watchInput(*widget(), Input::Mouse | Input::Clicks);
    widget()->installEventFilter(new PanelToolTips(widget()));
}

void StatusBarPeer::sync(TProperty property) {
    if (property == TProperty::Panels && widget()) syncPanels();
    else ControlPeer::sync(property);
}

void StatusBarPeer::syncPanels() {
    const TStatusBar& b = bar();
    // Without panels the bar shows its caption in one.
    int count = std::max(b.PanelCount(), 1);
    while (static_cast<int>(panels_.size()) > count) {
        delete panels_.back();
        panels_.pop_back();
    }
    while (static_cast<int>(panels_.size()) < count) {
        auto* label = new QLabel(widget());
        label->setTextFormat(Qt::PlainText);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->show();
        panels_.push_back(label);
    }
    if (b.PanelCount() == 0) panels_[0]->setText(ToQt(b.Caption()));
    for (int i = 0; i < b.PanelCount(); ++i) panels_[static_cast<size_t>(i)]->setText(ToQt(b.Panels(i).Text));
    arrange();
}

void StatusBarPeer::arrange() {
    const TStatusBar& b = bar();
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        bool last = i + 1 == panels_.size();
        int width = last || b.PanelCount() == 0 ? std::max(b.Width() - x, 0) : b.Panels(static_cast<int>(i)).Width;
        panels_[i]->setGeometry(x, 0, width, b.Height());
        x += width;
    }
}

void StatusBarPeer::syncBounds() {
    ControlPeer::syncBounds();
    arrange();
}

void StatusBarPeer::syncText() {
    if (bar().PanelCount() == 0) syncPanels();
}

} // namespace gui
