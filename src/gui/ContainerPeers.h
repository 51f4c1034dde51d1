#pragma once
// Controls that hold others at their designer coordinates: panels (a
// raised frame with the caption in the middle), group boxes (a titled
// frame), and the status bar with its panels.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QFrame>
#include <vector>

class QGroupBox;
class QLabel;

namespace gui {

class PanelWidget : public QFrame {
    Q_OBJECT
public:
    PanelWidget();
    // The caption is drawn in its own font: the controls on the panel keep
    // the panel's.
    void setCaption(const QString& caption, const QFont& font);
    const QString& caption() const { return caption_; }
    const QFont& captionFont() const { return captionFont_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QFont captionFont_;
};

class PanelPeer : public ControlPeer {
public:
    explicit PanelPeer(TPanel& panel);
    TPanel& panel() const { return static_cast<TPanel&>(control()); }

protected:
    void syncText() override;
    void syncFont() override;
    void syncBounds() override;
    void syncColor() override;
};

class GroupBoxPeer : public ControlPeer {
public:
    explicit GroupBoxPeer(TGroupBox& box);
    TGroupBox& box() const { return static_cast<TGroupBox&>(control()); }
    QGroupBox* groupBox() const;

protected:
    void syncText() override;
    void syncFont() override;
    void syncBounds() override;
    void syncColor() override;
};

// Panels side by side at their widths, the last one reaching to the end;
// a bar without panels shows its caption.
class StatusBarPeer : public ControlPeer {
public:
    explicit StatusBarPeer(TStatusBar& bar);
    TStatusBar& bar() const { return static_cast<TStatusBar&>(control()); }
    const std::vector<QLabel*>& panels() const { return panels_; }

protected:
    void sync(TProperty property) override;
    void syncBounds() override;
    void syncText() override;

private:
    void syncPanels();
    void arrange();

    std::vector<QLabel*> panels_;
};

} // namespace gui
