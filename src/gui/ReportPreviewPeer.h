#pragma once
// The report preview: the page it shows, whole, on a grey ground, painted
// again whenever the report is refreshed.

#include "gui/Peer.h"

#include "platform/report/ReportPreview.h"

namespace gui {

class ReportPreviewPeer : public ControlPeer {
public:
    explicit ReportPreviewPeer(TReportPreview& preview);

protected:
    void sync(TProperty property) override;
};

// Makes the front end show every report preview with a ReportPreviewPeer.
void RegisterReportPreviewPeer();

// Printing and the page set-up through Qt Print Support's dialogs.
bool PrintWithDialog(const TPreparedPage& page, QWidget* parent);
bool PageSetupWithDialog(TPageSettings& paper, QWidget* parent);

} // namespace gui
