// An X server of the tests' own for every test program run: Xvfb on a
// display it picks itself (so parallel runs never meet), with openbox as
// window manager, and Qt's xcb platform on it. Both die with the test
// program, however it ends.

#include "XScreen.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// Starts a program that ends with this one, its output going nowhere;
// `keep` is the one descriptor it inherits.
pid_t Start(const std::vector<std::string>& arguments, int keep = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    for (int fd = 3; fd < 1024; ++fd)
        if (fd != keep) close(fd);
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

void Stop(pid_t& pid) {
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    pid = 0;
}

class XServerEnvironment : public testing::Environment {
public:
    void SetUp() override {
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        server_ = Start({"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1280x1024x24", "-nolisten",
                         "tcp", "-noreset"},
                        pipeFds[1]);
        close(pipeFds[1]);
        // The server writes its display number once it takes clients.
        std::string number;
        pollfd in{pipeFds[0], POLLIN, 0};
        const auto until = std::chrono::steady_clock::now() + 30s;
        while (number.find('\n') == std::string::npos && std::chrono::steady_clock::now() < until) {
            if (poll(&in, 1, 100) <= 0) continue;
            char c[16];
            const ssize_t n = read(pipeFds[0], c, sizeof c);
            if (n <= 0) break;
            number.append(c, static_cast<std::size_t>(n));
        }
        close(pipeFds[0]);
        ASSERT_NE(number.find('\n'), std::string::npos) << "Xvfb did not start";
        const std::string display = ":" + number.substr(0, number.find('\n'));
        setenv("DISPLAY", display.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);

        manager_ = Start({"openbox"});
        XScreen screen(display);
        const auto managed = std::chrono::steady_clock::now() + 30s;
        while (!screen.WindowManagerRuns() && std::chrono::steady_clock::now() < managed)
            std::this_thread::sleep_for(20ms);
        ASSERT_TRUE(screen.WindowManagerRuns()) << "openbox did not start on " << display;
    }

    void TearDown() override {
        // The window manager goes before the server it runs on.
        Stop(manager_);
        Stop(server_);
    }

private:
    pid_t server_ = 0;
    pid_t manager_ = 0;
};

const testing::Environment* const kXServer = testing::AddGlobalTestEnvironment(new XServerEnvironment);

}  // namespace
