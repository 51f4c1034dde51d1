#pragma once
// Lists: the list box (one selected line, TAB-separated columns at its tab
// stops) and the string grid.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QStyledItemDelegate>

#include <string>
#include <vector>

class QListWidget;
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

// A click on a line selects it and fires OnClick before OnMouseDown, so
// that a mouse-down handler reads the new ItemIndex, as in the library.
class ListBoxPeer : public ControlPeer {
public:
    explicit ListBoxPeer(TListBox& list);
    TListBox& list() const { return static_cast<TListBox&>(control()); }
    QListWidget* listWidget() const;

protected:
    void sync(TProperty property) override;
    void syncFont() override;
    void syncColor() override;

private:
    void syncItems();
    void syncIndex();
    void syncTabs();
    QString shown(const std::string& line) const;
    void measureAll();
    void syncLineWidth();
    void select(int row);

    TabStopDelegate* delegate_;
    // The lines the widget shows, to change only what differs, and their widths.
    std::vector<std::string> shown_;
    std::vector<int> widths_;
    int lineWidth_ = -1;
    int tabRun_ = 0;
    // A press of another button than the left one selects nothing.
    bool otherPress_ = false;
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
