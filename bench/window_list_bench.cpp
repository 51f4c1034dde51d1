// The saved tip list on every path it takes: loaded and checked at start,
// loaded again through "Tipp laden", reloaded after editing in the desktop's
// editor, looked at by the tip calculation, saved at close. For each path it
// prints the time and the peak memory of the whole process (VmHWM). Every
// path runs in a process of its own: the start, then the path with the
// high-water mark reset to what the started program holds, so that a path's
// peak is its own (the start's peak is printed beside it). The program runs
// in the real window through the Qt front end (offscreen unless
// QT_QPA_PLATFORM says otherwise, e.g. QT_QPA_PLATFORM=xcb on an X server),
// and with --headless also without it.
//
//     window_list_bench                    the four lists below, every path
//     window_list_bench tips:200MB empty:50MB:lf ones:100MB 300000
//     window_list_bench --paths start,close --headless tips:50MB
//
// A list is KIND:SIZE[:lf]: KIND tips (tip lines as the grid hands them
// over), empty (empty lines) or ones (lines "1"); SIZE a number of lines or
// of MB of text; lines end in CR LF unless :lf. A bare SIZE means tips.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "app/SettingsKey.h"
#include "gui/FrontEnd.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/InWindow.h"
#include "support/SilentPlatform.h"

#include <QApplication>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A value of /proc/self/status in MB ("VmHWM", "VmRSS").
double statusMegabytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.compare(0, prefix.size(), prefix) == 0) return std::atof(line.c_str() + prefix.size()) / 1024.0;
    return 0;
}

// From here on the high-water mark counts from what the process holds now.
void resetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

struct ListKind {
    std::string kind = "tips";
    long lines = 0;            // a number of lines, or
    std::uintmax_t bytes = 0;  // this much text
    bool lf = false;
    std::string name;
};

ListKind parseKind(const std::string& arg) {
    ListKind k;
    k.name = arg;
    std::vector<std::string> parts;
    std::stringstream in(arg);
    for (std::string part; std::getline(in, part, ':');) parts.push_back(part);
    std::string size = parts.empty() ? arg : parts[0];
    if (parts.size() >= 2) {
        k.kind = parts[0];
        size = parts[1];
    }
    k.lf = parts.size() >= 3 && parts[2] == "lf";
    if (size.size() > 2 && size.substr(size.size() - 2) == "MB")
        k.bytes = std::stoull(size) * 1000 * 1000;
    else
        k.lines = std::atol(size.c_str());
    return k;
}

// Writes the list; returns the bytes written.
std::uintmax_t writeList(const fs::path& path, const ListKind& k) {
    std::mt19937 random(7);
    std::ofstream out(path, std::ios::binary);
    const std::string end = k.lf ? "\n" : "\r\n";
    std::string line;
    std::uintmax_t written = 0;
    for (long n = 0; k.lines > 0 ? n < k.lines : written < k.bytes; ++n) {
        line.clear();
        if (k.kind == "ones") {
            line = "1";
        } else if (k.kind == "tips") {
            // Five distinct numbers, three TABs, two distinct stars.
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
            for (int i = 0; i < 5; ++i) line += std::to_string(numbers[i]) + (i < 4 ? "\t" : "\t\t\t");
            line += std::to_string(stars[0]) + "\t" + std::to_string(stars[1]);
        }
        line += end;
        out << line;
        written += line.size();
    }
    return written;
}

