// The program in three languages with other scripts, in process and
// offscreen: the menu's language items switch the windows, and a picture of
// the main window is kept for each.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using smoke::picture;
using smoke::settle;

TEST(LanguageSmoke, TheMainWindowInRussianGreekAndChinese) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<std::string> captions;
    auto drive = [&] {
        TForm1& f = *Form1;
        settle();
        QWidget* window = gui::WidgetOf(f)->window();
        struct Choice {
            TMenuItem* item;
            const char* name;
        };
        for (const Choice& c : {Choice{f.Russisch1, "ru"}, Choice{f.Grischisch1, "gr"}, Choice{f.Chinese1, "cn"},
                                Choice{f.Deutsch1, "de"}}) {
            c.item->Click();
            settle();
            captions.push_back(f.BitBtn4->Caption());
            window->grab().save(QString::fromStdString(picture(std::string("main_window_") + c.name + ".png")));
        }
        f.Close();
    };
    const int exitCode = smoke::RunProgram(program.path().string(), drive);
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(captions.size(), 4u);
    EXPECT_EQ(captions[0], "Рассчитать ставки");
    EXPECT_EQ(captions[1], "Υπολογισμός στηλών");
    EXPECT_EQ(captions[2], "计算选号");
    EXPECT_EQ(captions[3], "Tipps berechnen");
    TRegistry::SetHiveFolder("");
}

}  // namespace
