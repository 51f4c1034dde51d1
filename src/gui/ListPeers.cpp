#include "gui/ListPeers.h"

#include "gui/Appearance.h"
#include "gui/GridCells.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListView>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
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

TabbedWidthMeter::TabbedWidthMeter(const QFontMetrics& metrics, int tabStop, int tabRun)
    : metrics_(metrics), tabStop_(std::max(tabStop, 1)), tabRun_(tabRun),
      run_(static_cast<std::size_t>(std::max(tabRun, 0)), '\t') {}

int TabbedWidthMeter::advance(std::string_view piece) {
    if (piece.empty()) return 0;
    // Pieces of one or two bytes (the numbers of a tip) have a place of their own.
    if (piece.size() <= 2) {
        const std::size_t slot = piece.size() == 1 ? static_cast<unsigned char>(piece[0])
                                                   : 256 + static_cast<unsigned char>(piece[0]) * 256u +
                                                         static_cast<unsigned char>(piece[1]);
        if (shortAdvances_.empty()) shortAdvances_.assign(256 + 256 * 256, -1);
        int& width = shortAdvances_[slot];
        if (width < 0) width = metrics_.horizontalAdvance(ToQt(std::string(piece)));
        return width;
    }
    // Pieces of every kind would fill the cache with what never comes again.
    constexpr std::size_t kCachedPieces = 4096, kCachedLength = 16;
    if (piece.size() > kCachedLength) return metrics_.horizontalAdvance(ToQt(std::string(piece)));
    std::string key(piece);
    if (auto found = advances_.find(key); found != advances_.end()) return found->second;
    const int width = metrics_.horizontalAdvance(ToQt(key));
    if (advances_.size() < kCachedPieces) advances_.emplace(std::move(key), width);
    return width;
}

int TabbedWidthMeter::operator()(std::string_view line) {
    // As TabbedTextWidth adds the pieces up, with each run of tabRun TABs,
    // from the left, taken as one.
    qreal x = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        x += advance(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) break;
        x = (std::floor(x / tabStop_) + 1) * tabStop_;
        start = tab + 1;
        if (tabRun_ > 1 && line.compare(tab, run_.size(), run_) == 0) start = tab + run_.size();
    }
    return static_cast<int>(std::ceil(x));
}

void ListLinesModel::show(const TStringList* lines, int tabRun) {
    beginResetModel();
    lines_ = lines;
    tabRun_ = tabRun;
    rows_ = lines ? lines->Count() : 0;
    endResetModel();
}

void ListLinesModel::setTabRun(int tabRun) {
    if (tabRun == tabRun_) return;
    tabRun_ = tabRun;
    if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
}

void ListLinesModel::follow(const TStringListChange& change) {
    const int count = lines_ ? lines_->Count() : 0;
    const bool single = !change.Whole && change.Index >= 0 && change.Removed >= 0 && change.Inserted >= 0 &&
                        change.Index + change.Removed <= rows_ && rows_ - change.Removed + change.Inserted == count;
    if (!single) {
        if (count == rows_) {
            // As many lines as before: the view keeps its selection and place.
            if (rows_ > 0) emit dataChanged(index(0), index(rows_ - 1), {Qt::DisplayRole});
            return;
        }
        show(lines_, tabRun_);
        return;
    }
    const int replaced = std::min(change.Removed, change.Inserted);
    if (replaced > 0) emit dataChanged(index(change.Index), index(change.Index + replaced - 1), {Qt::DisplayRole});
    if (change.Removed > replaced) {
        beginRemoveRows({}, change.Index + replaced, change.Index + change.Removed - 1);
        rows_ -= change.Removed - replaced;
        endRemoveRows();
    } else if (change.Inserted > replaced) {
        beginInsertRows({}, change.Index + replaced, change.Index + change.Inserted - 1);
        rows_ += change.Inserted - replaced;
        endInsertRows();
    }
}

int ListLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant ListLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !lines_ || !index.isValid() || index.row() >= rows_ ||
        index.row() >= lines_->Count())
        return {};
    return ShownLine((*lines_)[index.row()], tabRun_);
}

ListBoxPeer::ListBoxPeer(TListBox& list)
    : ControlPeer(list, new QListView), delegate_(new TabStopDelegate(widget())), model_(new ListLinesModel(widget())) {
    QListView* view = listView();
    view->setUniformItemSizes(true);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setItemDelegate(delegate_);
    view->setModel(model_);
    // A line longer than the box can be scrolled to.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged,
                     [this](const QModelIndex& current, const QModelIndex&) {
                         if (syncing_) return;
                         const int row = current.isValid() ? current.row() : -1;
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
                QTimer::singleShot(0, listView(), [this] {
                    if (component()) syncIndex();
                });
                return;
            }
            if (event.type() != QEvent::MouseButtonPress) return;
            auto& e = static_cast<QMouseEvent&>(event);
            otherPress_ = e.button() != Qt::LeftButton;
            const QModelIndex at = listView()->indexAt(e.position().toPoint());
            if (at.isValid() && !otherPress_) select(at.row());
        },
        view));
    model_->show(&list.Items(), list.TabRun());
    shownChanges_ = list.Items().ChangeCount();
}

