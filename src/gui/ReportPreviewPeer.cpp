#include "gui/ReportPreviewPeer.h"

#include "gui/Attach.h"
#include "gui/ReportPainting.h"

#include <QPageSetupDialog>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace gui {

namespace {

class PreviewWidget : public QWidget {
public:
    explicit PreviewWidget(TReportPreview& preview) : preview_(preview) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        const TPreparedPage* page = preview_.ShownPage();
        if (!page || page->Paper.PaperWidth <= 0 || page->Paper.PaperHeight <= 0) return;
        // The whole paper, as large as fits with a small margin.
        const QRectF room = QRectF(rect()).adjusted(8, 8, -8, -8);
        const double ratio = page->Paper.PaperHeight / page->Paper.PaperWidth;
        double width = room.width(), height = width * ratio;
        if (height > room.height()) {
            height = room.height();
            width = height / ratio;
        }
        const QRectF paper(room.center().x() - width / 2, room.center().y() - height / 2, width, height);
        p.fillRect(paper, Qt::white);
        p.setPen(Qt::black);
        p.drawRect(paper);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        PaintPreparedPage(p, *page, paper);
    }

private:
    TReportPreview& preview_;
};

}  // namespace

ReportPreviewPeer::ReportPreviewPeer(TReportPreview& preview) : ControlPeer(preview, new PreviewWidget(preview)) {}

void ReportPreviewPeer::sync(TProperty property) {
    ControlPeer::sync(property);
    if (QWidget* w = widget()) w->update();
}

void RegisterReportPreviewPeer() {
    RegisterPeerFactory("TReportPreview", [](TComponent& component) -> Peer* {
        auto* preview = dynamic_cast<TReportPreview*>(&component);
        return preview ? new ReportPreviewPeer(*preview) : nullptr;
    });
}

bool PrintWithDialog(const TPreparedPage& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(PageLayoutOf(page.Paper));
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The marks go at their true distances from the paper's corner, even on
    // other paper than the template's: a pre-printed slip is measured in
    // millimetres, not in fractions of the sheet.
    const double dotsPerMm = printer.resolution() / 25.4;
    PaintPreparedPage(painter, page,
                      QRectF(0, 0, page.Paper.PaperWidth * dotsPerMm, page.Paper.PaperHeight * dotsPerMm));
    return painter.end();
}

bool PageSetupWithDialog(TPageSettings& paper, QWidget* parent) {
    QPrinter printer;
    printer.setPageLayout(PageLayoutOf(paper));
    QPageSetupDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    paper = PaperOf(printer.pageLayout());
    return true;
}

} // namespace gui
