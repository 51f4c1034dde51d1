#include "TipWindow.h"

#include "app/MakerServices.h"
#include "output/Online.h"
#include "output/RobotLookup.h"
#include "output/Scriptwahl.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/FileUtils.h"
#include "support/FailingFileCalls.h"
#include "support/StandInHost.h"

#include <filesystem>
#include <memory>

namespace {

const char* const kContinue = "Klicken Sie OK wenn es weitergehen kann. Click OK if it can continue!";

std::string registryValue(HKEY root, const std::string& key, const std::string& name) {
    TRegistry reg;
    reg.SetRootKey(root);
    if (!reg.OpenKey(key, false)) return "<no key>";
    std::string value = reg.ValueExists(name) ? reg.ReadString(name) : "<none>";
    reg.CloseKey();
    return value;
}

void registerRobot(HKEY root, const std::string& folder) {
    TRegistry reg;
    reg.SetRootKey(root);
    reg.OpenKey(kRobotSettingsKey, true);
    reg.WriteString("Path", folder);
    reg.CloseKey();
}

// The lines of a filled script that the default script's tip lines became.
std::vector<std::string> tipLines(const std::string& script) {
    std::vector<std::string> lines;
    for (const std::string& line : [&] {
             TStringList l;
             l.SetText(script);
             return std::vector<std::string>(l.begin(), l.end());
         }())
        if (line.rfind("TIPP ", 0) == 0) lines.push_back(line);
    return lines;
}

// Whether a line of the default script names this value.
std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

bool hasLine(const std::string& script, const std::string& line) {
    return ("\r\n" + script).find("\r\n" + line + "\r\n") != std::string::npos;
}

class OnlineSubmission : public TipWindow {
protected:
    TZKSForm& chooser = *h.app->CreateForm<TZKSForm>();
    TAbgabeForm& submission = *h.app->CreateForm<TAbgabeForm>();
    // The chooser's OK asks the first host for a newer script; here nothing answers.
    HostOverride host1{"STELLIX_HOST1", ClosedPortUrl()};
    std::string robotFolder = h.dir.file("robot");

    OnlineSubmission() {
        h.platform.now = EncodeDate(2025, 2, 11);  // a Tuesday
        f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 7));
        std::filesystem::create_directories(h.dir.path() / "Script");
        std::filesystem::copy_file(STELLIX_DATA_DIR "/Script/Standard.zks", h.dir.file("Script/Standard.zks"));
        std::filesystem::create_directories(robotFolder);
        writeFileBytes(robotFolder + "/Kurier.exe", "#!/bin/sh\n");
    }

    void fillGrid(int rows) {
        for (int r = 1; r <= rows; ++r)
            setRow(r, {std::to_string(r), std::to_string(r + 10), std::to_string(r + 20), std::to_string(r + 30),
                       std::to_string(r + 37), "1", std::to_string(r % 11 + 2)});
    }

    // The chooser answered with OK and these parameters.
    void chooseOk(const std::string& zahl1, const std::string& text1, const std::string& zahl2,
                  const std::string& text2) {
        h.platform.answerModal([=, this](TForm&) {
            chooser.LabeledEdit2->SetText(zahl1);
            chooser.LabeledEdit4->SetText(text1);
            chooser.LabeledEdit3->SetText(zahl2);
            chooser.LabeledEdit5->SetText(text2);
            chooser.BitBtn2->Click();
        });
    }

    std::string filledScript() const { return readFileBytes(tipFile("20250211.zks")); }
};

