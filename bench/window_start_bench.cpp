// Times the program's start in the real window through the Qt front end
// (offscreen unless QT_QPA_PLATFORM says otherwise), from the front end's
// call up to the update's first request reaching the stand-in host, and
// tells whether the main window was on screen and painted by then. One
// start per run of the program; scripts/window_bench.sh runs it several
// times.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/SilentPlatform.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

// The silent answers, with Qt's pumps and painting; notes whether the main
// window was on screen at the last paint the program asked for.
class WindowPlatform : public SilentPlatform {
public:
    explicit WindowPlatform(Platform& qt) : qt_(qt) {}
    void ProcessMessages() override { qt_.ProcessMessages(); }
    void Repaint() override {
        qt_.Repaint();
        if (!Form1) return;
        QWindow* window = gui::WidgetOf(*Form1)->window()->windowHandle();
        exposed = window && window->isExposed();
    }
    void PaintWhileWaiting() override { qt_.PaintWhileWaiting(); }
    void ProcessMessagesFor(TControl& control) override { qt_.ProcessMessagesFor(control); }
    void ScreenCursorChanged(TCursor cursor) override { qt_.ScreenCursorChanged(cursor); }
    void LongCommandStarted() override { qt_.LongCommandStarted(); }
    void LongCommandEnded() override { qt_.LongCommandEnded(); }
    void Terminate() override { qt_.Terminate(); }

    std::atomic<bool> exposed{false};

private:
    Platform& qt_;
};

// Counts the paints of the main window's widgets.
class PaintCount : public QObject {
public:
    std::atomic<int> paints{0};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) ++paints;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    TempDir program, config;
    // Eight dates are due up to the fixed day.
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(30, EncodeDate(2025, 1, 14)));
    TRegistry::SetHiveFolder(config.home());

    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    PaintCount counter;
    std::atomic<WindowPlatform*> platform{nullptr};
    std::atomic<bool> exposed{false};
    std::atomic<int> paints{0};
    std::atomic<long long> firstRequest{-1};
    const Clock::time_point start = Clock::now();
    host.Handle("/lotto/stellix.asp", [&](const RecordedRequest&) {
        if (firstRequest < 0) {
            firstRequest = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            exposed = platform.load()->exposed.load();
            paints = counter.paints.load();
        }
        // A failing server ends the update at its first request.
        return StandInReply::Code(500);
    });

    const int exitCode = gui::RunFrontEnd(
        argc, argv, program.path().string(),
        [&](TApplication& app) {
            CreateProgram(app);
            QTimer::singleShot(50, [] { Form1->Close(); });
        },
        [&](Platform& qt) {
            qApp->installEventFilter(&counter);
            auto wrapped = std::make_unique<WindowPlatform>(qt);
            platform = wrapped.get();
            return wrapped;
        });
    TRegistry::SetHiveFolder("");

    if (firstRequest < 0) {
        std::printf("no request was made (exit code %d)\n", exitCode);
        return 1;
    }
    std::printf("first request %.1f ms after the start; window on screen at the last paint: %s; widget paints: %d\n",
                static_cast<double>(firstRequest.load()) / 1000.0, exposed ? "yes" : "no", paints.load());
    return exitCode;
}
