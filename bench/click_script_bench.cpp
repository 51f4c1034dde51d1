// Fills click scripts of 1, 8 and 50 MB, every line a robot step, a third
// of them with a placeholder, with a batch of twelve tips: the filling
// alone, and the way the submission does it (the script loaded as lines,
// filled, and made the file's bytes again). Each with its time per MB: the
// filling takes the same time per byte at every size.

#include "output/ClickScript.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/TextEncoding.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string script(std::size_t bytes) {
    static const char* const fields[7] = {"Z1", "Z2", "Z3", "Z4", "Z5", "S1", "S2"};
    std::string text;
    text.reserve(bytes + 64);
    for (int n = 0; text.size() < bytes; ++n) {
        text += "CLICK " + std::to_string(100 + n % 700) + "," + std::to_string(200 + n % 300) + "\r\n";
        text += "WAIT 50\r\n";
        switch (n % 10) {
        case 9: text += "CHECK [DI] [FR] [DIFR] [DAUER]\r\n"; break;
        case 8: text += "SAY [MELDUNGFERTIG] [TIPPDATEI]\r\n"; break;
        default:
            text += "TYPE [" + std::string(fields[n % 7]) + "_" + std::to_string(n % 12 + 1) + "]\r\n";
            break;
        }
    }
    return text;
}

}  // namespace

int main() {
    std::vector<TipFields> batch;
    for (int t = 0; t < kScriptSlots; ++t)
        batch.push_back({std::to_string(t + 1), std::to_string(t + 13), std::to_string(t + 25),
                         std::to_string(t + 37), std::to_string(t + 39), "1", "12"});
    const ScriptDays days{false, false, true};
    const std::filesystem::path file = std::filesystem::temp_directory_path() / "click_script_bench.zks";
    for (std::size_t megabytes : {1, 8, 50}) {
        const std::string text = script(megabytes * 1000 * 1000);
        auto start = Clock::now();
        const std::string filled = FillClickScript(text, batch, days, "/home/user/Tipps/20250218.zlt");
        const double fill = secondsSince(start);

        std::ofstream(file, std::ios::binary) << text;
        start = Clock::now();
        TStringList lines;
        lines.LoadFromFile(file.string());
        lines.SetText(FillClickScript(lines.Text(), batch, days, "/home/user/Tipps/20250218.zlt"));
        const std::string bytes = EncodeFileTextLossless(lines.Text(), lines.Encoding());
        const double whole = secondsSince(start);
        const double mb = static_cast<double>(megabytes);
        std::printf("click script of %2zu MB: filling %.3f s (%.1f ms/MB); loaded, filled and encoded %.3f s "
                    "(%.1f ms/MB)\n",
                    megabytes, fill, 1000 * fill / mb, whole, 1000 * whole / mb);
        if (bytes.size() != filled.size()) std::printf("  (the file's bytes differ in size: %zu)\n", bytes.size());
    }
    std::filesystem::remove(file);
    return 0;
}