TEST_F(OnlineSubmission, FiveGridTipsGoToTheRobotInOneScriptWithTheChosenParameters) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    fillGrid(5);
    chooseOk("1", "a b", "", "x \"y\"");
    f.OnlineTipp->Click();

    EXPECT_EQ(h.platform.modalForms, std::vector<std::string>{"ZKSForm"});
    EXPECT_EQ(chooser.LabeledEdit1->Text(), h.dir.file("Script/Standard.zks"));
    EXPECT_EQ(readFileBytes(tipFile("20250214.zlt")),
              "1,11,21,31,38,1,3\r\n2,12,22,32,39,1,4\r\n3,13,23,33,40,1,5\r\n4,14,24,34,41,1,6\r\n"
              "5,15,25,35,42,1,7\r\n");

    const std::string script = filledScript();
    const std::vector<std::string> tips = tipLines(script);
    ASSERT_EQ(tips.size(), 12u);
    EXPECT_EQ(tips[0], "TIPP 1 1 11 21 31 38 STERNE 1 3");
    EXPECT_EQ(tips[4], "TIPP 5 5 15 25 35 42 STERNE 1 7");
    for (size_t k = 5; k < 12; ++k) EXPECT_EQ(tips[k], "TIPP " + std::to_string(k + 1) + "      STERNE  ");
    EXPECT_TRUE(hasLine(script, "FREITAG JA"));
    EXPECT_TRUE(hasLine(script, "DIENSTAG NEIN"));
    EXPECT_TRUE(hasLine(script, "DIENSTAG_UND_FREITAG NEIN"));
    EXPECT_TRUE(hasLine(script, "DAUERSPIEL NEIN"));
    EXPECT_TRUE(hasLine(script, "DATEI " + tipFile("20250214.zlt")));
    EXPECT_TRUE(hasLine(script, "MELDUNG Please check the numbers, then you are ready to play."));
    EXPECT_EQ(script.find('['), std::string::npos);

    ASSERT_EQ(h.platform.programs.size(), 1u);
    EXPECT_EQ(h.platform.programs[0].program, robotFolder + "/Kurier.exe");
    EXPECT_EQ(h.platform.programs[0].arguments,
              (std::vector<std::string>{"START", tipFile("20250211.zks"), "1", "a b", "0", "x \"y\""}));
    EXPECT_TRUE(h.platform.messages.empty());

    const std::string key = kRobotKey;
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, key, "KronfeldScript"), h.dir.file("Script/Standard.zks"));
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, key, "KronfeldZahl1"), "1");
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, key, "KronfeldText1"), "a b");
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, key, "KronfeldZahl2"), "0");
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, key, "KronfeldText2"), "x \"y\"");

    // The window keeps the submission's state; the price is 2.3 a tip and draw.
    EXPECT_EQ(submission.dateiname, tipFile("20250214.zlt"));
    EXPECT_TRUE(submission.CheckBox3->Checked());
    EXPECT_FALSE(submission.CheckBox2->Checked());
    EXPECT_FALSE(submission.Visible());

    // The next submission offers the last choice again.
    h.platform.answerModal([this](TForm&) {
        EXPECT_EQ(chooser.LabeledEdit2->Text(), "1");
        EXPECT_EQ(chooser.LabeledEdit4->Text(), "a b");
        EXPECT_EQ(chooser.LabeledEdit3->Text(), "0");
        EXPECT_EQ(chooser.LabeledEdit5->Text(), "x \"y\"");
        chooser.BitBtn3->Click();
    });
    f.Abgeben1->Click();
    EXPECT_EQ(h.platform.programs.size(), 1u);
}

TEST_F(OnlineSubmission, ThirteenTipsMakeTwoScriptsWithAConfirmationBetween) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    std::vector<std::string> list;
    for (int i = 1; i <= 13; ++i)
        list.push_back(std::to_string(i) + "\t" + std::to_string(i + 1) + "\t" + std::to_string(i + 2) + "\t" +
                       std::to_string(i + 3) + "\t" + std::to_string(i + 4) + "\t\t\t2\t9");
    showList(list);
    chooseOk("5", "", "7", "");
    std::string firstScript;
    h.platform.answerMessage(IDOK, [&] {
        EXPECT_EQ(h.platform.programs.size(), 1u);  // the first batch is started before the question
        firstScript = filledScript();
    });
    f.OnlineTipp->Click();

    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, kContinue);
    ASSERT_EQ(h.platform.programs.size(), 2u);
    const auto first = tipLines(firstScript), second = tipLines(filledScript());
    ASSERT_EQ(first.size(), 12u);
    ASSERT_EQ(second.size(), 12u);
    EXPECT_EQ(first[0], "TIPP 1 1 2 3 4 5 STERNE 2 9");
    EXPECT_EQ(first[11], "TIPP 12 12 13 14 15 16 STERNE 2 9");
    EXPECT_EQ(second[0], "TIPP 1 13 14 15 16 17 STERNE 2 9");
    EXPECT_EQ(second[1], "TIPP 2      STERNE  ");
    EXPECT_EQ(readFileBytes(tipFile("20250214.zlt")).substr(0, 17), "1\t2\t3\t4\t5\t\t\t2\t9\r\n");
}

