// A report template of any content through the template reader; a template
// it takes is then searched for the slip's views, measured as the slip
// window measures it and prepared.
#include "output/SlipLayout.h"
#include "platform/report/TemplateFile.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TReport report;
    const std::string error =
        ReadReportTemplate(std::string_view(reinterpret_cast<const char*>(data), size), report, "/slips/");
    if (!error.empty()) {
        if (!report.Pages().empty()) __builtin_trap();  // a refused template leaves nothing behind
        return 0;
    }
    for (int t = 1; t <= 10; ++t)
        for (const char* kind : {"Zahl1_", "Zahl5_", "Stern1_", "Stern2_"})
            if (TReportMemoView* view = report.FindMemoView(kind + std::to_string(t))) view->Text = "x";
    MeasureLayout(
        [&](const std::string& name) -> std::optional<MarkPlace> {
            const TReportMemoView* view = report.FindMemoView(name);
            if (!view) return std::nullopt;
            return MarkPlace{view->Left, view->Top};
        },
        {10, 5, 3, 4, 2, 5});
    report.PrepareReport();
    return 0;
}
