// The draw update through the main window against a stand-in for the
// maker's first host: which dates it asks for, what it stores, how it ends,
// and the rebuild.

#include "draws/DrawWindow.h"
#include "evaluation/auswert.h"
#include "platform/rtl/FileUtils.h"
#include "support/FailingFileCalls.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace {

TDateTime D(int y, int m, int d) { return EncodeDate(y, m, d); }

std::string Ymd(TDateTime date) { return FormatDateTime("yyyymmdd", date); }

const std::string kPath = "/lotto/stellix.asp";
std::string QueryFor(TDateTime date) { return "Programm=Stellix&Datum=" + Ymd(date); }

class WebUpdate : public ::testing::Test {
protected:
    DrawWindow w;
    TForm1& f = w.f;
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};

    void SetUp() override {
        // Dates without a fixture hold no draw.
        host.ReplyAnyQuery(kPath, StandInReply::Text(""));
    }
    void today(TDateTime date) { w.h.platform.now = date + 0.5; }
    void reply(TDateTime date, StandInReply r) { host.Reply(kPath, QueryFor(date), std::move(r)); }
    // The dates asked for, in order.
    std::vector<std::string> asked() const {
        std::vector<std::string> dates;
        for (const RecordedRequest& r : host.Requests()) {
            EXPECT_EQ(r.Path, kPath);
            const auto at = r.Query.find("Datum=");
            dates.push_back(at == std::string::npos ? r.Query : r.Query.substr(at + 6));
        }
        return dates;
    }
    std::vector<std::string> storedDates() const {
        std::vector<std::string> dates;
        for (const DrawRecord& r : readDraws(w.historyPath())) dates.push_back(Ymd(r.Datum));
        return dates;
    }
    // Runs the update as a click does, with its errors in the error box.
    void update() { w.h.app->Invoke([&] { f.BitBtn1->Click(); }); }
    // What the end of every update leaves, whatever ended it.
    void expectIdle() const {
        EXPECT_TRUE(f.BitBtn1->Enabled());
        EXPECT_TRUE(f.SpeedButton10->Enabled());
        EXPECT_TRUE(f.Button1->Enabled());
        EXPECT_FALSE(f.SpeedButton8->Visible());
        EXPECT_FALSE(f.LongCommandRunning());
    }
};

} // namespace

TEST_F(WebUpdate, AsksForTheDrawDatesAfterTheLastStoredDraw) {
    struct Case {
        TDateTime last, firstAsked;
    } cases[] = {
        {D(2011, 6, 10), D(2011, 6, 14)},
        {D(2011, 6, 14), D(2011, 6, 17)},
        {D(2011, 6, 3), D(2011, 6, 10)},
    };
    for (const Case& c : cases) {
        host.ClearRequests();
        w.store({draw(2011, 5, 27, {1, 2, 3, 4, 5}, 1, 2), MakeDrawRecord(c.last, {6, 7, 8, 9, 10}, 3, 4)});
        today(c.firstAsked);
        update();
        const auto requests = host.Requests();
        ASSERT_EQ(requests.size(), 1u) << Ymd(c.last);
        EXPECT_EQ(requests[0].Path + "?" + requests[0].Query,
                  "/lotto/stellix.asp?Programm=Stellix&Datum=" + Ymd(c.firstAsked));
        EXPECT_EQ(requests[0].Header("User-Agent"), "Tippwerk");
        EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
    }

    // From a Friday before the two-draw week to a week after it: Fridays,
    // then Tuesdays and Fridays, today itself asked for.
    host.ClearRequests();
    w.store({draw(2011, 5, 27, {1, 2, 3, 4, 5}, 1, 2)});
    today(D(2011, 6, 21));
    update();
    EXPECT_EQ(asked(), (std::vector<std::string>{"20110603", "20110610", "20110614", "20110617", "20110621"}));
    expectIdle();
}

