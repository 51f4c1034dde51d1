// The robot's settings of any content (the current user's hive, then after a
// NUL byte the local machine's) read by the submission: where the robot is,
// and the chooser's last script and four parameters. Whenever the robot is
// found the chooser opens with what could be read, and after OK the robot
// gets the parameters the chooser held, each as one argument.
#include "FuzzWindow.h"

#include "output/Online.h"
#include "output/RobotLookup.h"
#include "output/Scriptwahl.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/FileUtils.h"
#include "support/StandInHost.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MainWindowHarness& h = FuzzWindow();
    TForm1& f = h.form();
    static TZKSForm& chooser = [&]() -> TZKSForm& {
        // The chooser's OK asks the first host for a newer script; nothing answers.
        static HostOverride host{"STELLIX_HOST1", ClosedPortUrl()};
        std::filesystem::create_directories(h.dir.path() / "Script");
        std::filesystem::copy_file(STELLIX_DATA_DIR "/Script/Standard.zks", h.dir.file("Script/Standard.zks"));
        // The robot beside the program, found when no installation is registered.
        std::filesystem::create_directories(h.dir.path() / "Kurier");
        writeFileBytes(h.dir.file("Kurier/kurier.exe"), "#!/bin/sh\n");
        h.app->CreateForm<TAbgabeForm>();
        return *h.app->CreateForm<TZKSForm>();
    }();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t nul = input.find('\0');
    writeFileBytes(h.config.file("HKEY_CURRENT_USER.reg"), std::string(input.substr(0, nul)));
    writeFileBytes(h.config.file("HKEY_LOCAL_MACHINE.reg"),
                   nul == std::string_view::npos ? std::string() : std::string(input.substr(nul + 1)));
    TRegistry::SetHiveFolder(h.config.home());
    chooser.LabeledEdit1->SetText("");

    const std::string robot = FindRobot(f.Home);
    const bool found = !robot.empty() && FileExists(robot);
    std::vector<std::string> held;
    if (found)
        h.platform.answerModal([&](TForm&) {
            held = {chooser.LabeledEdit2->Text(), chooser.LabeledEdit4->Text(), chooser.LabeledEdit3->Text(),
                    chooser.LabeledEdit5->Text()};
            chooser.BitBtn2->Click();
        });
    RunCommand([&] { f.OnlineTippClick(nullptr); });

    if (found != (h.platform.modalForms == std::vector<std::string>{"ZKSForm"})) std::abort();
    if (!found || h.platform.programs.empty()) return 0;
    // The chooser completes an empty number with "0" as it closes.
    for (size_t i : {0u, 2u})
        if (held[i].empty()) held[i] = "0";
    const std::vector<std::string>& arguments = h.platform.programs[0].arguments;
    if (arguments.size() != 6 || arguments[0] != "START") std::abort();
    if (std::vector<std::string>(arguments.begin() + 2, arguments.end()) != held) std::abort();
    return 0;
}
