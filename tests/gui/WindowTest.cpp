// The window's outer size and state map the same way in both directions,
// closing goes through the form's close step, modal forms run to their
// result, and an error that leaves a handler reaches the application.
#include "GuiFixture.h"

#include "gui/Attach.h"
#include "gui/FormPeer.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>


#include <filesystem>

namespace {

using Window = GuiFixture;

// Counts the paints a widget gets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Lets Qt deliver events until the window system has answered, for at most
// five seconds; false when it never did.
template <class Condition>
bool waitFor(Condition done) {
    return QTest::qWaitFor(done, 5000);
}

int menuBarHeight(QDialog* w) {
    auto* bar = w->findChild<QMenuBar*>();
    return bar && bar->isVisible() ? bar->height() : 0;
}

} // namespace

TEST_F(Window, OuterSizeMapsTheSameWayBothWays) {
    struct Case {
        int width, height;
    } cases[] = {{558, 546}, {420, 378}, {800, 601}, {300, 79}};
    int bar = menuBarHeight(window());
    ASSERT_GT(bar, 0);
    for (Case c : cases) {
        form->SetBounds(120, 90, c.width, c.height);
        settle();
        EXPECT_EQ(window()->size(), QSize(c.width, c.height - TForm::kTitleHeight - TForm::kMenuHeight + bar))
            << c.height;
        EXPECT_EQ(form->Width(), c.width);
        EXPECT_EQ(form->Height(), c.height);
        EXPECT_EQ(form->ClientHeight(), c.height - 78);
    }
    // The user drags the window: the form learns the outer size, and the
    // size it keeps leads back to the same window.
    window()->resize(500, 400);
    settle();
    EXPECT_EQ(form->Height(), 400 - bar + 78);
    EXPECT_EQ(form->Width(), 500);
    int stored = form->Height();
    form->SetBounds(120, 90, 300, 300);
    form->SetBounds(120, 90, 500, stored);
    settle();
    EXPECT_EQ(window()->size(), QSize(500, 400));
    EXPECT_EQ(form->Height(), stored);
}

TEST_F(Window, WithoutAMenuOnlyTheTitleCounts) {
    TForm* plain = app.CreateForm<TForm>();
    plain->SetBounds(50, 50, 300, 200);
    gui::Show(*plain);
    settle();
    EXPECT_EQ(gui::WindowOf(*plain)->size(), QSize(300, 200 - TForm::kTitleHeight));
    gui::WindowOf(*plain)->resize(310, 150);
    settle();
    EXPECT_EQ(plain->Height(), 150 + TForm::kTitleHeight);
}

TEST_F(Window, MaximisingAndRestoringKeepsTheNormalSize) {
    form->SetBounds(120, 90, 500, 420);
    settle();
    QSize normal = window()->size();

    // A window manager answers a state change when it gets to it: each step
    // waits for the window system's answer before the next, or a late answer
    // to the maximising would undo the restoring.
    form->SetWindowState(TWindowState::wsMaximized);
    EXPECT_TRUE(waitFor([&] { return window()->isMaximized() && window()->size() != normal &&
                                     form->Width() == window()->width(); }));
    EXPECT_TRUE(window()->isMaximized());
    EXPECT_EQ(form->WindowState(), TWindowState::wsMaximized);
    // The form has the size the window system gave the window.
    EXPECT_EQ(form->Width(), window()->width());
    EXPECT_EQ(form->Height(), window()->height() - menuBarHeight(window()) + 78);

    window()->showNormal();
    EXPECT_TRUE(waitFor([&] { return form->WindowState() == TWindowState::wsNormal && window()->size() == normal &&
                                     form->Width() == 500; }));
    EXPECT_EQ(form->WindowState(), TWindowState::wsNormal);
    EXPECT_EQ(window()->size(), normal);
    EXPECT_EQ(form->Width(), 500);
    EXPECT_EQ(form->Height(), 420);

    window()->showMinimized();
    EXPECT_TRUE(waitFor([&] { return form->WindowState() == TWindowState::wsMinimized; }));
    EXPECT_EQ(form->WindowState(), TWindowState::wsMinimized);
}

TEST_F(Window, ClosingRunsTheCloseStepAndWaitsForABusyForm) {
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };

    form->BeginBusy();  // a calculation is running
    window()->close();
    settle();
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(form->ClosePending());
    EXPECT_TRUE(window()->isVisible());

    form->EndBusy();
    settle();
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Closed());
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(platform.terminated);
}

