#pragma once
// The report preview: a control that shows the first page of a report as
// it was last prepared. Refresh prepares the report again and shows it;
// Print and PageSetup go through the platform's printing services.

#include "platform/forms/Control.h"
#include "platform/report/Report.h"

class TReportPreview : public TWinControl {
public:
    explicit TReportPreview(TComponent* owner) : TWinControl(owner) {}
    const char* ClassName() const override { return "TReportPreview"; }

    TReport* Report() const { return report_; }
    void SetReport(TReport* report);

    // Prepares the report again and shows what it holds now.
    void Refresh();
    // The page shown, or nullptr for a report without pages.
    const TPreparedPage* ShownPage() const;

    // Prints the page shown; false when there is none or the user cancelled.
    bool Print();
    // The page set-up dialog on the report's page `pageName`; a confirmed
    // change goes into the page and the preview is refreshed.
    bool PageSetup(const std::string& pageName);

private:
    TReport* report_ = nullptr;
};
