// The main window's status bar closes the window at its bottom edge: its
// last row is the window's last row, across the whole width, whatever the
// menu bar's height in the language shown and after the user resizes the
// window. Runs offscreen under ctest; started with QT_QPA_PLATFORM=xcb on an
// X display, it checks the window as the window system placed it. (The
// thin strip with a grip at each corner that a window manager such as
// openbox draws under a resizable window is its resize handle, outside the
// window: the window's own content ends with the status bar.)

#include "app/LottoZahlen.h"
#include "gui/Attach.h"
#include "gui/FormWindow.h"
#include "platform/registry/Registry.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Where the status bar and the client area end, in the window's own
// coordinates, against the window's size.
void expectStatusBarAtTheBottomEdge(const TForm1& f, const std::string& where) {
    SCOPED_TRACE(where);
    auto* window = qobject_cast<gui::FormWindow*>(gui::WidgetOf(f));
    QWidget* bar = gui::WidgetOf(*f.StatusBar1);
    ASSERT_TRUE(window && bar);
    const QRect inWindow(bar->mapTo(window, QPoint(0, 0)), bar->size());
    EXPECT_EQ(inWindow.bottom(), window->height() - 1);
    EXPECT_EQ(inWindow.left(), 0);
    EXPECT_EQ(inWindow.right(), window->width() - 1);
    EXPECT_EQ(inWindow.height(), f.StatusBar1->Height());
    const QWidget* client = window->client();
    EXPECT_EQ(client->geometry().bottom(), window->height() - 1);
    // The window is the form's client area with Qt's menu bar on top, no
    // more, so nothing of the window lies below the status bar.
    EXPECT_EQ(window->height(), f.ClientHeight() + window->menuBarHeight());
    EXPECT_EQ(client->y(), window->menuBarHeight());
    if (QMenuBar* menu = window->menuBar()) {
        EXPECT_EQ(menu->geometry().bottom() + 1, client->y());
    }
}

TEST(StatusBarEdgeSmoke, TheStatusBarEndsAtTheWindowsBottomInEveryLayout) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    std::filesystem::copy(std::string(STELLIX_PROGRAM_DIR) + "/land", program.file("land"));
    TRegistry::SetHiveFolder(config.home());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    bool driven = false;
    auto drive = [&] {
        TForm1& f = *Form1;
        auto* window = static_cast<gui::FormWindow*>(gui::WidgetOf(f));
        // A real window system sizes the window a little later.
        auto sized = [&] {
            return QTest::qWaitFor([&] { return window->height() == f.ClientHeight() + window->menuBarHeight(); },
                                   5000);
        };
        smoke::settle();
        EXPECT_EQ(f.ClientHeight(), 468);
        struct Layout {
            TMenuItem* language;
            int taller;  // the user drags the window's bottom edge this far down
        };
        for (const Layout& l : {Layout{f.Deutsch1, 0}, Layout{f.Chinese1, 0}, Layout{f.Chinese1, 57},
                                Layout{f.Deutsch1, 0}, Layout{f.Deutsch1, -40}}) {
            l.language->Click();
            smoke::settle();
            if (l.taller != 0) window->resize(window->width(), window->height() + l.taller);
            EXPECT_TRUE(sized());
            expectStatusBarAtTheBottomEdge(f, l.language->Name() + " " + std::to_string(l.taller));
        }
        driven = true;
        f.Close();
    };
    EXPECT_EQ(smoke::RunProgram(program.path().string(), drive), 0);
    EXPECT_TRUE(driven);
    TRegistry::SetHiveFolder("");
}

}  // namespace
