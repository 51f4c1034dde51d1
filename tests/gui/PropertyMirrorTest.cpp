// The widgets follow the headless controls: every property the program
// sets shows, and controls put on a window later get widgets too; the
// chart's value axis.
#include "GuiFixture.h"

#include "gui/Attach.h"
#include "gui/ChartPeer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QMenu>
#include <QPointer>
#include <QTabWidget>

namespace {

using PropertyMirror = GuiFixture;

} // namespace

TEST_F(PropertyMirror, ControlsShowWhatTheProgramSets) {
    auto* caption = widgetOf<QLabel>(*label);
    ASSERT_TRUE(caption);
    label->SetCaption("&Zahlen && Sterne");
    EXPECT_EQ(caption->text(), "Zahlen & Sterne");
    form->SetCaption("Neuer Titel");
    EXPECT_EQ(window()->windowTitle(), "Neuer Titel");

    auto* box = widgetOf<QCheckBox>(*check);
    EXPECT_EQ(box->text(), "Paare erzwingen");
    check->SetChecked(true);
    EXPECT_TRUE(box->isChecked());
    check->SetEnabled(false);
    EXPECT_FALSE(box->isEnabled());

    auto* counter = widgetOf<QLineEdit>(*counterEdit);
    EXPECT_EQ(counter->text(), "5");
    upDown->SetPosition(9);
    EXPECT_EQ(counter->text(), "9");
    upDown->SetPosition(40);  // clamped to the maximum
    EXPECT_EQ(counter->text(), "12");

    auto* edit = widgetOf<QLineEdit>(*edit1);
    EXPECT_EQ(edit->geometry(), QRect(10, 10, 60, 21));
    edit1->SetBounds(12, 14, 70, 23);
    EXPECT_EQ(edit->geometry(), QRect(12, 14, 70, 23));
    edit1->Hide();
    EXPECT_FALSE(edit->isVisibleTo(window()));
    edit1->Show();
    EXPECT_TRUE(edit->isVisibleTo(window()));
    edit1->SetReadOnly(true);
    EXPECT_TRUE(edit->isReadOnly());

    EXPECT_EQ(caption->cursor().shape(), Qt::PointingHandCursor);
    label->SetFontColor(clRed);
    EXPECT_EQ(caption->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(PropertyMirror, ListsPagesPanelsAndMenus) {
    auto* lines = widgetOf<QAbstractItemView>(*list);
    QAbstractItemModel* shown = lines->model();
    const auto line = [&](int row) { return shown->index(row, 0).data().toString(); };
    ASSERT_EQ(shown->rowCount(), 2);
    EXPECT_EQ(line(1), "6\t7\t8\t9\t10\t\t\t3\t4");
    list->Items().Add("11\t12");
    list->Items().Delete(0);
    ASSERT_EQ(shown->rowCount(), 2);
    EXPECT_EQ(line(0), "6\t7\t8\t9\t10\t\t\t3\t4");
    EXPECT_EQ(line(1), "11\t12");
    list->SetItemIndex(1);
    EXPECT_EQ(lines->currentIndex().row(), 1);
    list->Items().Clear();
    EXPECT_EQ(shown->rowCount(), 0);

    auto* tabs = widgetOf<QTabWidget>(*pages);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(0), "Tipp-Übersicht");
    EXPECT_FALSE(tabs->isTabVisible(2));
    EXPECT_EQ(tabs->currentWidget(), gui::WidgetOf(*tipPage));
    pages->SetActivePage(dataPage);
    EXPECT_EQ(tabs->currentWidget(), gui::WidgetOf(*dataPage));
    hiddenPage->SetTabVisible(true);
    dataPage->SetCaption("Ziehungen");
    EXPECT_TRUE(tabs->isTabVisible(2));
    EXPECT_EQ(tabs->tabText(1), "Ziehungen");

    auto panels = gui::WidgetOf(*status)->findChildren<QLabel*>();
    ASSERT_EQ(panels.size(), 2);
    status->SetPanelText(1, "3 Treffer");
    EXPECT_EQ(panels[0]->text(), "Bereit");
    EXPECT_EQ(panels[1]->text(), "3 Treffer");
    EXPECT_EQ(panels[0]->width(), 150);
    EXPECT_EQ(panels[1]->geometry().right(), status->Width() - 1);

    QAction* update = gui::ActionOf(*updateItem);
    ASSERT_TRUE(update);
    EXPECT_EQ(update->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_A));
    EXPECT_TRUE(gui::ActionOf(*listItem)->isChecked());
    listItem->SetChecked(false);
    EXPECT_FALSE(gui::ActionOf(*listItem)->isChecked());
    updateItem->SetEnabled(false);
    EXPECT_FALSE(update->isEnabled());
    QMenu* submenu = gui::ActionOf(*fileMenu)->menu();
    ASSERT_TRUE(submenu);
    ASSERT_EQ(submenu->actions().size(), 3);
    EXPECT_TRUE(submenu->actions()[1]->isSeparator());
}

