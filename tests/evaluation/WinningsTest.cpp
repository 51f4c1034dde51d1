#include "evaluation/auswert.h"
#include "platform/rtl/Convert.h"
#include "support/MainWindow.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

const char* const kQuotaPath = "/zahlen/lotto_neu.asp";
const char* const kQuotaQuery = "Programm=Stellix&Datum=20250110";
const char* const kSampleReply =
    "20250110,3 11 19 27 44 + 2 9;2;unbesetzt;1.234.567,80 EUR;50.000;4.000,50;200;100;50;20;15;15;10;8;4,10;";
// Quota edits in the window's order (2+0 first) after the sample reply.
const char* const kSampleQuotas[] = {"4,10",   "8,00",      "10,00",     "15,00",      "15,00",
                                     "20,00",  "50,00",     "100,00",    "200,00",     "4000,50",
                                     "50000,00", "1234567,80", "0,00"};

class WinningsWindow : public ::testing::Test {
protected:
    StandInHost host;
    HostOverride second{"STELLIX_HOST2", host.BaseUrl()};
    MainWindowHarness h;
    TForm1& f = h.create();
    TForm9& w = *h.app->CreateForm<TForm9>();

    WinningsWindow() { f.DateTimePicker1->SetDate(EncodeDate(2025, 1, 10)); }

    // Opens the window from the main window and keeps what it showed.
    void open() {
        h.platform.answerModal([](TForm&) {});
        f.auswertungClick(nullptr);
    }
    std::string quota(int row) const { return w.QuotaEdits[static_cast<std::size_t>(row)]->Text(); }
    std::string panel(int i) const { return w.StatusBar1->Panels(i).Text; }
    void oneTipInEachClass() {
        for (const PrizeClass& c : PrizeClasses) f.Statistik[c.Hits][c.Stars] = 1;
    }
};

TEST_F(WinningsWindow, DesignHasTheRowsInClassOrderAndScalesToItsHeight) {
    const char* counts[] = {"Edit26", "Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6",
                            "Edit7",  "Edit8", "Edit17", "Edit18", "Edit19", "Edit20"};
    const char* quotas[] = {"Edit25", "Edit9",  "Edit10", "Edit11", "Edit12", "Edit13", "Edit14",
                            "Edit15", "Edit16", "Edit21", "Edit22", "Edit23", "Edit24"};
    const char* amounts[] = {"Label29", "Label12", "Label13", "Label14", "Label15", "Label16", "Label17",
                             "Label18", "Label19", "Label25", "Label26", "Label27", "Label28"};
    for (std::size_t r = 0; r < 13; ++r) {
        EXPECT_EQ(w.CountEdits[r]->Name(), counts[r]);
        EXPECT_EQ(w.QuotaEdits[r]->Name(), quotas[r]);
        EXPECT_EQ(w.AmountLabels[r]->Name(), amounts[r]);
        EXPECT_EQ(w.ClassLabels[r]->Caption(), PrizeClasses[r].Caption);
        EXPECT_EQ(w.CountEdits[r]->Text(), "0");
        EXPECT_EQ(w.QuotaEdits[r]->Text(), "0");
    }
    EXPECT_EQ(w.Label28, w.AmountLabels[12]);
    EXPECT_EQ(w.Edit25, w.QuotaEdits[0]);
    EXPECT_EQ(w.Caption(), "Auswertung und Gewinnberechnung");
    EXPECT_EQ(w.StatusBar1->PanelCount(), 2);
    EXPECT_EQ(w.HttpCli1->UserAgent, "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(w.Height(), 450);
}

TEST_F(WinningsWindow, CountsComeFromTheHitTableInTheWindowsOrder) {
    int n = 1;
    for (const PrizeClass& c : PrizeClasses) f.Statistik[c.Hits][c.Stars] = n++;
    f.Statistik[0][0] = 99;  // cells the window does not show
    f.Statistik[1][1] = 98;
    open();
    for (std::size_t r = 0; r < 13; ++r) EXPECT_EQ(w.CountEdits[r]->Text(), std::to_string(r + 1)) << r;
    EXPECT_EQ(h.platform.modalForms, std::vector<std::string>{"Form9"});
}

TEST_F(WinningsWindow, EmptyHitTableShowsZerosAndDisablesEveryQuota) {
    w.Edit26->SetText("2");  // left from an earlier opening
    open();
    for (std::size_t r = 0; r < 13; ++r) {
        EXPECT_EQ(w.CountEdits[r]->Text(), "0");
        EXPECT_FALSE(w.QuotaEdits[r]->Enabled()) << r;
        EXPECT_EQ(w.AmountLabels[r]->Caption(), "0,00");
    }
    EXPECT_EQ(w.Label20->Caption(), "0,00");
}

TEST_F(WinningsWindow, AverageQuotasWithOneTipInEachClass) {
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Code(404));
    oneTipInEachClass();
    open();
    for (std::size_t r = 0; r < 13; ++r) EXPECT_TRUE(w.QuotaEdits[r]->Enabled()) << r;
    w.SpeedButton1->Click();
    EXPECT_EQ(w.Label20->Caption(), "10305422,00");
    EXPECT_EQ(w.Label28->Caption(), "1E7");  // eight digits before the point
    EXPECT_EQ(w.Label27->Caption(), "250000,00");
    EXPECT_EQ(w.Label29->Caption(), "4,00");

    // A count rising above 0 enables its quota again, the first row's too.
    w.Edit26->SetText("0");
    EXPECT_FALSE(w.Edit25->Enabled());
    w.Edit26->SetText("3");
    EXPECT_TRUE(w.Edit25->Enabled());
    EXPECT_EQ(w.Label29->Caption(), "12,00");
}

