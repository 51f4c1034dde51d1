#pragma once
// Lists: the list box (one selected line, TAB-separated columns at its tab
// stops) and the string grid.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QAbstractListModel>
#include <QPointer>
#include <QStyledItemDelegate>

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QListView;
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
QString ShownLine(const std::string& line, int tabRun);

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

// A click on a line selects it and fires OnClick before OnMouseDown, so
// that a mouse-down handler reads the new ItemIndex, as in the library.
class ListBoxPeer : public ControlPeer {
public:
    explicit ListBoxPeer(TListBox& list);
    ~ListBoxPeer() override;
    TListBox& list() const { return static_cast<TListBox&>(control()); }
    QListView* listView() const;
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
    // The width of every line as drawn, and the widest of them.
    std::vector<int> widths_;
    int widest_ = 0;
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
