// The program on a real X server with a window manager, in process, against
// the stand-in host: while the host holds a request (the draw update, the
// winnings window's quota download, the click-script update, the basket's
// address template), another X client lays a window over part of the
// program's windows and takes it away again, or minimises the main window
// and restores it; the screen must show the windows painted again before
// the host answers.

#include "app/LottoZahlen.h"
#include "evaluation/auswert.h"
#include "gui/Attach.h"
#include "output/Scriptwahl.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/DateTime.h"
#include "smoke/SmokeProgram.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "XScreen.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The cover's colour, which no window of the program shows.
constexpr std::uint32_t kCoverColour = 0xff00ff;
// How long a look waits for what it wants to see. A window that is not
// painted while the request waits is not painted before the host answers,
// so the bound only ends a failing look.
constexpr auto kLookBound = 2500ms;
// What the windows must manage while a request waits; far above the few
// tens of ms they take, so that a loaded machine passes, and far below the
// request's own bounds.
constexpr auto kRepaintBound = 500ms;

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds bound) {
    const auto until = Clock::now() + bound;
    while (!condition()) {
        if (Clock::now() >= until) return false;
        std::this_thread::sleep_for(2ms);
    }
    return true;
}

// The part of an area that lies on the screen.
XScreen::Rect onScreen(XScreen::Rect r) {
    const int right = std::min(r.x + r.width, 1280), bottom = std::min(r.y + r.height, 1024);
    r.x = std::max(r.x, 0);
    r.y = std::max(r.y, 0);
    r.width = std::max(right - r.x, 0);
    r.height = std::max(bottom - r.y, 0);
    return r;
}

// What one look at a window found while the host held the request.
struct Look {
    std::string what;
    bool settled = false;  // the area showed the same pixels twice in a row
    bool hidden = false;   // the cover was on screen / the window was minimised
    bool painted = false;  // the area showed again what it showed before
    double ms = 0;         // from the window's uncovering or restoring to its paint
    std::string detail;    // what the screen showed when the look gave up
};

// The pixels as a picture, for a look that failed.
void savePicture(const std::string& path, const XScreen::Rect& area, const std::vector<std::uint32_t>& pixels) {
    std::string data = "P6\n" + std::to_string(area.width) + " " + std::to_string(area.height) + "\n255\n";
    for (std::uint32_t p : pixels) {
        data.push_back(static_cast<char>((p >> 16) & 0xff));
        data.push_back(static_cast<char>((p >> 8) & 0xff));
        data.push_back(static_cast<char>(p & 0xff));
    }
    writeFileBytes(path, data);
}

// The area's pixels once they stay as they are: the windows have painted
// everything they had to show before the look.
bool settledPixels(XScreen& screen, const XScreen::Rect& area, std::vector<std::uint32_t>& pixels) {
    std::vector<std::uint32_t> previous = screen.Grab(area);
    return waitFor(
        [&] {
            std::this_thread::sleep_for(60ms);
            pixels = screen.Grab(area);
            const bool same = !pixels.empty() && pixels == previous;
            previous = pixels;
            return same;
        },
        kLookBound);
}

std::size_t differing(const std::vector<std::uint32_t>& a, const std::vector<std::uint32_t>& b) {
    if (a.size() != b.size()) return std::max(a.size(), b.size());
    std::size_t n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

// Whether the area shows again what it showed before. A window painted
// anew from scratch (after its icon) may draw a glyph a shade differently,
// so a few pixels may differ; a window not painted again differs in most.
bool showsAgain(XScreen& screen, const XScreen::Rect& area, const std::vector<std::uint32_t>& before,
                Clock::time_point from, Look& look) {
    const std::size_t allowed = before.size() / 200;
    look.painted = waitFor([&] { return differing(screen.Grab(area), before) <= allowed; }, kLookBound);
    look.ms = std::chrono::duration<double, std::milli>(Clock::now() - from).count();
    if (!look.painted) {
        const std::vector<std::uint32_t> after = screen.Grab(area);
        look.detail = std::to_string(differing(after, before)) + " of " + std::to_string(before.size()) +
                      " pixels differ";
        std::string name = look.what;
        std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '-');
        savePicture(smoke::picture("repaint-" + name + "-before.ppm"), area, before);
        savePicture(smoke::picture("repaint-" + name + "-after.ppm"), area, after);
    }
    return look.painted;
}

// Lays a window over the area and takes it away again.
Look coverAndUncover(const std::string& what, const XScreen::Rect& place) {
    XScreen screen;
    Look look{what, false, false, false, 0, {}};
    const XScreen::Rect area = onScreen(place);
    std::vector<std::uint32_t> before;
    look.settled = settledPixels(screen, area, before);
    const unsigned long cover = screen.Cover(area, kCoverColour);
    look.hidden = waitFor(
        [&] {
            const std::vector<std::uint32_t> now = screen.Grab(area);
            return !now.empty() && std::all_of(now.begin(), now.end(), [](std::uint32_t p) { return p == kCoverColour; });
        },
        kLookBound);
    screen.Uncover(cover);
    showsAgain(screen, area, before, Clock::now(), look);
    return look;
}