TEST_F(Window, ModalFormsRunUntilTheirResult) {
    TForm* dialog = app.CreateForm<TForm>();
    dialog->SetBounds(150, 150, 200, 120);
    auto* ok = dialog->Create<TButton>("Button1");
    ok->SetParent(dialog);
    ok->SetBounds(10, 10, 75, 25);
    ok->SetCaption("OK");
    ok->ModalResult = mrOk;

    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(gui::WindowOf(*dialog)->isModal());
        QTest::mouseClick(gui::WidgetOf(*ok), Qt::LeftButton);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_FALSE(gui::WindowOf(*dialog)->isVisible());

    // The close box cancels.
    QTimer::singleShot(0, [&] { gui::WindowOf(*dialog)->close(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Window, ErrorsLeavingHandlersReachTheApplication) {
    label->OnClick = [](TObject*) { throw Exception("Fehler im Klick"); };
    updateItem->OnClick = [](TObject*) { throw EConvertError("'x' ist kein gültiger Integerwert"); };
    auto* timer = form->Create<TTimer>("Timer1");
    timer->SetInterval(5);
    timer->OnTimer = [timer](TObject*) {
        timer->SetEnabled(false);
        throw EInOutError(103);
    };

    QTest::mouseClick(gui::WidgetOf(*label), Qt::LeftButton, {}, QPoint(3, 3));
    QTest::keyClick(window(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform.messages.size() >= 3; }, 2000));

    const char* expected[] = {"Fehler im Klick", "'x' ist kein gültiger Integerwert", "E/A-Fehler 103"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(platform.messages[i].text, expected[i]);
        EXPECT_EQ(platform.messages[i].caption, "Testprogramm");
        EXPECT_EQ(platform.messages[i].flags, MB_OK | MB_ICONERROR);
    }
    // And the program goes on.
    int clicks = 0;
    label->OnClick = [&](TObject*) { ++clicks; };
    QTest::mouseClick(gui::WidgetOf(*label), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(clicks, 1);
}

TEST_F(Window, TimersTickWhileEnabled) {
    auto* timer = form->Create<TTimer>("Timer2");
    timer->SetInterval(10);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) { ++ticks; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 2; }, 2000));
    timer->SetEnabled(false);
    int stopped = ticks;
    QTest::qWait(50);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Window, RendersToAPicture) {
    list->SetItemIndex(0);
    settle();
    QPixmap shot = window()->grab();
    EXPECT_EQ(shot.size(), window()->size());
    std::string path = std::string(GUI_TEST_OUTPUT_DIR) + "/gui_window.png";
    ASSERT_TRUE(shot.save(QString::fromStdString(path)));
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

// A run writes its status and pumps the messages at every attempt: the
// status bar is painted about 30 times a second, its last text after the
// run, and a click waiting when the messages are pumped is answered then.
TEST_F(Window, LongRunsPaintAtAFrameRateAndAnswerClicksAtOnce) {
    QWidget* statusWidget = gui::WidgetOf(*status);
    ASSERT_TRUE(statusWidget);
    settle();
    PaintCounter counter(*statusWidget);
    QElapsedTimer run;
    run.start();
    int attempts = 0;
    while (run.elapsed() < 300) {
        status->SetPanelText(1, std::to_string(++attempts));
        platform.Repaint();
        platform.ProcessMessages();
    }
    EXPECT_GT(attempts, 100);
    EXPECT_GE(counter.paints, 3);
    EXPECT_LE(counter.paints, 15);
    // The run's last status, right after a paint, is painted all the same.
    int duringRun = counter.paints;
    status->SetPanelText(1, "fertig");
    platform.Repaint();
    EXPECT_TRUE(waitFor([&] { return counter.paints > duringRun; })) << "the last status is painted after the run";

    auto* button = form->Create<TButton>("Button1");
    button->SetParent(tipPage);
    button->SetBounds(10, 120, 80, 25);
    button->SetCaption("Stoppen");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    settle();
    QWidget* w = gui::WidgetOf(*button);
    ASSERT_TRUE(w && w->isVisible());
    QPoint at = w->rect().center();
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, QPointF(at), w->mapToGlobal(QPointF(at)),
                                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, QPointF(at),
                                                   w->mapToGlobal(QPointF(at)), Qt::LeftButton, Qt::NoButton,
                                                   Qt::NoModifier));
    status->SetPanelText(1, "x");
    platform.Repaint();
    platform.ProcessMessages();
    EXPECT_EQ(clicks, 1);
}
