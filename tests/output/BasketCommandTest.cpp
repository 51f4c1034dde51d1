#include "output/Spielwahl.h"
#include "output/TipWindow.h"
#include "platform/rtl/FileUtils.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

const char* const kProviderTemplate = "http://provider.test/basket?Spiel=X&Tipps=12&";

class BasketCommand : public TipWindow {
protected:
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    TForm5* form5 = h.app->CreateForm<TForm5>();
    // The ticket number the extra-games window held at each of its closings.
    std::vector<std::string> ticketsAtClose;

    BasketCommand() {
        auto shown = form5->OnShow;
        form5->OnShow = [this, shown](TObject* s) {
            shown(s);
            ++shows;
        };
        form5->OnHide = [this](TObject*) { ticketsAtClose.push_back(form5->LosNr); };
    }
    int shows = 0;

    void fillRow(int row) {
        const int a = row * 3;
        setRow(row, {std::to_string(a), std::to_string(a + 1), std::to_string(a + 2), std::to_string(a + 3),
                     std::to_string(a + 4), "1", "2"});
    }
    static std::string tipOfRow(int row) {
        const int a = row * 3;
        return std::to_string(a) + "," + std::to_string(a + 1) + "," + std::to_string(a + 2) + "," +
               std::to_string(a + 3) + "," + std::to_string(a + 4) + ",1,2";
    }
    std::vector<std::string> opened() const {
        std::vector<std::string> files;
        for (const auto& call : h.platform.shellCalls) {
            EXPECT_EQ(call.verb, "open");
            EXPECT_EQ(call.parameters, "");
            EXPECT_EQ(call.directory, "");
            files.push_back(call.file);
        }
        return files;
    }
    static std::string slots(const std::vector<std::string>& tips) {
        std::string out;
        for (size_t i = 0; i < 6; ++i)
            out += "kasten" + std::to_string(i + 1) + "=" + (i < tips.size() ? tips[i] : ",,,,,,") + (i < 5 ? "&" : "");
        return out;
    }
    void answerBasket(const std::string& query, StandInReply reply) { host.Reply("/lotto/lotto.asp", query, std::move(reply)); }
    void run() { f.WarenkorbClick(f.Warenkorb); }
};

TEST_F(BasketCommand, GridWithFiveTipsOpensOneAddressWithoutPauseOrExtraGames) {
    for (int row = 1; row <= 5; ++row) fillRow(row);
    f.UpDown8->SetPosition(12);
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=12", StandInReply::Text(kProviderTemplate));
    run();

    ASSERT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(host.Requests()[0].Header("User-Agent"), "Tippwerk");
    EXPECT_EQ(opened(), std::vector<std::string>{"http://provider.test/basket?Spiel=X&Tipps=5&" +
                                                 slots({tipOfRow(1), tipOfRow(2), tipOfRow(3), tipOfRow(4), tipOfRow(5)})});
    EXPECT_TRUE(h.platform.sleeps.empty());
    EXPECT_EQ(shows, 0);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, f.Meldung(73));
    EXPECT_EQ(form5->Tipp, 12);
}

TEST_F(BasketCommand, GridRowsSevenToTwelveGoInASecondAddressAfterAPauseAndTheExtraGames) {
    for (int row = 1; row <= 8; ++row) fillRow(row);
    f.UpDown8->SetPosition(8);
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=8", StandInReply::Text("http://provider.test/b?Tipps=8&"));
    run();

    EXPECT_EQ(opened(), (std::vector<std::string>{
                            "http://provider.test/b?Tipps=6&" + slots({tipOfRow(1), tipOfRow(2), tipOfRow(3),
                                                                       tipOfRow(4), tipOfRow(5), tipOfRow(6)}),
                            "http://provider.test/b?Tipps=2&" + slots({tipOfRow(7), tipOfRow(8)})}));
    EXPECT_EQ(h.platform.sleeps, std::vector<int>{2000});
    EXPECT_EQ(shows, 1);
    ASSERT_EQ(ticketsAtClose.size(), 1u);
    EXPECT_EQ(ticketsAtClose[0].size(), 7u);
    EXPECT_EQ(ticketsAtClose[0].find_first_not_of("0123456789"), std::string::npos);
    EXPECT_FALSE(form5->Visible());
}

TEST_F(BasketCommand, AnEmptyRowSevenDoesNotDropTheRowsAfterIt) {
    fillRow(1);
    fillRow(8);
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=5", StandInReply::Text("http://provider.test/b?"));
    run();

    EXPECT_EQ(opened(), (std::vector<std::string>{"http://provider.test/b?Tipps=1&" + slots({tipOfRow(1)}),
                                                  "http://provider.test/b?Tipps=1&" + slots({",,,,,,", tipOfRow(8)})}));
    EXPECT_EQ(shows, 1);
}

