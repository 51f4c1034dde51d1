#include "gui/SimplePeers.h"

#include "gui/Appearance.h"
#include "gui/Text.h"

#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace gui {

LabelPeer::LabelPeer(TLabel& label) : ControlPeer(label, new QLabel) {
    qtLabel()->setTextFormat(Qt::PlainText);
    qtLabel()->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    watchInput(*qtLabel(), Input::Mouse | Input::Clicks);
}

QLabel* LabelPeer::qtLabel() const { return static_cast<QLabel*>(widget()); }

void LabelPeer::syncBounds() {
    const TLabel& l = label();
    int width = l.Width();
    if (!l.WordWrap) width = std::max(width, qtLabel()->sizeHint().width());
    widget()->setGeometry(l.Left(), l.Top(), width, l.Height());
}

void LabelPeer::syncText() {
    qtLabel()->setWordWrap(label().WordWrap);
    qtLabel()->setText(WithoutAccelerators(label().Caption()));
    syncBounds();
}

void LabelPeer::syncFont() {
    ControlPeer::syncFont();
    syncBounds();
}

void LabelPeer::syncColor() {
    ApplyBackground(*widget(), label().Color(), QPalette::Window, !label().Transparent);
}

ImagePeer::ImagePeer(TImage& image) : ControlPeer(image, new QLabel) {
    static_cast<QLabel*>(widget())->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    watchInput(*widget(), Input::Mouse | Input::Clicks);
}

void ImagePeer::sync(TProperty property) {
    if (property != TProperty::Picture) {
        ControlPeer::sync(property);
        return;
    }
    auto* view = static_cast<QLabel*>(widget());
    if (!view) return;
    const std::string& file = image().PictureFile();
    view->setPixmap(file.empty() ? QPixmap() : QPixmap(ToQt(file)));
}

} // namespace gui
