#include "platform/report/ReportPreview.h"

#include "platform/forms/Application.h"

void TReportPreview::SetReport(TReport* report) {
    report_ = report;
    Changed(TProperty::Other);
}

void TReportPreview::Refresh() {
    if (report_) report_->PrepareReport();
    Changed(TProperty::Other);
}

const TPreparedPage* TReportPreview::ShownPage() const {
    if (!report_ || report_->PreparedPages().empty()) return nullptr;
    return &report_->PreparedPages().front();
}

bool TReportPreview::Print() {
    const TPreparedPage* page = ShownPage();
    return page && Application->Services().PrintPage(*page);
}

bool TReportPreview::PageSetup(const std::string& pageName) {
    TReportPage* page = report_ ? report_->FindPage(pageName) : nullptr;
    if (!page) return false;
    TPageSettings paper{page->PaperSize(), page->PaperWidth(), page->PaperHeight(), page->Orientation()};
    if (!Application->Services().PageSetupDialog(paper)) return false;
    page->SetPaperSize(paper.PaperSize);
    page->SetOrientation(paper.Orientation);
    page->SetPaperWidth(paper.PaperWidth);
    page->SetPaperHeight(paper.PaperHeight);
    Refresh();
    return true;
}
