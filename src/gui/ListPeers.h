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
// makes every line ItemHeight high, as ItemAtPos counts them.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TabStopDelegate(QObject* parent);
    void setTabStop(int pixels) { tabStop_ = pixels; }
    void setItemHeight(int pixels) { itemHeight_ = pixels; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int tabStop_ = 64;
    int itemHeight_ = 16;
};

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
    void select(int row);

    TabStopDelegate* delegate_;
    // The lines the widget shows, to change only what differs.
    std::vector<std::string> shown_;
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
