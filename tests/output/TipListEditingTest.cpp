// Editing the tip list in the text editor, and the list's double click.

#include "TipWindow.h"

#include "platform/rtl/FileUtils.h"

class TipListEditing : public TipWindow {
protected:
    TipListEditing() {
        // Drawn 3 14 22 30 41, stars 2 and 9.
        f.Zahl = {0, 3, 14, 22, 30, 41, 0, 2, 9};
        showList({"3\t14\t27\t38\t49\t\t\t2\t11", "1\t2\t4\t5\t6\t\t\t7\t8"});
        f.Listengewinncheck();
    }
    std::string listFile() const { return h.dir.file("gewinnzahlen.txt"); }
};

TEST_F(TipListEditing, YesTakesTheEditedLinesOverAndEvaluatesThem) {
    h.platform.answerMessage(IDYES, [&] {
        // The user edits and saves while the question stands.
        EXPECT_EQ(readFileBytes(listFile()), "3\t14\t27\t38\t49\t\t\t2\t11\r\n1\t2\t4\t5\t6\t\t\t7\t8\r\n");
        writeFileBytes(listFile(), "3 14 22 30 41 2 9\n3\t14\t22\t30\t41\t2\t9\n");
    });
    f.SpeedButton28->Click();

    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "edit");
    EXPECT_EQ(h.platform.shellCalls[0].file, listFile());
    EXPECT_EQ(h.platform.messages[0].text, f.Meldung(74));
    EXPECT_EQ(h.platform.messages[0].caption, f.Meldung(75));
    EXPECT_EQ(h.platform.messages[0].flags, MB_YESNO);
    // Taken over exactly as the editor saved them.
    EXPECT_EQ(listLines(), (std::vector<std::string>{"3 14 22 30 41 2 9", "3\t14\t22\t30\t41\t2\t9"}));
    EXPECT_EQ(resultLines(), (std::vector<std::string>{"0", "5+2"}));
}

TEST_F(TipListEditing, NoLeavesTheListAndTheEditedFile) {
    h.platform.answerMessage(IDNO, [&] { writeFileBytes(listFile(), "edited\r\n"); });
    f.SpeedButton28->Click();

    EXPECT_EQ(listLines(), (std::vector<std::string>{"3\t14\t27\t38\t49\t\t\t2\t11", "1\t2\t4\t5\t6\t\t\t7\t8"}));
    EXPECT_EQ(resultLines(), (std::vector<std::string>{"2+1", "0"}));
    EXPECT_EQ(readFileBytes(listFile()), "edited\r\n");
}

TEST_F(TipListEditing, AListThatCannotBeWrittenStartsNoEditor) {
    f.Home = h.dir.home() + "missing/";
    EXPECT_EQ(errorOf([&] { f.SpeedButton28->Click(); }),
              "Datei \"" + f.Home + "gewinnzahlen.txt\" kann nicht erstellt werden");
    EXPECT_TRUE(h.platform.shellCalls.empty());
    EXPECT_EQ(h.platform.messages.size(), 1u);
}

TEST_F(TipListEditing, TheDoubleClickOpensTheSavedFileOnly) {
    h.platform.answerFileDialog("");
    f.Gewinnzahlen->DblClick();
    EXPECT_TRUE(h.platform.shellCalls.empty());

    const std::string saved = h.dir.file("Tipps/list.zlt");
    h.platform.answerFileDialog(saved, 1);
    f.Gewinnzahlen->DblClick();
    EXPECT_EQ(readFileBytes(saved), "3\t14\t27\t38\t49\t\t\t2\t11\r\n1\t2\t4\t5\t6\t\t\t7\t8\r\n");
    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "edit");
    EXPECT_EQ(h.platform.shellCalls[0].file, saved);
    EXPECT_EQ(h.platform.shellCalls[0].parameters, "");
}

TEST_F(TipListEditing, AFailedSaveOpensNothing) {
    f.Gewinnzahlen->Items().Add("3\t14\tx\t38\t49\t2\t11");
    h.platform.answerFileDialog(h.dir.file("Tipps/list.pcs"), 2);
    EXPECT_EQ(errorOf([&] { f.Gewinnzahlen->DblClick(); }), "'x' ist kein gültiger Integerwert");
    EXPECT_TRUE(h.platform.shellCalls.empty());
}