TEST_F(OnlineSubmission, ATipListKeptInUtf16IsReadAsText) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    showList({"7\t8\t9\t10\t11\t\t\t3\t4"});
    f.Gewinnzahlen->Items().SetEncoding(TEncoding::UTF16LE);
    chooseOk("1", "", "2", "");
    f.OnlineTipp->Click();
    EXPECT_EQ(readFileBytes(tipFile("20250214.zlt")).substr(0, 2), "\xff\xfe");
    EXPECT_EQ(tipLines(filledScript())[0], "TIPP 1 7 8 9 10 11 STERNE 3 4");
    EXPECT_EQ(h.platform.programs.size(), 1u);
}

TEST_F(OnlineSubmission, WithoutARobotTheInstallerIsOfferedAndNothingIsStarted) {
    fillGrid(2);
    h.platform.answerMessage(IDYES);
    f.OnlineTipp->Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Zedevuvid Tipp-Kurier installieren?");
    EXPECT_EQ(h.platform.messages[0].caption, "Tipp-Kurier jetzt installieren?");
    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "open");
    EXPECT_EQ(h.platform.shellCalls[0].file, SecondHost() + "/dateien/kurierp.exe");
    EXPECT_TRUE(h.platform.modalForms.empty());
    EXPECT_TRUE(h.platform.programs.empty());
    EXPECT_FALSE(FileExists(tipFile("20250211.zks")));

    // A registered folder without the robot's program, and No to the offer.
    registerRobot(HKEY_LOCAL_MACHINE, h.dir.file("nowhere"));
    h.platform.answerMessage(IDNO);
    f.OnlineTipp->Click();
    EXPECT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_TRUE(h.platform.programs.empty());
}

TEST_F(OnlineSubmission, ACancelledChooserStoresAndStartsNothing) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    fillGrid(1);
    h.platform.answerModal([this](TForm&) {
        chooser.LabeledEdit2->SetText("9");
        chooser.BitBtn3->Click();
    });
    f.OnlineTipp->Click();
    EXPECT_TRUE(FileExists(tipFile("20250214.zlt")));
    EXPECT_FALSE(FileExists(tipFile("20250211.zks")));
    EXPECT_TRUE(h.platform.programs.empty());
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRobotKey, "KronfeldZahl1"), "<none>");
}

TEST_F(OnlineSubmission, AChoiceSavedOnTheSecondTryIsNoFailure) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    fillGrid(1);
    std::shared_ptr<FailingSync> once;
    h.platform.answerModal([&, this](TForm&) {
        chooser.LabeledEdit2->SetText("7");
        once = std::make_shared<FailingSync>(h.config.file("HKEY_CURRENT_USER.reg"), EIO, 1);
        chooser.BitBtn2->Click();
    });
    // As the front end runs the command: what fails shows its error box.
    Application->Invoke([&] { f.OnlineTipp->Click(); });
    EXPECT_EQ(FailingSync::Failures(), 1);
    once.reset();
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_EQ(h.platform.programs.size(), 1u);
    TRegistry::SetHiveFolder(h.config.home());  // what the file holds
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRobotKey, "KronfeldZahl1"), "7");
}

