// Saving the tips as a tip file or a Win2Day file, and loading them back,
// through the main window.

#include "TipWindow.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/TextEncoding.h"

#include <filesystem>

namespace {

const std::array<std::string, 7> kTip = {"3", "14", "27", "38", "49", "2", "11"};
const std::string kHeader = "<oelg>\r\n<versionsNr>4.0</versionsNr>\r\n<wsArt>34</wsArt>\r\n<tnDauer>1</tnDauer>\r\n";
const std::string kTipLines =
    "<tipp>\r\n<emTippZahl>03,14,27,38,49</emTippZahl>\r\n<emTippStern>02,11</emTippStern>\r\n</tipp>\r\n";

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

using TipFiles = TipWindow;

TEST_F(TipFiles, AGridRowGoesToWin2DayWithTwoDigitFields) {
    setRow(1, kTip);
    h.platform.answerFileDialog(tipFile("export.pcs"), 2);
    f.SpeedButton15->Click();

    EXPECT_EQ(readFileBytes(tipFile("export.pcs")), kHeader + "<schein>\r\n" + kTipLines + "</schein>\r\n</oelg>\r\n");
    EXPECT_EQ(filesIn(h.dir.file("Tipps")), std::vector<std::string>{"export.pcs"});
}

TEST_F(TipFiles, OnlyRow12FilledGivesAnEmptyFirstElement) {
    setRow(12, kTip);
    h.platform.answerFileDialog(tipFile("export.pcs"), 2);
    f.SpeedButton15->Click();

    EXPECT_EQ(readFileBytes(tipFile("export.pcs")),
              kHeader + "<schein>\r\n</schein>\r\n<schein>\r\n" + kTipLines + "</schein>\r\n</oelg>\r\n");
}

TEST_F(TipFiles, AListGoesToWin2DayTenTipsAnElement) {
    showList(std::vector<std::string>(25, "3\t14\t27\t38\t49\t\t\t2\t11"));
    setRow(1, {"1", "2", "3", "4", "5", "6", "7"});  // the grid is not the list view's
    h.platform.answerFileDialog(tipFile("list.pcs"), 2);
    f.SpeedButton15->Click();

    const std::string text = readFileBytes(tipFile("list.pcs"));
    EXPECT_EQ(count(text, "<schein>"), 3);
    EXPECT_EQ(count(text, kTipLines), 25);
    const std::string ten = [] {
        std::string s;
        for (int i = 0; i < 10; ++i) s += kTipLines;
        return s;
    }();
    EXPECT_EQ(text, kHeader + "<schein>\r\n" + ten + "</schein>\r\n<schein>\r\n" + ten + "</schein>\r\n<schein>\r\n" +
                        ten.substr(0, 5 * kTipLines.size()) + "</schein>\r\n</oelg>\r\n");
}

TEST_F(TipFiles, ABadTipStopsTheExportBeforeAnythingIsWritten) {
    setRow(1, kTip);
    setRow(2, {"1", "2", "3", "4", "5", "6", ""});
    ForceDirectories(h.dir.file("Tipps"));
    writeFileBytes(tipFile("export.pcs"), "the last export");

    h.platform.answerFileDialog(tipFile("export.pcs"), 2);
    EXPECT_EQ(errorOf([&] { f.SpeedButton15->Click(); }), "'' ist kein gültiger Integerwert");
    EXPECT_EQ(readFileBytes(tipFile("export.pcs")), "the last export");

    showList({"3\t14\t27\t38\t49\t2\t11", "3\t14\tx\t38\t49\t2\t11"});
    h.platform.answerFileDialog(tipFile("new.pcs"), 2);
    EXPECT_EQ(errorOf([&] { f.SpeedButton15->Click(); }), "'x' ist kein gültiger Integerwert");
    EXPECT_EQ(filesIn(h.dir.file("Tipps")), std::vector<std::string>{"export.pcs"});
}

TEST_F(TipFiles, AFileThatCannotBeCreatedIsReported) {
    setRow(1, kTip);
    for (int entry : {1, 2}) {
        const std::string path = h.dir.file("no such folder/tips") + (entry == 1 ? ".zlt" : ".pcs");
        h.platform.answerFileDialog(path, entry);
        EXPECT_EQ(errorOf([&] { f.SpeedButton15->Click(); }), "Datei \"" + path + "\" kann nicht erstellt werden");
    }
}

TEST_F(TipFiles, GridRowsSaveAsLinesAndLoadBackInOrder) {
    setRow(1, kTip);
    setRow(3, {"7", "", "", "", "", "", ""});
    h.platform.answerFileDialog(tipFile("tips.zlt"), 1);
    f.SpeedButton15->Click();
    EXPECT_EQ(readFileBytes(tipFile("tips.zlt")), "3,14,27,38,49,2,11\r\n7,,,,,,\r\n");

    setRow(3, kTip);
    setRow(12, kTip);
    lockRow(12);  // a locked row is filled like any other
    h.platform.answerFileDialog(tipFile("tips.zlt"), 1);
    h.platform.answerMessage(IDYES);
    f.SpeedButton16->Click();

    EXPECT_EQ(rowTexts(1), kTip);
    EXPECT_EQ(rowTexts(2), (std::array<std::string, 7>{"7", "", "", "", "", "", ""}));
    for (int row = 3; row <= 12; ++row) EXPECT_TRUE(rowEmpty(row)) << row;
    EXPECT_EQ(f.Datum1, EncodeDate(2025, 2, 7));  // the draw was shown and evaluated
}

TEST_F(TipFiles, AGridLoadTakesEachLineFieldByField) {
    struct Case {
        std::string file;
        std::array<std::string, 7> row1;
    };
    const Case cases[] = {
        {"5\r\n", {"", "", "", "", "", "", "5"}},
        {"3\t14\t27\t38\t49\t2\t11\r\n", {}},
        {"3,14,51,0,07,2,13\r\n", {"3", "14", "", "", "7", "2", ""}},
        {"", {}},
        {"1,2,3\n", {"1", "2", "", "", "", "", "3"}},
    };
    ForceDirectories(h.dir.file("Tipps"));
    for (const Case& c : cases) {
        setRow(1, kTip);
        setRow(2, kTip);
        writeFileBytes(tipFile("in.zlt"), c.file);
        h.platform.answerFileDialog(tipFile("in.zlt"));
        h.platform.answerMessage(IDYES);
        f.SpeedButton16->Click();
        EXPECT_EQ(rowTexts(1), c.row1) << c.file;
        EXPECT_TRUE(rowEmpty(2)) << c.file;
    }
}

TEST_F(TipFiles, LinesAfterTheTwelfthAreIgnored) {
    std::string text;
    for (int i = 1; i <= 13; ++i) text += std::to_string(i) + ",20,21,22,23,5,6\r\n";
    ForceDirectories(h.dir.file("Tipps"));
    writeFileBytes(tipFile("in.zlt"), text);
    h.platform.answerFileDialog(tipFile("in.zlt"));
    h.platform.answerMessage(IDYES);
    f.SpeedButton16->Click();
    EXPECT_EQ(rowTexts(12)[0], "12");
}

TEST_F(TipFiles, NoToTheClearQuestionCancelsAGridLoad) {
    ForceDirectories(h.dir.file("Tipps"));
    writeFileBytes(tipFile("in.zlt"), "1,2,3,4,5,6,7\r\n");
    setRow(1, kTip);
    h.platform.answerFileDialog(tipFile("in.zlt"));
    h.platform.answerMessage(IDNO);
    f.SpeedButton16->Click();

    EXPECT_EQ(rowTexts(1), kTip);
    EXPECT_EQ(f.Datum1, EncodeDate(2025, 2, 7));
}

TEST_F(TipFiles, AnUnreadableFileCostsNoTips) {
    setRow(1, kTip);
    h.platform.answerFileDialog(tipFile("missing.zlt"));
    EXPECT_EQ(errorOf([&] { f.SpeedButton16->Click(); }),
              "Datei \"" + tipFile("missing.zlt") + "\" kann nicht geöffnet werden");
    EXPECT_EQ(h.platform.messages.size(), 1u);  // no clear question
    EXPECT_EQ(rowTexts(1), kTip);
    EXPECT_EQ(f.Datum1, 0);  // nothing was evaluated

    showList({"1\t2\t3\t4\t5\t6\t7"});
    h.platform.answerFileDialog(tipFile("missing.zlt"));
    errorOf([&] { f.SpeedButton16->Click(); });
    EXPECT_EQ(listLines(), std::vector<std::string>{"1\t2\t3\t4\t5\t6\t7"});
}

TEST_F(TipFiles, AListLoadMakesBlanksAndCommasTabsAndEvaluates) {
    ForceDirectories(h.dir.file("Tipps"));
    writeFileBytes(tipFile("in.txt"), "  3 14   27 38    49 2 9 \r\n3,14,22,38,49,2,11\n3, 14\rno tip\r\n");
    showList({"old"});
    h.platform.answerFileDialog(tipFile("in.txt"), 2);
    f.SpeedButton16->Click();

    EXPECT_EQ(listLines(), (std::vector<std::string>{"3\t14\t27\t38\t49\t2\t9", "3\t14\t22\t38\t49\t2\t11",
                                                     "3\t\t14", "no\ttip"}));
    // Drawn 3 14 22 30 41, stars 2 and 9.
    ASSERT_EQ(resultLines().size(), 4u);
    EXPECT_EQ(resultLines()[0], "2+2");
    EXPECT_EQ(resultLines()[1], "3+1");
}

TEST_F(TipFiles, AListKeepsItsEncodingAndItsLines) {
    const std::string text = "Glückszahlen\r\n3\t14\t27\t38\t49\t2\t11\r\n3\t14\t27\t38\t49\t\t\t2\t11\r\n";
    const std::pair<const char*, std::string> files[] = {
        {"UTF-8", EncodeFileText(text, TEncoding::UTF8)},
        {"UTF-16LE", EncodeFileText(text, TEncoding::UTF16LE)},
        {"UTF-16BE", EncodeFileText(text, TEncoding::UTF16BE)},
        {"Windows-1252", EncodeFileText(text, TEncoding::Ansi)},
    };
    ForceDirectories(h.dir.file("Tipps"));
    showList({});
    for (const auto& [encoding, bytes] : files) {
        writeFileBytes(tipFile("in.zlt"), bytes);
        h.platform.answerFileDialog(tipFile("in.zlt"));
        f.SpeedButton16->Click();
        h.platform.answerFileDialog(tipFile("out.zlt"), 1);
        f.SpeedButton15->Click();
        EXPECT_EQ(readFileBytes(tipFile("out.zlt")), bytes) << encoding;
    }
    // A list saved in the list view form leaves the grid empty.
    f.Gewinnzahlen->Hide();
    setRow(1, kTip);
    h.platform.answerFileDialog(tipFile("out.zlt"));
    h.platform.answerMessage(IDYES);
    f.SpeedButton16->Click();
    for (int row = 1; row <= 12; ++row) EXPECT_TRUE(rowEmpty(row)) << row;
}

// A Windows-1252 tip file whose first line, trimmed, begins with bytes that
// read as a byte-order mark: the list kept at close comes back as it was at
// the next start, and the one after.
TEST_F(TipFiles, AListBeginningLikeAByteOrderMarkSurvivesCloseAndStart) {
    ForceDirectories(h.dir.file("Tipps"));
    for (const char* prefix : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(prefix)));
        writeFileBytes(tipFile("in.txt"), std::string(" ") + prefix + "3 14 27 38 49 2 11\r\n5,6,7,8,9,1,2\r\n");
        TForm1& loaded = h.restart();
        loaded.Gewinnzahlen->Show();
        h.platform.answerFileDialog(tipFile("in.txt"), 2);
        loaded.SpeedButton16->Click();
        const std::vector<std::string> lines(loaded.Gewinnzahlen->Items().begin(), loaded.Gewinnzahlen->Items().end());
        ASSERT_EQ(lines, (std::vector<std::string>{AnsiToUtf8(prefix) + "3\t14\t27\t38\t49\t2\t11", "5\t6\t7\t8\t9\t1\t2"}));
        for (int start = 0; start < 2; ++start) {
            h.close();
            TForm1& again = h.restart();
            ASSERT_TRUE(again.Gewinnzahlen->Visible());
            EXPECT_EQ(std::vector<std::string>(again.Gewinnzahlen->Items().begin(), again.Gewinnzahlen->Items().end()),
                      lines);
        }
    }
}

