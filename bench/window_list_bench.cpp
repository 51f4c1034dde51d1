// The saved tip list at start: how long the program takes from its start to
// the list view evaluated and painted, and how long to close it (the list is
// saved again), with the peak memory of the whole run. Each case runs in a
// process of its own, so that its peak memory is its own: headless, then in
// the real window through the Qt front end (offscreen unless QT_QPA_PLATFORM
// says otherwise, e.g. QT_QPA_PLATFORM=xcb on an X server).
//
//     window_list_bench                 1,000,000 lines and a list of 200 MB
//     window_list_bench 300000 50MB     the sizes given (lines, or MB of text)

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "app/SettingsKey.h"
#include "gui/FrontEnd.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Random.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/InWindow.h"
#include "support/SilentPlatform.h"

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Tip lines as the grid hands them over: five distinct numbers, three TABs,
// two distinct stars. Returns the bytes written.
std::uintmax_t writeTipList(const fs::path& path, long lines, std::uintmax_t bytes) {
    std::mt19937 random(7);
    std::ofstream out(path, std::ios::binary);
    std::string line;
    std::uintmax_t written = 0;
    for (long n = 0; lines > 0 ? n < lines : written < bytes; ++n) {
        int numbers[5], stars[2];
        for (int i = 0; i < 5; ++i) {
            bool again;
            do {
                numbers[i] = static_cast<int>(random() % 50) + 1;
                again = false;
                for (int j = 0; j < i; ++j) again |= numbers[j] == numbers[i];
            } while (again);
        }
        stars[0] = static_cast<int>(random() % 12) + 1;
        do stars[1] = static_cast<int>(random() % 12) + 1;
        while (stars[1] == stars[0]);
        line.clear();
        for (int i = 0; i < 5; ++i) line += std::to_string(numbers[i]) + (i < 4 ? "\t" : "\t\t\t");
        line += std::to_string(stars[0]) + "\t" + std::to_string(stars[1]) + "\r\n";
        out << line;
        written += line.size();
    }
    return written;
}

void prepareFolder(const fs::path& home) {
    fs::remove_all(home);
    fs::create_directories(home / "config");
    writeDraws((home / "ZahlenEU.dat").string(), SyntheticHistory(500, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder((home / "config").string());
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        reg.OpenKey(kSettingsKey, true);
        reg.WriteInteger("Ansicht", 1);
        reg.CloseKey();
    }
    TRegistry::SetHiveFolder("");
}


int runCase(bool window, const fs::path& home) {
    TRegistry::SetHiveFolder((home / "config").string());
    double loaded = 0, closed = 0, startPeak = 0;
    int lines = 0;
    const auto start = Clock::now();
    Clock::time_point closing;
    if (!window) {
        SilentPlatform platform;
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        loaded = secondsSince(start);
        startPeak = peakMegabytes();
        lines = Form1->Gewinne->Items().Count();
        closing = Clock::now();
        Form1->Close();
    } else {
        RunInWindow(
            home.string(),
            [&] {
                QApplication::processEvents();
                loaded = secondsSince(start);
                startPeak = peakMegabytes();
                lines = Form1->Gewinne->Items().Count();
                closing = Clock::now();
                Form1->Close();
            },
            [](Platform& qt) { return std::make_unique<WindowPlatform<SilentPlatform>>(qt); });
    }
    closed = secondsSince(closing);
    std::printf("  %-9s %9d lines evaluated: start %6.2f s (peak RSS %7.1f MB), close %5.2f s (peak RSS %7.1f MB)\n",
                window ? "window" : "headless", lines, loaded, startPeak, closed, peakMegabytes());
    std::fflush(stdout);
    TRegistry::SetHiveFolder("");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::string(argv[1]) == "--case") return runCase(std::string(argv[2]) == "window", argv[3]);

    std::vector<std::string> sizes;
    for (int i = 1; i < argc; ++i) sizes.emplace_back(argv[i]);
    if (sizes.empty()) sizes = {"1000000", "200MB"};

    const fs::path home = fs::temp_directory_path() / "window_list_bench";
    for (const std::string& size : sizes) {
        const bool megabytes = size.size() > 2 && size.substr(size.size() - 2) == "MB";
        const long count = megabytes ? 0 : std::atol(size.c_str());
        const std::uintmax_t bytes = megabytes ? std::stoull(size) * 1000 * 1000 : 0;
        prepareFolder(home);
        const std::uintmax_t written = writeTipList(home / "gewinnzahlen.txt", count, bytes);
        std::printf("saved tip list of %s (%.1f MB):\n", size.c_str(), static_cast<double>(written) / 1e6);
        std::fflush(stdout);
        for (const char* mode : {"headless", "window"}) {
            // Each start finds the list as the bench wrote it.
            const fs::path saved = home / "gewinnzahlen.txt", copy = home / "list.orig";
            fs::copy_file(saved, copy, fs::copy_options::overwrite_existing);
            const pid_t child = fork();
            if (child == 0) {
                execl("/proc/self/exe", argv[0], "--case", mode, home.c_str(), static_cast<char*>(nullptr));
                _exit(127);
            }
            int status = 0;
            waitpid(child, &status, 0);
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::printf("  %s: FAILED (%d)\n", mode, status);
            fs::rename(copy, saved);
        }
    }
    fs::remove_all(home);
    return 0;
}
