#pragma once
// The program in the real window for a benchmark: through the Qt front end
// (offscreen unless QT_QPA_PLATFORM says otherwise, e.g. xcb on an X server),
// on a bench platform whose message pump, painting, cursor and long-command
// hooks are the window's, so that every window bench meets the window as the
// program does.

#include "app/ProgramWindows.h"
#include "gui/FrontEnd.h"
#include "platform/forms/Application.h"

#include <QTimer>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <string>

// `Base` (a bench platform) answers the boxes; the window does the rest.
template <class Base>
class WindowPlatform : public Base {
public:
    explicit WindowPlatform(Platform& qt) : qt_(qt) {}
    void ProcessMessages() override { qt_.ProcessMessages(); }
    void ProcessMessagesFor(TControl& control) override { qt_.ProcessMessagesFor(control); }
    void Repaint() override { qt_.Repaint(); }
    void PaintWhileWaiting() override { qt_.PaintWhileWaiting(); }
    void ScreenCursorChanged(TCursor cursor) override { qt_.ScreenCursorChanged(cursor); }
    void LongCommandStarted() override { qt_.LongCommandStarted(); }
    void LongCommandEnded() override { qt_.LongCommandEnded(); }
    void Terminate() override { qt_.Terminate(); }

private:
    Platform& qt_;
};

// Starts the program from `home` in the window on the platform `wrap` makes,
// calls `drive` once its message loop runs, and returns when the main window
// has closed (`drive` closes it).
inline int RunInWindow(const std::string& home, std::function<void()> drive, gui::PlatformWrapper wrap) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    char name[] = "Stellix";
    char* argv[] = {name, nullptr};
    int argc = 1;
    return gui::RunFrontEnd(
        argc, argv, home,
        [&](TApplication& app) {
            CreateProgram(app);
            QTimer::singleShot(0, drive);
        },
        std::move(wrap));
}