TEST_F(TipFiles, TheSaveDialogProposesTheDateAWeekOnAndIsPutBack) {
    f.DateTimePicker1->SetDate(EncodeDate(2024, 12, 31));
    h.platform.answerFileDialog("");
    f.SpeedButton15->Click();

    const TSaveDialog& dialog = *f.SaveDialog1;
    EXPECT_EQ(dialog.FileName, "20250107.zlt");
    EXPECT_EQ(h.platform.fileDialogFilters, std::vector<std::string>{"Tippdatei|*.zlt|Win2Day-Datei|*.pcs"});
    EXPECT_EQ(dialog.InitialDir, h.dir.home() + "Tipps/");
    EXPECT_TRUE(DirectoryExists(h.dir.file("Tipps")));
    EXPECT_EQ(dialog.Filter, "Textdatei|*.txt");
    EXPECT_EQ(dialog.DefaultExt, "txt");
    EXPECT_FALSE(FileExists(tipFile("20250107.zlt")));

    // The load proposes the name last saved or proposed, and is put back too.
    h.platform.answerFileDialog("");
    f.SpeedButton16->Click();
    EXPECT_EQ(h.platform.fileDialogFilters.back(), "Tippdatei|*.zlt|Textdatei|*.txt");
    EXPECT_EQ(f.OpenDialog1->FileName, "20250107.zlt");
    EXPECT_EQ(f.OpenDialog1->InitialDir, h.dir.home() + "Tipps/");
    EXPECT_EQ(f.OpenDialog1->Filter, "");
    EXPECT_EQ(f.OpenDialog1->DefaultExt, "");
    EXPECT_NE(f.Datum1, 0);  // a cancelled load still shows and evaluates the draw
}

