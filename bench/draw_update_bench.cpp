// Times the rebuild of the draw history from a stand-in host on the
// loopback: about 2,000 draw dates from the earliest one on, one request
// and one appended record each, through the main window's rebuild command
// with its end steps (draw display, grid evaluation).

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "platform/forms/Application.h"
#include "platform/registry/Registry.h"
#include "support/SilentPlatform.h"
#include "support/StandInHost.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// The rebuild's box answered Yes; today late enough for about 2,000 draws.
class RebuildPlatform : public SilentPlatform {
public:
    int MessageBox(const std::string& text, const std::string& caption, int flags) override {
        SilentPlatform::MessageBox(text, caption, flags);
        return IDYES;
    }
    TDateTime Now() override { return EncodeDate(2026, 12, 10) + 0.5; }
};

} // namespace

int main() {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / "draw_update_bench";
    fs::remove_all(home);
    fs::create_directories(home / "config");

    StandInHost host;
    host.Handle("/lotto/stellix.asp", [](const RecordedRequest& request) {
        // A plausible line for every date, from the date's own digits.
        const int n = std::stoi(request.Query.substr(request.Query.size() - 4));
        std::string line = request.Query.substr(request.Query.size() - 8);
        for (int i = 0; i < 5; ++i) line += "," + std::to_string(1 + (n + 7 * i) % 50);
        line += "," + std::to_string(1 + n % 12) + "," + std::to_string(1 + (n + 5) % 12) + "\r\n";
        return StandInReply::Text(line);
    });
    HostOverride first("STELLIX_HOST1", host.BaseUrl());

    int status = 0;
    {
        RebuildPlatform platform;
        TRegistry::SetHiveFolder((home / "config").string());
        TApplication app(platform);
        app.ExeName = (home / "Stellix").string();
        TForm1& form = *app.CreateForm<TForm1>();
        form.Home = home.string() + "/";
        form.ZahlenFile = "ZahlenEU.dat";
        form.DateTimePicker1->SetDate(form.DateTimePicker1->MinDate());

        const auto start = std::chrono::steady_clock::now();
        app.Invoke([&] { form.BitBtn2Click(form.BitBtn2); });
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        const auto stored = fs::file_size(home / "ZahlenEU.dat") / sizeof(DrawRecord);
        const auto requests = host.Requests().size();
        std::printf("rebuild from %s to %s: %zu requests, %ju draws stored\n", "13.02.2004", "10.12.2026",
                    requests, static_cast<uintmax_t>(stored));
        std::printf("  BitBtn2Click (whole rebuild): %.2f s, %.2f ms per draw\n", seconds,
                    seconds * 1e3 / static_cast<double>(requests ? requests : 1));
        // The one box is the rebuild's question.
        if (stored != requests || requests < 1900 || platform.messages != 1) {
            std::printf("unexpected state: %d message boxes\n", platform.messages);
            status = 1;
        }
        TRegistry::SetHiveFolder("");
    }
    fs::remove_all(home);
    return status;
}
