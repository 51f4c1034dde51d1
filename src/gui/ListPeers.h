#pragma once
// Lists: the list box (one selected line, TAB-separated columns at its tab
// stops) and the string grid.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QPointer>
#include <QStyledItemDelegate>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QTableWidget;

namespace gui {

// Draws a line with its TABs expanded to stops every `tabStop` pixels, and
// makes every line ItemHeight high, as ItemAtPos counts them, and as wide as
// the widest line, so that the list scrolls sideways to a line's end.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TabStopDelegate(QObject* parent);
    void setTabStop(int pixels) { tabStop_ = pixels; }
    int tabStop() const { return tabStop_; }
    void setItemHeight(int pixels) { itemHeight_ = pixels; }
    void setLineWidth(int pixels) { lineWidth_ = pixels; }
    // The space left and right of a line's text.
    static constexpr int kMargin = 2;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int tabStop_ = 64;
    int itemHeight_ = 16;
    int lineWidth_ = 0;
};

// A line as the list draws it: each run of `tabRun` TABs, from the left,
// as one TAB.
QString ShownLine(std::string_view line, int tabRun);

// The width of a line's text with its TABs expanded to stops every `tabStop`
// pixels, as the list draws it.
int TabbedTextWidth(const QString& text, const QFontMetrics& metrics, int tabStop);

// A list box's tab width is in dialog units: a quarter of the font's
// average character width each. No tab width means a stop every 32 units.
int TabStopPixels(int tabWidth, const QFont& font);

// TabbedTextWidth(ShownLine(line, tabRun), ...) of many lines, measuring each
// piece between TABs once: the pieces of tip lines (numbers) repeat.
class TabbedWidthMeter {
public:
    TabbedWidthMeter(const QFontMetrics& metrics, int tabStop, int tabRun);
    int operator()(std::string_view line);

private:
    int advance(std::string_view piece);

    const QFontMetrics& metrics_;
    int tabStop_;
    int tabRun_;
    std::string run_;
    std::vector<int> shortAdvances_;
    std::unordered_map<std::string, int> advances_;
};

// The lines of a list box as the view reads them, straight from the
// headless list: the view holds no copy of them.
class ListLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ListLinesModel(QObject* parent) : QAbstractListModel(parent) {}
    // The list shown, or nullptr when its control is gone.
    void show(const TStringList* lines, int tabRun);
    void setTabRun(int tabRun);
    // Tells the view what the list's last change did.
    void follow(const TStringListChange& change);
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const TStringList* lines_ = nullptr;
    int tabRun_ = 0;
    // The lines the view has been told of.
    int rows_ = 0;
};

// A list of lines of one height, one column, one line selected at most. It
// works out where a line is from its row alone and paints only the lines in
// sight, so that it holds nothing for each line: a list of millions of lines
// costs it no more than a short one. The list scrolls a line at a time
// downwards and a pixel at a time sideways, to the end of the widest line.
class LineListView : public QAbstractItemView {
    Q_OBJECT
public:
    explicit LineListView(QWidget* parent = nullptr);
    void setModel(QAbstractItemModel* model) override;
    void setRowHeight(int pixels);
    int rowHeight() const { return rowHeight_; }
    // The width of the widest line, margins included.
    void setLineWidth(int pixels);

    QRect visualRect(const QModelIndex& index) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    QModelIndex indexAt(const QPoint& point) const override;
    void doItemsLayout() override;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    int horizontalOffset() const override;
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex&) const override { return false; }
    void setSelection(const QRect& rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void updateGeometries() override;
    void paintEvent(QPaintEvent* event) override;
    // Lines made anew are painted again where they are in sight, without
    // going over every one of them.
    void dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                     const QList<int>& roles = QList<int>()) override;

private:
    int rows() const;
    // The first line in sight, and how many lines fit wholly.
    int topRow() const;
    int wholeRows() const;
    // The row at a height in the viewport, unclamped.
    int rowAt(int y) const;
    void changed();

    int rowHeight_ = 16;
    int lineWidth_ = 0;
};

// A click on a line selects it and fires OnClick before OnMouseDown, so
// that a mouse-down handler reads the new ItemIndex, as in the library.
class ListBoxPeer : public ControlPeer {
public:
    explicit ListBoxPeer(TListBox& list);
    ~ListBoxPeer() override;
    TListBox& list() const { return static_cast<TListBox&>(control()); }
    LineListView* listView() const;
    ListLinesModel* lines() const { return model_.data(); }

protected:
    void sync(TProperty property) override;
    void syncFont() override;
    void syncColor() override;

private:
    void syncItems();
    void syncIndex();
    void syncTabs();
    void measureAll();
    void syncLineWidth();
    void select(int row);

    TabStopDelegate* delegate_;
    QPointer<ListLinesModel> model_;
    // The width of the widest line as drawn. Lines are measured as they
    // come, not kept measured: a list of millions of lines holds no width
    // for each.
    int widest_ = 0;
    // The lines widest_ was taken over.
    int measuredRows_ = 0;
    // The list's ChangeCount() when the view last followed it.
    std::uint64_t shownChanges_ = 0;
    int lineWidth_ = -1;
    int tabRun_ = 0;
    // A press of another button than the left one selects nothing.
    bool otherPress_ = false;
    // While the view is brought to the list's state, its changes are not the user's.
    bool syncing_ = false;
};

// A grid of texts at the default column width and row height, read-only.
class StringGridPeer : public ControlPeer {
public:
    explicit StringGridPeer(TStringGrid& grid);
    TStringGrid& grid() const { return static_cast<TStringGrid&>(control()); }
    QTableWidget* table() const;

protected:
    void sync(TProperty property) override;
    void syncColor() override;
};

} // namespace gui