TEST_F(WinningsWindow, DownloadForTheSelectedDrawFillsTheQuotas) {
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Text(kSampleReply));
    oneTipInEachClass();
    open();

    const auto requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].Target, "/zahlen/lotto_neu.asp?Programm=Stellix&Datum=20250110");
    EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
    EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
    for (int r = 0; r < 13; ++r) EXPECT_EQ(quota(r), kSampleQuotas[r]) << r;
    EXPECT_EQ(w.Caption(), "Spieleinsatz: 2  EUR");
    EXPECT_EQ(w.diezahlen, "3 11 19 27 44 + 2 9");
    EXPECT_EQ(panel(0), "Angabe ohne Gewähr");
    EXPECT_EQ(panel(1), "Quote für den 10.01.25 geladen");
    EXPECT_TRUE(w.SpeedButton2->Enabled());
    EXPECT_EQ(w.Label27->Caption(), "1234568,00");  // seven significant digits
    EXPECT_EQ(h.platform.modalForms.size(), 1u);
}

TEST_F(WinningsWindow, DownloadShowsTheAmountsInTheUsersOwnSeparators) {
    const TFormatSettings saved = FormatSettings();
    FormatSettings().DecimalSeparator = '.';
    FormatSettings().ThousandSeparator = ',';
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Text(kSampleReply));
    oneTipInEachClass();
    open();
    FormatSettings() = saved;

    EXPECT_EQ(quota(11), "1234567.80");
    EXPECT_EQ(quota(9), "4000.50");
    EXPECT_EQ(quota(0), "4.10");
    EXPECT_EQ(quota(12), "0.00");
    EXPECT_EQ(w.Label29->Caption(), "4.10");
    EXPECT_EQ(panel(0), "Angabe ohne Gewähr");
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST_F(WinningsWindow, DownloadsWithoutAQuotaReplyLeaveTheQuotasAsTheyWere) {
    w.Datum = EncodeDate(2025, 1, 10);
    w.HttpCli1->ReadTimeout = 500;
    w.diezahlen = "1 2 3 4 5 + 6 7";
    // Its own text, to tell the hint of a reply not taken from the others.
    w.Edit5->SetHint("kein Quotenformat");
    const std::string html =
        "<html><head><style>body { margin: 0; }</style></head><body>Wartungsarbeiten; bitte sp&auml;ter</body></html>";

    struct Case {
        const char* what;
        StandInReply reply;
        const char* panel0;  // its beginning
    } cases[] = {
        {"reply without ;", StandInReply::Text("kein Semikolon"), "Received 14 bytes"},
        {"404", StandInReply::Code(404, "a;b;c;"), "Failed : 404 Not Found"},
        {"reply cut short", [] { auto r = StandInReply::Text(kSampleReply); r.CutAfter = 40; return r; }(),
         "Failed : 200 "},
        {"host that never answers", [] { auto r = StandInReply::Text(kSampleReply); r.Stall = 20s; return r; }(),
         "Failed : 0 "},
        {"HTML page with ;", [&] { auto r = StandInReply::Text(html); r.ContentType = "text/html"; return r; }(),
         "Received "},
        {"302 page with ;",
         StandInReply::Code(302, "<html><body>Moved; see <a href=\"/neu\">here</a></body></html>")
             .WithHeader("Location", "/neu"),
         "Received "},
    };
    for (Case& c : cases) {
        host.Reply(kQuotaPath, kQuotaQuery, c.reply);
        w.SpeedButton1->Click();
        const auto start = std::chrono::steady_clock::now();
        w.SpeedButton2->Click();
        EXPECT_LT(std::chrono::steady_clock::now() - start, 3s) << c.what;
        for (std::size_t r = 0; r < 13; ++r)
            EXPECT_EQ(w.QuotaEdits[r]->Text(), PrizeClasses[r].Average) << c.what << " " << r;
        EXPECT_EQ(panel(0).rfind(c.panel0, 0), 0u) << c.what << ": " << panel(0);
        EXPECT_EQ(panel(1), "kein Quotenformat") << c.what;
        EXPECT_TRUE(w.SpeedButton2->Enabled()) << c.what;
        EXPECT_EQ(w.Caption(), "Auswertung und Gewinnberechnung") << c.what;
        EXPECT_EQ(w.diezahlen, "1 2 3 4 5 + 6 7") << c.what;
    }
}

