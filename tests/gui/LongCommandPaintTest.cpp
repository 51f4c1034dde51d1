// The window during a long command: the controls' changes reach their
// widgets about 30 times a second, all of them at the command's end and
// before a modal window comes up; the screen cursor takes the last of many
// quick changes.
#include "GuiFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace {

using LongCommandPaint = GuiFixture;

TEST_F(LongCommandPaint, ChangesReachTheWidgetsAtAFrameRateAndAllAtTheEnd) {
    auto* typed = widgetOf<QLineEdit>(*edit1);
    auto* tabs = widgetOf<QTabWidget>(*pages);
    auto* caption = widgetOf<QLabel>(*label);
    ASSERT_TRUE(typed && tabs && caption);
    settle();
    int shownTexts = 0, shownPages = 0;
    QObject::connect(typed, &QLineEdit::textChanged, [&] { ++shownTexts; });
    QObject::connect(tabs, &QTabWidget::currentChanged, [&] { ++shownPages; });

    platform.LongCommandStarted();
    QElapsedTimer run;
    run.start();
    int steps = 0;
    // A back-test's cycle: turn to the tip page, fill it, turn back.
    while (run.elapsed() < 300) {
        ++steps;
        pages->SetActivePage(tipPage);
        edit1->SetText(std::to_string(steps));
        label->SetCaption("Zyklus " + std::to_string(steps));
        pages->SetActivePage(dataPage);
        platform.Repaint();
        platform.ProcessMessages();
    }
    EXPECT_GT(steps, 100);
    EXPECT_GE(shownTexts, 3);
    EXPECT_LE(shownTexts, 15);
    EXPECT_LE(shownPages, 2 * 15);

    // The last state, changed right after a paint, is there at the end.
    edit1->SetText("fertig");
    label->SetCaption("Ende");
    pages->SetActivePage(tipPage);
    platform.LongCommandEnded();
    EXPECT_EQ(typed->text(), "fertig");
    EXPECT_EQ(caption->text(), "Ende");
    EXPECT_EQ(tabs->currentWidget(), gui::WidgetOf(*tipPage));

    // Outside a long command every change shows at once.
    edit1->SetText("7");
    EXPECT_EQ(typed->text(), "7");
}

TEST_F(LongCommandPaint, AModalWindowSeesTheWindowAsItIsAndShowsItsOwnChangesAtOnce) {
    auto* typed = widgetOf<QLineEdit>(*edit1);
    auto* other = widgetOf<QLineEdit>(*edit2);
    ASSERT_TRUE(typed && other);
    settle();
    platform.LongCommandStarted();
    platform.Repaint();
    edit1->SetText("5");
    EXPECT_EQ(typed->text(), "") << "held for the next paint";

    QString seenBehind, seenDuring;
    QTimer::singleShot(0, [&] {
        seenBehind = typed->text();
        edit2->SetText("9");
        seenDuring = other->text();
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    EXPECT_EQ(platform.InputBox("Frage", "Wie viele?", "5"), "5");
    EXPECT_EQ(seenBehind, "5");
    EXPECT_EQ(seenDuring, "9");
    platform.LongCommandEnded();
}

TEST_F(LongCommandPaint, TheCursorTakesTheLastOfManyQuickChanges) {
    for (TCursor last : {crHourGlass, crDefault}) {
        for (int i = 0; i < 1000; ++i) {
            platform.ScreenCursorChanged(crHourGlass);
            platform.ScreenCursorChanged(crDefault);
        }
        platform.ScreenCursorChanged(last);
        // The last change is shown by the next frame; the wait ends on it.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QCursor* now = QApplication::overrideCursor();
            return last == crDefault ? now == nullptr : now && now->shape() == Qt::WaitCursor;
        }, 5000));
        const QCursor* shown = QApplication::overrideCursor();
        if (last == crDefault) {
            EXPECT_EQ(shown, nullptr);
        } else {
            ASSERT_NE(shown, nullptr);
            EXPECT_EQ(shown->shape(), Qt::WaitCursor);
        }
    }
}

} // namespace
