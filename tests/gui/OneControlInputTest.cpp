// The dispatch of one control's input, as a long command calls it between
// its steps: only the stop button hears its click; other input and timer
// ticks wait.
#include "GuiFixture.h"

#include "platform/forms/StdCtrls.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QThread>
#include <QWindow>

namespace {

using OneControlInput = GuiFixture;

void postClick(QWidget* widget) {
    const QPointF at(5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(widget, new QMouseEvent(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                                                             type == QEvent::MouseButtonPress ? Qt::LeftButton
                                                                                              : Qt::NoButton,
                                                             Qt::NoModifier));
}

} // namespace

TEST_F(OneControlInput, OnlyTheGivenControlHearsItsInput) {
    auto* stop = form->Create<TSpeedButton>("SpeedButton8");
    stop->SetParent(tipPage);
    stop->SetBounds(10, 120, 24, 24);
    auto* other = form->Create<TSpeedButton>("SpeedButton10");
    other->SetParent(tipPage);
    other->SetBounds(40, 120, 24, 24);
    auto* timer = form->Create<TTimer>("Timer1");
    gui::Attach(*timer);
    timer->SetInterval(1);
    int stops = 0, others = 0, ticks = 0;
    stop->OnClick = [&](TObject*) { ++stops; };
    other->OnClick = [&](TObject*) { ++others; };
    timer->OnTimer = [&](TObject*) { ++ticks; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000));

    auto* typed = qobject_cast<QLineEdit*>(gui::WidgetOf(*edit1));
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    settle();
    postClick(gui::WidgetOf(*other));
    postClick(gui::WidgetOf(*stop));
    QCoreApplication::postEvent(typed, new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
    QThread::msleep(20);  // a tick is due
    ticks = 0;
    platform.ProcessMessagesFor(*stop);

    EXPECT_EQ(stops, 1);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(edit1->Text(), "");
    EXPECT_EQ(ticks, 0);

    // Timers go on afterwards.
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000));
    timer->SetEnabled(false);
}

// The stop sits on a page the window does not show: Escape pressed in a
// control of the shown page is its click, once per press, and only while it
// could be clicked; other keys still wait.
TEST_F(OneControlInput, EscapeAnywhereIsTheStop) {
    auto* stop = form->Create<TSpeedButton>("SpeedButton8");
    stop->SetParent(dataPage);
    stop->SetBounds(10, 120, 24, 24);
    int stops = 0;
    stop->OnClick = [&](TObject*) { ++stops; };
    pages->SetActivePage(tipPage);
    auto* typed = qobject_cast<QLineEdit*>(gui::WidgetOf(*edit1));
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    settle();

    auto press = [&](int key, const QString& text = {}) {
        QCoreApplication::postEvent(typed, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
        QCoreApplication::postEvent(typed, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
    };
    press(Qt::Key_Escape);
    press(Qt::Key_7, "7");
    platform.ProcessMessagesFor(*stop);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(edit1->Text(), "");

    stop->SetEnabled(false);
    press(Qt::Key_Escape);
    platform.ProcessMessagesFor(*stop);
    EXPECT_EQ(stops, 1);
}

// While a request holds the program, the windows only paint: a click on any
// button, a key, a timer's tick and a new size of the window all wait for
// the request's end, and then arrive as they came.
TEST_F(OneControlInput, WhileARequestWaitsOnlyThePaintsGoOn) {
    auto* stop = form->Create<TSpeedButton>("SpeedButton8");
    stop->SetParent(tipPage);
    stop->SetBounds(10, 120, 24, 24);
    auto* other = form->Create<TSpeedButton>("SpeedButton10");
    other->SetParent(tipPage);
    other->SetBounds(40, 120, 24, 24);
    auto* timer = form->Create<TTimer>("Timer1");
    gui::Attach(*timer);
    timer->SetInterval(1);
    int stops = 0, others = 0, ticks = 0, resizes = 0;
    stop->OnClick = [&](TObject*) { ++stops; };
    other->OnClick = [&](TObject*) { ++others; };
    timer->OnTimer = [&](TObject*) { ++ticks; };
    form->OnResize = [&](TObject*) { ++resizes; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks > 0; }, 5000));

    auto* typed = qobject_cast<QLineEdit*>(gui::WidgetOf(*edit1));
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    settle();
    const int width = form->Width();
    const int windowWidth = window()->width();
    postClick(gui::WidgetOf(*other));
    postClick(gui::WidgetOf(*stop));
    QCoreApplication::postEvent(typed, new QKeyEvent(QEvent::KeyPress, Qt::Key_7, Qt::NoModifier, "7"));
    // The window system gives the window a new size, as a user's drag would.
    window()->windowHandle()->resize(windowWidth + 40, window()->height());
    QThread::msleep(20);  // a tick is due
    ticks = 0;
    for (int turn = 0; turn < 3; ++turn) platform.PaintWhileWaiting();

    // The window itself is laid out at its new size at once.
    EXPECT_EQ(window()->width(), windowWidth + 40);
    EXPECT_EQ(stops, 0);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(edit1->Text(), "");
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(resizes, 0);
    EXPECT_EQ(form->Width(), width);

    // Afterwards everything arrives, in its order.
    settle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ticks > 0 && resizes > 0; }, 5000));
    EXPECT_EQ(others, 1);
    EXPECT_EQ(stops, 1);
    EXPECT_EQ(edit1->Text(), "7");
    EXPECT_EQ(form->Width(), width + 40);
    timer->SetEnabled(false);
}
