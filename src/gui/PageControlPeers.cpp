#include "gui/PageControlPeers.h"

#include "gui/Guard.h"
#include "gui/Text.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace gui {

PageControlPeer::PageControlPeer(TPageControl& pages) : ControlPeer(pages, new QTabWidget) {
    QObject::connect(tabWidget(), &QTabWidget::currentChanged, [this](int index) { picked(index); });
    watchInput(*tabWidget(), Input::Mouse | Input::Focus);
}

QTabWidget* PageControlPeer::tabWidget() const { return static_cast<QTabWidget*>(widget()); }

void PageControlPeer::adopt(ControlPeer& child) {
    if (dynamic_cast<TabSheetPeer*>(&child)) syncTabs();
    else ControlPeer::adopt(child);
}

void PageControlPeer::sync(TProperty property) {
    if (!widget()) return;
    switch (property) {
    case TProperty::ActivePage: syncTabs(); break;
    case TProperty::Controls:
        ControlPeer::sync(property);
        syncTabs();
        break;
    default: ControlPeer::sync(property); break;
    }
}

void PageControlPeer::syncTabs() {
    QTabWidget* tabs = tabWidget();
    if (!tabs) return;
    QSignalBlocker block(tabs);
    const TPageControl& pc = pages();
    int tab = 0;
    for (int i = 0; i < pc.PageCount(); ++i) {
        QWidget* page = PeerWidget(pc.Pages(i));
        if (!page) continue;
        if (tabs->widget(tab) != page) {
            int at = tabs->indexOf(page);
            if (at >= 0) tabs->removeTab(at);
            tabs->insertTab(tab, page, QString());
        }
        tabs->setTabText(tab, ToQt(pc.Pages(i)->Caption()));
        const bool visible = pc.Pages(i)->TabVisible();
        tabs->setTabVisible(tab, visible);
        // The tab bar's arrow keys, Ctrl+Tab and the wheel step over disabled
        // tabs only, not over hidden ones. The bar's own switch leaves the
        // page's controls enabled, which the widget's would not.
        tabs->tabBar()->setTabEnabled(tab, visible);
        ++tab;
    }
    while (tabs->count() > tab) tabs->removeTab(tab);
    QWidget* active = PeerWidget(pc.ActivePage());
    if (active) tabs->setCurrentWidget(active);
}

void PageControlPeer::picked(int index) {
    if (!component()) return;
    QWidget* page = tabWidget()->widget(index);
    TPageControl& pc = pages();
    for (int i = 0; i < pc.PageCount(); ++i) {
        if (PeerWidget(pc.Pages(i)) != page || pc.Pages(i) == pc.ActivePage()) continue;
        // A hidden page is never the user's pick, however the tab was reached.
        if (!pc.Pages(i)->TabVisible()) break;
        Guarded([&] {
            pc.SetActivePage(pc.Pages(i));
            if (pc.OnChange) pc.OnChange(&pc);
        });
        break;
    }
    // The tab shown is the active page, whatever a handler made of it.
    if (component()) syncTabs();
}

TabSheetPeer::TabSheetPeer(TTabSheet& sheet) : ControlPeer(sheet, new QWidget) {
    watchInput(*widget(), Input::Mouse | Input::Clicks);
}

void TabSheetPeer::leaveTabWidget() {
    for (QWidget* w = widget() ? widget()->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            int at = tabs->indexOf(widget());
            if (at >= 0) tabs->removeTab(at);
            return;
        }
}

void TabSheetPeer::place() {
    auto* pc = dynamic_cast<PageControlPeer*>(PeerOf(sheet().PageControl()));
    if (!pc || pc->tabWidget()->indexOf(widget()) < 0) leaveTabWidget();
    if (pc) pc->syncTabs();
    else ControlPeer::place();
}

void TabSheetPeer::sync(TProperty property) {
    if (property == TProperty::TabVisible) syncText();
    else ControlPeer::sync(property);
}

void TabSheetPeer::syncText() {
    if (auto* pc = dynamic_cast<PageControlPeer*>(PeerOf(sheet().PageControl()))) pc->syncTabs();
}

} // namespace gui