TEST_F(BasketCommand, ListViewSendsSixLinesAnAddressWithPauseAndExtraGamesAfterEach) {
    std::vector<std::string> lines;
    std::vector<std::string> tips;
    for (int i = 1; i <= 13; ++i) {
        const std::string n = std::to_string(i);
        lines.push_back(n + "\t20\t30\t40\t50" + (i % 2 ? "\t" : "\t\t\t") + "3\t4");
        tips.push_back(n + ",20,30,40,50,3,4");
    }
    showList(lines);
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=13", StandInReply::Text("http://provider.test/b?Tipps=13&"));
    run();

    auto part = [&](size_t from, size_t to) { return std::vector<std::string>(tips.begin() + from, tips.begin() + to); };
    EXPECT_EQ(opened(), (std::vector<std::string>{"http://provider.test/b?Tipps=6&" + slots(part(0, 6)),
                                                  "http://provider.test/b?Tipps=6&" + slots(part(6, 12)),
                                                  "http://provider.test/b?Tipps=1&" + slots(part(12, 13))}));
    EXPECT_EQ(h.platform.sleeps, (std::vector<int>{2000, 2000, 2000}));
    EXPECT_EQ(shows, 3);
    EXPECT_EQ(ticketsAtClose.size(), 3u);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, "Überprüfen Sie den Tipp im Warenkorb!!!");
    EXPECT_EQ(form5->Tipp, 13);
}

TEST_F(BasketCommand, AnErrorWithAMessageShowsTheServicePageAsReceived) {
    fillRow(1);
    const std::string page = "<html><meta charset=\"windows-1252\">Mitteilung: Wartung bis 12 Uhr \xE4\xF6\xFC</html>";
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=5", StandInReply::Text(page, 500));
    run();

    EXPECT_EQ(readFileBytes(h.dir.file("Meldung.htm")), page);
    EXPECT_EQ(opened(), std::vector<std::string>{f.Home + "Meldung.htm"});
    EXPECT_EQ(shows, 0);
}

TEST_F(BasketCommand, AnErrorWithoutMessageOrAReplyThatIsNoWebAddressUsesTheBuiltInBasket) {
    fillRow(1);
    const std::string builtIn =
        host.BaseUrl() + "/lotto/warenkorb2.asp?Spiel=Stellix&Tipps=1&" + slots({tipOfRow(1)});
    struct Case {
        int status;
        const char* body;
    } cases[] = {{500, "Fehler"}, {200, "file:///etc/passwd"}, {200, "/usr/bin/xterm"}, {200, ""}};
    for (const Case& c : cases) {
        h.platform.shellCalls.clear();
        answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=5", StandInReply::Text(c.body, c.status));
        run();
        EXPECT_EQ(opened(), std::vector<std::string>{builtIn}) << c.body;
    }
    EXPECT_FALSE(FileExists(h.dir.file("Meldung.htm")));
}

TEST_F(BasketCommand, TheProviderNameIsEncodedAndTheProxySettingsApply) {
    fillRow(1);
    f.Lottoportal->SetText("A&B C");
    host.ReplyAnyQuery("/lotto/lotto.asp", StandInReply::Text("http://provider.test/b?"));
    run();
    ASSERT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(host.Requests()[0].Query, "Spiel=Stellix&Wo=A%26B%20C&Tipps=5");

    f.ProxyHostEdit->SetText("127.0.0.1");
    f.ProxyPortEdit->SetText("acht");
    EXPECT_EQ(errorOf([&] { run(); }), "'acht' ist kein gültiger Integerwert");
    EXPECT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(opened().size(), 1u);
}

TEST_F(BasketCommand, NothingIsSentOrOpenedForABadTip) {
    fillRow(1);
    setRow(3, {"1", "2", "3", "4", "", "1", "2"});
    h.platform.answerMessage(IDOK);
    run();
    EXPECT_NE(h.platform.messages.back().text.find("Der 3. Tipp"), std::string::npos);

    showList({"1\t2\t3\t4\t5\t1\t2", "1\t2\t3\t4\t5\t1\t13", "1\t2\t3\t4\t5\t1\t3"});
    h.platform.answerMessage(IDOK);
    run();
    EXPECT_NE(h.platform.messages.back().text.find("Die Zeile 2 der Tippliste"), std::string::npos);

    EXPECT_TRUE(host.Requests().empty());
    EXPECT_TRUE(h.platform.shellCalls.empty());
}

TEST_F(BasketCommand, ATransportFailureOrAnOverlongAddressOpensNothing) {
    fillRow(1);
    {
        HostOverride closed("STELLIX_HOST1", ClosedPortUrl());
        EXPECT_FALSE(errorOf([&] { run(); }).empty());
    }
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=5",
                 StandInReply::Text("http://provider.test/" + std::string(2000, 'x') + "?"));
    h.platform.answerMessage(IDOK);
    run();
    EXPECT_NE(h.platform.messages.back().text.find("länger als 2048 Zeichen"), std::string::npos);
    EXPECT_TRUE(h.platform.shellCalls.empty());
}

TEST_F(BasketCommand, TheRequestIsBoundedInTimeWithoutAnEarlierUpdate) {
    fillRow(1);
    f.HttpCli1->ConnectTimeout = 0;
    f.HttpCli1->ReadTimeout = 600000;
    StandInReply stalled = StandInReply::Text("http://provider.test/b?");
    stalled.Stall = std::chrono::milliseconds(20000);
    answerBasket("Spiel=Stellix&Wo=Lottoland&Tipps=5", stalled);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(errorOf([&] { run(); }).empty());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
    EXPECT_TRUE(h.platform.shellCalls.empty());
}

}  // namespace
