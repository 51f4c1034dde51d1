// The host's reply to the click-script update, byte for byte as it comes
// over the wire (status line, headers, body), from a responder on the
// loopback. The chosen script is replaced only by a completed 200 reply
// whose Last-Modified date is later than the script's, and nothing else is
// ever left in the script folder.
#include "FuzzWindow.h"

#include "output/Scriptwahl.h"
#include "platform/rtl/FileUtils.h"
#include "support/StandInHost.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utime.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>

namespace {

// Answers every connection with the current reply's bytes, then closes it.
class RawResponder {
public:
    RawResponder() {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd_, 4) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            std::abort();
        port_ = ntohs(address.sin_port);
        std::thread([this] { serve(); }).detach();
    }
    std::string BaseUrl() const { return "http://127.0.0.1:" + std::to_string(port_); }
    void SetReply(std::string reply) {
        std::lock_guard lock(mutex_);
        reply_ = std::move(reply);
    }

private:
    void serve() {
        for (;;) {
            const int client = ::accept(fd_, nullptr, nullptr);
            if (client < 0) continue;
            timeval limit{1, 0};
            ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
            ::setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
            // The request ends with its empty line; a GET has no body.
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
                const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<size_t>(n));
            }
            std::string reply;
            {
                std::lock_guard lock(mutex_);
                reply = reply_;
            }
            for (size_t sent = 0; sent < reply.size();) {
                const ssize_t n = ::send(client, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += static_cast<size_t>(n);
            }
            ::shutdown(client, SHUT_RDWR);
            ::close(client);
        }
    }

    int fd_ = -1;
    int port_ = 0;
    std::mutex mutex_;
    std::string reply_;
};

constexpr std::int64_t kLocalTime = 1736496000;  // Fri, 10 Jan 2025 08:00:00 GMT
const char* const kLocalText = "local script\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    static RawResponder responder;
    static HostOverride host{"STELLIX_HOST1", responder.BaseUrl()};
    static TZKSForm& chooser = *h.app->CreateForm<TZKSForm>();
    static const std::filesystem::path folder = h.dir.path() / "Script";
    static const std::string script = (folder / "Mein Script.zks").string();
    // Nothing a host sends may lead the client to another address.
    if (chooser.IdHTTP1->HandleRedirects || !chooser.IdHTTP1->ProxyHost.empty()) std::abort();

    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    writeFileBytes(script, kLocalText);
    const utimbuf times{kLocalTime, kLocalTime};
    ::utime(script.c_str(), &times);
    responder.SetReply(std::string(reinterpret_cast<const char*>(data), size));

    chooser.LabeledEdit1->SetText(script);
    RunCommand([&] { chooser.BitBtn2->Click(); });

    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path() != script) std::abort();
    if (readFileBytes(script) != kLocalText &&
        !(chooser.IdHTTP1->ResponseCode == 200 && chooser.IdHTTP1->LastModifiedTime > kLocalTime))
        std::abort();
    return 0;
}
