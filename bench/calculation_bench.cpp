// Times "Tipps berechnen" on a headless main window over a history of 2,000
// draws: twelve tips with the default parameters, and a run whose filters
// cannot be met, so that the whole budget of 50,000 attempts is spent.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Random.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

double millisecondsOf(TForm1& form) {
    auto start = std::chrono::steady_clock::now();
    form.BitBtn4->Click();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "calculation_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    writeDraws((home / "ZahlenEU.dat").string(), SyntheticHistory(2000, EncodeDate(2025, 2, 11)));

    SilentPlatform platform;
    TRegistry::SetHiveFolder((home / "config").string());
    int status = 0;
    {
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        TForm1& form = *Form1;
        form.UpDown8->SetPosition(12);

        std::vector<double> times;
        RandSeed = 1;
        for (int i = 0; i < 200; ++i) times.push_back(millisecondsOf(form));
        bool filled = !form.Row(11).Star2()->Text().empty();
        std::printf("12 tips, default parameters, 2000 draws: median %.2f ms, best %.2f ms (%s)\n", median(times),
                    *std::min_element(times.begin(), times.end()), filled ? "all rows filled" : "ROWS MISSING");
        if (!filled) status = 1;

        // The two history filters, as every candidate that reaches them
        // calls them: a whole scan each when no draw rejects.
        form.DateTimePicker2->SetDate(EncodeDate(2004, 2, 13));
        form.UpDown6->SetPosition(7);
        form.UpDown17->SetPosition(6);
        for (auto [name, filter] : {std::pair{"period filter (Secheroderfuenfer)", &TForm1::Secheroderfuenfer},
                                    std::pair{"recent filter (dreierodervierer)", &TForm1::dreierodervierer}}) {
            times.clear();
            for (int i = 0; i < 2000; ++i) {
                auto start = std::chrono::steady_clock::now();
                (form.*filter)(3, 11, 19, 27, 44, 2, 9);
                times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            }
            std::printf("%s over 2000 draws: median %.1f us per call\n", name, median(times));
        }

        form.UpDown1->SetPosition(239);
        form.UpDown2->SetPosition(21);
        form.UpDown7->SetPosition(50);
        times.clear();
        for (int i = 0; i < 5; ++i) times.push_back(millisecondsOf(form));
        std::printf("budget of 50000 spent (filters that cannot be met): median %.1f ms\n", median(times));
    }
    TRegistry::SetHiveFolder("");
    fs::remove_all(home);
    return status;
}
