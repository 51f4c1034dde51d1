// The calculate button's stop text is only a caption: a translation whose
// stop text (message 20) equals the idle caption still starts and stops runs.

#include "generator/CalculationWindow.h"
#include "platform/rtl/Random.h"

#include <functional>

namespace {

class CalculationStop : public CalculationWindow {};

TEST_F(CalculationStop, AStopTextLikeTheIdleCaptionNeitherBlocksAStartNorAStop) {
    startWithHistory();
    f().Memo2->Lines().SetStrings(20, "Tipps berechnen");
    RandSeed = 4711;
    calculate();
    EXPECT_FALSE(empty(0));
    EXPECT_EQ(f().RunningCommand(), TForm1::LongCommand::None);

    impossibleFilters();
    f().UpDown7->SetPosition(30000);
    int dispatches = 0;
    std::function<void()> clickAfterAFew = [&] {
        if (++dispatches == 50)
            f().BitBtn4->Click();
        else
            h.platform.onProcessMessages(clickAfterAFew);
    };
    h.platform.onProcessMessages(clickAfterAFew);
    calculate();
    EXPECT_EQ(dispatches, 50);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    for (int r = 0; r < kTipRows; ++r) EXPECT_TRUE(empty(r)) << r;
}

}  // namespace
