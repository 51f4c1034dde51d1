// Times a calculation that spends its whole budget (50,000 attempts, filters
// that cannot be met) over a history of 2,000 draws, first on a headless main
// window, then in the real window through the Qt front end (offscreen unless
// QT_QPA_PLATFORM says otherwise), and how long a stop click takes to end a
// long run in the window.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/Random.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/InWindow.h"
#include "support/SilentPlatform.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void unmeetable(TForm1& form) {
    form.UpDown8->SetPosition(12);
    form.UpDown1->SetPosition(239);
    form.UpDown2->SetPosition(21);
    form.UpDown7->SetPosition(50);
}

std::vector<double> timeRuns(TForm1& form, int runs) {
    std::vector<double> times;
    RandSeed = 1;
    for (int i = 0; i < runs; ++i) {
        auto start = Clock::now();
        form.BitBtn4->Click();
        times.push_back(msSince(start));
    }
    return times;
}

constexpr int kRuns = 5;

}  // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "window_calculation_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");
    writeDraws((home / "ZahlenEU.dat").string(), SyntheticHistory(2000, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder((home / "config").string());

    double headless = 0;
    {
        SilentPlatform platform;
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        CreateProgramWindows(app);
        unmeetable(*Form1);
        headless = median(timeRuns(*Form1, kRuns));
    }
    std::printf("budget of 50000 spent, headless:   median %.1f ms\n", headless);

    double window = 0, stop = -1;
    bool stopped = false;
    RunInWindow(
        home.string(),
        [&] {
            TForm1& form = *Form1;
            unmeetable(form);
            form.PageControl1->SetActivePage(form.TabSheet1);
            QApplication::processEvents();
            window = median(timeRuns(form, kRuns));

            // A long run, stopped by a click on its button as the user does.
            form.UpDown7->SetPosition(30000);
            QWidget* button = gui::WidgetOf(*form.BitBtn4);
            Clock::time_point clicked;
            QTimer::singleShot(300, [&] {
                clicked = Clock::now();
                QPoint at = button->rect().center();
                QPointF global = button->mapToGlobal(QPointF(at));
                QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton,
                                  Qt::NoModifier);
                QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton,
                                    Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(button, &press);
                QApplication::sendEvent(button, &release);
            });
            auto start = Clock::now();
            form.BitBtn4->Click();
            stopped = msSince(start) < 10000;
            stop = msSince(clicked);
            form.Close();
        },
        [](Platform& qt) { return std::make_unique<WindowPlatform<SilentPlatform>>(qt); });
    std::printf("budget of 50000 spent, in the window: median %.1f ms (%.2f x headless)\n", window,
                headless > 0 ? window / headless : 0.0);
    std::printf("stop click during a run of 30000000 attempts: run ended %.2f ms after the click%s\n", stop,
                stopped ? "" : " (NOT STOPPED)");

    TRegistry::SetHiveFolder("");
    fs::remove_all(home);
    return stopped ? 0 : 1;
}
