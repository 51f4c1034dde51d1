#include "gui/ButtonPeers.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QIcon>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace gui {

namespace {

QPushButton* plainButton() {
    auto* b = new QPushButton;
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QToolButton* speedButton() {
    auto* b = new QToolButton;
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

// The pictures the buttons name, from the style's own set.
QIcon GlyphIcon(const std::string& name, const QWidget& widget) {
    static const std::pair<const char*, QStyle::StandardPixmap> kGlyphs[] = {
        {"previous", QStyle::SP_ArrowLeft},         {"next", QStyle::SP_ArrowRight},
        {"update", QStyle::SP_BrowserReload},       {"stop", QStyle::SP_BrowserStop},
        {"save", QStyle::SP_DialogSaveButton},      {"open", QStyle::SP_DialogOpenButton},
        {"clear", QStyle::SP_DialogResetButton},    {"edit", QStyle::SP_FileDialogContentsView},
        {"evaluate", QStyle::SP_DialogApplyButton}, {"chart", QStyle::SP_FileDialogDetailedView},
        {"lucky", QStyle::SP_DialogHelpButton},     {"replay", QStyle::SP_MediaPlay},
        {"delete", QStyle::SP_TrashIcon},           {"new", QStyle::SP_FileIcon},
        {"export", QStyle::SP_FileDialogNewFolder},
    };
    for (auto [glyph, pixmap] : kGlyphs)
        if (name == glyph) return widget.style()->standardIcon(pixmap, nullptr, &widget);
    return {};
}

// Gives the button the caption in the font in which it fits, or cut; the
// whole caption, when cut, for the tooltip.
QString FitButtonCaption(QAbstractButton& button, const std::string& caption, const QFont& font, int minPixels) {
    const QString whole = ToQt(caption);
    FittedCaption fit = FitCaption(whole, true, font, minPixels, FitsOnOneLine(ButtonTextRoom(button)));
    button.setFont(fit.fontFrom(font));
    button.setText(fit.text);
    // A cut that took the accelerator's letter keeps its key all the same.
    if (fit.elided && button.shortcut().isEmpty()) button.setShortcut(QKeySequence::mnemonic(whole));
    return fit.elided ? VisibleText(whole, true) : QString();
}

} // namespace

ButtonPeer::ButtonPeer(TButtonControl& button) : ButtonPeer(button, plainButton()) {}

ButtonPeer::ButtonPeer(TButtonControl& button, QAbstractButton* widget) : ControlPeer(button, widget) {
    QObject::connect(widget, &QAbstractButton::clicked, [this] {
        if (component()) Guarded([this] { this->button().Click(); });
    });
    watchInput(*widget, Input::Mouse | Input::Focus | Input::ClicksOnRelease);
}

void ButtonPeer::syncText() {
    syncGlyph();
    fitCaption();
}

void ButtonPeer::syncFont() {
    ControlPeer::syncFont();
    fitCaption();
}

void ButtonPeer::syncBounds() {
    ControlPeer::syncBounds();
    fitCaption();
}

void ButtonPeer::fitCaption() {
    auto* b = static_cast<QAbstractButton*>(widget());
    setCaptionCut(FitButtonCaption(*b, button().Caption(), ToQFont(control().Font()), minimumCaptionPixels()));
}

void ButtonPeer::sync(TProperty property) {
    ControlPeer::sync(property);
    if (property == TProperty::Picture) {
        syncGlyph();
        fitCaption();
    }
    if (property == TProperty::Other)
        if (auto* push = qobject_cast<QPushButton*>(widget())) push->setDefault(button().Default());
}

void ButtonPeer::syncGlyph() {
    auto* b = static_cast<QAbstractButton*>(widget());
    QIcon icon = GlyphIcon(button().Glyph(), *b);
    b->setIcon(icon);
    if (auto* tool = qobject_cast<QToolButton*>(b))
        tool->setToolButtonStyle(icon.isNull()            ? Qt::ToolButtonTextOnly
                                 : button().Caption().empty() ? Qt::ToolButtonIconOnly
                                                              : Qt::ToolButtonTextBesideIcon);
}

SpeedButtonPeer::SpeedButtonPeer(TSpeedButton& button) : ButtonPeer(button, speedButton()) {}

namespace {

// A check box that answers a click anywhere on it, as the library's does.
class WholeCheckBox : public QCheckBox {
protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

CheckBoxPeer::CheckBoxPeer(TCheckBox& box) : ControlPeer(box, new WholeCheckBox) {
    QObject::connect(checkBox(), &QCheckBox::clicked, [this](bool checked) {
        if (!component()) return;
        Guarded([&] { this->box().SetChecked(checked); });
        // A handler may have set the box back.
        if (component()) sync(TProperty::Checked);
    });
    watchInput(*checkBox(), Input::Mouse | Input::Focus | Input::ClicksOnRelease);
}

QCheckBox* CheckBoxPeer::checkBox() const { return static_cast<QCheckBox*>(widget()); }

void CheckBoxPeer::sync(TProperty property) {
    if (property == TProperty::Checked && widget()) {
        QSignalBlocker block(checkBox());
        checkBox()->setChecked(box().Checked());
    } else {
        ControlPeer::sync(property);
    }
}

void CheckBoxPeer::syncText() { fitCaption(); }

void CheckBoxPeer::syncFont() {
    ControlPeer::syncFont();
    fitCaption();
}

void CheckBoxPeer::syncBounds() {
    ControlPeer::syncBounds();
    fitCaption();
}

void CheckBoxPeer::fitCaption() {
    setCaptionCut(FitButtonCaption(*checkBox(), box().Caption(), ToQFont(control().Font()), minimumCaptionPixels()));
}

// The number picker marks boxes by their colour.
void CheckBoxPeer::syncColor() { ApplyBackground(*widget(), box().Color(), QPalette::Window, true); }

RadioGroupPeer::RadioGroupPeer(TRadioGroup& group) : ControlPeer(group, new QGroupBox) {
    buttonGroup_ = new QButtonGroup(groupBox());
    QObject::connect(buttonGroup_, &QButtonGroup::idClicked, [this](int index) {
        if (!component()) return;
        Guarded([&] { this->group().SetItemIndex(index); });
        if (component()) syncIndex();
    });
    watchInput(*groupBox(), Input::Mouse);
}

QGroupBox* RadioGroupPeer::groupBox() const { return static_cast<QGroupBox*>(widget()); }

void RadioGroupPeer::sync(TProperty property) {
    if (!widget()) return;
    switch (property) {
    case TProperty::Items: rebuild(); break;
    case TProperty::ItemIndex: syncIndex(); break;
    default: ControlPeer::sync(property); break;
    }
}

void RadioGroupPeer::rebuild() {
    const TStringList& items = group().Items();
    while (static_cast<int>(buttons_.size()) > items.Count()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (static_cast<int>(buttons_.size()) < items.Count()) {
        auto* b = new QRadioButton(groupBox());
        buttonGroup_->addButton(b, static_cast<int>(buttons_.size()));
        watchInput(*b, Input::Focus);
        b->show();
        buttons_.push_back(b);
    }
    arrange();
    syncIndex();
}

void RadioGroupPeer::syncIndex() {
    int index = group().ItemIndex();
    // No button checked needs a group that allows none for a moment.
    buttonGroup_->setExclusive(false);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        QSignalBlocker block(buttons_[i]);
        buttons_[i]->setChecked(static_cast<int>(i) == index);
    }
    buttonGroup_->setExclusive(true);
}

void RadioGroupPeer::arrange() {
    if (buttons_.empty()) {
        fitCaptions();
        return;
    }
    const TRadioGroup& g = group();
    int count = static_cast<int>(buttons_.size());
    int columns = std::max(g.Columns, 1);
    int perColumn = (count + columns - 1) / columns;
    int textHeight = QFontMetrics(ToQFont(g.Font())).height();
    int buttonWidth = (g.Width() - 10) / columns;
    int free = g.Height() - textHeight - 5;
    int buttonHeight = std::max(free / perColumn, 0);
    int topMargin = textHeight + 1 + (free % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[static_cast<size_t>(i)]->setGeometry((i / perColumn) * buttonWidth + 8,
                                                      (i % perColumn) * buttonHeight + topMargin, buttonWidth,
                                                      buttonHeight);
    fitCaptions();
}

// The title within the frame (the style's margin on either side), each item
// within its button; a cut item shows whole in its own tooltip.
void RadioGroupPeer::fitCaptions() {
    const TRadioGroup& g = group();
    const QFont font = ToQFont(g.Font());
    const int minPixels = minimumCaptionPixels();
    setCaptionCut(FitGroupBoxTitle(*groupBox(), WithoutAccelerators(g.Caption()), font, g.Width(), minPixels));
    for (int i = 0; i < static_cast<int>(buttons_.size()) && i < g.Items().Count(); ++i) {
        QRadioButton* b = buttons_[static_cast<size_t>(i)];
        b->setToolTip(FitButtonCaption(*b, g.Items()[i], font, minPixels));
    }
}

void RadioGroupPeer::syncBounds() {
    ControlPeer::syncBounds();
    arrange();
}

void RadioGroupPeer::syncText() { fitCaptions(); }

void RadioGroupPeer::syncFont() {
    ControlPeer::syncFont();
    arrange();
}

} // namespace gui