void prepareFolder(const fs::path& home) {
    fs::remove_all(home);
    fs::create_directories(home / "config");
    fs::create_directories(home / "Tipps");
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

// Silent, but Yes to every question and the tip file to every open dialog.
class PathPlatform : public SilentPlatform {
public:
    int MessageBox(const std::string& text, const std::string& caption, int flags) override {
        SilentPlatform::MessageBox(text, caption, flags);
        return (flags & 0xF) == MB_YESNO ? IDYES : IDOK;
    }
    bool ExecuteOpenDialog(TOpenDialog& dialog) override {
        dialog.FileName = tipFile;
        return true;
    }
    std::string tipFile;
};

// Runs one path after the start and closes the program.
void runPath(const std::string& path) {
    if (path == "load") Form1->SpeedButton16Click(Form1);
    else if (path == "edit") Form1->SpeedButton28Click(Form1);
    else if (path == "calculation") Form1->Label28Click(Form1);
}

int runCase(bool window, const std::string& path, const fs::path& home) {
    TRegistry::SetHiveFolder((home / "config").string());
    double started = 0, ran = 0, startPeak = 0, pathPeak = 0;
    int lines = 0;
    const auto start = Clock::now();
    // What the program does once it is up and idle.
    auto drive = [&] {
        started = secondsSince(start);
        startPeak = statusMegabytes("VmHWM");
        resetPeak();
        const auto begun = Clock::now();
        if (path == "close") {
            Form1->Close();
        } else {
            runPath(path);
            if (window) QApplication::processEvents();
        }
        ran = secondsSince(begun);
        pathPeak = statusMegabytes("VmHWM");
        lines = Form1 ? Form1->Gewinnzahlen->Items().Count() : 0;
        if (Form1 && path != "close") {
            // The close saves the list: not this path's part.
            Form1->Gewinnzahlen->Items().Clear();
            Form1->Close();
        }
    };
    auto platformFor = [&](auto& platform) { platform.tipFile = (home / "Tipps" / "load.zlt").string(); };
    if (!window) {
        PathPlatform platform;
        platformFor(platform);
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        drive();
    } else {
        RunInWindow(home.string(), [&] {
            QApplication::processEvents();
            drive();
        }, [&](Platform& qt) {
            auto platform = std::make_unique<WindowPlatform<PathPlatform>>(qt);
            platformFor(*platform);
            return platform;
        });
    }
    std::printf("  %-8s %-11s %9d lines: start %6.2f s, peak %7.1f MB | path %6.2f s, peak %7.1f MB\n",
                window ? "window" : "headless", path.c_str(), lines, started, startPeak, ran,
                path == "start" ? startPeak : pathPeak);
    std::fflush(stdout);
    TRegistry::SetHiveFolder("");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--case")
        return runCase(std::string(argv[2]) == "window", argv[3], argv[4]);

    std::vector<std::string> kinds, paths = {"start", "load", "edit", "calculation", "close"};
    std::vector<std::string> modes = {"window"};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--headless") {
            modes = {"headless", "window"};
        } else if (arg == "--paths" && i + 1 < argc) {
            paths.clear();
            std::stringstream in(argv[++i]);
            for (std::string p; std::getline(in, p, ',');) paths.push_back(p);
        } else {
            kinds.push_back(arg);
        }
    }
    if (kinds.empty()) kinds = {"tips:200MB", "empty:50MB", "empty:50MB:lf", "ones:100MB"};

    const fs::path home = fs::temp_directory_path() / ("window_list_bench." + std::to_string(getpid()));
    for (const std::string& arg : kinds) {
        const ListKind kind = parseKind(arg);
        prepareFolder(home);
        const fs::path saved = home / "gewinnzahlen.txt", copy = home / "list.orig";
        const std::uintmax_t written = writeList(saved, kind);
        fs::copy_file(saved, copy, fs::copy_options::overwrite_existing);
        fs::copy_file(saved, home / "Tipps" / "load.zlt", fs::copy_options::overwrite_existing);
        std::printf("saved tip list %s (%.1f MB):\n", kind.name.c_str(), static_cast<double>(written) / 1e6);
        std::fflush(stdout);
        for (const std::string& mode : modes)
            for (const std::string& path : paths) {
                // Each start finds the list as the bench wrote it.
                fs::copy_file(copy, saved, fs::copy_options::overwrite_existing);
                const pid_t child = fork();
                if (child == 0) {
                    execl("/proc/self/exe", argv[0], "--case", mode.c_str(), path.c_str(), home.c_str(),
                          static_cast<char*>(nullptr));
                    _exit(127);
                }
                int status = 0;
                waitpid(child, &status, 0);
                if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
                    std::printf("  %s %s: FAILED (%d)\n", mode.c_str(), path.c_str(), status);
            }
    }
    fs::remove_all(home);
    return 0;
}
