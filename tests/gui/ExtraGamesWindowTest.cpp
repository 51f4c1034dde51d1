// The extra-games window rendered by the front end: everything it shows lies
// inside it, and the ticket tools give way to the instruction when there is
// no sibling draw file.

#include "GuiFixture.h"

#include "gui/Attach.h"
#include "output/Spielwahl.h"

#include <QTest>

namespace {

using ExtraGamesWindowView = GuiFixture;

} // namespace

TEST_F(ExtraGamesWindowView, HoldsItsControlsAndShowsTheInstructionWithoutTheSiblingFile) {
    TForm5 extra(form);
    extra.Tipp = 3;
    extra.glueck->SetChecked(true);
    gui::Show(extra);
    settle();
    QDialog* window = gui::WindowOf(extra);
    ASSERT_TRUE(window && window->isVisible());
    const QRect inside = window->rect();
    for (const TControl* c : {static_cast<TControl*>(extra.Spiel77), static_cast<TControl*>(extra.glueck),
                              static_cast<TControl*>(extra.Label4), static_cast<TControl*>(extra.UpDown9),
                              static_cast<TControl*>(extra.SpeedButton2), static_cast<TControl*>(extra.Label5),
                              static_cast<TControl*>(extra.BitBtn1), static_cast<TControl*>(extra.BitBtn3)}) {
        QWidget* w = gui::WidgetOf(*c);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible()) << c->Name();
        EXPECT_TRUE(inside.contains(QRect(w->mapTo(window, QPoint(0, 0)), w->size()))) << c->Name();
    }
    EXPECT_FALSE(gui::WidgetOf(*extra.RadioGroup2)->isVisible());
    EXPECT_FALSE(gui::WidgetOf(*extra.SpeedButton3)->isVisible());
    window->grab().save(QString::fromStdString(std::string(GUI_TEST_OUTPUT_DIR) + "/extra_games.png"));
    QTest::mouseClick(gui::WidgetOf(*extra.BitBtn3), Qt::LeftButton);
    settle();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(extra.LosNr, "0000000");
}
