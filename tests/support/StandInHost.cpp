#include "support/StandInHost.h"

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// Splits a request target, in origin or absolute form, into path and query.
void SplitTarget(const std::string& target, std::string& path, std::string& query) {
    std::string rest = target;
    const auto scheme = rest.find("://");
    if (scheme != std::string::npos && rest.find('/') > scheme) {
        const auto slash = rest.find('/', scheme + 3);
        rest = slash == std::string::npos ? "/" : rest.substr(slash);
    }
    const auto q = rest.find('?');
    path = rest.substr(0, q);
    query = q == std::string::npos ? "" : rest.substr(q + 1);
}

}  // namespace

std::string RecordedRequest::Header(const std::string& name) const {
    for (const auto& [key, value] : Headers)
        if (SameNoCase(key, name)) return value;
    return "";
}

bool RecordedRequest::HasHeader(const std::string& name) const {
    return std::any_of(Headers.begin(), Headers.end(), [&](const auto& h) { return SameNoCase(h.first, name); });
}

StandInReply StandInReply::Text(std::string body, int status) {
    StandInReply r;
    r.Status = status;
    r.Body = std::move(body);
    return r;
}

StandInReply StandInReply::Code(int status, std::string body) { return Text(std::move(body), status); }

StandInReply StandInReply::Redirect(const std::string& location, int status) {
    StandInReply r;
    r.Status = status;
    r.Headers.emplace_back("Location", location);
    return r;
}

StandInReply& StandInReply::WithHeader(std::string name, std::string value) {
    Headers.emplace_back(std::move(name), std::move(value));
    return *this;
}

struct StandInHost::Impl {
    httplib::Server server;
    std::thread thread;
    mutable std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::map<std::pair<std::string, std::string>, StandInReply> exact;
    std::map<std::string, StandInReply> anyQuery;
    std::map<std::string, std::function<StandInReply(const RecordedRequest&)>> handlers;
    std::vector<RecordedRequest> requests;

    // Waits, or returns false at once when the host is stopping.
    bool Pause(std::chrono::milliseconds duration) {
        std::unique_lock lock(mutex);
        return !wake.wait_for(lock, duration, [&] { return stopping; });
    }

    void Serve(const httplib::Request& req, httplib::Response& res) {
        RecordedRequest rec;
        rec.Method = req.method;
        rec.Target = req.target;
        SplitTarget(req.target, rec.Path, rec.Query);
        for (const auto& [key, value] : req.headers) rec.Headers.emplace_back(key, value);

        std::optional<StandInReply> reply;
        std::function<StandInReply(const RecordedRequest&)> handler;
        {
            std::lock_guard lock(mutex);
            requests.push_back(rec);
            if (auto it = exact.find({rec.Path, rec.Query}); it != exact.end()) reply = it->second;
            else if (auto a = anyQuery.find(rec.Path); a != anyQuery.end()) reply = a->second;
            else if (auto h = handlers.find(rec.Path); h != handlers.end()) handler = h->second;
        }
        if (!reply && handler) reply = handler(rec);
        if (!reply) reply = StandInReply::Code(404, "not found");

        if (reply->Stall.count() > 0 && !Pause(reply->Stall)) return;
        res.status = reply->Status;
        for (const auto& [key, value] : reply->Headers) res.set_header(key, value);

        auto body = std::make_shared<std::string>(reply->Body);
        if (reply->CutAfter) {
            const std::size_t cut = std::min(*reply->CutAfter, body->size());
            res.set_content_provider(body->size(), reply->ContentType.c_str(),
                                     [body, cut](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                         if (offset < cut) sink.write(body->data() + offset, cut - offset);
                                         return false;  // breaks the connection off
                                     });
        } else if (reply->Dribble.count() > 0) {
            const auto pause = reply->Dribble;
            res.set_content_provider(body->size(), reply->ContentType.c_str(),
                                     [this, body, pause](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                                         if (!Pause(pause)) return false;
                                         sink.write(body->data() + offset, 1);
                                         return true;
                                     });
        } else {
            res.set_content(*body, reply->ContentType.c_str());
        }
    }
};

StandInHost::StandInHost() : impl_(std::make_unique<Impl>()) {
    impl_->server.set_keep_alive_max_count(1);
    impl_->server.Get(".*", [this](const httplib::Request& req, httplib::Response& res) { impl_->Serve(req, res); });
    port_ = impl_->server.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("stand-in host: no loopback port");
    impl_->thread = std::thread([this] { impl_->server.listen_after_bind(); });
    // Stopping a server that has not started its loop yet would be lost and
    // leave it accepting for ever: wait until it runs.
    while (!impl_->server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

StandInHost::~StandInHost() {
    {
        std::lock_guard lock(impl_->mutex);
        impl_->stopping = true;
    }
    impl_->wake.notify_all();
    impl_->server.stop();
    if (impl_->thread.joinable()) impl_->thread.join();
}

std::string StandInHost::BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }

void StandInHost::Reply(const std::string& path, const std::string& query, StandInReply reply) {
    std::lock_guard lock(impl_->mutex);
    impl_->exact[{path, query}] = std::move(reply);
}

void StandInHost::ReplyAnyQuery(const std::string& path, StandInReply reply) {
    std::lock_guard lock(impl_->mutex);
    impl_->anyQuery[path] = std::move(reply);
}

void StandInHost::Handle(const std::string& path, std::function<StandInReply(const RecordedRequest&)> handler) {
    std::lock_guard lock(impl_->mutex);
    impl_->handlers[path] = std::move(handler);
}

std::vector<RecordedRequest> StandInHost::Requests() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->requests;
}

void StandInHost::ClearRequests() {
    std::lock_guard lock(impl_->mutex);
    impl_->requests.clear();
}

std::string ClosedPortUrl() {
    // The port stays bound, never listening, for the life of the test
    // program: connections to it are refused, and no other test program can
    // take it for a listening host meanwhile, nor can a connection pick it as
    // its own source port and end up connected to itself. A port merely
    // found free and let go could be either by the time it is asked.
    static const int port = [] {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) throw std::runtime_error("no socket");
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = 0;
        socklen_t len = sizeof addr;
        if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
            ::close(fd);
            throw std::runtime_error("no loopback port");
        }
        return static_cast<int>(ntohs(addr.sin_port));  // fd kept open on purpose
    }();
    return "http://127.0.0.1:" + std::to_string(port);
}

HostOverride::HostOverride(std::string variable, const std::string& value) : variable_(std::move(variable)) {
    if (const char* old = std::getenv(variable_.c_str())) previous_ = old;
    ::setenv(variable_.c_str(), value.c_str(), 1);
}

HostOverride::~HostOverride() {
    if (previous_) ::setenv(variable_.c_str(), previous_->c_str(), 1);
    else ::unsetenv(variable_.c_str());
}
