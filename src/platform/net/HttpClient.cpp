#include "platform/net/HttpClient.h"

#include "platform/forms/Application.h"
#include "platform/net/Url.h"
#include "platform/rtl/Convert.h"

#include <curl/curl.h>

#include <chrono>
#include <mutex>

namespace {

using Clock = std::chrono::steady_clock;

// The longest the client waits on the network before the window gets its
// next turn: often enough that an area another window uncovers is painted
// again before the eye notices.
constexpr std::chrono::milliseconds kWorkInterval{25};

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

int Bound(int value, int fallback) { return value > 0 ? value : fallback; }

// What the callbacks of one transfer share.
struct Transfer {
    std::string body;
    std::size_t maxBody = 0;
    bool tooLarge = false;
    bool idle = false;
    int statusCode = 0;       // of the last status line seen
    std::string reason;       // its reason phrase
    std::string lastModified; // of the last reply's headers
    Clock::time_point lastData;
    std::chrono::milliseconds idleLimit{0};
    CURL* curl = nullptr;
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    t.lastData = Clock::now();
    if (t.body.size() + n > t.maxBody) {
        t.tooLarge = true;
        return 0;  // aborts the transfer
    }
    t.body.append(data, n);
    return n;
}

std::string TrimLine(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n' || s.back() == ' ' || s.back() == '\t'))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    return s.substr(i);
}

bool StartsWithNoCase(const std::string& s, const char* prefix) {
    for (std::size_t i = 0; prefix[i]; ++i) {
        if (i >= s.size()) return false;
        char a = s[i], b = prefix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    t.lastData = Clock::now();
    std::string line(data, n);
    if (StartsWithNoCase(line, "HTTP/")) {
        // A new reply begins (after a redirect, or a proxy's own reply):
        // its headers replace those of the one before.
        t.lastModified.clear();
        t.reason.clear();
        t.statusCode = 0;
        line = TrimLine(line);
        std::size_t sp = line.find(' ');
        if (sp != std::string::npos) {
            std::size_t end = sp + 1;
            int code = 0, digits = 0;
            while (end < line.size() && line[end] >= '0' && line[end] <= '9' && digits < 3) {
                code = code * 10 + (line[end] - '0');
                ++end;
                ++digits;
            }
            if (digits == 3) t.statusCode = code;
            if (end < line.size()) t.reason = TrimLine(line.substr(end));
        }
    } else if (StartsWithNoCase(line, "Last-Modified:")) {
        t.lastModified = TrimLine(line.substr(14));
    }
    return n;
}

// Ends a transfer that has gone without data for too long. The connection
// phase has its own bound, so the silence is counted from when it ends.
int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    auto& t = *static_cast<Transfer*>(user);
    const auto now = Clock::now();
    curl_off_t connected = 0;
    curl_easy_getinfo(t.curl, CURLINFO_CONNECT_TIME_T, &connected);
    if (connected == 0) {
        t.lastData = now;
        return 0;
    }
    if (now - t.lastData > t.idleLimit) {
        t.idle = true;
        return 1;
    }
    return 0;
}

// The reason a transfer failed, in the program's own German, with the
// library's detail after it: the detail names host, port and time, the
// reason is what a user reads first in a narrow status panel. `lastAddress`
// is where the transfer ended, after any redirect.
std::string FailureText(CURLcode code, const char* detail, const std::string& lastAddress) {
    const char* reason = nullptr;
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
        // The library says so of a redirect to another scheme, and also of
        // a host that answered a web address with something that is not
        // HTTP at all: only the address tells the two apart.
        reason = IsWebAddress(lastAddress) ? "Die Antwort des Servers ist keine gültige HTTP-Antwort"
                                           : "Das Protokoll wird nicht unterstützt";
        break;
    case CURLE_URL_MALFORMAT: reason = "Die Adresse ist ungültig"; break;
    case CURLE_COULDNT_RESOLVE_PROXY: reason = "Der Proxy-Server wurde nicht gefunden"; break;
    case CURLE_COULDNT_RESOLVE_HOST: reason = "Der Server wurde nicht gefunden"; break;
    case CURLE_COULDNT_CONNECT: reason = "Keine Verbindung zum Server"; break;
    case CURLE_WEIRD_SERVER_REPLY: reason = "Unverständliche Antwort vom Server"; break;
    case CURLE_PARTIAL_FILE: reason = "Die Antwort brach vor ihrem Ende ab"; break;
    case CURLE_OPERATION_TIMEDOUT: reason = "Zeitüberschreitung"; break;
    case CURLE_TOO_MANY_REDIRECTS: reason = "Zu viele Weiterleitungen"; break;
    case CURLE_GOT_NOTHING: reason = "Leere Antwort vom Server"; break;
    case CURLE_SEND_ERROR: reason = "Die Anfrage konnte nicht gesendet werden"; break;
    case CURLE_RECV_ERROR: reason = "Die Antwort konnte nicht empfangen werden"; break;
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
    case CURLE_SSL_CERTPROBLEM:
    case CURLE_SSL_CIPHER:
    case CURLE_SSL_CACERT_BADFILE: reason = "Die sichere Verbindung kam nicht zustande"; break;
    case CURLE_ABORTED_BY_CALLBACK: reason = "Die Anfrage wurde abgebrochen"; break;
    case CURLE_OUT_OF_MEMORY: reason = "Zu wenig Arbeitsspeicher für die Anfrage"; break;
    default: reason = "Die Anfrage ist fehlgeschlagen"; break;
    }
    const std::string more = detail && detail[0] ? std::string(detail) : std::string(curl_easy_strerror(code));
    return std::string(reason) + " (" + more + ")";
}