TEST_F(WebUpdate, NothingToAskForStillShowsTheNewestDraw) {
    w.store(ThreeDraws());
    today(D(2025, 2, 7));  // the last draw is today's
    f.DateTimePicker1->SetDate(D(2025, 1, 31));
    update();
    EXPECT_TRUE(host.Requests().empty());
    // The end steps ran: the newest draw is shown and selected.
    EXPECT_EQ(Ymd(f.DateTimePicker1->Date()), "20250207");
    EXPECT_EQ(f.Label29->Caption().substr(0, 11), "Fr 07.02.25");
    expectIdle();
}

TEST_F(WebUpdate, AnEmptyOrMissingHistoryStartsAfterThePickersDate) {
    today(D(2025, 2, 11));
    f.DateTimePicker1->SetDate(D(2025, 2, 4));
    update();
    EXPECT_EQ(asked(), (std::vector<std::string>{"20250207", "20250211"}));
    // The update created the history it found missing.
    EXPECT_TRUE(FileExists(w.historyPath()));
    EXPECT_TRUE(readDraws(w.historyPath()).empty());

    host.ClearRequests();
    f.DateTimePicker1->SetDate(D(2025, 2, 11));
    update();
    EXPECT_TRUE(host.Requests().empty());
}

TEST_F(WebUpdate, StoresEachReplyLineWithTheRequestedDate) {
    w.store({draw(2004, 2, 13, {1, 2, 3, 4, 5}, 1, 2)});
    today(D(2004, 2, 27));
    reply(D(2004, 2, 20), StandInReply::Text("anything,16,29,32,36,41,7,9\r\n"));
    reply(D(2004, 2, 27), StandInReply::Text("20040227, 41 ,3,29,16,2,12,1\nsecond,5,6,7,8,9,10,11"));
    update();

    // Exactly one record of 32 bytes per line, behind the stored one.
    ASSERT_EQ(std::filesystem::file_size(w.historyPath()), 4u * 32u);
    const auto records = readDraws(w.historyPath());
    unsigned char bytes[32];
    std::memcpy(bytes, &records[1], 32);
    double date;
    std::memcpy(&date, bytes, 8);
    EXPECT_EQ(date, 38037.0);
    const unsigned char slots[8] = {16, 29, 32, 36, 41, 0, 7, 9};
    EXPECT_EQ(std::memcmp(bytes + 8, slots, 8), 0);
    for (int i = 16; i < 32; ++i) EXPECT_EQ(bytes[i], 0) << i;
    // Two lines of one reply: two records of its date, numbers as received.
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20040213", "20040220", "20040227", "20040227"}));
    const uint8_t expected[8] = {41, 3, 29, 16, 2, 0, 12, 1};
    EXPECT_EQ(std::memcmp(records[2].Slot, expected, 8), 0);
    // The newest draw is shown, its date selected.
    EXPECT_EQ(Ymd(f.DateTimePicker1->Date()), "20040227");
    EXPECT_EQ(f.Datum1, D(2004, 2, 27));
    EXPECT_EQ(f.Label35->Caption(), f.Label29->Caption());
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, "Keine Gewähr für die Richtigkeit der Zahlen!");
    expectIdle();
}

TEST_F(WebUpdate, ABadLineShowsTheReplyAndEndsTheUpdate) {
    w.store({draw(2025, 1, 31, {1, 2, 3, 4, 5}, 1, 2)});
    today(D(2025, 2, 11));
    const std::string body = "a,16,29,32,36,41,7,9\r\nb,1,2,3\r\n";
    reply(D(2025, 2, 4), StandInReply::Text(body));
    w.h.platform.answerMessage(IDOK);
    update();

    EXPECT_EQ(asked(), (std::vector<std::string>{"20250204"}));
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250204"}));
    ASSERT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(w.h.platform.messages[0].text, "a,16,29,32,36,41,7,9\nb,1,2,3");
    expectIdle();
}

