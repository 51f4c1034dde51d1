#pragma once
// The start routine of the Qt program: Qt's application, the Qt platform,
// the program's application object with the user's regional settings, the
// windows the caller creates (it sets the title first), the main window
// shown, and the message loop until the main window closes.

#include <functional>
#include <memory>
#include <string>

class Platform;
class TApplication;

namespace gui {

// Puts a platform of the caller's around the Qt one (a test's, that refuses
// every message box); nullptr keeps the Qt platform.
using PlatformWrapper = std::function<std::unique_ptr<Platform>(Platform& qt)>;

// The program folder holds the executable: the application's ExeName is
// taken from it.
int RunFrontEnd(int argc, char** argv, const std::string& programFolder,
                std::function<void(TApplication&)> createWindows, PlatformWrapper wrap = {});

} // namespace gui
