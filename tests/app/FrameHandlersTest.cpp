// The frame's small commands: the hint of the control under the mouse, the
// web links, the grid view and closing from the menu.

#include "app/SettingsKey.h"
#include "support/MainWindow.h"

#include <gtest/gtest.h>

namespace {

TEST(FrameHandlers, MovingOverABoundControlShowsItsHintInPanelOne) {
    MainWindowHarness h;
    TForm1& f = h.create();
    const std::pair<TControl*, std::string> table[] = {
        {f.Row(0).Label, f.Row(0).Label->Hint()},
        {f.BitBtn4, "Starten Sie hier die Berechnung der Tippreihen."},
        {f.BitBtn9, "Berechnung und Erfolg beginnend mit dem oben gewählten Datum"},
        {f.Button2, "Erzeugen der Grafik für die Paarbildung der Zahlen"},
        {f.CheckBox2, "Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"},
        {f.Edit85, "Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen"},
        {f.CheckBox1, ""},
    };
    for (auto& [control, hint] : table) {
        f.StatusBar1->SetPanelText(1, "vorher");
        control->MouseMove({}, 3, 3);
        EXPECT_EQ(f.StatusBar1->Panels(1).Text, hint) << control->Name();
    }
    // A handler takes only senders of its own kind.
    f.StatusBar1->SetPanelText(1, "vorher");
    f.SpeedButton4MouseMove(f.Button2, {}, 0, 0);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, "vorher");
}

TEST(FrameHandlers, LinksOpenTheirAddressesThroughTheShell) {
    MainWindowHarness h;
    TForm1& f = h.create();
    f.Panel8->Click();
    f.LinkLabels[3]->Click();
    ASSERT_EQ(h.platform.shellCalls.size(), 2u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "open");
    EXPECT_EQ(h.platform.shellCalls[0].file, kMakerSite);
    EXPECT_EQ(h.platform.shellCalls[1].file, f.LinkLabels[3]->Caption());
    EXPECT_EQ(h.platform.shellCalls[1].parameters, "");
}

TEST(FrameHandlers, StandardViewHidesTheListAndCloseEndsTheProgram) {
    MainWindowHarness h;
    TForm1& f = h.create();
    for (TControl* c : {static_cast<TControl*>(f.Gewinnzahlen), static_cast<TControl*>(f.Gewinne),
                        static_cast<TControl*>(f.SpeedButton28)})
        c->SetVisible(true);
    f.Gewinnzahlen->Items().Add("1,2,3,4,5,1,2");
    f.Standardansicht->Click();
    EXPECT_FALSE(f.Gewinnzahlen->Visible());
    EXPECT_FALSE(f.Gewinne->Visible());
    EXPECT_FALSE(f.SpeedButton28->Visible());
    EXPECT_EQ(f.Gewinnzahlen->Items().Count(), 1);
    h.platform.answerMessage(IDNO);
    f.Schlieen1->Click();
    EXPECT_TRUE(f.Closed());
    EXPECT_TRUE(h.platform.terminated);
}

}  // namespace
