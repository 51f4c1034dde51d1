// Times the two back-tests on a headless main window over a history of
// 2,000 draws, both from its first draw: the parameter back-test with the
// default parameters (a tip calculation in each of about 1,000 weekly
// cycles), and the historical analysis, which scans the whole history once
// per stored draw, with every question answered Yes and a threshold that
// finds no draw.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Random.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

class AnsweringPlatform : public SilentPlatform {
public:
    int MessageBox(const std::string&, const std::string&, int) override {
        ++messages;
        return IDYES;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return answer; }
    bool ShellExecute(const std::string&, const std::string&, const std::string&, const std::string&) override {
        ++opened;
        return true;
    }
    std::string answer;
    int opened = 0;
};

double secondsOf(TBitBtn* button) {
    auto start = std::chrono::steady_clock::now();
    button->Click();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

std::string lastLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line, last;
    while (std::getline(in, line))
        if (line.size() > 1) last = line.substr(0, line.size() - 1);
    return last;
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "backtest_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    const std::vector<DrawRecord> history = SyntheticHistory(2000, EncodeDate(2025, 2, 11));
    writeDraws((home / "ZahlenEU.dat").string(), history);

    AnsweringPlatform platform;
    TRegistry::SetHiveFolder((home / "config").string());
    int status = 0;
    {
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        TForm1& form = *Form1;
        const std::string report = form.Home + "Test.txt";

        form.DateTimePicker1->SetDate(history.front().Datum);
        platform.answer = "4711";
        const double backTest = secondsOf(form.BitBtn9);
        std::printf("parameter back-test, 2000 draws from the first, %d tips a cycle: %.2f s (%s)\n",
                    form.UpDown8->Position(), backTest, lastLine(report).c_str());
        if (backTest >= 10 || platform.opened != 1) status = 1;

        form.DateTimePicker1->SetDate(history.front().Datum);
        platform.answer = "6";
        const double analysis = secondsOf(form.BitBtn19);
        std::printf("historical analysis, 2000 draws from the first: %.3f s (%d questions)\n", analysis,
                    platform.messages);
        if (analysis >= 1 || platform.opened != 2) status = 1;
        form.Close();
    }
    fs::remove_all(home);
    return status;
}
