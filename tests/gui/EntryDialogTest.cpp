// The manual entry dialog rendered by the front end: typed numbers and
// arrow clicks reach its counters, OK ends it with its result, and the
// window holds everything it shows.

#include "GuiFixture.h"

#include "draws/LoEingab.h"
#include "gui/Attach.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

using EntryDialog = GuiFixture;

} // namespace

TEST_F(EntryDialog, TypedNumbersAndArrowsReachTheCountersAndOkEndsIt) {
    const auto dialog = TForm3::ForOneEntry(form);
    dialog->UpDown8->SetMax(11);
    dialog->UpDown8->SetPosition(11);
    bool drove = false;
    QTimer::singleShot(0, [&] {
        QDialog* window = gui::WindowOf(*dialog);
        ASSERT_TRUE(window && window->isModal());
        auto* first = widgetOf<QLineEdit>(*dialog->Edit1);
        ASSERT_NE(first, nullptr);
        first->setFocus(Qt::MouseFocusReason);
        first->selectAll();
        QTest::keyClicks(first, "17");
        // The star counter stands at its maximum; a click above it stays.
        QTest::mouseClick(gui::WidgetOf(*dialog->UpDown8), Qt::LeftButton, {}, QPoint(8, 3));
        const QRect inside = window->rect();
        for (const TControl* c : {static_cast<TControl*>(dialog->Label2), static_cast<TControl*>(dialog->UpDown8),
                                  static_cast<TControl*>(dialog->BitBtn2)}) {
            QWidget* w = gui::WidgetOf(*c);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(w->isVisible()) << c->Name();
            EXPECT_TRUE(inside.contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) << c->Name();
        }
        EXPECT_FALSE(gui::WidgetOf(*dialog->Edit6)->isVisible());
        window->grab().save(QString::fromStdString(std::string(GUI_TEST_OUTPUT_DIR) + "/entry_dialog.png"));
        QTest::mouseClick(gui::WidgetOf(*dialog->BitBtn2), Qt::LeftButton);
        drove = true;
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(drove);
    EXPECT_EQ(dialog->UpDown1->Position(), 17);
    EXPECT_EQ(dialog->UpDown8->Position(), 11);
}
