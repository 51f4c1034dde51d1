#include "platform/forms/Application.h"
#include "platform/net/HttpClient.h"
#include "platform/net/Url.h"
#include "support/ScriptedPlatform.h"
#include "support/StandInHost.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

struct HttpClientTest : ::testing::Test {
    StandInHost host;
    THttpClient http{nullptr};

    std::string Url(const std::string& pathAndQuery) const { return host.BaseUrl() + pathAndQuery; }
};

template <class F>
std::chrono::milliseconds Timed(F&& f) {
    const auto start = Clock::now();
    f();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
}

TEST_F(HttpClientTest, CompletedReplyCarriesStatusBodyAndLastModifiedAndSendsTheClientsHeaders) {
    host.Reply("/a", "x=1&y=2",
               StandInReply::Text("hello").LastModified("Fri, 10 Jan 2025 08:00:00 GMT"));
    http.UserAgent = "Agent/1.0";
    http.Accept = "text/html, */*";

    HttpResult r = http.Request(Url("/a?x=1&y=2"));

    EXPECT_TRUE(r.Completed);
    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.StatusCode, 200);
    EXPECT_EQ(r.StatusText, "OK");
    EXPECT_EQ(r.Body, "hello");
    EXPECT_EQ(r.LastModified, "Fri, 10 Jan 2025 08:00:00 GMT");
    EXPECT_EQ(r.LastModifiedTime, 1736496000);
    EXPECT_EQ(http.ResponseCode, 200);
    EXPECT_EQ(http.ResponseText, "OK");
    ASSERT_EQ(host.Requests().size(), 1u);
    const RecordedRequest req = host.Requests()[0];
    EXPECT_EQ(req.Method, "GET");
    EXPECT_EQ(req.Target, "/a?x=1&y=2");
    EXPECT_EQ(req.Header("User-Agent"), "Agent/1.0");
    EXPECT_EQ(req.Header("Accept"), "text/html, */*");
    EXPECT_FALSE(req.HasHeader("Cookie"));
}

TEST_F(HttpClientTest, ErrorStatusIsACompletedReplyThatTheWrapperRaisesOnlyWhenAsked) {
    host.Reply("/missing", "", StandInReply::Code(404, "<html>Mitteilung</html>"));

    HttpResult r = http.Request(Url("/missing"));
    EXPECT_TRUE(r.Completed);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.StatusCode, 404);
    EXPECT_EQ(r.StatusText, "Not Found");
    EXPECT_EQ(r.Body, "<html>Mitteilung</html>");

    try {
        http.Get(Url("/missing"));
        FAIL() << "no failure raised";
    } catch (const EHttpError& e) {
        EXPECT_EQ(e.ErrorCode, 404);
        EXPECT_EQ(e.Message(), "404 Not Found");
    }
    http.RaiseOnErrorStatus = false;
    EXPECT_EQ(http.Get(Url("/missing")), "<html>Mitteilung</html>");
}

