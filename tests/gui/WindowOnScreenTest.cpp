// The wait for a window just shown to come on screen, as the first paint of
// the update at start makes it: only the window system's own messages are
// dispatched, timer ticks and input wait, and the wait is bounded.
#include "gui/WindowOnScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

TEST(WindowOnScreen, AWindowJustShownComesUpWhileTicksAndInputWait) {
    QWidget window;
    auto* edit = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(edit);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(1);
    window.show();
    edit->setFocus();
    ASSERT_FALSE(gui::OnScreen(window)) << "shown, but not yet told by the window system";
    QCoreApplication::postEvent(edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
    QThread::msleep(5);  // a tick is due

    QElapsedTimer took;
    took.start();
    EXPECT_TRUE(gui::WaitUntilOnScreen(window, 500ms));
    EXPECT_LT(took.elapsed(), 500);
    EXPECT_TRUE(gui::OnScreen(window));
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(edit->text(), "");

    // The held timer ticks again afterwards.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000));
}

TEST(WindowOnScreen, AHiddenWindowIsNotWaitedFor) {
    QWidget window;
    QElapsedTimer took;
    took.start();
    EXPECT_FALSE(gui::WaitUntilOnScreen(window, 2000ms));
    // Well short of the bound, though a busy machine may pause the test.
    EXPECT_LT(took.elapsed(), 1000);
}
