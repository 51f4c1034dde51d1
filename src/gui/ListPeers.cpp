#include "gui/ListPeers.h"

#include "gui/Appearance.h"
#include "gui/GridCells.h"
#include "gui/Guard.h"
#include "gui/Text.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTextOption>
#include <QTimer>

#include <algorithm>
#include <climits>
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

QString ShownLine(std::string_view line, int tabRun) {
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
        if (width < 0) width = metrics_.horizontalAdvance(ToQt(piece));
        return width;
    }
    // Pieces of every kind would fill the cache with what never comes again.
    constexpr std::size_t kCachedPieces = 4096, kCachedLength = 16;
    if (piece.size() > kCachedLength) return metrics_.horizontalAdvance(ToQt(piece));
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
    return ShownLine(lines_->Line(index.row()), tabRun_);
}

LineListView::LineListView(QWidget* parent) : QAbstractItemView(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void LineListView::setModel(QAbstractItemModel* model) {
    if (this->model()) disconnect(this->model(), nullptr, this, nullptr);
    QAbstractItemView::setModel(model);
    if (!model) return;
    // Lines put in, taken out or made anew change the scroll range and what
    // is in sight; nothing else needs to be known of them.
    connect(model, &QAbstractItemModel::rowsInserted, this, &LineListView::changed);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &LineListView::changed);
    connect(model, &QAbstractItemModel::modelReset, this, &LineListView::changed);
    connect(model, &QAbstractItemModel::layoutChanged, this, &LineListView::changed);
    changed();
}

void LineListView::dataChanged(const QModelIndex&, const QModelIndex&, const QList<int>&) { viewport()->update(); }

void LineListView::changed() {
    updateGeometries();
    viewport()->update();
}

void LineListView::setRowHeight(int pixels) {
    pixels = std::max(pixels, 1);
    if (pixels == rowHeight_) return;
    rowHeight_ = pixels;
    changed();
}

void LineListView::setLineWidth(int pixels) {
    if (pixels == lineWidth_) return;
    lineWidth_ = pixels;
    changed();
}

void LineListView::doItemsLayout() {
    QAbstractItemView::doItemsLayout();
    viewport()->update();
}

int LineListView::rows() const { return model() ? model()->rowCount(rootIndex()) : 0; }

int LineListView::topRow() const { return verticalScrollBar()->value(); }

int LineListView::wholeRows() const { return std::max(viewport()->height() / rowHeight_, 1); }

int LineListView::rowAt(int y) const {
    // Rounded down also above the first line in sight.
    const int offset = y >= 0 ? y / rowHeight_ : -((-y + rowHeight_ - 1) / rowHeight_);
    return topRow() + offset;
}

QRect LineListView::visualRect(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != model() || index.row() >= rows()) return {};
    // A line is as wide as the widest, and at least as the box.
    const qint64 y = static_cast<qint64>(index.row() - topRow()) * rowHeight_;
    const int clamped = static_cast<int>(std::clamp<qint64>(y, -(1 << 28), 1 << 28));
    return QRect(-horizontalOffset(), clamped, std::max(lineWidth_, viewport()->width()), rowHeight_);
}

void LineListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!index.isValid() || index.row() >= rows()) return;
    const int row = index.row(), top = topRow(), whole = wholeRows();
    int wanted = top;
    switch (hint) {
    case EnsureVisible:
        if (row < top) wanted = row;
        else if (row >= top + whole) wanted = row - whole + 1;
        break;
    case PositionAtTop: wanted = row; break;
    case PositionAtBottom: wanted = row - whole + 1; break;
    case PositionAtCenter: wanted = row - whole / 2; break;
    }
    verticalScrollBar()->setValue(wanted);
}

QModelIndex LineListView::indexAt(const QPoint& point) const {
    if (point.y() < 0) return {};
    const int row = rowAt(point.y());
    const int right = std::max(lineWidth_, viewport()->width()) - horizontalOffset();
    if (row < 0 || row >= rows() || point.x() >= right) return {};
    return model()->index(row, 0, rootIndex());
}

QModelIndex LineListView::moveCursor(CursorAction action, Qt::KeyboardModifiers) {
    const int count = rows();
    if (count == 0) return {};
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    int next = row;
    switch (action) {
    case MoveUp:
    case MovePrevious: next = row - 1; break;
    case MoveDown:
    case MoveNext: next = row + 1; break;
    case MovePageUp: next = row - wholeRows(); break;
    case MovePageDown: next = row + wholeRows(); break;
    case MoveHome: next = 0; break;
    case MoveEnd: next = count - 1; break;
    case MoveLeft:
    case MoveRight: {
        // Sideways the list only scrolls.
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + (action == MoveLeft ? -bar->singleStep() : bar->singleStep()));
        return current;
    }
    }
    if (row < 0) next = std::max(next, 0);
    return model()->index(std::clamp(next, 0, count - 1), 0, rootIndex());
}

int LineListView::horizontalOffset() const { return horizontalScrollBar()->value(); }

int LineListView::verticalOffset() const {
    return static_cast<int>(std::min<qint64>(static_cast<qint64>(topRow()) * rowHeight_, INT_MAX));
}