// Runs one transfer to its end, giving the window its turn at least every
// kWorkInterval, also while no data comes (the library's own loop would
// wait up to a second between its calls).
CURLcode Perform(CURL* curl, const std::function<void()>& onWork) {
    CURLM* multi = curl_multi_init();
    if (!multi) return CURLE_OUT_OF_MEMORY;
    if (curl_multi_add_handle(multi, curl) != CURLM_OK) {
        curl_multi_cleanup(multi);
        return CURLE_FAILED_INIT;
    }
    auto turn = Clock::now() + kWorkInterval;
    for (;;) {
        int running = 0;
        if (curl_multi_perform(multi, &running) != CURLM_OK || running == 0) break;
        const auto now = Clock::now();
        if (now >= turn) {
            // A paint that fails leaves the request as it is.
            try {
                if (onWork) onWork();
            } catch (...) {
            }
            turn = Clock::now() + kWorkInterval;
            continue;
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(turn - now).count() + 1;
        if (curl_multi_poll(multi, nullptr, 0, static_cast<int>(wait), nullptr) != CURLM_OK) break;
    }
    CURLcode code = CURLE_FAILED_INIT;
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &left))
        if (message->msg == CURLMSG_DONE && message->easy_handle == curl) code = message->data.result;
    curl_multi_remove_handle(multi, curl);
    curl_multi_cleanup(multi);
    return code;
}

// What a client does while it waits unless told otherwise: the windows
// paint.
void PaintWhileWaiting() {
    if (Application) Application->Services().PaintWhileWaiting();
}

}  // namespace

struct THttpClient::Cookies {
    CURLSH* share = nullptr;
    Cookies() {
        share = curl_share_init();
        if (share) curl_share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
    }
    ~Cookies() {
        if (share) curl_share_cleanup(share);
    }
};

THttpClient::THttpClient(TComponent* owner) : TComponent(owner) { GlobalInit(); }

THttpClient::~THttpClient() = default;

void THttpClient::SetProxy(const std::string& host, const std::string& portText) {
    ProxyHost = host;
    if (!host.empty()) ProxyPort = StrToInt(portText);
}

