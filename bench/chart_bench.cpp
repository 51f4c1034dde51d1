// Times every statistics chart routine of the main window over a history of
// 2,000 draws, the way the tip calculation calls them again and again, and
// prints the median time per call.

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Routine {
    const char* name;
    void (TForm1::*handler)(TObject*);
};

} // namespace

int main() {
    constexpr int kDraws = 2000;
    constexpr int kCalls = 200;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "chart_bench";
    std::filesystem::create_directories(dir / "config");
    TRegistry::SetHiveFolder((dir / "config").string() + "/");

    SilentPlatform platform;
    int failures = 0;
    {
        TApplication app(platform);
        app.ExeName = (dir / "Stellix").string();
        TForm1* form = app.CreateForm<TForm1>();
        form->Home = dir.string() + "/";
        form->ZahlenFile = "ZahlenEU.dat";
        writeDraws(form->Home + form->ZahlenFile, SyntheticHistory(kDraws, EncodeDate(2025, 2, 11)));
        form->DateTimePicker2->SetDate(EncodeDate(2004, 2, 13));
        form->DateTimePicker1->SetDate(EncodeDate(2025, 2, 11));
        form->UpDown21->SetPosition(17);

        const Routine routines[] = {
            {"number distribution (SpeedButton2Click)", &TForm1::SpeedButton2Click},
            {"star frequency (SpeedButton3Click)", &TForm1::SpeedButton3Click},
            {"overdue numbers (Button5Click)", &TForm1::Button5Click},
            {"overdue stars (Button8Click)", &TForm1::Button8Click},
            {"cross sums (SpeedButton9Click)", &TForm1::SpeedButton9Click},
            {"pairs (Button2Click)", &TForm1::Button2Click},
            {"triples (Button3Click)", &TForm1::Button3Click},
            {"quads (Button4Click)", &TForm1::Button4Click},
            {"pairs with 17 (SpeedButton29Click)", &TForm1::SpeedButton29Click},
        };
        std::printf("%d draws, %d calls each: median (min .. max) per call\n", kDraws, kCalls);
        for (const Routine& r : routines) {
            std::vector<double> us;
            us.reserve(kCalls);
            for (int i = 0; i < kCalls; ++i) {
                auto start = std::chrono::steady_clock::now();
                if (!app.Invoke([&] { (form->*r.handler)(nullptr); })) ++failures;
                us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
            }
            std::sort(us.begin(), us.end());
            std::printf("  %-42s %8.1f us  (%.1f .. %.1f)  %d bars\n", r.name, us[us.size() / 2], us.front(),
                        us.back(), form->Series2->Count());
        }
    }
    TRegistry::SetHiveFolder("");
    std::filesystem::remove_all(dir);
    return failures == 0 && platform.messages == 0 ? 0 : 1;
}
