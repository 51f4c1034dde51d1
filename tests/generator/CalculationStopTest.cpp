// The calculate button's stop text is only a caption: a translation whose
// stop text (message 20) equals the idle caption still starts and stops runs.

#include "generator/CalculationWindow.h"
#include "platform/rtl/Random.h"

namespace {

class CalculationStop : public CalculationWindow {};

TEST_F(CalculationStop, AStopTextLikeTheIdleCaptionNeitherBlocksAStartNorAStop) {
    startWithHistory();
    f().Memo2->Lines().SetStrings(20, "Tipps berechnen");
    RandSeed = 4711;
    calculate();
    EXPECT_FALSE(empty(0));
    EXPECT_EQ(f().RunningCommand(), TForm1::LongCommand::None);

    EXPECT_EQ(calculateAndStopWhileRunning(), 50);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    for (int r = 0; r < kTipRows; ++r) EXPECT_TRUE(empty(r)) << r;
}

}  // namespace
