// The program: its folder is the folder of the executable, and its current
// folder too; it reads nothing from its command line.

#include "app/ProgramWindows.h"
#include "gui/FrontEnd.h"
#include "platform/rtl/FileUtils.h"

#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) exe = std::filesystem::absolute(argc > 0 ? argv[0] : "Stellix");
    // The files the program writes "in the current folder" (exports, the
    // slip's tip file) belong in its program folder, wherever it was started.
    std::filesystem::current_path(exe.parent_path(), error);
    return gui::RunFrontEnd(argc, argv, exe.parent_path().string(), CreateProgram);
}
