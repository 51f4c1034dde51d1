#include "gui/ReportPainting.h"

#include <QFont>
#include <QImage>
#include <QPageSize>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace gui {

namespace {

constexpr int kCustomPaperCode = 256;

struct KnownPaper {
    int code;
    QPageSize::PageSizeId id;
};
constexpr KnownPaper kKnownPapers[] = {
    {9, QPageSize::A4}, {1, QPageSize::Letter}, {8, QPageSize::A3}, {11, QPageSize::A5}};

// A point of type in page units (1/96 inch).
constexpr double kUnitsPerPoint = 96.0 / 72.0;

}  // namespace

QPageLayout PageLayoutOf(const TPageSettings& paper) {
    const auto orientation =
        paper.Orientation == TPrinterOrientation::poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QPageSize size;
    for (const KnownPaper& known : kKnownPapers)
        if (known.code == paper.PaperSize) size = QPageSize(known.id);
    if (!size.isValid()) {
        // The paper's sides as it lies; Qt's size is the paper before the turn.
        const QSizeF lying(paper.PaperWidth, paper.PaperHeight);
        size = QPageSize(orientation == QPageLayout::Landscape ? lying.transposed() : lying, QPageSize::Millimeter,
                         {}, QPageSize::ExactMatch);
    }
    return QPageLayout(size, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

TPageSettings PaperOf(const QPageLayout& layout) {
    TPageSettings paper;
    paper.PaperSize = kCustomPaperCode;
    for (const KnownPaper& known : kKnownPapers)
        if (layout.pageSize().id() == known.id) paper.PaperSize = known.code;
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    paper.PaperWidth = std::round(full.width() * 10) / 10;
    paper.PaperHeight = std::round(full.height() * 10) / 10;
    paper.Orientation = layout.orientation() == QPageLayout::Landscape ? TPrinterOrientation::poLandscape
                                                                       : TPrinterOrientation::poPortrait;
    return paper;
}

void PaintPreparedPage(QPainter& painter, const TPreparedPage& page, const QRectF& target) {
    const double pageWidthUnits = page.Paper.PaperWidth / kMillimetresPerUnit;
    if (pageWidthUnits <= 0 || target.isEmpty()) return;
    const double scale = target.width() / pageWidthUnits;
    painter.save();
    painter.setClipRect(target);
    if (!page.BackPicture.empty()) {
        const QImage picture(QString::fromStdString(page.BackPicture));
        if (!picture.isNull()) painter.drawImage(target, picture);
    }
    painter.setPen(Qt::black);
    for (const TPreparedMemo& memo : page.Memos) {
        if (memo.Text.empty()) continue;
        QFont font("DejaVu Sans");
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(memo.FontSize * kUnitsPerPoint * scale))));
        painter.setFont(font);
        const QPointF corner(target.left() + memo.Left * scale, target.top() + memo.Top * scale);
        const QString text = QString::fromStdString(memo.Text);
        if (memo.Width > 0 && memo.Height > 0)
            painter.drawText(QRectF(corner, QSizeF(memo.Width * scale, memo.Height * scale)),
                             Qt::AlignCenter | Qt::TextDontClip, text);
        else
            painter.drawText(QRectF(corner, QSizeF(0, 0)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    }
    painter.restore();
}

} // namespace gui
