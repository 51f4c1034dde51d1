// The winnings window run modally by the front end: its close button, the
// Escape key and the button's Alt letter each end the modal run and hide
// the window.

#include "GuiFixture.h"

#include "evaluation/auswert.h"
#include "gui/Attach.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using WinningsWindowView = GuiFixture;

} // namespace

TEST_F(WinningsWindowView, ItsCloseButtonEscapeAndAltSEndTheModalRun) {
    TForm9 winnings(form);
    struct Way {
        const char* name;
        std::function<void(QDialog&)> act;
    };
    const Way ways[] = {
        {"a click on Schließen",
         [&](QDialog&) { QTest::mouseClick(widgetOf<QPushButton>(*winnings.BitBtn1), Qt::LeftButton); }},
        {"Escape", [](QDialog& window) {
             QWidget* focus = QApplication::focusWidget();
             QTest::keyClick(focus && focus->window() == &window ? focus : &window, Qt::Key_Escape);
         }},
        {"Alt+S", [](QDialog& window) { QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier); }},
    };
    for (const Way& way : ways) {
        bool acted = false;
        QTimer::singleShot(0, [&] {
            QDialog* window = gui::WindowOf(winnings);
            ASSERT_TRUE(window && window->isModal()) << way.name;
            // Its own keys reach it once it is the active window (a window
            // manager makes it so; without one the test asks for it).
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 3000)) << way.name;
            EXPECT_EQ(QApplication::activeModalWidget(), window) << way.name;
            way.act(*window);
            acted = true;
        });
        // A window the way does not close ends the run here, as a failure.
        QTimer stuck;
        stuck.setSingleShot(true);
        QObject::connect(&stuck, &QTimer::timeout, [&] { winnings.SetModalResult(mrAbort); });
        stuck.start(5000);

        EXPECT_EQ(winnings.ShowModal(), mrCancel) << way.name;
        stuck.stop();
        EXPECT_TRUE(acted) << way.name;
        settle();
        EXPECT_FALSE(gui::WindowOf(winnings)->isVisible()) << way.name;
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << way.name;
        EXPECT_FALSE(winnings.Visible()) << way.name;
    }
}
