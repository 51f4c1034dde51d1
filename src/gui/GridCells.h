#pragma once
// The cells of a string grid: small cells (a slip's number block is 14
// pixels a cell) still show their whole text, in a smaller font where the
// grid's own does not fit, never cut off or elided.

#include <QFont>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>

namespace gui {

// The smallest pixel size a cell's text is drawn in.
constexpr int kSmallestCellTextPixels = 7;

// `base`, or as much smaller as `text` needs to fit `cell` with a pixel to
// spare on each side (never below the smallest size).
QFont CellTextFont(const QFont& base, const QString& text, const QSize& cell);

// Draws each cell's text centred in the cell, all cells in the one font in
// which the grid's widest text fits (CellTextFont), so that "9" and "10"
// look alike.
class GridCellDelegate : public QStyledItemDelegate {
public:
    explicit GridCellDelegate(QObject* parent = nullptr);
    void SetWidestText(const QString& text) { widest_ = text; }
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QString widest_;
};

} // namespace gui
