#pragma once
// A page control as a QTabWidget whose tabs are its pages in page order:
// captions, tab visibility and the active page follow the control; a tab
// the user picks becomes the active page and fires OnChange. Qt places and
// shows the pages itself.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

class QTabWidget;

namespace gui {

class PageControlPeer : public ControlPeer {
public:
    explicit PageControlPeer(TPageControl& pages);
    TPageControl& pages() const { return static_cast<TPageControl&>(control()); }
    QTabWidget* tabWidget() const;
    void adopt(ControlPeer& child) override;
    // Brings tabs, captions, tab visibility and the current tab up to date.
    void syncTabs();

protected:
    void sync(TProperty property) override;
    void syncBounds() override;
    void syncFont() override;

private:
    void picked(int index);
    // All tabs in one row within the control's width: in a smaller font,
    // and cut when even that is too wide.
    void fitTabs();
};

class TabSheetPeer : public ControlPeer {
public:
    explicit TabSheetPeer(TTabSheet& sheet);
    TTabSheet& sheet() const { return static_cast<TTabSheet&>(control()); }
    void place() override;

protected:
    void sync(TProperty property) override;
    void syncBounds() override {}
    void syncVisible() override {}
    void syncText() override;

private:
    void leaveTabWidget();
};

} // namespace gui
