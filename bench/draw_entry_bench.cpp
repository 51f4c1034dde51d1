// Times the manual entry of a draw into a history of 2,000 draws, on a
// headless main window: the whole command, from the click to the display of
// the draw afterwards. The entry falls between two old draws, so every call
// rewrites the history through its temporary file and renames it.

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "draws/LoEingab.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Enters one draw in every entry dialog and presses OK.
class EntryPlatform : public SilentPlatform {
public:
    TDateTime entryDate = 0;
    int dialogs = 0;
    void ShowModal(TForm& form) override {
        auto& d = dynamic_cast<TForm3&>(form);
        ++dialogs;
        d.DateTimePicker1->SetDate(entryDate);
        int n = 1;
        for (TUpDown* upDown : d.NumberUpDowns()) upDown->SetPosition(n++ * 7);
        d.BitBtn2->Click();
    }
};

} // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "draw_entry_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    constexpr int kRecords = 2000;
    constexpr int kCalls = 200;

    const std::vector<DrawRecord> history = SyntheticHistory(kRecords, EncodeDate(2025, 2, 7));
    {
        TFileOf<DrawRecord> out((home / "ZahlenEU.dat").string());
        out.Rewrite();
        for (const DrawRecord& r : history) out.Write(r);
        out.Close();
    }
    // A day between two draws in the middle of the history.
    const DrawRecord& before = history[kRecords / 2];

    int status = 0;
    {
        EntryPlatform platform;
        platform.entryDate = before.Datum + 1;
        TRegistry::SetHiveFolder((home / "config").string());
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        TForm1& form = *app.CreateForm<TForm1>();
        form.Home = home.string() + "/";
        form.ZahlenFile = "ZahlenEU.dat";

        std::vector<double> times;
        for (int i = 0; i < kCalls; ++i) {
            form.DateTimePicker1->SetDate(before.Datum);
            const auto start = std::chrono::steady_clock::now();
            form.BitBtn8Click(nullptr);
            times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        const auto size = fs::file_size(home / "ZahlenEU.dat");
        std::printf("history of %d draws, %d entries between two of them (each a rewrite):\n", kRecords, kCalls);
        std::printf("  BitBtn8Click: median %.2f ms, slowest %.2f ms\n", times[times.size() / 2] * 1e3,
                    times.back() * 1e3);
        if (size != (kRecords + 1) * sizeof(DrawRecord) || platform.dialogs != kCalls || platform.messages != 0) {
            std::printf("unexpected state: %ju bytes, %d dialogs, %d message boxes\n", static_cast<uintmax_t>(size),
                        platform.dialogs, platform.messages);
            status = 1;
        }
        TRegistry::SetHiveFolder("");
    }
    fs::remove_all(home);
    return status;
}