TEST_F(OnlineSubmission, AStoredChoiceThatIsNoTextReadsEmptyAndOkStoresTextsAgain) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    {
        TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        reg.OpenKey(kRobotKey, true);
        reg.WriteInteger("KronfeldScript", 1);
        reg.WriteInteger("KronfeldZahl1", 12);
        reg.WriteString("KronfeldText1", "kept");
        reg.CloseKey();
    }
    fillGrid(1);
    std::string zahl1 = "<not shown>", text1;
    h.platform.answerModal([&, this](TForm&) {
        zahl1 = chooser.LabeledEdit2->Text();
        text1 = chooser.LabeledEdit4->Text();
        chooser.BitBtn2->Click();
    });
    f.OnlineTipp->Click();
    EXPECT_EQ(zahl1, "");
    EXPECT_EQ(text1, "kept");
    EXPECT_EQ(chooser.LabeledEdit1->Text(), h.dir.file("Script/Standard.zks"));
    ASSERT_EQ(h.platform.programs.size(), 1u);
    EXPECT_EQ(h.platform.programs[0].arguments[2], "0");
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRobotKey, "KronfeldZahl1"), "0");
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRobotKey, "KronfeldScript"), h.dir.file("Script/Standard.zks"));
}

TEST_F(OnlineSubmission, TheRobotBesideTheProgramIsFoundAtEverySubmission) {
    // Program folder ".../VELMARCK/Stellix/", robot ".../VELMARCK/kurier/KURIER.exe".
    const std::filesystem::path maker = h.dir.path() / "VELMARCK";
    std::filesystem::create_directories(maker / "Stellix" / "Script");
    std::filesystem::create_directories(maker / "kurier");
    writeFileBytes((maker / "kurier" / "KURIER.exe").string(), "robot");
    f.Home = (maker / "Stellix").string() + "/";
    std::filesystem::copy_file(STELLIX_DATA_DIR "/Script/Standard.zks", f.Home + "Script/Standard.zks");
    fillGrid(1);
    for (int round = 0; round < 2; ++round) {
        chooseOk("1", "", "2", "");
        f.OnlineTipp->Click();
    }
    ASSERT_EQ(h.platform.programs.size(), 2u);
    EXPECT_EQ(h.platform.programs[1].program, (maker / "kurier" / "KURIER.exe").string());
    EXPECT_EQ(registryValue(HKEY_CURRENT_USER, kRobotKey, "KronfeldScript"), f.Home + "Script/Standard.zks");
}

TEST_F(OnlineSubmission, BadInputIsReportedAndStartsNothing) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    const std::string good = "1\t2\t3\t4\t5\t\t\t1\t2";
    struct Case {
        const char* what;
        std::vector<std::string> list;
        bool deleteScript;
        std::string text2;
        const char* messageStart;
    };
    const Case cases[] = {
        {"a tip line that is no tip", {good, "1\t2\t3\t4\t4\t\t\t1\t2"}, false, "", "Zeile 2 der Tippdatei"},
        {"a parameter over the robot's limit", {good}, false, std::string(1025, 'x'),
         "TEXT2 ist länger als 1024 Zeichen"},
        {"1,025 characters of two bytes each", {good}, false, repeated("ä", 1025),
         "TEXT2 ist länger als 1024 Zeichen"},
        {"a script that is gone", {good}, true, "", "Das Click-Script wurde nicht gefunden"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showList(c.list);
        if (c.deleteScript) DeleteFile(h.dir.file("Script/Standard.zks"));
        chooseOk("1", "", "2", c.text2);
        h.platform.answerMessage(IDOK);
        f.OnlineTipp->Click();
        ASSERT_EQ(h.platform.messages.size(), 1u);
        EXPECT_EQ(h.platform.messages[0].text.rfind(c.messageStart, 0), 0u) << h.platform.messages[0].text;
        EXPECT_TRUE(h.platform.programs.empty());
        EXPECT_FALSE(FileExists(tipFile("20250211.zks")));
        h.platform.messages.clear();
    }
}

TEST_F(OnlineSubmission, TheRobotsLimitCountsCharactersNotBytes) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    showList({"1\t2\t3\t4\t5\t\t\t1\t2"});
    const std::string text1 = repeated("ä", 600), text2 = repeated("€", 1024);  // 1,200 and 3,072 bytes
    chooseOk("1", text1, "2", text2);
    f.OnlineTipp->Click();
    EXPECT_TRUE(h.platform.messages.empty());
    ASSERT_EQ(h.platform.programs.size(), 1u);
    EXPECT_EQ(h.platform.programs[0].arguments[3], text1);
    EXPECT_EQ(h.platform.programs[0].arguments[5], text2);
}

