#include "gui/ListPeers.h"

#include "gui/Appearance.h"
#include "gui/GridCells.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextOption>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace gui {

TabStopDelegate::TabStopDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    QString text = opt.text;
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);

    painter->save();
    painter->setFont(opt.font);
    QPalette::ColorGroup group = (opt.state & QStyle::State_Enabled) ? QPalette::Active : QPalette::Disabled;
    painter->setPen(opt.palette.color(group, (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText
                                                                                     : QPalette::Text));
    QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
    layout.setWrapMode(QTextOption::NoWrap);
    layout.setTabStopDistance(std::max(tabStop_, 1));
    painter->drawText(QRectF(opt.rect.adjusted(kMargin, 0, -kMargin, 0)), text, layout);
    painter->restore();
}

QSize TabStopDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return {lineWidth_, itemHeight_};
}

QString ShownLine(const std::string& line, int tabRun) {
    QString text = ToQt(line);
    if (tabRun > 1) text.replace(QString(tabRun, QLatin1Char('\t')), QStringLiteral("\t"));
    return text;
}

int TabbedTextWidth(const QString& text, const QFontMetrics& metrics, int tabStop) {
    tabStop = std::max(tabStop, 1);
    qreal x = 0;
    qsizetype start = 0;
    for (;;) {
        qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
        x += metrics.horizontalAdvance(text.mid(start, tab < 0 ? -1 : tab - start));
        if (tab < 0) break;
        x = (std::floor(x / tabStop) + 1) * tabStop;
        start = tab + 1;
    }
    return static_cast<int>(std::ceil(x));
}

int TabStopPixels(int tabWidth, const QFont& font) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    int average = (QFontMetrics(font).horizontalAdvance(alphabet) / 26 + 1) / 2;
    return MulDiv(tabWidth > 0 ? tabWidth : 32, average, 4);
}

ListBoxPeer::ListBoxPeer(TListBox& list) : ControlPeer(list, new QListWidget), delegate_(new TabStopDelegate(widget())) {
    QListWidget* view = listWidget();
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setItemDelegate(delegate_);
    // A line longer than the box can be scrolled to.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QObject::connect(view, &QListWidget::currentRowChanged, [this](int row) {
        if (component() && !otherPress_ && row != this->list().ItemIndex()) select(row);
    });
    watchInput(*view->viewport(), Input::Mouse);
    watchInput(*view, Input::Focus);
    // Installed last, so it runs before the mouse-down is reported.
    view->viewport()->installEventFilter(new EventHook(
        [this](QObject&, QEvent& event) {
            if (!component()) return;
            if (event.type() == QEvent::MouseButtonRelease) {
                // Whatever Qt made of the press (a click below the lines
                // clears its selection), the list shows its own ItemIndex.
                otherPress_ = false;
                QTimer::singleShot(0, listWidget(), [this] {
                    if (component()) syncIndex();
                });
                return;
            }
            if (event.type() != QEvent::MouseButtonPress) return;
            auto& e = static_cast<QMouseEvent&>(event);
            otherPress_ = e.button() != Qt::LeftButton;
            QListWidgetItem* item = listWidget()->itemAt(e.position().toPoint());
            if (item && !otherPress_) select(listWidget()->row(item));
        },
        view));
}

QListWidget* ListBoxPeer::listWidget() const { return static_cast<QListWidget*>(widget()); }

void ListBoxPeer::select(int row) {
    Guarded([&] {
        TListBox& l = list();
        l.SetItemIndex(row);
        l.Click();
    });
    if (component()) syncIndex();
}

void ListBoxPeer::sync(TProperty property) {
    if (!widget()) return;
    switch (property) {
    case TProperty::Items: syncItems(); break;
    case TProperty::ItemIndex: syncIndex(); break;
    case TProperty::TabWidth: syncTabs(); break;
    case TProperty::Other:
        if (QListWidgetItem* top = listWidget()->item(list().TopIndex()))
            listWidget()->scrollToItem(top, QAbstractItemView::PositionAtTop);
        break;
    default: ControlPeer::sync(property); break;
    }
}