// Minimises the window through the window manager and restores it.
Look minimiseAndRestore(const std::string& what, unsigned long window) {
    XScreen screen;
    Look look{what, false, false, false, 0, {}};
    const XScreen::Rect area = onScreen(screen.Place(window));
    // The window is the active one before as after: an active window's
    // controls may look a little different.
    screen.Restore(window);
    std::vector<std::uint32_t> before;
    look.settled = settledPixels(screen, area, before);
    screen.Minimise(window);
    look.hidden = waitFor([&] { return !screen.Viewable(window); }, kLookBound);
    screen.Restore(window);
    if (!waitFor([&] { return screen.Viewable(window); }, kLookBound)) return look;
    showsAgain(screen, area, before, Clock::now(), look);
    return look;
}

// Part of a window: the upper left of the main window (the other windows
// come up over its middle), the middle of a dialog.
XScreen::Rect upperLeft(unsigned long window) {
    const XScreen::Rect r = XScreen().Place(window);
    return {r.x + 10, r.y + 30, std::min(360, r.width - 20), std::min(220, r.height - 60)};
}

XScreen::Rect middle(unsigned long window) {
    const XScreen::Rect r = XScreen().Place(window);
    return {r.x + r.width / 4, r.y + r.height / 4, r.width / 2, r.height / 2};
}

unsigned long windowId(TForm& form) { return gui::WidgetOf(form)->window()->winId(); }

// Runs `then` from a timer tick once the form's window is on screen: the
// tick comes inside the form's modal run.
void whenShown(TForm& form, std::function<void()> then) {
    QTimer::singleShot(10, [&form, then] {
        QWidget* widget = gui::WidgetOf(form);
        QWindow* window = widget ? widget->window()->windowHandle() : nullptr;
        if (!window || !window->isExposed()) {
            whenShown(form, then);
            return;
        }
        smoke::settle();
        then();
    });
}

// The smoke platform on a fixed day, with German regional settings; the
// basket's addresses are opened without a browser.
class WaitingPlatform : public smoke::SmokePlatform {
public:
    WaitingPlatform(Platform& qt, std::vector<std::string>& opened) : SmokePlatform(qt), opened_(opened) {}
    TDateTime Now() override { return EncodeDate(2025, 2, 11) + 0.5; }
    TFormatSettings UserFormatSettings() override { return TFormatSettings::German(); }
    bool ShellExecute(const std::string&, const std::string& file, const std::string&, const std::string&) override {
        opened_.push_back(file);
        return true;
    }

private:
    std::vector<std::string>& opened_;
};

class RepaintWhileWaiting : public testing::Test {
protected:
    RepaintWhileWaiting() {
        // On the fixed day two draw dates are due, 7 and 11 February.
        writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(30, EncodeDate(2025, 2, 4)));
        TRegistry::SetHiveFolder(config.home());
        // The pointer stays clear of the windows: a control under it would
        // look different once the window has it again.
        XScreen().MovePointer(1279, 1023);
    }
    ~RepaintWhileWaiting() override { TRegistry::SetHiveFolder(""); }

    // Runs the program; `drive` gets the main window on screen after the
    // update at the start, and the program ends after it.
    void run(const std::function<void(TForm1&)>& drive) {
        const int exitCode = smoke::RunProgram(
            program.path().string(),
            [&] {
                TForm1& f = *Form1;
                QWidget* window = gui::WidgetOf(f)->window();
                EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
                smoke::settle();
                mainWindow = window->winId();
                // A command that fails still ends the program.
                try {
                    drive(f);
                } catch (const std::exception& e) {
                    ADD_FAILURE() << "the command failed: " << e.what();
                }
                f.Close();
            },
            [this](Platform& qt) { return std::make_unique<WaitingPlatform>(qt, opened); });
        EXPECT_EQ(exitCode, 0);
    }

    void note(Look look) {
        std::lock_guard<std::mutex> lock(mutex_);
        looks_.push_back(std::move(look));
    }

    // Every look expected was made, and found its window painted again in time.
    void expectPainted(const std::vector<std::string>& expected) {
        // A request the program gave up on leaves the host still looking.
        waitFor(
            [&] {
                std::lock_guard<std::mutex> lock(mutex_);
                return looks_.size() >= expected.size();
            },
            20s);
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<std::string> made;
        for (const Look& look : looks_) {
            made.push_back(look.what);
            EXPECT_TRUE(look.settled) << look.what << ": the window never stood still before the look";
            EXPECT_TRUE(look.hidden) << look.what << ": the window was never covered or minimised";
            EXPECT_TRUE(look.painted) << look.what << ": not painted again within " << kLookBound.count() << " ms; " << look.detail;
            if (look.painted) {
                const double bound = std::chrono::duration<double, std::milli>(kRepaintBound).count();
                EXPECT_LT(look.ms, bound) << look.what;
                std::cout << "[ repaint  ] " << look.what << ": " << look.ms << " ms" << std::endl;
            }
        }
        EXPECT_EQ(made, expected);
    }

    TempDir program, config;
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    HostOverride second{"STELLIX_HOST2", host.BaseUrl()};
    std::atomic<unsigned long> mainWindow{0};
    std::atomic<unsigned long> dialog{0};
    // The addresses the program opened.
    std::vector<std::string> opened;