TEST_F(TipFiles, TheExtensionFollowsTheChosenEntry) {
    setRow(1, kTip);
    ForceDirectories(h.dir.file("Tipps"));
    writeFileBytes(tipFile("export.pcs"), "overwritten without a question");

    h.platform.answerFileDialog(tipFile("export"), 2);
    f.SpeedButton15->Click();
    EXPECT_EQ(f.SaveDialog1->FileName, tipFile("export.pcs"));
    EXPECT_EQ(count(readFileBytes(tipFile("export.pcs")), "<emTippZahl>"), 1);

    // Offered again with the export's entry, the proposal is an export's name.
    h.platform.answerFileDialog("");
    f.SpeedButton15->Click();
    EXPECT_EQ(f.SaveDialog1->FilterIndex, 2);
    EXPECT_EQ(f.SaveDialog1->FileName, "20250218.pcs");

    h.platform.answerFileDialog(tipFile("again.zlt"));
    f.SpeedButton15->Click();
    EXPECT_EQ(f.SaveDialog1->FileName, tipFile("again.pcs"));
    EXPECT_FALSE(FileExists(tipFile("again.zlt")));

    h.platform.answerFileDialog(tipFile("tips"), 1);
    f.SpeedButton15->Click();
    EXPECT_EQ(readFileBytes(tipFile("tips.zlt")), "3,14,27,38,49,2,11\r\n");
}