HttpResult THttpClient::Request(const std::string& url) {
    HttpResult result;
    auto finish = [&](HttpResult r) {
        ResponseCode = r.StatusCode;
        ResponseText = r.StatusText;
        LastModified = r.LastModified;
        LastModifiedTime = r.LastModifiedTime;
        return r;
    };
    if (!IsWebAddress(url)) {
        result.StatusText = "Es werden nur http- und https-Adressen abgefragt";
        return finish(result);
    }
    if (!ProxyHost.empty() && (ProxyPort < 1 || ProxyPort > 65535)) {
        result.StatusText = "Ungültiger Proxy-Port " + std::to_string(ProxyPort);
        return finish(result);
    }

    CURL* curl = curl_easy_init();
    if (!curl) {
        result.StatusText = "Die HTTP-Bibliothek ließ sich nicht starten";
        return finish(result);
    }
    if (AllowCookies) {
        if (!cookies_) cookies_ = std::make_unique<Cookies>();
        if (cookies_->share) curl_easy_setopt(curl, CURLOPT_SHARE, cookies_->share);
        curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");  // the engine, in memory only
    }

    Transfer t;
    t.curl = curl;
    // The callback as it stood when the request began.
    const std::function<void()> onWork = OnWork ? OnWork : std::function<void()>(PaintWhileWaiting);
    t.maxBody = MaxBodySize > 0 ? MaxBodySize : DefaultMaxBodySize;
    t.idleLimit = std::chrono::milliseconds(Bound(ReadTimeout, DefaultReadTimeout));
    t.lastData = Clock::now();
    char errorText[CURL_ERROR_SIZE] = {0};

    curl_slist* headers = nullptr;
    if (!Accept.empty()) headers = curl_slist_append(headers, ("Accept: " + Accept).c_str());

    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, HandleRedirects ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, static_cast<long>(RedirectMaximum >= 0 ? RedirectMaximum : 0));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, UserAgent.c_str());
    if (headers) curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    // An empty proxy text switches off the environment's proxy as well.
    curl_easy_setopt(curl, CURLOPT_PROXY, ProxyHost.c_str());
    if (!ProxyHost.empty()) {
        curl_easy_setopt(curl, CURLOPT_PROXYPORT, static_cast<long>(ProxyPort));
        curl_easy_setopt(curl, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
    }
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(Bound(ConnectTimeout, DefaultConnectTimeout)));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(Bound(TotalTimeout, DefaultTotalTimeout)));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.maxBody));
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

    const CURLcode code = Perform(curl, onWork);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    const char* effective = nullptr;
    curl_easy_getinfo(curl, CURLINFO_EFFECTIVE_URL, &effective);
    const std::string lastAddress = effective ? effective : url;
    curl_easy_cleanup(curl);
    curl_slist_free_all(headers);

    result.StatusCode = t.statusCode ? t.statusCode : static_cast<int>(status);
    if (code == CURLE_OK && result.StatusCode > 0) {
        result.Completed = true;
        result.StatusText = t.reason;
        result.Body = std::move(t.body);
        result.LastModified = t.lastModified;
        result.LastModifiedTime = t.lastModified.empty() ? -1 : ParseHttpDate(t.lastModified);
    } else if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        result.StatusText = "Die Antwort ist größer als " + std::to_string(t.maxBody) + " Bytes";
    } else if (t.idle) {
        result.StatusText = "Keine Daten seit " + std::to_string(t.idleLimit.count()) + " ms";
    } else if (code == CURLE_OK) {
        result.StatusText = "Die Antwort hat keine Statuszeile";
    } else {
        result.StatusText = FailureText(code, errorText, lastAddress);
    }
    return finish(result);
}

std::string THttpClient::Get(const std::string& url) {
    HttpResult r = Request(url);
    if (!r.Completed) throw EHttpError(r.StatusCode, r.StatusText);
    if (RaiseOnErrorStatus && r.StatusCode >= 400)
        throw EHttpError(r.StatusCode, std::to_string(r.StatusCode) + " " + r.StatusText);
    return std::move(r.Body);
}

std::int64_t ParseHttpDate(const std::string& text) {
    if (text.empty()) return -1;
    const time_t t = curl_getdate(text.c_str(), nullptr);
    return t == static_cast<time_t>(-1) ? -1 : static_cast<std::int64_t>(t);
}