TEST_F(PropertyMirror, HintsShowWhereShowHintSaysSo) {
    QWidget* caption = gui::WidgetOf(*label);
    // The window shows hints, so its controls do.
    EXPECT_EQ(caption->toolTip(), "Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    label->SetHint("Kurz|Der lange Text für die Statuszeile");
    EXPECT_EQ(caption->toolTip(), "Kurz");
    form->SetShowHint(false);
    EXPECT_EQ(caption->toolTip(), "");
    label->SetShowHint(true);
    EXPECT_EQ(caption->toolTip(), "Kurz");
}

TEST_F(PropertyMirror, ControlsAddedLaterGetWidgetsAndFollowTheirParent) {
    TEdit* late = form->Create<TEdit>("Edit4");
    late->SetParent(tipPage);
    late->SetBounds(10, 200, 50, 21);
    late->SetText("spät");
    auto* lateEdit = widgetOf<QLineEdit>(*late);
    ASSERT_TRUE(lateEdit);
    EXPECT_EQ(lateEdit->parentWidget(), gui::WidgetOf(*tipPage));
    EXPECT_EQ(lateEdit->geometry(), QRect(10, 200, 50, 21));
    EXPECT_EQ(lateEdit->text(), "spät");

    late->SetParent(dataPage);
    EXPECT_EQ(lateEdit->parentWidget(), gui::WidgetOf(*dataPage));

    TTabSheet* extra = form->Create<TTabSheet>("TabSheet4");
    extra->SetCaption("Neu");
    extra->SetPageControl(pages);
    auto* tabs = widgetOf<QTabWidget>(*pages);
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(tabs->tabText(3), "Neu");

    // A control that goes takes its widget along.
    QPointer<QLineEdit> gone(lateEdit);
    delete late;
    EXPECT_TRUE(gone.isNull());
}

TEST(ChartValueAxis, CountsGetWholeTicksInRoundSteps) {
    struct Case {
        double low, high;
        bool whole;
        std::vector<double> ticks;
    };
    const Case cases[] = {
        {0, 1, true, {0, 1}},                      // a triple found once: no 0.2 steps
        {0, 4, true, {0, 1, 2, 3, 4}},
        {0, 1, false, {0, 0.2, 0.4, 0.6, 0.8, 1}},  // values with fractions keep them
        {0, 52, true, {0, 10, 20, 30, 40, 50}},
        {-3, 8, true, {-2, 0, 2, 4, 6, 8}},
        {120, 2400, true, {500, 1000, 1500, 2000}},
    };
    for (const Case& c : cases) {
        std::vector<double> ticks = gui::ValueTicks(c.low, c.high, c.whole);
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.low << ".." << c.high;
        for (size_t i = 0; i < ticks.size(); ++i) EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9) << c.low << ".." << c.high;
    }
}