TEST_F(WinningsWindow, AReplyWithOneReadableQuotaFillsItAndMarksTheRest) {
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Text("20250110,1 2 3 4 5 + 6 7;2;x;x;x;x;x;x;x;x;x;x;x;x;4,10;"));
    open();
    EXPECT_EQ(w.Edit25->Text(), "4,10");  // 2+0, the reply's last field
    for (int r = 1; r < 13; ++r) EXPECT_EQ(quota(r), "-") << r;
    EXPECT_EQ(w.Caption(), "Spieleinsatz: 2  EUR");
    EXPECT_EQ(panel(1), "Quote für den 10.01.25 geladen");
}

TEST_F(WinningsWindow, UnreadableFieldsAreMarkedAndTheWindowStillOpens) {
    // The 13th field (2+0) is no number; the stake neither.
    host.Reply(kQuotaPath, kQuotaQuery,
               StandInReply::Text("20250110,1 2 3 4 5 + 6 7;zwei;unbesetzt;1;2;3;4;5;6;7;8;9;10;11;vier;"));
    oneTipInEachClass();
    open();
    EXPECT_EQ(w.Edit25->Text(), "-");
    EXPECT_EQ(w.Label29->Caption(), "0,00");
    EXPECT_EQ(quota(1), "11,00");
    EXPECT_EQ(w.Caption(), "Spieleinsatz: noch nicht verfügbar!");
    EXPECT_EQ(panel(0), "Angabe ohne Gewähr");
    EXPECT_EQ(panel(1), "Quote für den 10.01.25 geladen");
    EXPECT_TRUE(w.SpeedButton2->Enabled());
    EXPECT_EQ(h.platform.modalForms.size(), 1u);
    EXPECT_TRUE(h.platform.messages.empty());
}

TEST_F(WinningsWindow, ATypedTextThatIsNoNumberIsReportedOnceAndTheWindowStillOpens) {
    w.Edit9->SetText("1");
    try {
        w.Edit9->SetText("abc");  // as the user types it
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' ist kein gültiger Gleitkommawert");
    }
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Code(500));
    h.platform.answerMessage(IDOK);
    open();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "'abc' ist kein gültiger Gleitkommawert");
    EXPECT_EQ(h.platform.modalForms.size(), 1u);
    EXPECT_TRUE(w.SpeedButton2->Enabled());
}

TEST_F(WinningsWindow, ProxyPortIsReadOnlyWithAProxyHost) {
    host.Reply(kQuotaPath, kQuotaQuery, StandInReply::Text(kSampleReply));
    f.ProxyHostEdit->SetText("");
    f.ProxyPortEdit->SetText("stale");
    open();
    EXPECT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(quota(11), "1234567,80");

    // With a proxy host a port that is no number ends the opening unsent.
    host.ClearRequests();
    f.ProxyHostEdit->SetText("127.0.0.1");
    f.ProxyPortEdit->SetText("8o");
    EXPECT_THROW(f.auswertungClick(nullptr), EConvertError);
    EXPECT_TRUE(host.Requests().empty());
    EXPECT_EQ(h.platform.modalForms.size(), 1u);
    EXPECT_TRUE(w.SpeedButton2->Enabled());

    // With the stand-in as the proxy the request goes through it.
    f.ProxyPortEdit->SetText(std::to_string(host.Port()));
    open();
    ASSERT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(host.Requests()[0].Target, host.BaseUrl() + "/zahlen/lotto_neu.asp?Programm=Stellix&Datum=20250110");
}

TEST(WinningsText, PlaceholdersAreFilledByPlainSearch) {
    EXPECT_EQ(FillPlaceholder("Spieleinsatz: %s  EUR", "2"), "Spieleinsatz: 2  EUR");
    EXPECT_EQ(FillPlaceholder("Stake: EUR", "2"), "Stake: EUR");
    EXPECT_EQ(FillPlaceholder("%s of %s", "1"), "1 of %s");
    EXPECT_EQ(FillPlaceholder("%d %n %s", "x"), "%d %n x");
    EXPECT_EQ(FillPlaceholder("%s", "%s"), "%s");
}

}  // namespace
