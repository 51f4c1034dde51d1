// Evaluates a tip list of 10,000 lines against one draw, the way the draw
// navigation re-checks a long list after every step, and prints the time of
// one evaluation.

#include "app/LottoZahlen.h"
#include "platform/rtl/Convert.h"
#include "support/SilentPlatform.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace {


}  // namespace

int main() {
    constexpr int kLines = 10000;
    constexpr int kRuns = 200;
    SilentPlatform platform;
    TApplication app(platform);
    // The window without its creation step: no settings, no files.
    auto* form = new TForm1(&app);
    form->Home = "/nonexistent/";
    form->SoundName = "yippee.wav";
    form->Zahl = {0, 3, 14, 22, 30, 41, 0, 2, 9};

    // Lines as both writers leave them: built from the grid (three TABs
    // before the stars) and loaded from tip files (single TABs).
    TStringList list;
    unsigned seed = 12345;
    auto next = [&seed](int n) {
        seed = seed * 134775813u + 1u;
        return 1 + static_cast<int>((static_cast<unsigned long long>(seed) * static_cast<unsigned>(n)) >> 32);
    };
    for (int i = 0; i < kLines; ++i) {
        std::string line;
        for (int k = 0; k < 5; ++k) line += IntToStr(next(50)) + "\t";
        if (i % 2 == 0) line += "\t\t";
        line += IntToStr(next(12)) + "\t" + IntToStr(next(12));
        list.Add(line);
    }
    form->Gewinnzahlen->Items().Assign(list);

    double best = 1e9, total = 0;
    int code = 0;
    for (int r = 0; r < kRuns; ++r) {
        const auto start = std::chrono::steady_clock::now();
        code = form->Listengewinncheck();
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, ms);
        total += ms;
    }
    std::printf("%d lines: %.2f ms per evaluation (best %.2f ms over %d runs), best code %d, %d win sounds per run\n",
                kLines, total / kRuns, best, kRuns, code, platform.sounds / kRuns);
    return form->Gewinne->Items().Count() == kLines ? 0 : 1;
}
