#include "draws/DrawRecord.h"
#include "output/Spielwahl.h"
#include "output/TipWindow.h"
#include "output/TicketNumber.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

// A sibling record with its Spiel 77 and Super 6 digits given as text.
std::string siblingRecord(TDateTime date, const char* spiel77, const char* super6) {
    DrawRecord record{};
    record.Datum = date;
    for (int i = 0; i < 7; ++i) record.DigitsA[i] = static_cast<uint8_t>(spiel77[i] - '0');
    for (int i = 0; i < 6; ++i) record.DigitsB[i] = static_cast<uint8_t>(super6[i] - '0');
    std::string bytes(sizeof record, '\0');
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

TicketDigits digitsOf(const char* text) {
    TicketDigits d{};
    for (int i = 0; i < 7; ++i) d[static_cast<size_t>(i)] = text[i] - '0';
    return d;
}

TEST(TicketNumber, EachLevelComparesItsDigitsOfEitherGame) {
    const SiblingDraw draw = ParseSiblingDraws(siblingRecord(EncodeDate(2020, 1, 4), "1234567", "765432"))[0];
    struct Case {
        const char* number;
        std::array<bool, 4> rejectedAt;  // levels 1..4
    } cases[] = {
        {"1234567", {true, true, true, true}},
        {"9234567", {false, true, true, true}},
        {"9934567", {false, false, true, true}},
        {"9994567", {false, false, false, true}},
        {"9999567", {false, false, false, false}},
        {"9765432", {true, true, true, true}},
        {"9965432", {false, false, true, true}},
        {"9995432", {false, false, false, true}},
        {"9999432", {false, false, false, false}},
    };
    for (const Case& c : cases)
        for (int level = 1; level <= 4; ++level)
            EXPECT_EQ(DrawRejectsTicket(draw, digitsOf(c.number), level), c.rejectedAt[static_cast<size_t>(level - 1)])
                << c.number << " level " << level;
    EXPECT_TRUE(DrawRejectsTicket(draw, digitsOf("9994567"), 7));
}

TEST(TicketNumber, ASearchThatRejectsEverythingEndsAfterFourLevelsOfRedraws) {
    int randomCalls = 0;
    auto random10 = [&] { return ++randomCalls % 10; };
    auto rejectAll = [](const TicketDigits&, int) { return true; };
    NewTicket t = DrawNewTicket(4, random10, rejectAll);
    EXPECT_EQ(t.Redraws, 4 * kRedrawsPerLevel);
    EXPECT_EQ(t.Level, 0);
    EXPECT_EQ(randomCalls, 7 * (4 * kRedrawsPerLevel + 1));

    EXPECT_EQ(DrawNewTicket(2, random10, rejectAll).Redraws, 2 * kRedrawsPerLevel);
    // Random only: no test at all.
    int tests = 0;
    auto counting = [&](const TicketDigits&, int) { return ++tests, true; };
    EXPECT_EQ(DrawNewTicket(0, random10, counting).Redraws, 0);
    EXPECT_EQ(DrawNewTicket(-1, random10, counting).Redraws, 0);
    EXPECT_EQ(tests, 0);
}

TEST(TicketNumber, ADrawnNumberThatWasDrawnBeforeIsDrawnAgain) {
    const SiblingDraws draws = ParseSiblingDraws(siblingRecord(EncodeDate(2020, 1, 4), "1234567", "000000"));
    const char* sequence = "1234567" "7654321";
    int next = 0;
    const NewTicket t = DrawNewTicket(
        1, [&] { return sequence[next++] - '0'; },
        [&](const TicketDigits& d, int level) { return TicketRejected(draws, d, level); });
    EXPECT_EQ(t.Digits, digitsOf("7654321"));
    EXPECT_EQ(t.Redraws, 1);
    EXPECT_EQ(t.Level, 1);
}

TEST(TicketNumber, TheSearchFindsSuperSixByTheLastSixDigitsAndSpiel77ByAllSeven) {
    const SiblingDraws draws =
        ParseSiblingDraws(siblingRecord(EncodeDate(2019, 3, 2), "1111111", "222222") +
                          siblingRecord(EncodeDate(2020, 1, 4), "1234567", "345678") + std::string(31, '\x07'));
    ASSERT_EQ(draws.size(), 2u);
    const TFormatSettings german = TFormatSettings::German();
    EXPECT_EQ(TicketSearchMessage(FindTicket(draws, digitsOf("9222222")), german),
              "LosNr. wurde am 02.03.2019 bei der Super 6 gezogen");
    EXPECT_EQ(TicketSearchMessage(FindTicket(draws, digitsOf("1234567")), german),
              "LosNr. wurde am 04.01.2020 im Spiel 77 gezogen");
    EXPECT_EQ(TicketSearchMessage(FindTicket(draws, digitsOf("9234567")), german),
              "Losnummer noch nie als Super6 oder Spiel 77 Gewinnzahl gezogen");
}

TEST(TicketNumber, TheSiblingFileIsFoundInTheMakersFolderWhateverItsCase) {
    TempDir root;
    namespace fs = std::filesystem;
    fs::create_directories(root.path() / "Programme/VelMarck/Stellix/bin");
    fs::create_directories(root.path() / "Programme/VelMarck/TippWerk");
    writeFileBytes(root.file("Programme/VelMarck/TippWerk/ZAHLEN08.dat"), "");
    EXPECT_EQ(FindSiblingDrawFile(root.file("Programme/VelMarck/Stellix/bin/")),
              root.file("Programme/VelMarck/TippWerk/ZAHLEN08.dat"));

    // Without a maker's folder: beside the program folder.
    fs::create_directories(root.path() / "apps/stellix");
    fs::create_directories(root.path() / "apps/tippwerk");
    EXPECT_EQ(FindSiblingDrawFile(root.file("apps/stellix/")), "");
    writeFileBytes(root.file("apps/tippwerk/Zahlen08.dat"), "");
    EXPECT_EQ(FindSiblingDrawFile(root.file("apps/stellix/")), root.file("apps/tippwerk/Zahlen08.dat"));
    // A folder of that name is no file.
    fs::create_directories(root.path() / "x/Stellix");
    fs::create_directories(root.path() / "x/tippwerk/Zahlen08.dat");
    EXPECT_EQ(FindSiblingDrawFile(root.file("x/Stellix/")), "");
}

TEST(ExtraGamesCost, IsTwoPerTipPlusTheGames) {
    EXPECT_DOUBLE_EQ(ExtraGamesCost(3, true, true, true), 13.75);
    EXPECT_DOUBLE_EQ(ExtraGamesCost(4, false, false, false), 8);
}

class ExtraGamesWindow : public TipWindow {
protected:
    TForm5& w = *h.app->CreateForm<TForm5>();

    // A program folder inside a maker's folder with the sibling draw file.
    void makeSiblingTree(const std::string& records) {
        namespace fs = std::filesystem;
        fs::create_directories(h.dir.path() / "velmarck/stellix");
        fs::create_directories(h.dir.path() / "velmarck/tippwerk");
        writeFileBytes(h.dir.file("velmarck/tippwerk/Zahlen08.dat"), records);
        f.Home = h.dir.file("velmarck/stellix/");
    }
};

TEST_F(ExtraGamesWindow, LuckySpiralAloneTicksSuperSixAndTheCostFollowsEveryBox) {
    w.Tipp = 5;
    w.glueck->SetChecked(true);
    EXPECT_TRUE(w.Super6->Checked());
    EXPECT_FALSE(w.Spiel77->Checked());
    EXPECT_EQ(w.Label4->Caption(), "16,25 €");
    w.Spiel77->SetChecked(true);
    EXPECT_EQ(w.Label4->Caption(), "17,75 €");
}

TEST_F(ExtraGamesWindow, ShowingAdaptsToTheSiblingFile) {
    w.ShowForm();
    EXPECT_FALSE(w.SpeedButton3->Visible());
    EXPECT_FALSE(w.RadioGroup2->Visible());
    EXPECT_TRUE(w.Label5->Visible());
    w.Close();

    makeSiblingTree(siblingRecord(EncodeDate(2020, 1, 4), "1234567", "345678"));
    w.RadioGroup2->SetItemIndex(3);
    w.ShowForm();
    EXPECT_TRUE(w.SpeedButton3->Visible());
    EXPECT_TRUE(w.RadioGroup2->Visible());
    EXPECT_FALSE(w.Label5->Visible());
    EXPECT_EQ(w.RadioGroup2->ItemIndex(), 0);
    EXPECT_EQ(w.SiblingDrawFile(), h.dir.file("velmarck/tippwerk/Zahlen08.dat"));
}

TEST_F(ExtraGamesWindow, TheSearchReportsTheDrawAndTheNewNumberAvoidsIt) {
    makeSiblingTree(siblingRecord(EncodeDate(2020, 1, 4), "1234567", "345678"));
    w.ShowForm();
    const std::array<int, 7> digits{9, 3, 4, 5, 6, 7, 8};
    for (size_t i = 0; i < 7; ++i) w.DigitUpDowns()[i]->SetPosition(digits[i]);
    h.platform.answerMessage(IDOK);
    w.SpeedButton3->Click();
    EXPECT_EQ(h.platform.messages.back().text, "LosNr. wurde am 04.01.2020 bei der Super 6 gezogen");

    // At level 4 four trailing digits of 10,000 are taken: the new number avoids them.
    w.RadioGroup2->SetItemIndex(4);
    for (int i = 0; i < 50; ++i) {
        w.SpeedButton2->Click();
        const TicketDigits d = w.Digits();
        EXPECT_FALSE(d[3] == 4 && d[4] == 5 && d[5] == 6 && d[6] == 7);
        EXPECT_FALSE(d[3] == 5 && d[4] == 6 && d[5] == 7 && d[6] == 8);
    }
    EXPECT_EQ(w.SpielzahlTest, 4);
    w.BitBtn3->Click();
    EXPECT_EQ(w.LosNr, w.Edit3->Text() + w.Edit4->Text() + w.Edit5->Text() + w.Edit6->Text() + w.Edit7->Text() +
                           w.Edit8->Text() + w.Edit9->Text());
    EXPECT_FALSE(w.Visible());
}

}  // namespace
