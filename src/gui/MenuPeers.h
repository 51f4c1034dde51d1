#pragma once
// The main menu as Qt's menu bar: an action per item with its caption,
// check mark, shortcut, visibility and enabled state, submenus for items
// with sub-items, separators for "-". Choosing an item (or pressing its
// shortcut while its window is active) runs the item's click.

#include "gui/Peer.h"

#include "platform/forms/Menus.h"

#include <QPointer>

class QAction;
class QMenu;
class QMenuBar;

namespace gui {

class MenuItemPeer : public Peer {
public:
    explicit MenuItemPeer(TMenuItem& item);
    ~MenuItemPeer() override;

    TMenuItem& item() const { return static_cast<TMenuItem&>(*component()); }
    // nullptr for the invisible root item, whose sub-items sit in the bar.
    QAction* action() const { return action_; }
    // Makes this the root item, whose sub-items go into the bar.
    void setBar(QMenuBar* bar);

    void syncAll() override;

protected:
    void sync(TProperty property) override;

private:
    void syncItems();
    void syncChecked();
    void triggered();

    QPointer<QAction> action_;
    QPointer<QMenu> submenu_;
    QPointer<QMenuBar> bar_;
};

class MainMenuPeer : public Peer {
public:
    explicit MainMenuPeer(TMainMenu& menu);
    ~MainMenuPeer() override;

    TMainMenu& menu() const { return static_cast<TMainMenu&>(*component()); }
    // The bar, made anew when its last window took it along.
    QMenuBar* bar();

    void syncAll() override;

protected:
    void sync(TProperty) override {}

private:
    QPointer<QMenuBar> bar_;
};

} // namespace gui
