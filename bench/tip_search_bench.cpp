// Searches the 12 grid rows through a history of 2,000 draws with a
// threshold that never stops, writing the draw line and every row's result
// label for each draw, and prints the time of one search.

#include "app/LottoZahlen.h"
#include "platform/rtl/Convert.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

namespace {

// Answers the threshold question with 8: no row ever stops the search.
class NoStopPlatform : public SilentPlatform {
public:
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return "8"; }
};

}  // namespace

int main() {
    constexpr int kDraws = 2000;
    constexpr int kRuns = 50;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "tip_search_bench";
    std::filesystem::create_directories(dir);

    NoStopPlatform platform;
    TApplication app(platform);
    // The window without its creation step: no settings, no files.
    auto* form = new TForm1(&app);
    form->Home = dir.string() + "/";
    form->ZahlenFile = "ZahlenEU.dat";
    writeDraws(form->Home + form->ZahlenFile, SyntheticHistory(kDraws, EncodeDate(2025, 2, 11)));
    form->DateTimePicker2->SetDate(EncodeDate(2004, 2, 13));
    form->DateTimePicker1->SetDate(EncodeDate(2025, 2, 11));
    form->CheckBox31->SetChecked(true);
    for (int r = 0; r < kTipRows; ++r)
        for (int e = 0; e < 7; ++e)
            form->Row(r).Edits[static_cast<size_t>(e)]->SetText(IntToStr(e < 5 ? 1 + (r * 7 + e * 9) % 50 : 1 + (r + e) % 12));

    double best = 1e9, total = 0;
    for (int r = 0; r < kRuns; ++r) {
        const auto start = std::chrono::steady_clock::now();
        form->SpeedButton4->Click();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("%d draws x %d rows: %.2f ms per search (best %.2f ms over %d runs), last draw shown: %s\n", kDraws,
                kTipRows, total / kRuns, best, kRuns, form->Label29->Caption().c_str());
    std::filesystem::remove_all(dir);
    return platform.messages == 0 ? 0 : 1;
}
