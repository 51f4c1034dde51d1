// The slip window as a user opens it from the main window, in process and
// offscreen: tips in the grid, "Schein drucken (Test)", the window with its
// preview of the shipped slip kept as a picture of each page, the tips
// placed again, a print, and the close that keeps the layout.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "output/anders.h"
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

// Printing is kept instead of asking for a printer.
class SlipPlatform : public smoke::SmokePlatform {
public:
    SlipPlatform(Platform& qt, std::vector<TPreparedPage>& printed) : SmokePlatform(qt), printed_(printed) {}
    bool PrintPage(const TPreparedPage& page) override {
        printed_.push_back(page);
        return true;
    }

private:
    std::vector<TPreparedPage>& printed_;
};

TEST(SlipWindowSmoke, OpensWithThePreviewOfTheShippedSlipPrintsAndKeepsTheLayout) {
    TempDir program, config;
    // The draw update at the show finds no host, at once and without a name server.
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    // The program folder as the build lays it out.
    for (const char* name : {"EM_France.fr3", "schein.fr3"})
        std::filesystem::copy_file(std::string(SLIP_TEMPLATE_DIR) + "/" + name, program.file(name));
    TRegistry::SetHiveFolder(config.home());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    std::vector<TPreparedPage> printed;  // outlives the platform, which ends with the run
    bool shown = false;
    auto inSlip = [&] {
        TForm8& slip = *Form8;
        settle();
        QWidget* window = gui::WidgetOf(slip)->window();
        ASSERT_TRUE(window->isVisible());
        EXPECT_TRUE(gui::WidgetOf(*slip.frxPreview1)->isVisible());
        // Measured from the shipped slip and written in the user's format.
        EXPECT_DOUBLE_EQ(LayoutNumber(slip.Edit17->Text(), Application->Services().UserFormatSettings()), 164.4);
        for (int i = 0; i < slip.PageControl1->PageCount(); ++i) {
            slip.PageControl1->SetActivePage(slip.PageControl1->Pages(i));
            settle();
            window->grab().save(
                QString::fromStdString(picture("slip_window_" + slip.PageControl1->Pages(i)->Name() + ".png")));
        }
        slip.PageControl1->SetActivePage(slip.TabSheet1);
        slip.BitBtn1->Click();
        settle();
        window->grab().save(QString::fromStdString(picture("slip_window.png")));
        shown = true;
        slip.Close();
    };
    auto drive = [&] {
        TForm1& f = *Form1;
        const char* tip[] = {"3", "11", "19", "27", "44", "2", "9"};
        for (size_t i = 0; i < 7; ++i) f.Row(0).Edits[i]->SetText(tip[i]);
        settle();
        QTimer::singleShot(0, [&] { inSlip(); });
        f.SpeedButton27->Click();  // runs until the slip window closes
        f.Close();
    };
    const int exitCode = smoke::RunProgram(program.path().string(), drive,
                                           [&](Platform& qt) { return std::make_unique<SlipPlatform>(qt, printed); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(shown);
    ASSERT_EQ(printed.size(), 1u);
    int marks = 0;
    for (const TPreparedMemo& m : printed[0].Memos) marks += m.Text == "x";
    EXPECT_EQ(marks, 7);
    EXPECT_NE(readFileBytes(config.file("HKEY_CURRENT_USER.reg")).find("\\Stellix\\druck]"), std::string::npos);
    TRegistry::SetHiveFolder("");
}

}  // namespace
