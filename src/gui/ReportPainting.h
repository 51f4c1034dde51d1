#pragma once
// A prepared report page on a Qt paint device (the preview, a printer, a
// PDF), and the report's paper as Qt's page layout and back.

#include "platform/report/Report.h"

#include <QPageLayout>
#include <QRectF>

class QPainter;

namespace gui {

// The paper of the size code (9 A4, 1 Letter, 8 A3, 11 A5) or, for any
// other code, a size of its own from width and height; no margins, since
// the views are placed from the paper's corner.
QPageLayout PageLayoutOf(const TPageSettings& paper);
// A page layout as the report's paper: its code (256 for a size of its
// own), its sides in millimetres as the paper lies, its orientation.
TPageSettings PaperOf(const QPageLayout& layout);

// Paints the page into `target` (the whole paper): the background picture
// over all of it, then each memo's text at its place and size.
void PaintPreparedPage(QPainter& painter, const TPreparedPage& page, const QRectF& target);

} // namespace gui
