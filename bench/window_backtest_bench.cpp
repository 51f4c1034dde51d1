// Times the two back-tests of the database page over a history of 2,000
// draws, both from its first draw, first on a headless main window, then in
// the real window through the Qt front end (offscreen unless QT_QPA_PLATFORM
// says otherwise): the parameter back-test (1,001 weekly cycles, each a tip
// calculation that turns to the tip page) and the historical analysis (a
// scan of the history per stored draw, a threshold that finds none).

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/FrontEnd.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/InWindow.h"
#include "support/SilentPlatform.h"

#include <QApplication>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDraws = 2000;
constexpr int kRuns = 3;

// Every question answered Yes, the lucky number and the threshold given,
// the report not opened.
class AnsweringPlatform : public SilentPlatform {
public:
    int MessageBox(const std::string&, const std::string&, int) override { return IDYES; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override { return answer; }
    std::string answer;
};


struct Times {
    std::vector<double> backTest, analysis;
    std::string report;  // the back-test report's last line
};

double secondsOf(TBitBtn* button) {
    auto start = Clock::now();
    button->Click();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

std::string lastLine(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string line, last;
    while (std::getline(in, line))
        if (line.size() > 1) last = line.substr(0, line.size() - 1);
    return last;
}

// Each run from the first draw, with the same lucky number and threshold.
void timeRuns(TForm1& form, AnsweringPlatform& answers, TDateTime first, Times& times, bool settle) {
    for (int i = 0; i < kRuns; ++i) {
        form.PageControl1->SetActivePage(form.TabSheet4);
        if (settle) QApplication::processEvents();
        form.DateTimePicker1->SetDate(first);
        answers.answer = "4711";
        times.backTest.push_back(secondsOf(form.BitBtn9));
        if (i == 0) times.report = lastLine(form.Home + "Test.txt");
        if (settle) QApplication::processEvents();
        form.DateTimePicker1->SetDate(first);
        answers.answer = "6";
        times.analysis.push_back(secondsOf(form.BitBtn19));
        if (settle) QApplication::processEvents();
    }
}

void print(const char* what, const std::vector<double>& v) {
    std::printf("%s:", what);
    for (double t : v) std::printf(" %.3f", t);
    std::printf(" s (median %.3f s)\n", median(v));
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "window_backtest_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    const std::vector<DrawRecord> history = SyntheticHistory(kDraws, EncodeDate(2025, 2, 11));
    writeDraws((home / "ZahlenEU.dat").string(), history);
    TRegistry::SetHiveFolder((home / "config").string());
    const TDateTime first = history.front().Datum;

    Times headless, window;
    {
        AnsweringPlatform platform;
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        timeRuns(*Form1, platform, first, headless, false);
    }

    WindowPlatform<AnsweringPlatform>* answers = nullptr;
    RunInWindow(
        home.string(),
        [&] {
            TForm1& form = *Form1;
            timeRuns(form, *answers, first, window, true);
            form.Close();
        },
        [&](Platform& qt) {
            auto wrapped = std::make_unique<WindowPlatform<AnsweringPlatform>>(qt);
            answers = wrapped.get();
            return wrapped;
        });

    std::printf("%d draws from the first, platform %s\n", kDraws, qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("parameter back-test report, headless: %s\n", headless.report.c_str());
    std::printf("parameter back-test report, window:   %s\n", window.report.c_str());
    print("parameter back-test, headless     ", headless.backTest);
    print("parameter back-test, in the window", window.backTest);
    print("historical analysis, headless     ", headless.analysis);
    print("historical analysis, in the window", window.analysis);
    std::printf("in the window: parameter back-test %.2f x headless, historical analysis %.2f x headless\n",
                median(window.backTest) / median(headless.backTest),
                median(window.analysis) / median(headless.analysis));

    TRegistry::SetHiveFolder("");
    fs::remove_all(home);
    return window.backTest.size() == static_cast<size_t>(kRuns) ? 0 : 1;
}