// A raw host that answers every connection with the given bytes and closes.
class RawHost {
public:
    explicit RawHost(std::string answer) : answer_(std::move(answer)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        ::listen(fd_, 4);
        thread_ = std::thread([this] {
            for (;;) {
                const int c = ::accept(fd_, nullptr, nullptr);
                if (c < 0) return;
                char buf[2048];
                (void)::recv(c, buf, sizeof buf, 0);
                (void)::send(c, answer_.data(), answer_.size(), MSG_NOSIGNAL);
                ::close(c);
            }
        });
    }
    ~RawHost() {
        ::shutdown(fd_, SHUT_RDWR);
        ::close(fd_);
        thread_.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

private:
    std::string answer_;
    int fd_ = -1;
    int port_ = 0;
    std::thread thread_;
};

TEST_F(HttpClientTest, TransfersThatDoNotCompleteHandOutNothing) {
    http.ReadTimeout = 300;
    http.TotalTimeout = 1500;
    http.MaxBodySize = 1000;
    host.Reply("/cut", "", [] { auto r = StandInReply::Text(std::string(200, 'x')); r.CutAfter = 50; return r; }());
    host.Reply("/big", "", StandInReply::Text(std::string(1001, 'x')));
    host.Reply("/stall", "", [] { auto r = StandInReply::Text("late"); r.Stall = 10s; return r; }());
    host.Reply("/dribble", "", [] { auto r = StandInReply::Text(std::string(40, 'x')); r.Dribble = 100ms; return r; }());
    RawHost noStatus("just some text\r\n\r\n");

    struct Case {
        const char* what;
        std::string url;
        int code;
    } cases[] = {
        {"closed port", ClosedPortUrl() + "/", 0},
        {"body cut short", Url("/cut"), 200},
        {"body over the cap", Url("/big"), 200},
        {"host that never answers", Url("/stall"), 0},
        {"trickle past the total time", Url("/dribble"), 200},
        {"reply without status line", noStatus.Url(), 0},
        {"not a web address", "file:///etc/passwd", 0},
    };
    for (const Case& c : cases) {
        HttpResult r;
        const auto took = Timed([&] { r = http.Request(c.url); });
        EXPECT_FALSE(r.Completed) << c.what;
        EXPECT_FALSE(r.Ok()) << c.what;
        EXPECT_EQ(r.StatusCode, c.code) << c.what;
        EXPECT_TRUE(r.Body.empty()) << c.what;
        EXPECT_FALSE(r.StatusText.empty()) << c.what;
        EXPECT_LT(took, 3s) << c.what;
        EXPECT_THROW(http.Get(c.url), EHttpError) << c.what;
    }
    EXPECT_EQ(http.Request(Url("/big")).StatusText, "Die Antwort ist größer als 1000 Bytes");
}

// The window shows these texts in its status bar and boxes: the reason in
// the program's German first, the library's detail (host, port, time) after.
TEST_F(HttpClientTest, FailureReasonsAreGermanWithTheLibrarysDetailAfterThem) {
    http.ReadTimeout = 300;
    http.TotalTimeout = 3000;
    host.Reply("/stall", "", [] { auto r = StandInReply::Text("late"); r.Stall = 10s; return r; }());
    RawHost silent("");
    RawHost noStatus("just some text\r\n\r\n");
    host.Reply("/to-raw", "", StandInReply::Redirect(noStatus.Url()));
    host.Reply("/to-file", "", StandInReply::Redirect("file:///etc/passwd"));
    http.HandleRedirects = true;
    struct Case {
        std::string url, reason, detail;
    } cases[] = {
        {ClosedPortUrl() + "/", "Keine Verbindung zum Server (", "127.0.0.1"},
        {silent.Url(), "Leere Antwort vom Server (", "Empty reply"},
        {Url("/stall"), "Keine Daten seit 300 ms", ""},
        // The library calls a reply without a status line an unsupported
        // protocol, as it does a redirect to another scheme.
        {noStatus.Url(), "Die Antwort des Servers ist keine gültige HTTP-Antwort (", "HTTP/0.9"},
        {Url("/to-raw"), "Die Antwort des Servers ist keine gültige HTTP-Antwort (", "HTTP/0.9"},
        {Url("/to-file"), "Das Protokoll wird nicht unterstützt (", "file"},
        {"file:///etc/passwd", "Es werden nur http- und https-Adressen abgefragt", ""},
    };
    for (const Case& c : cases) {
        const HttpResult r = http.Request(c.url);
        EXPECT_EQ(r.StatusText.rfind(c.reason, 0), 0u) << c.url << ": " << r.StatusText;
        EXPECT_NE(r.StatusText.find(c.detail), std::string::npos) << c.url << ": " << r.StatusText;
        if (!c.detail.empty()) {
            EXPECT_EQ(r.StatusText.back(), ')') << r.StatusText;
        }
        EXPECT_EQ(http.ResponseText, r.StatusText);
        try {
            http.Get(c.url);
            ADD_FAILURE() << c.url << ": no failure";
        } catch (const EHttpError& e) {
            EXPECT_EQ(e.Message().rfind(c.reason, 0), 0u) << e.Message();
        }
    }
}

TEST_F(HttpClientTest, DefaultBoundsEndASilentHostAfterFiveSeconds) {
    EXPECT_EQ(http.ConnectTimeout, 5000);
    EXPECT_EQ(http.ReadTimeout, 5000);
    EXPECT_EQ(http.TotalTimeout, 30000);
    EXPECT_EQ(http.MaxBodySize, 1024u * 1024u);
    host.Reply("/stall", "", [] { auto r = StandInReply::Text("late"); r.Stall = 20s; return r; }());
    http.ReadTimeout = 0;  // no setting means the default bound, never "no bound"

    HttpResult r;
    const auto took = Timed([&] { r = http.Request(Url("/stall")); });
    EXPECT_FALSE(r.Completed);
    EXPECT_GE(took, 4500ms);
    EXPECT_LT(took, 7500ms);
}

TEST_F(HttpClientTest, ProxyGetsTheAbsoluteAddressAndTheEnvironmentsProxyIsNeverUsed) {
    host.ReplyAnyQuery("/zahlen/lotto_neu.asp", StandInReply::Text("via proxy"));
    http.SetProxy("127.0.0.1", std::to_string(host.Port()));
    // A name under ".example" is never looked up: the proxy gets it as it stands.
    const std::string address = "http://host2.stellix.example/zahlen/lotto_neu.asp?Programm=Stellix&Datum=20250110";
    HttpResult r = http.Request(address);
    ASSERT_TRUE(r.Ok()) << r.StatusText;
    EXPECT_EQ(r.Body, "via proxy");
    ASSERT_EQ(host.Requests().size(), 1u);
    EXPECT_EQ(host.Requests()[0].Target, address);

    // Without a proxy host, a proxy set in the environment is ignored.
    HostOverride env("http_proxy", ClosedPortUrl());
    HostOverride allEnv("ALL_PROXY", ClosedPortUrl());
    http.SetProxy("", "80");
    host.Reply("/direct", "", StandInReply::Text("direct"));
    EXPECT_EQ(http.Request(Url("/direct")).Body, "direct");
}

TEST_F(HttpClientTest, ProxyPortTextIsReadOnlyWithAProxyHost) {
    http.ProxyPort = 8080;
    EXPECT_NO_THROW(http.SetProxy("", "stale"));
    EXPECT_EQ(http.ProxyHost, "");
    try {
        http.SetProxy("proxy.local", "8o");
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'8o' ist kein gültiger Integerwert");
    }
    http.SetProxy("127.0.0.1", "70000");
    EXPECT_FALSE(http.Request(Url("/")).Completed);
    EXPECT_TRUE(host.Requests().empty());
}

TEST_F(HttpClientTest, CookiesOfOneReplyComeBackWithTheNextWhileAllowed) {
    host.Reply("/first", "", StandInReply::Text("one").WithHeader("Set-Cookie", "sid=abc123; Path=/"));
    host.Reply("/second", "", StandInReply::Text("two"));

    ASSERT_TRUE(http.Request(Url("/first")).Ok());
    ASSERT_TRUE(http.Request(Url("/second")).Ok());
    EXPECT_EQ(host.Requests().at(1).Header("Cookie"), "sid=abc123");

    THttpClient noCookies(nullptr);
    noCookies.AllowCookies = false;
    host.ClearRequests();
    ASSERT_TRUE(noCookies.Request(Url("/first")).Ok());
    ASSERT_TRUE(noCookies.Request(Url("/second")).Ok());
    EXPECT_FALSE(host.Requests().at(1).HasHeader("Cookie"));
}

TEST_F(HttpClientTest, RedirectsAreFollowedUpToTheMaximumOverHttpOnly) {
    // "/hop?n" redirects to "/hop?n-1"; "/hop?0" is the end.
    host.Handle("/hop", [](const RecordedRequest& req) {
        const int n = std::stoi(req.Query);
        return n == 0 ? StandInReply::Text("end") : StandInReply::Redirect("/hop?" + std::to_string(n - 1));
    });
    host.Reply("/to-file", "", StandInReply::Redirect("file:///etc/passwd"));
    http.HandleRedirects = true;
    http.RedirectMaximum = 15;

    HttpResult fifteen = http.Request(Url("/hop?15"));
    EXPECT_TRUE(fifteen.Ok());
    EXPECT_EQ(fifteen.Body, "end");
    HttpResult sixteen = http.Request(Url("/hop?16"));
    EXPECT_FALSE(sixteen.Completed);
    EXPECT_TRUE(sixteen.Body.empty());

    HttpResult toFile = http.Request(Url("/to-file"));
    EXPECT_FALSE(toFile.Completed);
    EXPECT_TRUE(toFile.Body.empty());

    http.HandleRedirects = false;
    HttpResult unfollowed = http.Request(Url("/hop?3"));
    EXPECT_TRUE(unfollowed.Completed);
    EXPECT_EQ(unfollowed.StatusCode, 302);
}

TEST(Url, PercentEncodeKeepsOnlyUnreservedCharacters) {
    EXPECT_EQ(PercentEncode("Lottoland"), "Lottoland");
    EXPECT_EQ(PercentEncode("A-z_0.9~"), "A-z_0.9~");
    EXPECT_EQ(PercentEncode("a b&c=d/e?f#g%"), "a%20b%26c%3Dd%2Fe%3Ff%23g%25");
    EXPECT_EQ(PercentEncode("Glück"), "Gl%C3%BCck");
}

TEST(Url, WebAddressesAreHttpOrHttpsWithAHost) {
    struct Case {
        const char* text;
        bool web;
    } cases[] = {
        {"http://a.example/x", true},   {"HTTPS://a.example", true},     {"https://127.0.0.1:8080/?a=b", true},
        {"file:///etc/passwd", false},  {"javascript:alert(1)", false},  {"http://", false},
        {"http:///path", false},        {"ftp://a.example/", false},     {"http://a.example/x y", false},
        {"http://a.example/\n", false}, {"//a.example/", false},         {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsWebAddress(c.text), c.web) << c.text;
}

}  // namespace

// A window waiting on a slow host gets its turn to paint every few tens of
// ms, also while no byte comes (the library by itself calls back about once
// a second), and an error in one of them leaves the request alone.
TEST_F(HttpClientTest, WorkCallbackRunsOftenWhileASlowReplyIsAwaited) {
    host.Reply("/slow", "", [] { auto r = StandInReply::Text("late"); r.Stall = 1500ms; return r; }());
    std::vector<Clock::time_point> calls;
    http.OnWork = [&] {
        calls.push_back(Clock::now());
        throw std::runtime_error("paint failed");
    };

    const auto start = Clock::now();
    HttpResult r = http.Request(Url("/slow"));

    EXPECT_TRUE(r.Ok());
    EXPECT_EQ(r.Body, "late");
    // About 60 turns; a loaded machine may take fewer, but no silence much
    // longer than the turn's 25 ms.
    EXPECT_GE(calls.size(), 10u);
    Clock::time_point previous = start;
    for (Clock::time_point call : calls) {
        EXPECT_LT(call - previous, 600ms);
        previous = call;
    }
    EXPECT_GE(calls.back() - start, 1000ms);
}

// Without a callback of its own, a client lets the application's windows
// paint while it waits.
TEST_F(HttpClientTest, WithoutAWorkCallbackTheApplicationPaintsWhileTheReplyIsAwaited) {
    host.Reply("/slow", "", [] { auto r = StandInReply::Text("late"); r.Stall = 600ms; return r; }());
    ScriptedPlatform platform;
    TApplication app{platform};

    EXPECT_TRUE(http.Request(Url("/slow")).Ok());
    EXPECT_GE(platform.repaints, 4);
}
