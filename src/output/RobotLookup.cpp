#include "output/RobotLookup.h"

#include "output/MakerFolder.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/FileUtils.h"

namespace {

std::string registeredPath(HKEY root) {
    TRegistry reg;
    reg.SetRootKey(root);
    if (!reg.OpenKey(kRobotSettingsKey, false)) return {};
    std::string path;
    // Only a text counts; a value of another type is no folder.
    try {
        if (reg.ValueExists("Path")) path = reg.ReadString("Path");
    } catch (const std::exception&) {
        path.clear();
    }
    reg.CloseKey();
    return path;
}

}  // namespace

std::string RegisteredRobotFolder() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        std::string path = registeredPath(root);
        if (!path.empty()) return path;
    }
    return {};
}

std::string FindRobot(const std::string& programFolder) {
    const std::string registered = RegisteredRobotFolder();
    if (!registered.empty()) return IncludeTrailingPathDelimiter(registered) + kRobotProgram;
    return FindFileIgnoringCase(MakerFolder(programFolder), kRobotBesideProgram);
}