TEST_F(OnlineSubmission, AFailedStartIsReportedAndTheBatchesStop) {
    registerRobot(HKEY_CURRENT_USER, robotFolder);
    showList(std::vector<std::string>(13, "1\t2\t3\t4\t5\t\t\t1\t2"));
    h.platform.startProgramResult = false;
    chooseOk("1", "", "2", "");
    h.platform.answerMessage(IDOK);
    f.OnlineTipp->Click();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text.rfind("Der Tipp-Kurier konnte nicht gestartet werden", 0), 0u);
    EXPECT_EQ(h.platform.programs.size(), 1u);
}

TEST_F(OnlineSubmission, BothWindowsHoldTheirControlsAsDesigned) {
    EXPECT_EQ(submission.Caption(), "Tipp Online abgaben");
    EXPECT_EQ(std::vector<std::string>(submission.ComboBox1->Items().begin(), submission.ComboBox1->Items().end()),
              (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "100"}));
    EXPECT_EQ(submission.ComboBox1->Text(), "1");
    EXPECT_EQ(submission.Label1->Caption(), "Anzahl der Ziehungen:");
    EXPECT_EQ(submission.Label2->Caption(), "Preis:");
    for (TControl* hidden : std::initializer_list<TControl*>{submission.Label2, submission.Label3,
                                                             submission.CheckBox1, submission.CheckBox2,
                                                             submission.CheckBox3, submission.Memo1})
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    EXPECT_FALSE(submission.CheckBox1->Checked());
    EXPECT_EQ(submission.CheckBox1->Caption(), "Dauerspiel?");
    EXPECT_EQ(submission.CheckBox2->Caption(), "Di/Tue/Ma");
    EXPECT_EQ(submission.CheckBox3->Caption(), "Fr /Ve/Vie");
    EXPECT_EQ(submission.SpeedButton14->Caption(), "Tipp an Onlineportal übergeben");
    EXPECT_EQ(submission.BitBtn1->Kind(), TBitBtnKind::bkAbort);

    EXPECT_EQ(chooser.Caption(), "Script für Zahlenübergabe auswählen!");
    EXPECT_EQ(chooser.Label1->Caption(), "Zedevuvid Click-Script File");
    EXPECT_EQ(chooser.GroupBox1->Caption(), "Parameter ");
    const std::pair<TLabel*, TEdit*> parameters[] = {{chooser.Label2, chooser.LabeledEdit2},
                                                     {chooser.Label3, chooser.LabeledEdit3},
                                                     {chooser.Label4, chooser.LabeledEdit4},
                                                     {chooser.Label5, chooser.LabeledEdit5}};
    const char* const captions[] = {"ZAHL1", "ZAHL2", "TEXT1", "TEXT2"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(parameters[i].first->Caption(), captions[i]);
        EXPECT_EQ(parameters[i].second->Parent(), chooser.GroupBox1);
    }
    EXPECT_EQ(chooser.BitBtn2->Kind(), TBitBtnKind::bkOK);
    EXPECT_EQ(chooser.BitBtn3->Kind(), TBitBtnKind::bkCancel);
    EXPECT_EQ(chooser.OpenDialog1->DefaultExt, "zks");
    EXPECT_EQ(chooser.OpenDialog1->Filter, "Zedevuvid Click Script|*.zks");
    EXPECT_EQ(chooser.IdHTTP1->UserAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(chooser.IdHTTP1->Accept, "text/html, */*");
    EXPECT_TRUE(chooser.IdHTTP1->AllowCookies);
    EXPECT_TRUE(chooser.IdHTTP1->ProxyHost.empty());
}

TEST_F(OnlineSubmission, ThePriceIsShownAsCurrency) {
    submission.Tipps = 5;
    submission.ComboBox1->UserSetText("100");
    EXPECT_EQ(submission.Label3->Caption(), "1.150,00 €");
    submission.ComboBox1->SetText("1");
    submission.ComboBox1Change(nullptr);
    EXPECT_EQ(submission.Label3->Caption(), "11,50 €");
}

}  // namespace
