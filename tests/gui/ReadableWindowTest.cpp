// What the window lets the user read and reach: message and input boxes as
// wide as the question in their title, a status panel's whole text as its tooltip, and a
// hidden page out of reach of the keyboard.
#include "GuiFixture.h"

#include "gui/Attach.h"
#include "gui/QtPlatform.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace {

using ReadableWindow = GuiFixture;

TEST(BoxWidthForTitle, FollowsTheTitleWithinTheScreen) {
    EXPECT_EQ(gui::BoxWidthForTitle(260, 40, 1000), 260);   // a short title: the box's own width
    EXPECT_EQ(gui::BoxWidthForTitle(260, 300, 1000), 480);  // the title with room for the buttons
    EXPECT_EQ(gui::BoxWidthForTitle(600, 300, 1000), 600);  // a long prompt
    EXPECT_EQ(gui::BoxWidthForTitle(260, 2000, 1000), 1000);
}

TEST_F(ReadableWindow, AnInputBoxIsAsWideAsTheQuestionInItsTitle) {
    const QString question = "Bei wievielen Zahlen Übereinstellung stoppen?";
    const int titleWidth = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(question);
    const int screenWidth = window()->screen()->availableGeometry().width();
    for (const QString& title : {question, question.repeated(8)}) {
        int shown = 0;
        QString shownTitle;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            shown = box->width();
            shownTitle = box->windowTitle();
            box->reject();
        });
        EXPECT_EQ(platform.InputBox(title.toStdString(), "Tipp-Test", "5"), "5");
        EXPECT_EQ(shownTitle, title);  // the title stays the title
        EXPECT_GE(shown, std::min(titleWidth + 100, screenWidth)) << title.size();
        EXPECT_LE(shown, screenWidth);
    }
}

// The robot's question: a short text under a longer title, which the window
// manager would cut in a box sized to its text and buttons.
TEST_F(ReadableWindow, AMessageBoxIsAsWideAsItsTitle) {
    const QString question = "Tipp-Kurier jetzt installieren?";
    const int titleWidth = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::TitleFont)).horizontalAdvance(question);
    const int screenWidth = window()->screen()->availableGeometry().width();
    for (const QString& title : {question, question.repeated(12)}) {
        int shown = 0;
        QString shownTitle, shownText;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_TRUE(box);
            shown = box->width();
            shownTitle = box->windowTitle();
            shownText = box->text();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(platform.gui::QtPlatform::MessageBox("Zedevuvid Tipp-Kurier installieren?", title.toStdString(),
                                                       MB_YESNO | MB_ICONQUESTION),
                  IDNO);
        EXPECT_EQ(shownTitle, title);
        EXPECT_EQ(shownText, "Zedevuvid Tipp-Kurier installieren?");
        if (title == question) {
            EXPECT_GE(shown, titleWidth + 100);
        }
        EXPECT_LE(shown, screenWidth) << title.size();
    }
}

TEST_F(ReadableWindow, AStatusPanelShowsItsWholeTextAsItsTooltip) {
    const std::string failure = "Keine Verbindung zum Server (Failed to connect to 127.0.0.1 port 1 after 0 ms: "
                                "Couldn't connect to server)";
    status->SetPanelText(0, failure);
    QWidget* bar = gui::WidgetOf(*status);
    ASSERT_TRUE(bar);
    const auto panels = bar->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 2);
    ASSERT_LT(panels[0]->width(), panels[0]->fontMetrics().horizontalAdvance(QString::fromStdString(failure)));

    const QPoint at = panels[0]->geometry().center();
    QHelpEvent help(QEvent::ToolTip, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &help);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::fromStdString(failure));
    QToolTip::hideText();
}

TEST_F(ReadableWindow, AHiddenPageIsReachedNeitherByArrowKeysNorByCtrlTab) {
    // The pages: tip page, data page, then the hidden one.
    auto* tabs = widgetOf<QTabWidget>(*pages);
    ASSERT_TRUE(tabs);
    ASSERT_EQ(pages->ActivePage(), tipPage);
    ASSERT_EQ(tabs->widget(2), gui::WidgetOf(*hiddenPage));
    auto notHidden = [&] {
        EXPECT_NE(pages->ActivePage(), hiddenPage);
        EXPECT_NE(tabs->currentWidget(), gui::WidgetOf(*hiddenPage));
    };

    tabs->tabBar()->setFocus();
    QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    EXPECT_EQ(pages->ActivePage(), dataPage);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    EXPECT_EQ(pages->ActivePage(), dataPage);
    QTest::keyClick(tabs->tabBar(), Qt::Key_End);
    notHidden();
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier);
    notHidden();
    QTest::keyClick(tabs, Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    notHidden();
    // Not even Qt's own switch makes it the active page.
    pages->SetActivePage(dataPage);
    tabs->setCurrentIndex(2);
    EXPECT_EQ(pages->ActivePage(), dataPage);
    EXPECT_EQ(tabs->currentWidget(), gui::WidgetOf(*dataPage));

    // Shown again, it is a page like the others, and its controls work.
    hiddenPage->SetTabVisible(true);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
    EXPECT_EQ(pages->ActivePage(), hiddenPage);
    EXPECT_TRUE(gui::WidgetOf(*hiddenPage)->isEnabled());
}

}  // namespace