ListBoxPeer::~ListBoxPeer() {
    // The headless list may already be gone: the view reads it no more.
    if (model_) {
        QSignalBlocker block(model_.data());
        model_->show(nullptr, 0);
    }
}

QListView* ListBoxPeer::listView() const { return static_cast<QListView*>(widget()); }

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
        if (int top = list().TopIndex(); top >= 0 && top < model_->rowCount())
            listView()->scrollTo(model_->index(top), QAbstractItemView::PositionAtTop);
        break;
    default: ControlPeer::sync(property); break;
    }
}

void ListBoxPeer::syncItems() {
    const TStringList& items = list().Items();
    // Changes held back during a long command reach the view as one: only
    // a change right after the last one shown is known line by line.
    const bool next = items.ChangeCount() == shownChanges_ + 1;
    shownChanges_ = items.ChangeCount();
    const TStringListChange change = next ? items.LastChange() : TStringListChange{};
    QListView* view = listView();
    QScopedValueRollback<bool> syncing(syncing_, true);
    const int before = model_->rowCount();
    const QPoint scrolled(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    model_->follow(change);
    if (model_->rowCount() != items.Count()) model_->show(&items, list().TabRun());

    const bool single = !change.Whole && static_cast<int>(widths_.size()) == before &&
                        model_->rowCount() == before - change.Removed + change.Inserted;
    if (!single) {
        measureAll();
        // A list put in anew is shown at the place it was shown before.
        if (model_->rowCount() != before) {
            view->doItemsLayout();
            view->horizontalScrollBar()->setValue(scrolled.x());
            view->verticalScrollBar()->setValue(scrolled.y());
        }
    } else {
        QFontMetrics metrics(view->font());
        TabbedWidthMeter measure(metrics, delegate_->tabStop(), list().TabRun());
        const auto at = widths_.begin() + change.Index;
        bool widestGone = false;
        for (auto w = at; w != at + change.Removed; ++w) widestGone |= *w >= widest_;
        widths_.erase(at, at + change.Removed);
        std::vector<int> added;
        for (int row = change.Index; row < change.Index + change.Inserted; ++row) added.push_back(measure(items[row]));
        widths_.insert(widths_.begin() + change.Index, added.begin(), added.end());
        if (widestGone) widest_ = widths_.empty() ? 0 : *std::max_element(widths_.begin(), widths_.end());
        for (int w : added) widest_ = std::max(widest_, w);
        syncLineWidth();
    }
    syncIndex();
}

void ListBoxPeer::measureAll() {
    QFontMetrics metrics(listView()->font());
    TabbedWidthMeter measure(metrics, delegate_->tabStop(), list().TabRun());
    const TStringList& items = list().Items();
    widths_.clear();
    widths_.reserve(static_cast<std::size_t>(items.Count()));
    widest_ = 0;
    for (const std::string& line : items) {
        widths_.push_back(measure(line));
        widest_ = std::max(widest_, widths_.back());
    }
    syncLineWidth();
}

void ListBoxPeer::syncLineWidth() {
    int width = widest_ + 2 * TabStopDelegate::kMargin;
    if (width == lineWidth_) return;
    lineWidth_ = width;
    delegate_->setLineWidth(width);
    // The lines are all one size: the view takes it again.
    listView()->doItemsLayout();
}

void ListBoxPeer::syncIndex() {
    QListView* view = listView();
    QItemSelectionModel* selection = view->selectionModel();
    int index = list().ItemIndex();
    if (index >= model_->rowCount()) index = -1;
    const QModelIndex current = view->currentIndex();
    if ((current.isValid() ? current.row() : -1) == index && (index < 0 || selection->isSelected(current))) return;
    // The view follows the selection (and scrolls to it); the list is not told again.
    QScopedValueRollback<bool> syncing(syncing_, true);
    if (index < 0) {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        selection->setCurrentIndex(model_->index(index), QItemSelectionModel::ClearAndSelect);
    }
}

void ListBoxPeer::syncTabs() {
    // Lines drawn another way are drawn again.
    if (int run = list().TabRun(); run != tabRun_) {
        tabRun_ = run;
        model_->setTabRun(run);
    }
    delegate_->setTabStop(TabStopPixels(list().TabWidth(), listView()->font()));
    delegate_->setItemHeight(list().ItemHeight);
    measureAll();
    listView()->viewport()->update();
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
