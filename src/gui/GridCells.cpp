#include "gui/GridCells.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace gui {

namespace {

constexpr int kSpare = 1;  // pixels kept free on each side of a cell's text

bool fits(const QFont& font, const QString& text, const QSize& room) {
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.ascent() <= room.height();
}

} // namespace

QFont CellTextFont(const QFont& base, const QString& text, const QSize& cell) {
    const QSize room(cell.width() - 2 * kSpare, cell.height() - 2 * kSpare);
    QFont font(base);
    if (text.trimmed().isEmpty() || fits(font, text, room)) return font;
    int pixels = base.pixelSize() > 0 ? base.pixelSize() : QFontMetrics(base).height();
    font.setPixelSize(pixels);
    while (pixels > kSmallestCellTextPixels && !fits(font, text, room)) font.setPixelSize(--pixels);
    return font;
}

GridCellDelegate::GridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
    if (text.trimmed().isEmpty()) return;

    painter->save();
    painter->setClipRect(opt.rect);
    const QFontMetrics base(opt.font);
    const QString& sizing = base.horizontalAdvance(widest_) > base.horizontalAdvance(text) ? widest_ : text;
    painter->setFont(CellTextFont(opt.font, sizing, opt.rect.size()));
    const QPalette::ColorRole role = opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->setPen(opt.palette.color(role));
    // Digits stand on the base line and reach the cap height: centring that
    // span keeps them in the middle of the cell.
    const QFontMetricsF metrics(painter->font());
    const double x = opt.rect.left() + (opt.rect.width() - metrics.horizontalAdvance(text)) / 2;
    const double y = opt.rect.top() + (opt.rect.height() + metrics.capHeight()) / 2;
    painter->drawText(QPointF(x, y), text);
    painter->restore();
}

} // namespace gui
