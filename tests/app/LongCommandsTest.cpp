// The long commands tell the platform when they start and end, once for the
// outermost (a back-test's cycles are calculations inside it), and also
// when one ends by an error, so the window never stays in its long-run way
// of painting.

#include "../draws/DrawWindow.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

TEST(LongCommands, EachTellsThePlatformItsStartAndItsEndOnEveryPath) {
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    struct Case {
        const char* what;
        std::function<void(DrawWindow&)> run;
    } cases[] = {
        {"calculation", [](DrawWindow& w) { w.f.BitBtn4->Click(); }},
        {"update", [](DrawWindow& w) { w.f.TippwerkClick(nullptr); }},
        {"search",
         [](DrawWindow& w) {
             w.h.platform.answerInput("9");
             w.f.SpeedButton4->Click();
         }},
        {"search with a threshold that is no number",
         [](DrawWindow& w) {
             w.h.platform.answerInput("x");
             w.h.platform.answerMessage(IDOK);
             w.h.app->Invoke([&] { w.f.SpeedButton4->Click(); });
         }},
        {"parameter back-test and its cycles",
         [](DrawWindow& w) {
             w.f.DateTimePicker1->SetDate(EncodeDate(2025, 1, 31));
             w.h.platform.answerMessage(IDYES);
             w.h.platform.answerInput("4711");
             w.f.BitBtn9->Click();
         }},
    };
    for (const Case& c : cases) {
        DrawWindow w;
        w.store(ThreeDraws());
        w.h.platform.tolerateMessages = true;
        c.run(w);
        EXPECT_EQ(w.h.platform.longCommandsStarted, 1) << c.what;
        EXPECT_EQ(w.h.platform.longCommandsRunning, 0) << c.what;
        EXPECT_FALSE(w.f.LongCommandRunning()) << c.what;
    }
}

}  // namespace