void LineListView::setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) {
    const int count = rows();
    const QRect area = rect.normalized();
    int first = std::max(rowAt(area.top()), 0), last = std::min(rowAt(area.bottom()), count - 1);
    if (count == 0 || first > last || area.left() >= std::max(lineWidth_, viewport()->width()) - horizontalOffset()) {
        selectionModel()->select(QItemSelection(), command);
        return;
    }
    selectionModel()->select(QItemSelection(model()->index(first, 0, rootIndex()), model()->index(last, 0, rootIndex())),
                             command);
}

QRegion LineListView::visualRegionForSelection(const QItemSelection& selection) const {
    QRegion region;
    const int top = topRow(), bottom = top + wholeRows() + 1;
    for (const QItemSelectionRange& range : selection) {
        const int first = std::max(range.top(), top), last = std::min(range.bottom(), bottom);
        if (first > last) continue;
        const QRect from = visualRect(model()->index(first, 0, rootIndex()));
        const QRect to = visualRect(model()->index(last, 0, rootIndex()));
        region += from.united(to);
    }
    return region;
}

void LineListView::updateGeometries() {
    const int count = rows(), whole = wholeRows();
    QScrollBar* down = verticalScrollBar();
    down->setSingleStep(1);
    down->setPageStep(whole);
    down->setRange(0, std::max(count - whole, 0));
    QScrollBar* sideways = horizontalScrollBar();
    const int width = viewport()->width();
    sideways->setSingleStep(std::max(rowHeight_, 1));
    sideways->setPageStep(std::max(width, 1));
    sideways->setRange(0, std::max(lineWidth_ - width, 0));
    QAbstractItemView::updateGeometries();
}

void LineListView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const bool focus = hasFocus() || viewport()->hasFocus();
    const QModelIndex current = currentIndex();
    const QModelIndex hovered =
        viewport()->underMouse() ? indexAt(viewport()->mapFromGlobal(QCursor::pos())) : QModelIndex();
    const int count = rows();
    const QRect area = event->rect();
    const int first = std::max(rowAt(area.top()), 0), last = std::min(rowAt(area.bottom()), count - 1);
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = model()->index(row, 0, rootIndex());
        QStyleOptionViewItem line(option);
        line.rect = visualRect(index);
        line.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (selectionModel()->isSelected(index)) line.state |= QStyle::State_Selected;
        if (index == hovered) line.state |= QStyle::State_MouseOver;
        if (focus && index == current) line.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, line, index);
    }
}

ListBoxPeer::ListBoxPeer(TListBox& list)
    : ControlPeer(list, new LineListView), delegate_(new TabStopDelegate(widget())), model_(new ListLinesModel(widget())) {
    LineListView* view = listView();
    view->setItemDelegate(delegate_);
    view->setModel(model_);
    // A line longer than the box can be scrolled to.
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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

LineListView* ListBoxPeer::listView() const { return static_cast<LineListView*>(widget()); }

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
    LineListView* view = listView();
    QScopedValueRollback<bool> syncing(syncing_, true);
    const int before = model_->rowCount();
    const QPoint scrolled(view->horizontalScrollBar()->value(), view->verticalScrollBar()->value());
    model_->follow(change);
    if (model_->rowCount() != items.Count()) model_->show(&items, list().TabRun());

    const bool single = !change.Whole && measuredRows_ == before &&
                        model_->rowCount() == before - change.Removed + change.Inserted;
    // A line taken out may have been the widest: then every line is measured
    // again. Lines put in only widen the list.
    if (!single || change.Removed > 0) {
        measureAll();
        // A list put in anew is shown at the place it was shown before.
        if (!single && model_->rowCount() != before) {
            view->doItemsLayout();
            view->horizontalScrollBar()->setValue(scrolled.x());
            view->verticalScrollBar()->setValue(scrolled.y());
        }
    } else {
        QFontMetrics metrics(view->font());
        TabbedWidthMeter measure(metrics, delegate_->tabStop(), list().TabRun());
        for (int row = change.Index; row < change.Index + change.Inserted; ++row)
            widest_ = std::max(widest_, measure(items.Line(row)));
        measuredRows_ = model_->rowCount();
        syncLineWidth();
    }
    syncIndex();
}

void ListBoxPeer::measureAll() {
    QFontMetrics metrics(listView()->font());
    TabbedWidthMeter measure(metrics, delegate_->tabStop(), list().TabRun());
    const TStringList& items = list().Items();
    widest_ = 0;
    for (std::string_view line : items) widest_ = std::max(widest_, measure(line));
    measuredRows_ = items.Count();
    syncLineWidth();
}

void ListBoxPeer::syncLineWidth() {
    int width = widest_ + 2 * TabStopDelegate::kMargin;
    if (width == lineWidth_) return;
    lineWidth_ = width;
    delegate_->setLineWidth(width);
    listView()->setLineWidth(width);
}

void ListBoxPeer::syncIndex() {
    LineListView* view = listView();
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
    listView()->setRowHeight(list().ItemHeight);
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
