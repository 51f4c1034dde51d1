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

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The Qt platform, except that no box may come up.
class QuietPlatform : public Platform {
public:
    explicit QuietPlatform(Platform& qt) : qt_(qt) {}
    int MessageBox(const std::string& text, const std::string& caption, int) override {
        ADD_FAILURE() << "message box: " << text << " (" << caption << ")";
        return IDOK;
    }
    std::string InputBox(const std::string& caption, const std::string&, const std::string& defaultText) override {
        ADD_FAILURE() << "input box: " << caption;
        return defaultText;
    }
    bool ExecuteOpenDialog(TOpenDialog&) override { return false; }
    bool ExecuteSaveDialog(TSaveDialog&) override { return false; }
    void ShowModal(TForm& form) override { qt_.ShowModal(form); }
    void ProcessMessages() override { qt_.ProcessMessages(); }
    void Repaint() override { qt_.Repaint(); }
    void ProcessMessagesFor(TControl& control) override { qt_.ProcessMessagesFor(control); }
    bool ShellExecute(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    void PlaySoundAsync(const std::string&) override {}
    bool StartProgram(const std::string&, const std::vector<std::string>&) override { return false; }
    void Sleep(int) override {}
    TDateTime Now() override { return qt_.Now(); }
    TFormatSettings UserFormatSettings() override { return qt_.UserFormatSettings(); }
    void ScreenCursorChanged(TCursor cursor) override { qt_.ScreenCursorChanged(cursor); }
    void LanguageChanged(const std::string& locale) override { qt_.LanguageChanged(locale); }
    void Terminate() override { qt_.Terminate(); }

private:
    Platform& qt_;
};

std::string picture(const std::string& name) { return std::string(GUI_TEST_OUTPUT_DIR) + "/" + name; }

void settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

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
    char name[] = "Stellix";
    char* argv[] = {name, nullptr};
    int argc = 1;
    const int exitCode = gui::RunFrontEnd(
        argc, argv, program.path().string(),
        [&](TApplication& app) {
            CreateProgram(app);
            QTimer::singleShot(0, [&] { drive(); });
        },
        [&](Platform& qt) { return std::make_unique<QuietPlatform>(qt); });
    EXPECT_EQ(exitCode, 0);
    ASSERT_EQ(captions.size(), 4u);
    EXPECT_EQ(captions[0], "Рассчитать ставки");
    EXPECT_EQ(captions[1], "Υπολογισμός στηλών");
    EXPECT_EQ(captions[2], "计算选号");
    EXPECT_EQ(captions[3], "Tipps berechnen");
    TRegistry::SetHiveFolder("");
}

}  // namespace
