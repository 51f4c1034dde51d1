#pragma once
// A stand-in for the maker's web hosts: an HTTP server on the loopback, on a
// port of its own choosing, in a thread of its own, answering from fixture
// replies the test gives and recording every request it gets.
//
// Usage:
//     StandInHost host;
//     host.Reply("/zahlen/lotto_neu.asp", "Programm=Stellix&Datum=20250110",
//                StandInReply::Text("20250110,...;"));
//     HostOverride second("STELLIX_HOST2", host.BaseUrl());   // for the program's builders
//     ... run the code under test ...
//     ASSERT_EQ(host.Requests().size(), 1u);
//     EXPECT_EQ(host.Requests()[0].Header("User-Agent"), "...");
//
// A request without a fixture gets 404. Requests in proxy form
// ("GET http://host:port/path?query") are answered from the same fixtures and
// recorded with their absolute target.

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct RecordedRequest {
    std::string Method;
    std::string Target;  // as it stood in the request line
    std::string Path;    // without scheme and authority
    std::string Query;   // the raw query string, without "?"
    std::vector<std::pair<std::string, std::string>> Headers;

    // The first header of that name (any letter case), or "".
    std::string Header(const std::string& name) const;
    bool HasHeader(const std::string& name) const;
};

struct StandInReply {
    int Status = 200;
    std::string Body;
    std::string ContentType = "text/plain";
    std::vector<std::pair<std::string, std::string>> Headers;
    // Waits this long before answering (until the host stops, at most).
    std::chrono::milliseconds Stall{0};
    // Announces the whole body but sends only this many bytes, then closes.
    std::optional<std::size_t> CutAfter;
    // Sends the body one byte at a time with this pause between bytes.
    std::chrono::milliseconds Dribble{0};

    static StandInReply Text(std::string body, int status = 200);
    static StandInReply Code(int status, std::string body = "");
    static StandInReply Redirect(const std::string& location, int status = 302);
    StandInReply& WithHeader(std::string name, std::string value);
    StandInReply& LastModified(std::string httpDate) { return WithHeader("Last-Modified", std::move(httpDate)); }
};

class StandInHost {
public:
    StandInHost();
    ~StandInHost();
    StandInHost(const StandInHost&) = delete;
    StandInHost& operator=(const StandInHost&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:<port>"
    std::string BaseUrl() const;

    // The reply to a path with exactly this query ("" for none).
    void Reply(const std::string& path, const std::string& query, StandInReply reply);
    // The reply to a path whatever its query; exact fixtures go first.
    void ReplyAnyQuery(const std::string& path, StandInReply reply);
    // A reply computed from the request.
    void Handle(const std::string& path, std::function<StandInReply(const RecordedRequest&)> handler);

    // Every request so far, in arrival order.
    std::vector<RecordedRequest> Requests() const;
    void ClearRequests();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int port_ = 0;
};

// "http://127.0.0.1:<port>" of a port on which nothing listens; the test
// program holds it for its whole life, so it stays closed.
std::string ClosedPortUrl();

// Sets an environment variable for the life of the object and puts the
// earlier value back after it.
class HostOverride {
public:
    HostOverride(std::string variable, const std::string& value);
    ~HostOverride();
    HostOverride(const HostOverride&) = delete;
    HostOverride& operator=(const HostOverride&) = delete;

private:
    std::string variable_;
    std::optional<std::string> previous_;
};
