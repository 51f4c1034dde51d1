#pragma once
// The HTTP client component: how a window's requests present themselves
// (user agent, accepted types, cookies), where they go through (proxy) and
// how long they may take.
//
// Usage:
//     THttpClient* http = form->Create<THttpClient>("HttpCli1");
//     http->UserAgent = "...";
//     http->SetProxy(proxyHostText, proxyPortText);   // port read only with a host
//     HttpResult r = http->Request(url);               // never raises
//     if (r.Ok()) use(r.Body);                         // completed, status below 400
//     std::string body = http->Get(url);               // raises EHttpError instead
//
// Every request is a blocking GET that dispatches no window messages; the
// windows only paint while it waits (OnWork). It is bounded by
// ConnectTimeout, ReadTimeout (time without data), TotalTimeout and
// MaxBodySize; a transfer that passes a bound, breaks off or brings no
// status line is not completed, and its body is never handed out.

#include "platform/forms/Component.h"
#include "platform/rtl/Exceptions.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// What one request brought back.
struct HttpResult {
    // The whole reply arrived: a status line, every header and the complete
    // body within the bounds. Only then are Body and LastModified filled.
    bool Completed = false;
    // The last status code received (0 when no status line came); set also
    // for a transfer that broke off after its status line.
    int StatusCode = 0;
    // The status line's reason phrase ("Not Found") of a completed reply,
    // else why the transfer failed, in German, with the library's detail
    // after it ("Keine Verbindung zum Server (Failed to connect to ...)").
    std::string StatusText;
    std::string Body;
    // The reply's Last-Modified header as sent, and as seconds since
    // 1970-01-01 UTC (-1 when missing or unreadable).
    std::string LastModified;
    std::int64_t LastModifiedTime = -1;

    // A completed reply with a status below 400.
    bool Ok() const { return Completed && StatusCode > 0 && StatusCode < 400; }
};

// A failed request, raised by THttpClient::Get. ErrorCode is the status code
// of the reply (0 when none came).
class EHttpError : public Exception {
public:
    EHttpError(int code, const std::string& message) : Exception(message), ErrorCode(code) {}
    int ErrorCode;
};

class THttpClient : public TComponent {
public:
    // The bounds every request keeps; a setting of 0 or below means these.
    static constexpr int DefaultConnectTimeout = 5000;   // ms until connected
    static constexpr int DefaultReadTimeout = 5000;      // ms without any data
    static constexpr int DefaultTotalTimeout = 30000;    // ms for the whole request
    static constexpr std::size_t DefaultMaxBodySize = 1024 * 1024;
    static constexpr int DefaultRedirectMaximum = 15;

    explicit THttpClient(TComponent* owner);
    ~THttpClient() override;
    const char* ClassName() const override { return "THttpClient"; }

    std::string UserAgent;
    std::string Accept;           // empty: the library's own "*/*"
    bool AllowCookies = true;     // cookies are kept in memory for the client's life
    bool HandleRedirects = false; // follow 3xx replies, over http and https only
    int RedirectMaximum = DefaultRedirectMaximum;
    std::string ProxyHost;        // empty: a direct connection, whatever the environment says
    int ProxyPort = 0;
    int ConnectTimeout = DefaultConnectTimeout;
    int ReadTimeout = DefaultReadTimeout;
    int TotalTimeout = DefaultTotalTimeout;
    std::size_t MaxBodySize = DefaultMaxBodySize;
    // Called while a request runs, every 25 ms or so, also while no data
    // comes. When not set, the application's platform lets the windows
    // paint while the program waits (Platform::PaintWhileWaiting). It must
    // not start a request of its own.
    std::function<void()> OnWork;
    // Whether Get raises on a completed reply with a status of 400 or more;
    // without it Get hands out such a reply's body.
    bool RaiseOnErrorStatus = true;

    // Proxy host and port from their edit texts. The port text is converted
    // only when a host is given (a stale port text never blocks a direct
    // connection); a port that is no whole number raises EConvertError.
    void SetProxy(const std::string& host, const std::string& portText);

    // One GET of an http or https address. Never raises for the transfer;
    // the outcome is also kept in ResponseCode, ResponseText and LastModified.
    HttpResult Request(const std::string& url);

    // The raising wrapper: the body of a reply that Request saw completed;
    // raises EHttpError for a failed transfer and, with RaiseOnErrorStatus,
    // for a status of 400 or more ("404 Not Found").
    std::string Get(const std::string& url);

    // Ends any open connection. Every request opens its own connection and
    // closes it when it ends, so there is nothing left to close; the cookies
    // stay for the client's life.
    void Disconnect() {}

    // The outcome of the last request.
    int ResponseCode = 0;
    std::string ResponseText;
    std::string LastModified;
    std::int64_t LastModifiedTime = -1;

private:
    struct Cookies;
    std::unique_ptr<Cookies> cookies_;
};

// Seconds since 1970-01-01 UTC of an HTTP date ("Fri, 10 Jan 2025 08:00:00
// GMT" and the older forms); -1 when the text is no such date.
std::int64_t ParseHttpDate(const std::string& text);
