#include "gui/FrontEnd.h"

#include "gui/Attach.h"
#include "gui/ChartPeer.h"
#include "gui/FrontEndApplication.h"
#include "gui/Guard.h"
#include "gui/QtPlatform.h"
#include "gui/QtTranslation.h"
#include "gui/ReportPreviewPeer.h"

#include "platform/forms/Application.h"
#include "platform/rtl/FileUtils.h"

#include <QDialog>

namespace gui {

int RunFrontEnd(int argc, char** argv, const std::string& programFolder,
                std::function<void(TApplication&)> createWindows, PlatformWrapper wrap) {
    FrontEndApplication qt(argc, argv);
    // The main window's close ends the program, through its own close step.
    QApplication::setQuitOnLastWindowClosed(false);
    // The program's built-in texts are German: so are Qt's own in its dialogs.
    UseQtTranslation("de");
    QtPlatform platform(programFolder);
    std::unique_ptr<Platform> wrapped = wrap ? wrap(platform) : nullptr;
    RegisterChartPeer();
    RegisterReportPreviewPeer();
    int exitCode = 0;
    {
        // Reads the user's regional settings into the runtime's.
        TApplication application(wrapped ? *wrapped : platform);
        application.ExeName = IncludeTrailingPathDelimiter(programFolder) + "Stellix";
        // Kinds of controls from outside the window library (the chart) get
        // their peers through RegisterPeerFactory, here, before any window
        // exists.
        AttachApplication(application);
        Guarded([&] { createWindows(application); });
        if (!application.MainForm) return 1;
        if (!application.Terminated()) {
            // The update at start blocks on its first request right away:
            // its first paint waits for the window to come on screen, so the
            // window shows the date being fetched and can take the Escape
            // that stops the update.
            platform.MainWindowComingUp(WindowOf(*application.MainForm));
            Guarded([&] { application.MainForm->ShowForm(); });
            platform.MainWindowComingUp(nullptr);
        }
        if (!application.Terminated()) exitCode = qt.exec();
    }  // the windows and their widgets go while Qt is still there
    return exitCode;
}

} // namespace gui
