// The figures the winnings window and the extra-games window show in labels
// are data: a language load leaves them as they are, and the export writes
// no record for them.

#include "app/LanguageFiles.h"
#include "app/ProgramWindows.h"
#include "evaluation/auswert.h"
#include "output/Spielwahl.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(WindowDataLabels, TheTotalAndTheCostKeepTheirFiguresThroughALanguageLoad) {
    MainWindowHarness h;
    CreateProgramWindows(*h.app);
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", h.dir.home() + "land");
    Form5->Tipp = 3;
    Form5->Spiel77->SetChecked(true);  // recomputes the cost
    const std::string cost = Form5->Label4->Caption();
    ASSERT_NE(cost, "Kosten:");
    Form9->Label20->SetCaption("1234.50");

    for (const char* code : {"en", "ru", "cn"}) {
        Form1->DateiLaden1Click(h.dir.home() + "land/Stellix.txt", code);
        EXPECT_EQ(Form9->Label20->Caption(), "1234.50") << code;
        EXPECT_EQ(Form5->Label4->Caption(), cost) << code;
        EXPECT_NE(Form5->Label3->Caption(), "Kosten:") << code;  // its heading is translated
    }
    LanguageRecord r;
    EXPECT_FALSE(ExportRecord(*Form9->Label20, *Form9, TFormatSettings::German(), r));
    EXPECT_FALSE(ExportRecord(*Form5->Label4, *Form5, TFormatSettings::German(), r));
}

}  // namespace
