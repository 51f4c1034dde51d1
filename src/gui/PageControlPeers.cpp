#include "gui/PageControlPeers.h"

#include "gui/Appearance.h"
#include "gui/CaptionFit.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace gui {

namespace {

// A tab bar that tells the width each tab asks for, which the row of tabs
// is fitted by, and keeps the height of its full font in a smaller one, so
// the pages below keep their place and size.
class FittingTabBar : public QTabBar {
public:
    int wantedWidth(int index) const { return tabSizeHint(index).width(); }
    void keepHeightOf(const QFont& font) {
        rowHeight_ = 0;
        const QFont shown = this->font();
        setFont(font);
        rowHeight_ = count() > 0 ? QTabBar::tabSizeHint(0).height() : 0;
        setFont(shown);
    }

protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        return {size.width(), std::max(size.height(), rowHeight_)};
    }

private:
    int rowHeight_ = 0;
};

class FittingTabWidget : public QTabWidget {
public:
    FittingTabWidget() { setTabBar(new FittingTabBar); }
    FittingTabBar* fittingBar() const { return static_cast<FittingTabBar*>(tabBar()); }
};

}  // namespace

PageControlPeer::PageControlPeer(TPageControl& pages) : ControlPeer(pages, new FittingTabWidget) {
    // The tabs are made to fit; scroll arrows would hide some of them.
    tabWidget()->setUsesScrollButtons(false);
    tabWidget()->setElideMode(Qt::ElideNone);
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
        const bool visible = pc.Pages(i)->TabVisible();
        tabs->setTabVisible(tab, visible);
        // The tab bar's arrow keys, Ctrl+Tab and the wheel step over disabled
        // tabs only, not over hidden ones. The bar's own switch leaves the
        // page's controls enabled, which the widget's would not.
        tabs->tabBar()->setTabEnabled(tab, visible);
        ++tab;
    }
    while (tabs->count() > tab) tabs->removeTab(tab);
    fitTabs();
    QWidget* active = PeerWidget(pc.ActivePage());
    if (active) tabs->setCurrentWidget(active);
}

void PageControlPeer::syncBounds() {
    ControlPeer::syncBounds();
    fitTabs();
}

void PageControlPeer::syncFont() {
    ControlPeer::syncFont();
    fitTabs();
}

namespace {

// Room kept free at the end of the row of tabs.
constexpr int kTabRowMargin = 4;

}  // namespace

void PageControlPeer::fitTabs() {
    QTabWidget* tabs = tabWidget();
    if (!tabs) return;
    FittingTabBar* bar = static_cast<FittingTabWidget*>(tabs)->fittingBar();
    const TPageControl& pc = pages();
    // The captions of the tabs, in tab order.
    std::vector<QString> whole;
    for (int i = 0; i < pc.PageCount(); ++i)
        if (PeerWidget(pc.Pages(i))) whole.push_back(ToQt(pc.Pages(i)->Caption()));
    if (static_cast<int>(whole.size()) != tabs->count()) return;
    const int count = tabs->count();
    for (int i = 0; i < count; ++i) {
        if (tabs->tabText(i) != whole[static_cast<size_t>(i)]) tabs->setTabText(i, whole[static_cast<size_t>(i)]);
        tabs->setTabToolTip(i, QString());
    }
    const QFont font = ToQFont(pc.Font());
    bar->keepHeightOf(font);
    const int room = pc.Width() - kTabRowMargin;
    auto rowWidth = [&] {
        int sum = 0;
        for (int i = 0; i < count; ++i)
            if (bar->isTabVisible(i)) sum += bar->wantedWidth(i);
        return sum;
    };
    // The largest font, down to the smallest allowed, in which the row fits.
    const int smallest = std::min(minimumCaptionPixels(), font.pixelSize());
    QFont shown = font;
    for (int size = font.pixelSize(); size >= smallest; --size) {
        shown.setPixelSize(size);
        bar->setFont(shown);
        if (rowWidth() <= room) break;
    }
    int width = rowWidth();
    if (width > room) {
        // Still too wide: the room left beside the tabs' frames goes to the
        // captions, the short ones whole, the long ones sharing the rest.
        const QFontMetrics metrics(shown);
        std::vector<int> text(static_cast<size_t>(count), 0);
        int frames = 0, longest = 0;
        for (int i = 0; i < count; ++i) {
            if (!bar->isTabVisible(i)) continue;
            text[static_cast<size_t>(i)] = metrics.horizontalAdvance(VisibleText(whole[static_cast<size_t>(i)], true));
            frames += bar->wantedWidth(i) - text[static_cast<size_t>(i)];
            longest = std::max(longest, text[static_cast<size_t>(i)]);
        }
        // The largest share for which the captions fit, found by halving.
        const int free = room - frames;
        int low = 0, high = longest;
        while (low < high) {
            int mid = (low + high + 1) / 2;
            int sum = 0;
            for (int t : text) sum += std::min(t, mid);
            if (sum <= free) low = mid;
            else high = mid - 1;
        }
        for (int i = 0; i < count; ++i) {
            if (!bar->isTabVisible(i) || text[static_cast<size_t>(i)] <= low) continue;
            const QString& caption = whole[static_cast<size_t>(i)];
            FittedCaption fit = FitCaption(caption, true, shown, shown.pixelSize(), FitsOnOneLine(low));
            tabs->setTabText(i, fit.text);
            if (fit.elided) tabs->setTabToolTip(i, VisibleText(caption, true));
        }
        width = rowWidth();
    }
    // A bar laid out while hidden would keep the widths of the captions
    // before; it takes the new ones now.
    bar->resize(std::min(width, pc.Width()), bar->sizeHint().height());
    tabs->updateGeometry();
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