TEST_F(WebUpdate, NotFoundGoesOnButAFailedTransferEndsAtItsDate) {
    struct Case {
        const char* name;
        StandInReply failure;
        bool goesOn;
    } cases[] = {
        {"404", StandInReply::Code(404, "a,1,2,3,4,5,6,7"), true},
        {"500", StandInReply::Code(500, "a,1,2,3,4,5,6,7"), false},
        // Announced whole, sent without its last byte: "…,7,1" of "…,7,12".
        {"cut", [] {
             StandInReply r = StandInReply::Text("a,16,29,32,36,41,7,12");
             r.CutAfter = 20;
             return r;
         }(), false},
        // Nothing comes within the read time-out.
        {"time-out", [] {
             StandInReply r = StandInReply::Text("a,16,29,32,36,41,7,12");
             r.Stall = std::chrono::milliseconds(8000);
             return r;
         }(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StandInHost host;
        HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
        host.ReplyAnyQuery(kPath, StandInReply::Text(""));
        host.Reply(kPath, QueryFor(D(2025, 2, 4)), c.failure);
        host.Reply(kPath, QueryFor(D(2025, 2, 7)), StandInReply::Text("a,1,2,3,4,5,6,7"));
        w.store({draw(2025, 1, 31, {10, 20, 30, 40, 50}, 1, 2)});
        today(D(2025, 2, 11));
        update();

        std::vector<std::string> requested;
        for (const RecordedRequest& r : host.Requests()) requested.push_back(r.Query.substr(r.Query.size() - 8));
        if (c.goesOn) {
            EXPECT_EQ(requested, (std::vector<std::string>{"20250204", "20250207", "20250211"}));
            EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250207"}));
        } else {
            EXPECT_EQ(requested, (std::vector<std::string>{"20250204"}));
            EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131"}));
            EXPECT_NE(f.StatusBar1->Panels(0).Text, "Loading");
            EXPECT_FALSE(f.StatusBar1->Panels(0).Text.empty());
            // The next update asks for that date again.
            host.ClearRequests();
            host.Reply(kPath, QueryFor(D(2025, 2, 4)), StandInReply::Text("a,1,2,3,4,5,6,7"));
            update();
            ASSERT_FALSE(host.Requests().empty());
            EXPECT_EQ(host.Requests()[0].Query, QueryFor(D(2025, 2, 4)));
            EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250204", "20250207"}));
        }
        expectIdle();
    }
}

TEST_F(WebUpdate, EachReplyIsInTheFileBeforeTheNextRequest) {
    // The host looks at the history while each request waits for its reply.
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    std::mutex mutex;
    std::vector<size_t> storedAtRequest;
    const std::string path = w.historyPath();
    host.Handle(kPath, [&](const RecordedRequest&) {
        const size_t stored = readDraws(path).size();
        std::lock_guard<std::mutex> lock(mutex);
        storedAtRequest.push_back(stored);
        return StandInReply::Text("a,1,2,3,4,5,6,7");
    });
    w.store({draw(2025, 1, 31, {10, 20, 30, 40, 50}, 1, 2)});
    today(D(2025, 2, 14));
    update();
    std::lock_guard<std::mutex> lock(mutex);
    EXPECT_EQ(storedAtRequest, (std::vector<size_t>{1, 2, 3, 4}));
    EXPECT_EQ(readDraws(path).size(), 5u);
}

TEST_F(WebUpdate, AFailedWriteTakesTheReplyBackAndTheNextUpdateAsksAgain) {
    w.store({draw(2025, 1, 31, {10, 20, 30, 40, 50}, 1, 2)});
    today(D(2025, 2, 11));
    reply(D(2025, 2, 4), StandInReply::Text("a,1,2,3,4,5,6,7"));
    reply(D(2025, 2, 7), StandInReply::Text("a,8,9,10,11,12,1,2\r\nb,13,14,15,16,17,3,4"));
    reply(D(2025, 2, 11), StandInReply::Text("a,18,19,20,21,22,5,6"));
    w.h.platform.answerMessage(IDOK);
    {
        // The first reply's record goes in; the disk fills 8 bytes into the
        // second record of the second reply.
        FailingWrite full(w.historyPath(), 32 + 32 + 8);
        update();
    }
    EXPECT_EQ(asked(), (std::vector<std::string>{"20250204", "20250207"}));
    EXPECT_EQ(std::filesystem::file_size(w.historyPath()), 2u * 32u);
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250204"}));
    ASSERT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(w.h.platform.messages[0].text, "E/A-Fehler " + std::to_string(ENOSPC));
    // The window shows the newest draw that is really stored, as after any
    // other end of the update.
    EXPECT_EQ(f.Datum1, D(2025, 2, 4));
    EXPECT_EQ(Ymd(f.DateTimePicker1->Date()), "20250204");
    EXPECT_EQ(f.Label29->Caption().substr(0, 11), "Di 04.02.25");
    EXPECT_EQ(f.Label35->Caption(), f.Label29->Caption());
    expectIdle();

    host.ClearRequests();
    update();
    EXPECT_EQ(asked(), (std::vector<std::string>{"20250207", "20250211"}));
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250204", "20250207", "20250207", "20250211"}));
}

TEST_F(WebUpdate, AStartWithoutTheHostEndsAtOnce) {
    HostOverride closed{"STELLIX_HOST1", ClosedPortUrl()};
    w.store(ThreeDraws());
    today(D(2025, 3, 28));
    const auto start = std::chrono::steady_clock::now();
    w.h.app->Invoke([&] { f.FormShow(&f); });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(storedDates().size(), 3u);
    EXPECT_EQ(Ymd(f.DateTimePicker1->Date()), "20250207");
    expectIdle();
}

TEST_F(WebUpdate, TheStopButtonEndsItBeforeTheNextRequest) {
    w.store({draw(2025, 1, 31, {1, 2, 3, 4, 5}, 1, 2)});
    today(D(2025, 2, 11));
    reply(D(2025, 2, 4), StandInReply::Text("a,16,29,32,36,41,7,9"));
    bool wasRunning = false;
    w.h.platform.onControlInput([&] {
        wasRunning = f.RunningCommand() == TForm1::LongCommand::DrawUpdate && !f.BitBtn1->Enabled() &&
                     !f.SpeedButton10->Enabled() && f.SpeedButton8->Visible();
        f.SpeedButton8->Click();
    });
    // A tick or a click queued for the whole window waits for the update.
    bool other = false;
    w.h.platform.onProcessMessages([&] { other = true; });
    update();

    EXPECT_TRUE(wasRunning);
    EXPECT_EQ(asked(), (std::vector<std::string>{"20250204"}));
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20250131", "20250204"}));
    EXPECT_EQ(w.h.platform.controlInputs, (std::vector<std::string>{"SpeedButton8"}));
    EXPECT_FALSE(other);
    EXPECT_EQ(w.h.platform.processMessagesCalls, 0);
    expectIdle();
}

TEST_F(WebUpdate, DoesNotStartWhileAnotherLongCommandRuns) {
    w.store(ThreeDraws());
    today(D(2025, 2, 11));
    {
        TForm1::LongCommandScope calculation(f, TForm1::LongCommand::Calculation);
        f.BitBtn1->Click();
        f.SpeedButton10->Click();
        f.Aktualisieren1->Click();
        f.BitBtn2->SetVisible(true);
        f.BitBtn2->Click();  // no question either
    }
    EXPECT_TRUE(host.Requests().empty());
    EXPECT_EQ(storedDates().size(), 3u);
    EXPECT_TRUE(w.h.platform.messages.empty());

    f.Aktualisieren1->Click();
    EXPECT_EQ(asked(), (std::vector<std::string>{"20250211"}));
}

TEST_F(WebUpdate, ErrorsEndItWithTheWindowUsable) {
    struct Case {
        const char* name;
        std::function<void()> arrange;
        const char* error;  // the start of the error box's text
    } cases[] = {
        {"proxy port", [&] {
             f.ProxyHostEdit->SetText("127.0.0.1");
             f.ProxyPortEdit->SetText("8o");
         }, "'8o' ist kein gültiger Integerwert"},
        {"date before the picker's minimum", [&] { w.store({draw(2003, 1, 3, {1, 2, 3, 4, 5}, 1, 2)}); },
         "Das Datum unterschreitet das Minimum von"},
        {"history not a file", [&] {
             std::filesystem::remove(w.historyPath());
             std::filesystem::create_directory(w.historyPath());
         }, "E/A-Fehler"},
    };
    today(D(2025, 2, 11));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(w.historyPath());
        w.store(ThreeDraws());
        f.ProxyHostEdit->SetText("");
        f.ProxyPortEdit->SetText("80");
        c.arrange();
        w.h.platform.messages.clear();
        w.h.platform.answerMessage(IDOK);
        update();
        ASSERT_EQ(w.h.platform.messages.size(), 1u);
        EXPECT_EQ(w.h.platform.messages[0].text.rfind(c.error, 0), 0u) << w.h.platform.messages[0].text;
        EXPECT_TRUE(host.Requests().empty());
        expectIdle();
    }
}

TEST_F(WebUpdate, RebuildAsksThenStartsAfterTheChosenDate) {
    w.store(ThreeDraws());
    const auto before = readDraws(w.historyPath());
    today(D(2004, 2, 20));
    f.DateTimePicker1->SetDate(D(2004, 2, 13));

    w.h.platform.answerMessage(IDNO);
    f.BitBtn2Click(f.BitBtn2);
    ASSERT_EQ(w.h.platform.messages.size(), 1u);
    EXPECT_EQ(w.h.platform.messages[0].text, "Wollen Sie wirklich alle Ziehungsdaten löschen und dies ab dem "
                                             "13.02.2004 aus dem Internet neu aufbauen??");
    EXPECT_EQ(w.h.platform.messages[0].caption, "Ziehungsdaten löschen?");
    EXPECT_EQ(w.h.platform.messages[0].flags, MB_YESNO);
    EXPECT_EQ(readDraws(w.historyPath()).size(), before.size());
    EXPECT_TRUE(host.Requests().empty());

    reply(D(2004, 2, 20), StandInReply::Text("a,16,29,32,36,41,7,9"));
    w.h.platform.answerMessage(IDYES);
    f.BitBtn2Click(f.BitBtn2);
    EXPECT_EQ(asked(), (std::vector<std::string>{"20040220"}));
    EXPECT_EQ(storedDates(), (std::vector<std::string>{"20040220"}));
}

TEST_F(WebUpdate, InTheListViewANewWinOpensTheWinningsWindow) {
    HostOverride second{"STELLIX_HOST2", host.BaseUrl()};
    w.h.app->CreateForm<TForm9>();
    // The stored draw and the new one have the same numbers, so the list
    // scores the same against either.
    const DrawNumbers drawn{0, 1, 2, 3, 4, 5, 0, 1, 2};
    const char* const k111 = "1\t10\t11\t12\t13\t1\t2";
    const char* const k200 = "1\t2\t10\t11\t12\t5\t6";
    struct Case {
        const char* name;
        std::vector<const char*> tips;
        bool newDraw, listView;
        int code;  // the hit code the update leaves
        bool opens;
    } cases[] = {
        {"111 in a new draw", {k111}, true, true, 111, true},
        {"the same without a new draw", {k111}, false, true, 111, false},
        {"200 alone", {k200}, true, true, 200, false},
        {"a 200 beside a 111", {k200, k111}, true, true, 200, true},
        {"grid view", {}, true, false, 111, false},
    };
    today(D(2025, 2, 7));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.store({draw(2025, 2, 4, {1, 2, 3, 4, 5}, 1, 2)});
        reply(D(2025, 2, 7), StandInReply::Text(c.newDraw ? "a,1,2,3,4,5,1,2" : ""));
        f.Gewinnzahlen->Items().Clear();
        if (c.listView) {
            w.listView();
            for (const char* tip : c.tips) w.tipInList(tip);
        } else {
            f.Gewinnzahlen->SetVisible(false);
            f.Gewinne->SetVisible(false);
            w.tipInGrid({"1", "10", "11", "12", "13", "1", "2"});
        }
        w.h.platform.modalForms.clear();
        if (c.opens) w.h.platform.answerModal([](TForm&) {});
        update();
        EXPECT_EQ(f.Zahl, drawn);
        EXPECT_EQ(w.h.platform.modalForms, c.opens ? std::vector<std::string>{"Form9"} : std::vector<std::string>{});
        EXPECT_EQ(f.Gewinn, c.code);
    }
}