private:
    std::mutex mutex_;
    std::vector<Look> looks_;
};

TEST_F(RepaintWhileWaiting, TheDrawUpdate) {
    std::atomic<int> served{0};
    host.Handle("/lotto/stellix.asp", [&](const RecordedRequest&) {
        // The update at the start fetches both dates and stores nothing;
        // the update the test starts fetches them again and is held twice.
        const int request = ++served;
        if (request == 3) note(coverAndUncover("update, main window uncovered", upperLeft(mainWindow)));
        if (request == 4) note(minimiseAndRestore("update, main window restored", mainWindow));
        return StandInReply::Text("");
    });
    std::string status;
    run([&](TForm1& f) {
        f.BitBtn1->Click();
        status = f.StatusBar1->Panels(0).Text;
    });
    EXPECT_EQ(served, 4);
    // The held requests were answered, not given up.
    EXPECT_EQ(status, "OK");
    expectPainted({"update, main window uncovered", "update, main window restored"});
}

TEST_F(RepaintWhileWaiting, TheQuotaDownloadOfTheWinningsWindow) {
    host.ReplyAnyQuery("/lotto/stellix.asp", StandInReply::Text(""));
    std::atomic<int> served{0};
    host.Handle("/zahlen/lotto_neu.asp", [&](const RecordedRequest&) {
        // The opening downloads at once; the download the user starts in
        // the window is held.
        if (++served == 2) {
            note(coverAndUncover("quota download, main window uncovered", upperLeft(mainWindow)));
            note(coverAndUncover("quota download, winnings window uncovered", middle(dialog)));
        }
        return StandInReply::Code(404);
    });
    std::string status;
    run([&](TForm1& f) {
        TForm9& winnings = *Form9;
        whenShown(winnings, [&] {
            dialog = windowId(winnings);
            winnings.SpeedButton2->Click();
            status = winnings.StatusBar1->Panels(0).Text;
            winnings.Close();
        });
        f.auswertung->Click();
    });
    EXPECT_EQ(served, 2);
    EXPECT_EQ(status, "Failed : 404 Not Found");
    expectPainted({"quota download, main window uncovered", "quota download, winnings window uncovered"});
}

TEST_F(RepaintWhileWaiting, TheClickScriptUpdate) {
    host.ReplyAnyQuery("/lotto/stellix.asp", StandInReply::Text(""));
    std::filesystem::create_directories(program.path() / "Script");
    const std::string script = program.file("Script/A.zks");
    writeFileBytes(script, "alt");
    std::atomic<int> served{0};
    host.Handle("/scripts/A.zks.txt", [&](const RecordedRequest&) {
        ++served;
        note(coverAndUncover("click-script update, main window uncovered", upperLeft(mainWindow)));
        note(coverAndUncover("click-script update, chooser uncovered", middle(dialog)));
        return StandInReply::Text("neu").LastModified("Wed, 01 Jan 2031 00:00:00 GMT");
    });
    run([&](TForm1&) {
        TZKSForm& chooser = *ZKSForm;
        whenShown(chooser, [&] {
            dialog = windowId(chooser);
            chooser.BitBtn2->Click();
        });
        chooser.ShowModal();
    });
    EXPECT_EQ(served, 1);
    // The held reply came and took the script's place.
    EXPECT_EQ(readFileBytes(script), "neu");
    expectPainted({"click-script update, main window uncovered", "click-script update, chooser uncovered"});
}

TEST_F(RepaintWhileWaiting, TheBasketsAddressTemplate) {
    host.ReplyAnyQuery("/lotto/stellix.asp", StandInReply::Text(""));
    host.Handle("/lotto/lotto.asp", [&](const RecordedRequest&) {
        note(coverAndUncover("basket, main window uncovered", upperLeft(mainWindow)));
        note(minimiseAndRestore("basket, main window restored", mainWindow));
        return StandInReply::Text("http://provider.test/basket?Spiel=X&Tipps=1&");
    });
    run([&](TForm1& f) {
        const char* const tip[] = {"3", "14", "25", "36", "47", "2", "9"};
        for (int i = 0; i < 7; ++i) f.Row(0).Edits[static_cast<std::size_t>(i)]->SetText(tip[i]);
        f.WarenkorbClick(f.Warenkorb);
    });
    expectPainted({"basket, main window uncovered", "basket, main window restored"});
    // The held reply came: its address was opened.
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].rfind("http://provider.test/basket?", 0), 0u) << opened[0];
}

}  // namespace