void ListBoxPeer::syncItems() {
    const TStringList& items = list().Items();
    QListWidget* view = listWidget();
    QSignalBlocker block(view);
    size_t count = static_cast<size_t>(items.Count());
    size_t prefix = 0;
    while (prefix < shown_.size() && prefix < count && shown_[prefix] == items[static_cast<int>(prefix)]) ++prefix;
    size_t suffix = 0;
    while (suffix < shown_.size() - prefix && suffix < count - prefix &&
           shown_[shown_.size() - 1 - suffix] == items[static_cast<int>(count - 1 - suffix)])
        ++suffix;
    for (size_t row = shown_.size() - suffix; row > prefix; --row) delete view->takeItem(static_cast<int>(row - 1));
    widths_.erase(widths_.begin() + static_cast<std::ptrdiff_t>(prefix),
                  widths_.end() - static_cast<std::ptrdiff_t>(suffix));
    QFontMetrics metrics(view->font());
    std::vector<int> added;
    for (size_t row = prefix; row < count - suffix; ++row) {
        QString line = shown(items[static_cast<int>(row)]);
        added.push_back(TabbedTextWidth(line, metrics, delegate_->tabStop()));
        view->insertItem(static_cast<int>(row), line);
    }
    widths_.insert(widths_.begin() + static_cast<std::ptrdiff_t>(prefix), added.begin(), added.end());
    shown_.assign(items.begin(), items.end());
    syncLineWidth();
    syncIndex();
}

void ListBoxPeer::measureAll() {
    QFontMetrics metrics(listWidget()->font());
    widths_.clear();
    for (const std::string& line : shown_) widths_.push_back(TabbedTextWidth(shown(line), metrics, delegate_->tabStop()));
    syncLineWidth();
}

QString ListBoxPeer::shown(const std::string& line) const { return ShownLine(line, list().TabRun()); }

void ListBoxPeer::syncLineWidth() {
    int widest = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
    int width = widest + 2 * TabStopDelegate::kMargin;
    if (width == lineWidth_) return;
    lineWidth_ = width;
    delegate_->setLineWidth(width);
    // The lines are all one size: the view takes it again.
    listWidget()->doItemsLayout();
}

void ListBoxPeer::syncIndex() {
    QListWidget* view = listWidget();
    int index = list().ItemIndex();
    if (view->currentRow() == index && (index < 0 || view->item(index)->isSelected())) return;
    QSignalBlocker block(view);
    if (index < 0) {
        view->clearSelection();
        view->setCurrentRow(-1);
    } else {
        view->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

void ListBoxPeer::syncTabs() {
    // Lines drawn another way are put in again.
    if (int run = list().TabRun(); run != tabRun_) {
        tabRun_ = run;
        QListWidget* view = listWidget();
        QSignalBlocker block(view);
        for (int row = 0; row < view->count() && row < static_cast<int>(shown_.size()); ++row)
            view->item(row)->setText(shown(shown_[static_cast<size_t>(row)]));
    }
    delegate_->setTabStop(TabStopPixels(list().TabWidth(), listWidget()->font()));
    delegate_->setItemHeight(list().ItemHeight);
    measureAll();
    listWidget()->viewport()->update();
}

void ListBoxPeer::syncFont() {
    ControlPeer::syncFont();
    syncTabs();
}

void ListBoxPeer::syncColor() { ApplyBackground(*widget(), list().Color(), QPalette::Base, false); }

StringGridPeer::StringGridPeer(TStringGrid& grid) : ControlPeer(grid, new QTableWidget) {
    QTableWidget* t = table();
    t->horizontalHeader()->hide();
    t->verticalHeader()->hide();
    // The grid's cells are as small as it says, and show all their text.
    t->horizontalHeader()->setMinimumSectionSize(1);
    t->verticalHeader()->setMinimumSectionSize(1);
    t->setItemDelegate(new GridCellDelegate(t));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    watchInput(*t->viewport(), Input::Mouse | Input::Clicks);
    watchInput(*t, Input::Focus);
}

QTableWidget* StringGridPeer::table() const { return static_cast<QTableWidget*>(widget()); }

void StringGridPeer::sync(TProperty property) {
    if (property != TProperty::Cells || !widget()) {
        ControlPeer::sync(property);
        return;
    }
    const TStringGrid& g = grid();
    QTableWidget* t = table();
    t->horizontalHeader()->setDefaultSectionSize(g.DefaultColWidth);
    t->verticalHeader()->setDefaultSectionSize(g.DefaultRowHeight);
    t->setColumnCount(g.ColCount());
    t->setRowCount(g.RowCount());
    const QFontMetrics metrics(t->font());
    QString widest;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c) {
            QString text = ToQt(g.Cells(c, r));
            if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
            QTableWidgetItem* item = t->item(r, c);
            if (!item) t->setItem(r, c, new QTableWidgetItem(text));
            else if (item->text() != text) item->setText(text);
        }
    if (auto* cells = dynamic_cast<GridCellDelegate*>(t->itemDelegate())) cells->SetWidestText(widest);
    t->viewport()->update();
}

void StringGridPeer::syncColor() { ApplyBackground(*widget(), grid().Color(), QPalette::Base, false); }

} // namespace gui
