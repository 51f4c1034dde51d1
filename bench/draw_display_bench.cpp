// Times the draw display and the previous-draw step on a history of 2,000
// draws, on a headless main window: both read the file from its start for
// every call, so this is the cost of one click at the newest draw.

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/SilentPlatform.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {


template <class F>
double secondsPerCall(int calls, F&& call) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) call();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / calls;
}

} // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "draw_display_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    constexpr int kRecords = 2000;
    constexpr int kCalls = 2000;

    TDateTime last = 0;
    {
        TFileOf<DrawRecord> out((home / "ZahlenEU.dat").string());
        out.Rewrite();
        for (int i = 0; i < kRecords; ++i) {
            last = 38031 + 3 * i + (i % 2);
            out.Write(MakeDrawRecord(last, {1 + i % 46, 2 + i % 46, 3 + i % 46, 4 + i % 46, 5 + i % 46},
                                     1 + i % 12, 1 + (i + 5) % 12));
        }
        out.Close();
    }

    int status = 0;
    {
        SilentPlatform platform;
        TRegistry::SetHiveFolder((home / "config").string());
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        TForm1& form = *app.CreateForm<TForm1>();
        form.Home = home.string() + "/";
        form.ZahlenFile = "ZahlenEU.dat";
        // A full grid, so that every call also evaluates twelve tips.
        for (int r = 0; r < kTipRows; ++r)
            for (int e = 0; e < 7; ++e)
                form.Row(r).Edits[static_cast<size_t>(e)]->SetText(std::to_string(e < 5 ? 1 + r + 7 * e : 1 + e));

        const double display = secondsPerCall(kCalls, [&] {
            form.DateTimePicker1->SetDate(last);
            form.SpeedButton5Click(nullptr);
        });
        const bool displayOk = form.Position == kRecords - 1 && form.Datum1 == last;

        const double previous = secondsPerCall(kCalls, [&] {
            form.Position = kRecords;
            form.SpeedButton6Click(nullptr);
        });
        const bool previousOk = form.Position == kRecords - 1 && form.Datum1 == last;

        std::printf("history of %d draws, %d calls each (the newest draw, the whole file read):\n", kRecords, kCalls);
        std::printf("  SpeedButton5Click (draw at the selected date): %.1f us per call\n", display * 1e6);
        std::printf("  SpeedButton6Click (previous draw):             %.1f us per call\n", previous * 1e6);
        if (!displayOk || !previousOk || platform.messages != 0) {
            std::printf("unexpected state: display %d, previous %d, %d message boxes\n", displayOk, previousOk,
                        platform.messages);
            status = 1;
        }
        TRegistry::SetHiveFolder("");
    }
    fs::remove_all(home);
    return status;
}
