#include "TipWindow.h"

#include "output/Scriptwahl.h"
#include "platform/rtl/FileUtils.h"
#include "support/StandInHost.h"

#include <chrono>
#include <filesystem>
#include <utime.h>

using namespace std::chrono_literals;

namespace {

constexpr std::int64_t kLocalTime = 1736496000;  // Fri, 10 Jan 2025 08:00:00 GMT
const char* const kLocalText = "local script\r\n";

class ScriptUpdate : public TipWindow {
protected:
    TZKSForm& chooser = *h.app->CreateForm<TZKSForm>();
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    std::string script = h.dir.file("Script/Mein Script.zks");

    ScriptUpdate() {
        std::filesystem::create_directories(h.dir.path() / "Script");
        writeFileBytes(script, kLocalText);
        const utimbuf times{kLocalTime, kLocalTime};
        ::utime(script.c_str(), &times);
    }

    // The user presses OK with the script chosen.
    void pressOk() {
        chooser.LabeledEdit1->SetText(script);
        chooser.BitBtn2->Click();
    }
};

TEST_F(ScriptUpdate, ANewerCopyOnTheHostReplacesTheScriptByteForByte) {
    const std::string served("served\0bytes\r\n\xff", 15);
    host.Reply("/scripts/Mein%20Script.zks.txt", "",
               StandInReply::Text(served).LastModified("Fri, 10 Jan 2025 08:00:01 GMT"));
    pressOk();
    EXPECT_EQ(readFileBytes(script), served);
    EXPECT_EQ(chooser.ModalResult(), mrOk);

    ASSERT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(host.Requests()[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(host.Requests()[0].Header("Accept"), "text/html, */*");
}

TEST_F(ScriptUpdate, AnythingButANewerCompletedCopyLeavesTheScript) {
    struct Case {
        const char* what;
        StandInReply reply;
    };
    const Case cases[] = {
        {"same second", StandInReply::Text("new").LastModified("Fri, 10 Jan 2025 08:00:00 GMT")},
        {"older", StandInReply::Text("new").LastModified("Fri, 10 Jan 2025 07:59:59 GMT")},
        {"no date", StandInReply::Text("new")},
        {"unreadable date", StandInReply::Text("new").LastModified("soon")},
        {"not found", StandInReply::Code(404, "new").LastModified("Sat, 11 Jan 2025 08:00:00 GMT")},
        {"empty body", StandInReply::Text("").LastModified("Sat, 11 Jan 2025 08:00:00 GMT")},
        {"cut short", [] {
             auto r = StandInReply::Text(std::string(100, 'x')).LastModified("Sat, 11 Jan 2025 08:00:00 GMT");
             r.CutAfter = 10;
             return r;
         }()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        host.ReplyAnyQuery("/scripts/Mein%20Script.zks.txt", c.reply);
        pressOk();
        EXPECT_EQ(readFileBytes(script), kLocalText);
        EXPECT_EQ(chooser.ModalResult(), mrOk);
    }
}

TEST_F(ScriptUpdate, AHostThatNeverAnswersLeavesTheScriptWithinTheTimeOuts) {
    EXPECT_EQ(chooser.IdHTTP1->ConnectTimeout, THttpClient::DefaultConnectTimeout);
    EXPECT_EQ(chooser.IdHTTP1->ReadTimeout, THttpClient::DefaultReadTimeout);
    EXPECT_EQ(chooser.IdHTTP1->TotalTimeout, THttpClient::DefaultTotalTimeout);
    host.Reply("/scripts/Mein%20Script.zks.txt", "", [] {
        auto r = StandInReply::Text("late").LastModified("Sat, 11 Jan 2025 08:00:00 GMT");
        r.Stall = 20s;
        return r;
    }());
    const auto start = std::chrono::steady_clock::now();
    pressOk();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(readFileBytes(script), kLocalText);
    EXPECT_LT(took, 8s);
}

TEST_F(ScriptUpdate, AScriptThatIsOnlyOnTheHostIsNotFetched) {
    host.ReplyAnyQuery("/scripts/Neu.zks.txt",
                       StandInReply::Text("new").LastModified("Sat, 11 Jan 2025 08:00:00 GMT"));
    chooser.LabeledEdit1->SetText(h.dir.file("Script/Neu.zks"));
    chooser.BitBtn2->Click();
    EXPECT_FALSE(FileExists(h.dir.file("Script/Neu.zks")));
}

TEST_F(ScriptUpdate, TheListShowsTheScriptsAndKeepsAChosenOne) {
    writeFileBytes(h.dir.file("Script/A.zks"), "");
    chooser.LabeledEdit1->SetText("");
    chooser.ShowForm();
    EXPECT_EQ(std::vector<std::string>(chooser.LabeledEdit1->Items().begin(), chooser.LabeledEdit1->Items().end()),
              (std::vector<std::string>{h.dir.file("Script/A.zks"), script}));
    EXPECT_EQ(chooser.LabeledEdit1->Text(), script);  // none chosen: the last one found
    chooser.SetVisible(false);

    chooser.LabeledEdit1->SetText("/elsewhere/x.zks");
    chooser.ShowForm();
    EXPECT_EQ(chooser.LabeledEdit1->Text(), "/elsewhere/x.zks");
    chooser.SetVisible(false);

    h.platform.answerFileDialog("/picked/y.zks");
    chooser.BitBtn1->Click();
    EXPECT_EQ(chooser.LabeledEdit1->Text(), "/picked/y.zks");
    EXPECT_EQ(h.platform.fileDialogFilters.back(), "Zedevuvid Click Script|*.zks");
}

}  // namespace
