// The draw text export and the per-date export through the main window.

#include "draws/DrawWindow.h"
#include "platform/rtl/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

class DrawExport : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;
    ScriptedPlatform& platform = w.h.platform;

    std::vector<std::string> textFiles() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(w.h.dir.path()))
            if (e.path().extension() == ".txt") names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(DrawExport, WritesEveryDrawAsOneLine) {
    w.store({draw(2004, 2, 13, {16, 29, 32, 36, 41}, 7, 9), draw(2025, 2, 7, {50, 40, 30, 20, 10}, 12, 11)});
    const std::string target = w.h.dir.file("export.txt");
    writeFileBytes(target, "an older export that is longer than the new one\r\n\r\n\r\n\r\n");
    platform.answerFileDialog(target);
    f.BitBtn3->Click();
    EXPECT_EQ(platform.fileDialogNames, std::vector<std::string>{w.h.dir.home() + "Zahlen.txt"});
    EXPECT_EQ(platform.fileDialogFilters, std::vector<std::string>{"Textdatei|*.txt"});
    EXPECT_EQ(readFileBytes(target), "20040213,16,29,32,36,41,7,9\r\n20250207,50,40,30,20,10,12,11\r\n");
}

TEST_F(DrawExport, LeavesTheTipCommandsDialogAlone) {
    w.store(ThreeDraws());
    f.SaveDialog1->FileName = w.h.dir.file("Tipps/20250214.zlt");
    f.SaveDialog1->Filter = "Tippdatei|*.zlt";
    f.SaveDialog1->DefaultExt = "zlt";
    for (const std::string& answer : {std::string(), w.h.dir.file("Zahlen.txt")}) {
        SCOPED_TRACE(answer.empty() ? "cancelled" : "chosen");
        platform.answerFileDialog(answer);
        f.BitBtn3->Click();
        EXPECT_EQ(f.SaveDialog1->FileName, w.h.dir.file("Tipps/20250214.zlt"));
        EXPECT_EQ(f.SaveDialog1->Filter, "Tippdatei|*.zlt");
        EXPECT_EQ(f.SaveDialog1->DefaultExt, "zlt");
    }
    EXPECT_TRUE(FileExists(w.h.dir.file("Zahlen.txt")));
    // Loading tips proposes the tip file, not the export.
    platform.fileDialogNames.clear();
    platform.answerFileDialog("");
    f.SpeedButton16->Click();
    EXPECT_EQ(platform.fileDialogNames, std::vector<std::string>{w.h.dir.file("Tipps/20250214.zlt")});
}

TEST_F(DrawExport, AMissingHistoryLeavesTheTargetUntouched) {
    const std::string target = w.h.dir.file("export.txt");
    writeFileBytes(target, "kept\r\n");
    platform.answerFileDialog(target);
    platform.answerMessage(IDOK);
    EXPECT_FALSE(Application->Invoke([&] { f.BitBtn3Click(nullptr); }));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "E/A-Fehler 2");
    EXPECT_EQ(readFileBytes(target), "kept\r\n");
}

TEST_F(DrawExport, PerDateWritesTheDrawsOfThePeriodOneFileADate) {
    const DrawRecord again = draw(2025, 2, 4, {6, 7, 8, 9, 10}, 4, 5);
    auto draws = ThreeDraws();
    draws.insert(draws.begin() + 2, again);
    draws.push_back(draw(2025, 2, 11, {1, 2, 3, 4, 5}, 1, 2));
    w.store(draws);
    // From the first draw's date (left out) to the third's (taken).
    f.DateTimePicker2->SetDate(EncodeDate(2025, 1, 31));
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
    writeFileBytes(w.h.dir.file("20250207.txt"), "an old line\r\nand another\r\n");
    f.SpeedButton14->Click();
    EXPECT_EQ(textFiles(), (std::vector<std::string>{"20250204.txt", "20250207.txt"}));
    EXPECT_EQ(readFileBytes(w.h.dir.file("20250204.txt")),
              "04.02.2025,5,12,23,34,45,0,3,9;\r\n04.02.2025,6,7,8,9,10,0,4,5;\r\n");
    EXPECT_EQ(readFileBytes(w.h.dir.file("20250207.txt")), "07.02.2025,50,40,30,20,10,0,12,11;\r\n");
}

TEST_F(DrawExport, PerDateWithBothPickersOnOneDateWritesNothing) {
    w.store(ThreeDraws());
    f.DateTimePicker2->SetDate(EncodeDate(2025, 2, 4));
    f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 4));
    f.SpeedButton14->Click();
    EXPECT_TRUE(textFiles().empty());
}

} // namespace
