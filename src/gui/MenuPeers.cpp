#include "gui/MenuPeers.h"

#include "gui/Guard.h"
#include "gui/ShortCut.h"
#include "gui/Text.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace gui {

MenuItemPeer::MenuItemPeer(TMenuItem& item) : Peer(item) {
    if (item.ParentItem()) {
        action_ = new QAction;
        QObject::connect(action_, &QAction::triggered, [this] { triggered(); });
    }
}

MenuItemPeer::~MenuItemPeer() {
    delete action_.data();
    delete submenu_.data();
}

void MenuItemPeer::setBar(QMenuBar* bar) {
    bar_ = bar;
    syncItems();
}

void MenuItemPeer::syncAll() {
    for (TProperty p : {TProperty::Caption, TProperty::Checked, TProperty::Visible, TProperty::Enabled,
                        TProperty::ShortCut, TProperty::Items})
        sync(p);
}

void MenuItemPeer::sync(TProperty property) {
    TMenuItem& it = item();
    if (property == TProperty::Items) {
        syncItems();
        return;
    }
    if (!action_) return;
    switch (property) {
    case TProperty::Caption:
        action_->setSeparator(it.IsSeparator());
        action_->setText(ToQt(it.Caption()));
        break;
    case TProperty::Checked: syncChecked(); break;
    case TProperty::Visible: action_->setVisible(it.Visible()); break;
    case TProperty::Enabled: action_->setEnabled(it.Enabled()); break;
    case TProperty::ShortCut: action_->setShortcut(ToQKeySequence(it.ShortCut())); break;
    default: break;
    }
}

void MenuItemPeer::syncChecked() {
    // Only a checked item shows a mark; Qt's checkable actions would show
    // an empty box otherwise.
    bool checked = item().Checked();
    action_->setCheckable(checked);
    action_->setChecked(checked);
}

void MenuItemPeer::syncItems() {
    TMenuItem& it = item();
    QList<QAction*> actions;
    for (int i = 0; i < it.Count(); ++i) {
        TMenuItem* child = it.Items(i);
        auto* peer = dynamic_cast<MenuItemPeer*>(PeerOf(child));
        if (!peer && !child->Peer()) {
            peer = new MenuItemPeer(*child);
            child->SetPeer(peer);
            peer->syncAll();
        }
        if (peer && peer->action()) actions.append(peer->action());
    }
    QWidget* host = bar_.data();
    if (action_ && !actions.isEmpty() && !submenu_) {
        submenu_ = new QMenu;
        action_->setMenu(submenu_.data());
    }
    if (action_) host = submenu_.data();
    if (!host || host->actions() == actions) return;
    for (QAction* a : host->actions()) host->removeAction(a);
    host->addActions(actions);
}

void MenuItemPeer::triggered() {
    QPointer<QAction> alive(action_);
    Guarded([this] { item().Click(); });
    // The handler decides the check mark; Qt's toggle does not.
    if (alive) syncChecked();
}

MainMenuPeer::MainMenuPeer(TMainMenu& menu) : Peer(menu) {}

MainMenuPeer::~MainMenuPeer() { delete bar_.data(); }

QMenuBar* MainMenuPeer::bar() {
    if (!bar_) {
        bar_ = new QMenuBar;
        bar_->setNativeMenuBar(false);
        syncAll();
    }
    return bar_;
}

void MainMenuPeer::syncAll() {
    TMenuItem& root = menu().Items();
    auto* rootPeer = dynamic_cast<MenuItemPeer*>(PeerOf(&root));
    if (!rootPeer && !root.Peer()) {
        rootPeer = new MenuItemPeer(root);
        root.SetPeer(rootPeer);
    }
    if (rootPeer) rootPeer->setBar(bar());
}

} // namespace gui
